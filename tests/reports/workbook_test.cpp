#include "reports/workbook.h"

#include <gtest/gtest.h>

#include "shell/file_io.h"
#include "support/test_folder.h"
#include "xlsx_fixture.h"

namespace kovu3 {
namespace {

const std::string kMain = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
const std::string kRelationshipTypes =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
const std::string kContentTypes = "application/vnd.openxmlformats-officedocument.spreadsheetml.";

std::string Relationships(const std::string& list) {
    return R"(<?xml version="1.0" encoding="UTF-8"?><Relationships)"
           R"( xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)" +
           list + "</Relationships>";
}

std::string Relationship(const std::string& id, const std::string& kind,
                         const std::string& target) {
    return "<Relationship Id=\"" + id + "\" Type=\"" + kRelationshipTypes + "/" + kind +
           "\" Target=\"" + target + "\"/>";
}

std::string Override(const std::string& part, const std::string& type) {
    return "<Override PartName=\"" + part + "\" ContentType=\"" + kContentTypes + type + "\"/>";
}

// A workbook whose parts have none of the usual names: the workbook part, its sheets (one
// named by an absolute target, one by a "../" target), a chart sheet, shared strings and a
// calculation chain, and a decoy at the place where sheets usually are.
test::ZipEntries OddlyNamedWorkbook(const std::string& zetaSheet) {
    return {
        {"[Content_Types].xml",
         R"(<?xml version="1.0" encoding="UTF-8"?>)"
         R"(<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">)"
         R"(<Default Extension="rels")"
         R"( ContentType="application/vnd.openxmlformats-package.relationships+xml"/>)"
         R"(<Default Extension="xml" ContentType="application/xml"/>)" +
             Override("/book/main.xml", "sheet.main+xml") +
             Override("/data/zeta.xml", "worksheet+xml") +
             Override("/data/b/x.xml", "worksheet+xml") +
             Override("/book/chain.xml", "calcChain+xml") +
             Override("/book/strings.xml", "sharedStrings+xml") + "</Types>"},
        {"_rels/.rels", Relationships(Relationship("rId1", "officeDocument", "book/main.xml"))},
        {"book/main.xml",
         "<workbook xmlns=\"" + kMain + "\" xmlns:rel=\"" + kRelationshipTypes + "\"><sheets>"
         R"(<sheet name="Zeta" sheetId="5" rel:id="rId7"/>)"
         R"(<sheet name="Alpha" sheetId="2" rel:id="rId3"/>)"
         R"(<sheet name="Chart" sheetId="3" rel:id="rId4"/>)"
         R"(</sheets><calcPr calcId="0"/></workbook>)"},
        {"book/_rels/main.xml.rels",
         Relationships(Relationship("rId7", "worksheet", "/data/zeta.xml") +
                       Relationship("rId3", "worksheet", "../data/b/x.xml") +
                       Relationship("rId4", "chartsheet", "charts/c.xml") +
                       Relationship("rId9", "calcChain", "chain.xml") +
                       Relationship("rId2", "sharedStrings", "strings.xml"))},
        {"data/zeta.xml", zetaSheet},
        {"data/b/x.xml", "<worksheet xmlns=\"" + kMain + "\"><sheetData>" +
                             R"(<row r="1"><c r="A1"><v>2</v></c></row></sheetData></worksheet>)"},
        {"book/charts/c.xml", "<chartsheet xmlns=\"" + kMain + "\"/>"},
        {"book/chain.xml", "<calcChain xmlns=\"" + kMain + R"("><c r="C3" i="1"/></calcChain>)"},
        {"book/strings.xml", "<sst xmlns=\"" + kMain + R"("><si><t>Zeta text</t></si></sst>)"},
        {"xl/worksheets/sheet1.xml", "not the sheet you are looking for"},
    };
}

const std::string kZetaSheet =
    "<worksheet xmlns=\"" + kMain +
    R"("><sheetData><row r="1"><c r="A1" t="s"><v>0</v></c></row>)"
    R"(<row r="3"><c r="C3"><f>1+1</f><v>2</v></c></row></sheetData></worksheet>)";

TEST(Workbook, SheetsAreFoundThroughTheRelationshipsAndTheChainGoes) {
    test::TestFolder folder;
    test::ZipEntries entries = OddlyNamedWorkbook(kZetaSheet);
    std::filesystem::path path = folder / "odd book.xlsx";
    test::WriteZip(path, entries);

    Workbook::Opened opened = Workbook::Open(path);
    ASSERT_TRUE(opened.workbook) << opened.error;
    Workbook& workbook = *opened.workbook;
    ASSERT_EQ(workbook.SheetCount(), 3);
    EXPECT_EQ(workbook.SheetName(1), "Zeta");
    EXPECT_EQ(workbook.SheetName(3), "Chart");
    EXPECT_EQ(workbook.SheetName(4), "");
    ASSERT_NE(workbook.Sheet(1), nullptr);
    EXPECT_EQ(workbook.Sheet(1), workbook.Sheet("zeta"));
    EXPECT_EQ(workbook.Sheet(1)->Get(1, 1).text, "Zeta text");
    EXPECT_EQ(workbook.Sheet("ALPHA")->Get(1, 1).Number(), 2);
    EXPECT_EQ(workbook.Sheet(3), nullptr);  // a chart sheet has no cells
    EXPECT_EQ(workbook.Sheet("Beta"), nullptr);
    EXPECT_EQ(workbook.Sheet(0), nullptr);

    workbook.Sheet(1)->SetNumber(2, 2, 4);
    ASSERT_EQ(workbook.Save(), "");

    std::map<std::string, std::string> saved = test::ReadZip(path);
    EXPECT_EQ(saved.count("book/chain.xml"), 0u);
    EXPECT_EQ(saved["[Content_Types].xml"].find("chain"), std::string::npos);
    EXPECT_NE(saved["[Content_Types].xml"].find("/book/strings.xml"), std::string::npos);
    EXPECT_EQ(saved["book/_rels/main.xml.rels"].find("calcChain"), std::string::npos);
    EXPECT_NE(saved["book/_rels/main.xml.rels"].find("rId4"), std::string::npos);
    EXPECT_EQ(test::AttributeIn(saved["book/main.xml"], "<calcPr", "fullCalcOnLoad"), "1");
    EXPECT_NE(saved["data/zeta.xml"].find(R"(<c r="B2"><v>4</v></c>)"), std::string::npos);
    // Every part the program did not touch is as it was, byte for byte.
    for (const auto& [name, bytes] : entries) {
        if (name == "[Content_Types].xml" || name.starts_with("book/main.xml") ||
            name.starts_with("book/_rels") || name == "data/zeta.xml" || name == "book/chain.xml") {
            continue;
        }
        EXPECT_EQ(saved[name], bytes) << name;
    }

    Workbook::Opened again = Workbook::Open(path);
    ASSERT_TRUE(again.workbook) << again.error;
    EXPECT_EQ(again.workbook->Sheet("Zeta")->Get(2, 2).Number(), 4);
    EXPECT_EQ(again.workbook->Sheet("Zeta")->Get(3, 3).formula, "1+1");
}

TEST(Workbook, ATemplateCopyIsFilledReadAndSavedOnQuit) {
    test::TestFolder folder;
    std::filesystem::path templatePath = test::DefaultTemplate("Sablon1.xlsx");
    std::map<std::string, std::string> original = test::ReadZip(templatePath);
    ASSERT_FALSE(original.empty()) << "no template at " << templatePath;
    std::filesystem::path path = folder / "S2003123-45678.xlsx";

    Workbook::Opened opened = Workbook::OpenTemplateCopy(templatePath, path);
    ASSERT_TRUE(opened.workbook) << opened.error;
    Workbook& workbook = *opened.workbook;
    Worksheet* daily = workbook.Sheet("Gunluk");
    ASSERT_NE(daily, nullptr);
    EXPECT_EQ(daily, workbook.Sheet(1));
    EXPECT_EQ(daily->Get(1, 1).text, "İstasyon No:");  // the template's own heading

    daily->SetValue(1, 3, "123-45678");
    daily->SetValue(1, 7, "Çamlıdere <Köprü> & Ağıl");
    daily->SetValue(2, 14, "2003");
    daily->SetValue(5, 2, "'06:30");
    daily->SetValue(5, 3, " 123");
    daily->SetFormula(22, 3, "AVERAGE(F5:F20,M5:M20)", 123);
    EXPECT_EQ(daily->Get(1, 7).text, "Çamlıdere <Köprü> & Ağıl");
    EXPECT_EQ(daily->Get(5, 3).Number(), 123);
    EXPECT_FALSE(std::filesystem::exists(path)) << "nothing is written before saving";

    ASSERT_EQ(workbook.Quit(), "");
    EXPECT_FALSE(workbook.IsOpen());
    EXPECT_EQ(workbook.Sheet(1), nullptr);
    EXPECT_NE(workbook.Run("Macro2"), "");

    Workbook::Opened again = Workbook::Open(path);
    ASSERT_TRUE(again.workbook) << again.error;
    Worksheet* saved = again.workbook->Sheet("gunluk");
    EXPECT_EQ(saved->Get(1, 3).text, "123-45678");
    EXPECT_EQ(saved->Get(2, 14).Number(), 2003);
    EXPECT_EQ(saved->Get(5, 2).text, "06:30");
    EXPECT_EQ(saved->Get(22, 3).formula, "AVERAGE(F5:F20,M5:M20)");
    EXPECT_EQ(saved->Get(22, 3).Number(), 123);

    // The XML itself: inline strings, the template's styles kept, a true dimension.
    std::map<std::string, std::string> parts = test::ReadZip(path);
    const std::string& before = original["xl/worksheets/sheet1.xml"];
    const std::string& after = parts["xl/worksheets/sheet1.xml"];
    for (const char* cell : {"<c r=\"C1\"", "<c r=\"B5\"", "<c r=\"C5\"", "<c r=\"C22\""}) {
        std::string style = test::AttributeIn(before, cell, "s");
        EXPECT_NE(style, "") << cell << " has a style in the template";
        EXPECT_EQ(test::AttributeIn(after, cell, "s"), style) << cell;
    }
    EXPECT_EQ(test::AttributeIn(after, "<c r=\"B5\"", "t"), "inlineStr");
    EXPECT_NE(after.find("<t xml:space=\"preserve\">Çamlıdere &lt;Köprü&gt; &amp; Ağıl</t>"),
              std::string::npos);
    EXPECT_EQ(test::AttributeIn(after, "<dimension", "ref"),
              test::AttributeIn(before, "<dimension", "ref"));
    EXPECT_EQ(parts["xl/sharedStrings.xml"], original["xl/sharedStrings.xml"]);
    EXPECT_EQ(parts["xl/styles.xml"], original["xl/styles.xml"]);
    EXPECT_EQ(parts["xl/worksheets/sheet3.xml"], original["xl/worksheets/sheet3.xml"]);
    EXPECT_EQ(test::ReadZip(templatePath), original) << "the template itself is not touched";
}

TEST(Workbook, AMissingOrDamagedTemplateIsNamedAndNothingIsWritten) {
    test::TestFolder folder;
    std::optional<std::string> templateBytes = ReadWholeFile(test::DefaultTemplate("Sablon1.xlsx"));
    ASSERT_TRUE(templateBytes && templateBytes->size() > 1000);
    test::ZipEntries noPackageRelationships = OddlyNamedWorkbook(kZetaSheet);
    noPackageRelationships.erase(noPackageRelationships.begin() + 1);
    test::ZipEntries brokenWorkbookPart = OddlyNamedWorkbook(kZetaSheet);
    brokenWorkbookPart[2].second = "<workbook><sheets>";
    test::WriteZip(folder / "no rels.xlsx", noPackageRelationships);
    test::WriteZip(folder / "broken book.xlsx", brokenWorkbookPart);
    test::WriteZip(folder / "broken sheet.xlsx", OddlyNamedWorkbook("<worksheet><sheetData>"));
    // A stored part whose bytes no longer match its checksum.
    test::WriteZip(folder / "bad checksum.xlsx", OddlyNamedWorkbook(kZetaSheet), false);
    std::string stored = folder.Read("bad checksum.xlsx");
    stored.replace(stored.find("Zeta text"), 9, "Zeta tExt");
    folder.Write("bad checksum.xlsx", stored);
    folder.Write("text.xlsx", "İstasyon,Ad\r\n");
    folder.Write("truncated.xlsx", templateBytes->substr(0, templateBytes->size() / 2));
    std::filesystem::create_directory(folder / "folder.xlsx");

    struct Case {
        std::string name;
        std::string reason;
    };
    const Case cases[] = {
        {"Şablon yok.xlsx", "there is no such file"},
        {"folder.xlsx", "it is not a file"},
        {"text.xlsx", "not a workbook (.xlsx)"},
        {"truncated.xlsx", "not a workbook (.xlsx)"},
        {"no rels.xlsx", "_rels/.rels"},
        {"broken book.xlsx", "the part book/main.xml is damaged"},
        {"broken sheet.xlsx", "the sheet \"Zeta\""},
        {"bad checksum.xlsx", "the part book/strings.xml is damaged"},
    };
    std::filesystem::path target = folder / "S2003123-45678.xlsx";
    folder.Write("S2003123-45678.xlsx", "older workbook");
    for (const Case& c : cases) {
        Workbook::Opened opened = Workbook::OpenTemplateCopy(folder / c.name, target);
        EXPECT_FALSE(opened.workbook) << c.name;
        EXPECT_NE(opened.error.find((folder / c.name).string()), std::string::npos) << opened.error;
        EXPECT_NE(opened.error.find(c.reason), std::string::npos) << opened.error;
        EXPECT_EQ(folder.Read("S2003123-45678.xlsx"), "older workbook");
    }
}

TEST(Workbook, AFailedSaveNamesTheWorkbookAndLeavesNothingBehind) {
    test::TestFolder folder;
    std::filesystem::path target = folder / "no such folder" / "S2003123-45678.xlsx";
    Workbook::Opened opened =
        Workbook::OpenTemplateCopy(test::DefaultTemplate("Sablon1_E.xlsx"), target);
    ASSERT_TRUE(opened.workbook) << opened.error;
    opened.workbook->Sheet("Daily")->SetValue(1, 3, "123-45678");
    std::string error = opened.workbook->Quit();
    EXPECT_NE(error.find(target.string()), std::string::npos) << error;
    EXPECT_FALSE(std::filesystem::exists(folder / "no such folder"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                            std::filesystem::directory_iterator()),
              0);
}

TEST(Workbook, MacrosAreFoundByNameAndAnUnknownNameIsAnError) {
    test::TestFolder folder;
    Workbook::Opened opened =
        Workbook::OpenTemplateCopy(test::DefaultTemplate("Sablon1.xlsx"), folder / "S.xlsx");
    ASSERT_TRUE(opened.workbook) << opened.error;
    Workbook& workbook = *opened.workbook;
    int runs = 0;
    workbook.SetMacros({{"Macro2", [&](Workbook& book) {
                             ++runs;
                             book.Sheet(1)->SetNumber(22, 3, 5);
                             return std::string();
                         }},
                        {"Failing", [](Workbook&) { return std::string("it failed"); }}});
    EXPECT_EQ(workbook.Run("macro2"), "");
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(workbook.Run("Failing"), "it failed");
    std::string error = workbook.Run("Macro9");
    EXPECT_NE(error.find("Macro9"), std::string::npos);
    EXPECT_NE(error.find((folder / "S.xlsx").string()), std::string::npos);
    EXPECT_EQ(runs, 1);
}

}  // namespace
}  // namespace kovu3
