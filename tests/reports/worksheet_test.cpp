#include "reports/worksheet.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "comma_locale.h"
#include "reports/shared_strings.h"
#include "reports/xml_part.h"
#include "xlsx_fixture.h"

// The C library keeps the split LOCPATH of CommaLocale for good; not a leak of this program.
extern "C" const char* __lsan_default_suppressions() { return "leak:__argz_add_sep\n"; }

namespace kovu3 {
namespace {

// Rows and cells out of order, a shared string, a styled row and styled columns.
constexpr std::string_view kSheet =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    "\n"
    R"(<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">)"
    R"(<dimension ref="A1"/><sheetViews><sheetView workbookViewId="0"/></sheetViews>)"
    R"(<cols><col min="2" max="3" width="9" style="4" customWidth="1"/></cols><sheetData>)"
    "\n  "
    R"(<row r="3" spans="1:2"><c r="B3" s="7"/><c r="A3" t="s"><v>1</v></c></row>)"
    "\n  "
    R"(<row r="1"><c r="A1"><v>12.5</v></c>)"
    R"(<c r="B1" t="inlineStr"><is><t xml:space="preserve"> a </t></is></c>)"
    R"(<c r="C1" t="str"><f>"x"&amp;"y"</f><v>xy</v></c><c r="D1" t="b"><v>1</v></c>)"
    R"(<c r="E1" t="e"><v>#DIV/0!</v></c><c r="F1" t="s"><v>9</v></c>)"
    R"(<c r="G1"><f>1+1</f></c></row>)"
    "\n  "
    R"(<row r="5" s="9" customFormat="1"/>)"
    "\n"
    R"(</sheetData><pageMargins left="0.7" right="0.7" top="0.75" bottom="0.75" header="0.3")"
    R"( footer="0.3"/></worksheet>)";

constexpr std::string_view kStrings =
    R"(<sst xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">)"
    R"(<si><t>first</t></si>)"
    R"(<si><r><t>İst</t></r><r><rPr><b/></rPr><t>asyon</t></r><rPh><t>x</t></rPh></si></sst>)";

class WorksheetTest : public ::testing::Test {
protected:
    void SetUp() override {
        pugi::xml_document table;
        ASSERT_EQ(ParseXmlPart(table, kStrings), "");
        strings_ = SharedStrings(table);
        sheet_ = Load(kSheet);
        ASSERT_TRUE(sheet_);
    }
    std::unique_ptr<Worksheet> Load(std::string_view bytes) {
        Worksheet::Loaded loaded = Worksheet::Parse("Gunluk", "xl/worksheets/sheet1.xml", bytes,
                                                    &strings_);
        EXPECT_EQ(loaded.error, "");
        return std::move(loaded.sheet);
    }
    // The sheet as saved and read again.
    std::unique_ptr<Worksheet> Reloaded() { return Load(sheet_->Serialize()); }

    SharedStrings strings_;
    std::unique_ptr<Worksheet> sheet_;
};

// The row and cell references of the sheet XML in the order they stand.
std::vector<std::string> ReferencesInOrder(const std::string& xml) {
    std::vector<std::string> references;
    for (size_t at = 0; (at = xml.find('<', at)) != std::string::npos; ++at) {
        for (std::string_view start : {"<row r=\"", "<c r=\""}) {
            if (xml.compare(at, start.size(), start) != 0) continue;
            size_t value = at + start.size();
            references.push_back(xml.substr(value, xml.find('"', value) - value));
        }
    }
    return references;
}

TEST_F(WorksheetTest, ReadsEveryKindOfCell) {
    struct Case {
        int row, column;
        CellKind kind;
        double number;
        std::string text, formula;
    };
    const Case cases[] = {
        {1, 1, CellKind::Number, 12.5, "", ""},
        {1, 2, CellKind::Text, 0, " a ", ""},
        {1, 3, CellKind::Text, 0, "xy", "\"x\"&\"y\""},
        {1, 4, CellKind::Boolean, 1, "", ""},
        {1, 5, CellKind::Error, 0, "#DIV/0!", ""},
        {1, 6, CellKind::Error, 0, "#REF!", ""},  // a shared string that is not there
        {1, 7, CellKind::Empty, 0, "", "1+1"},    // a formula not computed yet
        {3, 1, CellKind::Text, 0, "İstasyon", ""},
        {3, 2, CellKind::Empty, 0, "", ""},
        {4, 4, CellKind::Empty, 0, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(CellReference(c.row, c.column));
        CellValue value = sheet_->Get(c.row, c.column);
        EXPECT_EQ(value.kind, c.kind);
        EXPECT_EQ(value.number, c.number);
        EXPECT_EQ(value.text, c.text);
        EXPECT_EQ(value.formula, c.formula);
    }
    EXPECT_FALSE(sheet_->Modified());
}

TEST_F(WorksheetTest, EntriesAreTakenAsTheSpreadsheetTakesTypedOnes) {
    struct Case {
        std::string entry;
        CellKind kind;
        double number;
        std::string text;
    };
    const Case cases[] = {
        {"'06:30", CellKind::Text, 0, "06:30"},
        {"'123", CellKind::Text, 0, "123"},
        {"'", CellKind::Text, 0, ""},
        {"''x", CellKind::Text, 0, "'x"},
        {" 123", CellKind::Number, 123, ""},
        {"000123", CellKind::Number, 123, ""},
        {"-7", CellKind::Number, -7, ""},
        {"+5", CellKind::Number, 5, ""},
        {"12.5 ", CellKind::Number, 12.5, ""},
        {"1e3", CellKind::Number, 1000, ""},
        {"1,5", CellKind::Text, 0, "1,5"},
        {"-", CellKind::Text, 0, "-"},
        {"+-5", CellKind::Text, 0, "+-5"},
        {"inf", CellKind::Text, 0, "inf"},
        {"nan", CellKind::Text, 0, "nan"},
        {"0x10", CellKind::Text, 0, "0x10"},
        {"   ", CellKind::Text, 0, "   "},
        {"01/10/2003", CellKind::Text, 0, "01/10/2003"},
        {"", CellKind::Empty, 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("entry \"" + c.entry + "\"");
        ASSERT_TRUE(sheet_->SetValue(10, 2, c.entry));
        std::unique_ptr<Worksheet> saved = Reloaded();
        for (Worksheet* sheet : {sheet_.get(), saved.get()}) {
            CellValue value = sheet->Get(10, 2);
            EXPECT_EQ(value.kind, c.kind);
            EXPECT_EQ(value.number, c.number);
            EXPECT_EQ(value.text, c.text);
        }
    }
}

TEST_F(WorksheetTest, KeepsRowsAndCellsInOrderAndTheDimensionTrue) {
    sheet_->SetNumber(2, 5, 1);
    sheet_->SetNumber(3, 3, 2);  // between B3 and the end of row 3
    sheet_->SetNumber(1, 8, 3);
    sheet_->SetNumber(7, 1, 4);
    sheet_->SetNumber(4, 27, 5);  // column AA
    std::string xml = sheet_->Serialize();
    EXPECT_EQ(ReferencesInOrder(xml),
              (std::vector<std::string>{"1", "A1", "B1", "C1", "D1", "E1", "F1", "G1", "H1", "2",
                                        "E2", "3", "A3", "B3", "C3", "4", "AA4", "5", "7", "A7"}));
    EXPECT_NE(xml.find(R"(<dimension ref="A1:AA7"/>)"), std::string::npos);
    // The rows' column hints go once cells were added: a new cell can make them wrong.
    EXPECT_EQ(xml.find("spans="), std::string::npos);
    // Whitespace between the rows is kept as it was.
    EXPECT_NE(xml.find("<sheetData>\n  <row r=\"1\">"), std::string::npos);
}

TEST_F(WorksheetTest, ACellKeepsItsStyleAndANewCellTakesItsRowOrColumnStyle) {
    sheet_->SetText(3, 2, "kept");   // s="7" in the file
    sheet_->SetNumber(2, 3, 1);      // column C has style 4
    sheet_->SetNumber(5, 1, 1);      // row 5 has style 9
    sheet_->SetNumber(5, 2, 1);      // the row's style wins over the column's
    sheet_->SetNumber(6, 6, 1);      // neither
    std::string xml = sheet_->Serialize();
    EXPECT_EQ(test::AttributeIn(xml, "<c r=\"B3\"", "s"), "7");
    EXPECT_EQ(test::AttributeIn(xml, "<c r=\"C2\"", "s"), "4");
    EXPECT_EQ(test::AttributeIn(xml, "<c r=\"A5\"", "s"), "9");
    EXPECT_EQ(test::AttributeIn(xml, "<c r=\"B5\"", "s"), "9");
    EXPECT_EQ(test::AttributeIn(xml, "<c r=\"F6\"", "s"), "");
    EXPECT_NE(xml.find(R"(<c r="B3" s="7" t="inlineStr"><is><t xml:space="preserve">kept</t>)"
                       R"(</is></c>)"),
              std::string::npos);
    sheet_->Clear(3, 2);
    EXPECT_NE(sheet_->Serialize().find(R"(<c r="B3" s="7"/>)"), std::string::npos);
}

TEST_F(WorksheetTest, FormulasCarryTheirValueAndAValueOverAFormulaDropsIt) {
    ASSERT_TRUE(sheet_->SetFormula(8, 3, "=AVERAGE(A1:A2)", 12.5));
    ASSERT_TRUE(sheet_->SetFormulaWithText(8, 4, "IFERROR(1/0,\"\")", ""));
    std::unique_ptr<Worksheet> saved = Reloaded();
    CellValue mean = saved->Get(8, 3);
    EXPECT_EQ(mean.formula, "AVERAGE(A1:A2)");
    EXPECT_EQ(mean.Number(), 12.5);
    EXPECT_EQ(saved->Get(8, 4).kind, CellKind::Text);
    EXPECT_EQ(saved->Get(8, 4).formula, "IFERROR(1/0,\"\")");

    sheet_->SetNumber(1, 3, 7);  // C1 held a text formula
    sheet_->SetValue(8, 3, "'text");
    std::string xml = sheet_->Serialize();
    EXPECT_NE(xml.find(R"(<c r="C1"><v>7</v></c>)"), std::string::npos);
    EXPECT_EQ(sheet_->Get(8, 3).formula, "");
    EXPECT_EQ(sheet_->Get(8, 3).text, "text");
}

TEST(Worksheet, OverwritingTheCellThatHoldsASharedFormulaLeavesNoOrphans) {
    const std::string sheetXml =
        R"(<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">)"
        "<sheetData>"
        R"(<row r="1"><c r="A1"><f t="shared" ref="A1:A3" si="0">B1*2</f><v>2</v></c></row>)"
        R"(<row r="2"><c r="A2"><f t="shared" si="0"/><v>4</v></c></row>)"
        R"(<row r="3"><c r="A3"><f t="shared" si="1"/><v>6</v></c></row>)"
        R"(</sheetData></worksheet>)";
    Worksheet::Loaded loaded = Worksheet::Parse("S", "s.xml", sheetXml, nullptr);
    ASSERT_TRUE(loaded.sheet) << loaded.error;
    loaded.sheet->SetNumber(1, 1, 9);
    std::string xml = loaded.sheet->Serialize();
    EXPECT_NE(xml.find(R"(<c r="A2"><v>4</v></c>)"), std::string::npos);
    // A cell of another group keeps its formula.
    EXPECT_NE(xml.find(R"(<c r="A3"><f t="shared" si="1"/><v>6</v></c>)"), std::string::npos);
}

TEST_F(WorksheetTest, TextsAreEscapedAndSurviveTheRoundTrip) {
    const std::string texts[] = {
        "<&>", "İşğüÖç ĞÜŞİ", "  blanks around  ", "line\nbreak\ttab", "bell\x07", "cr\r",
        "_x0041_ stays literal", std::string("nul\0inside", 10), "broken \xFF byte",
    };
    int row = 20;
    for (const std::string& text : texts) sheet_->SetText(row++, 1, text);
    std::string xml = sheet_->Serialize();
    EXPECT_NE(xml.find(R"(<t xml:space="preserve">&lt;&amp;&gt;</t>)"), std::string::npos);
    EXPECT_NE(xml.find(R"(<t xml:space="preserve">İşğüÖç ĞÜŞİ</t>)"), std::string::npos);
    EXPECT_NE(xml.find("bell_x0007_"), std::string::npos);
    EXPECT_EQ(xml.find('\x07'), std::string::npos);

    std::unique_ptr<Worksheet> saved = Reloaded();
    row = 20;
    for (const std::string& text : texts) {
        std::string expected = text == "broken \xFF byte" ? "broken \xEF\xBF\xBD byte" : text;
        EXPECT_EQ(saved->Get(row++, 1).text, expected);
    }
}

TEST_F(WorksheetTest, ATextIsCutToTheLongestACellHolds) {
    sheet_->SetText(1, 1, std::string(40000, 'x'));
    EXPECT_EQ(Reloaded()->Get(1, 1).text.size(), 32767u);
}

TEST_F(WorksheetTest, PositionsOffTheSheetChangeNothing) {
    const CellPosition positions[] = {{0, 1}, {1, 0}, {-3, 2}, {1048577, 1}, {1, 16385}};
    for (CellPosition p : positions) {
        EXPECT_FALSE(sheet_->SetValue(p.row, p.column, "1"));
        EXPECT_FALSE(sheet_->SetFormula(p.row, p.column, "1", 1));
        EXPECT_EQ(sheet_->Get(p.row, p.column).kind, CellKind::Empty);
    }
    EXPECT_FALSE(sheet_->Modified());
    EXPECT_TRUE(sheet_->SetNumber(1048576, 16384, 1));
    EXPECT_NE(sheet_->Serialize().find(R"(<c r="XFD1048576"><v>1</v></c>)"), std::string::npos);
}

TEST_F(WorksheetTest, NumbersUseAPointWhateverTheLocale) {
    test::CommaLocale turkish("tr_TR");
    if (!turkish.active()) GTEST_SKIP() << "the Turkish locale cannot be made here";
    char printed[16];
    std::snprintf(printed, sizeof printed, "%.1f", 1.5);
    ASSERT_STREQ(printed, "1,5") << "the locale does not change how numbers print";
    sheet_->SetNumber(1, 1, 1.5);
    sheet_->SetValue(1, 2, "2.25");
    sheet_->SetFormula(1, 3, "A1*1.5", -0.125);
    std::string xml = sheet_->Serialize();
    EXPECT_NE(xml.find(R"(<c r="A1"><v>1.5</v></c>)"), std::string::npos);
    EXPECT_NE(xml.find(R"(<c r="B1"><v>2.25</v></c>)"), std::string::npos);
    EXPECT_NE(xml.find(R"(<c r="C1"><f>A1*1.5</f><v>-0.125</v></c>)"), std::string::npos);
    EXPECT_EQ(Reloaded()->Get(1, 2).Number(), 2.25);
    EXPECT_EQ(sheet_->Get(1, 1).Number(), 1.5);
}

TEST_F(WorksheetTest, TheSelectionAndTheTabAreWrittenIntoTheView) {
    sheet_->Select(4, 2);
    sheet_->SetTabSelected(true);
    std::string xml = sheet_->Serialize();
    EXPECT_NE(xml.find(R"(<sheetView workbookViewId="0" tabSelected="1">)"
                       R"(<selection activeCell="B4" sqref="B4"/></sheetView>)"),
              std::string::npos);
    sheet_->SetTabSelected(false);
    EXPECT_EQ(sheet_->Serialize().find("tabSelected"), std::string::npos);
}

TEST(Worksheet, DamagedSheetsAreRefusedWithTheReason) {
    struct Case {
        std::string xml;
        std::string reason;
    };
    const std::string open =
        R"(<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">)"
        "<sheetData>";
    const Case cases[] = {
        {open + "<row r=\"1\">", "at byte"},
        {"", "at byte"},
        {"<workbook/>", "root element is <workbook>"},
        {open + R"(<row r="2"/><row r="2"/></sheetData></worksheet>)", "row 2 twice"},
        {open + R"(<row r="1"><c r="1A"/></row></sheetData></worksheet>)", "cell named \"1A\""},
        {open + R"(<row r="1"><c r="B1"/><c r="B1"/></row></sheetData></worksheet>)", "B1 twice"},
        {open + R"(<row r="0"/></sheetData></worksheet>)", "row numbered 0"},
    };
    for (const Case& c : cases) {
        Worksheet::Loaded loaded = Worksheet::Parse("S", "s.xml", c.xml, nullptr);
        EXPECT_FALSE(loaded.sheet) << c.xml;
        EXPECT_NE(loaded.error.find(c.reason), std::string::npos) << loaded.error;
    }
}

TEST(Worksheet, RowsAndCellsWithoutNumbersFollowTheOnesBefore) {
    const std::string xml =
        R"(<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">)"
        "<sheetData>"
        R"(<row r="4"><c r="B4"><v>1</v></c><c><v>2</v></c></row><row><c><v>3</v></c></row>)"
        R"(</sheetData></worksheet>)";
    Worksheet::Loaded loaded = Worksheet::Parse("S", "s.xml", xml, nullptr);
    ASSERT_TRUE(loaded.sheet) << loaded.error;
    EXPECT_EQ(loaded.sheet->Get(4, 3).Number(), 2);
    EXPECT_EQ(loaded.sheet->Get(5, 1).Number(), 3);
}

}  // namespace
}  // namespace kovu3
