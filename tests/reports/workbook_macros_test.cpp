#include "reports/workbook_macros.h"

#include <gtest/gtest.h>

#include "shell/language_texts.h"
#include "support/test_folder.h"
#include "xlsx_fixture.h"

namespace kovu3 {
namespace {

struct Opened {
    std::unique_ptr<Workbook> workbook;
    Worksheet* daily = nullptr;
};

Opened OpenTemplate(const test::TestFolder& folder, const char* templateName, ReportKind kind,
                    const char* language = "TURKCE") {
    LanguageTexts texts;
    ApplyLanguage(texts, language);
    Workbook::Opened opened =
        Workbook::OpenTemplateCopy(test::DefaultTemplate(templateName), folder / "Q.xlsx");
    EXPECT_TRUE(opened.workbook) << opened.error;
    if (!opened.workbook) return {};
    opened.workbook->SetMacros(ReportMacros(kind, SheetNamesOf(texts)));
    Worksheet* daily = opened.workbook->Sheet(texts.WordDaily);
    return {std::move(opened.workbook), daily};
}

TEST(WorkbookMacros, Macro2WritesEachMonthsMeanLevel) {
    test::TestFolder folder;
    Opened book = OpenTemplate(folder, "Sablon1.xlsx", ReportKind::LevelTable);
    ASSERT_TRUE(book.daily);
    // October (block at row 1): days 1 and 2 in column 6, day 16 in column 13, day 31 in
    // row 20; a "-" is no number. November (block at row 22) stays empty.
    book.daily->SetValue(5, 6, "100");
    book.daily->SetValue(6, 6, "101");
    book.daily->SetValue(5, 13, "-");
    book.daily->SetValue(20, 13, "105");
    book.daily->SetValue(21, 6, "999");  // the summary row is outside the days
    // September (block at row 232): its mean lands in row 253, after the last block.
    book.daily->SetValue(236, 6, "50");

    for (int run = 0; run < 2; ++run) {  // the filling runs it twice; the result is the same
        ASSERT_EQ(book.workbook->Run("Macro2"), "");
        CellValue october = book.daily->Get(22, 3);
        EXPECT_EQ(october.Number(), 102);
        EXPECT_EQ(october.formula, "IFERROR(AVERAGE(F5:F20,M5:M20),\"\")");
        CellValue november = book.daily->Get(43, 3);
        EXPECT_EQ(november.kind, CellKind::Text);
        EXPECT_EQ(november.text, "");
        EXPECT_EQ(november.formula, "IFERROR(AVERAGE(F26:F41,M26:M41),\"\")");
        EXPECT_EQ(book.daily->Get(253, 3).Number(), 50);
        EXPECT_EQ(book.daily->Get(22, 5).kind, CellKind::Empty);  // no discharge here
    }
    // The template's heading beside the mean is untouched.
    EXPECT_EQ(book.daily->Get(22, 1).text, "Ort. (cm):");
}

TEST(WorkbookMacros, Macro2WritesTheMeanDischargeOfTheLevelDischargeTable) {
    test::TestFolder folder;
    Opened book = OpenTemplate(folder, "Sablon2_E.xlsx", ReportKind::LevelDischargeTable,
                               "ENGLISH");
    ASSERT_TRUE(book.daily);
    // Mean levels in columns 8 and 18, their discharges in 9 and 19.
    book.daily->SetValue(5, 8, "120");
    book.daily->SetValue(5, 9, " 1.5");
    book.daily->SetValue(5, 18, "130");
    book.daily->SetValue(5, 19, "-");
    book.daily->SetValue(6, 8, "110");
    book.daily->SetValue(6, 9, "2.50");
    ASSERT_EQ(book.workbook->Run("Macro2"), "");
    EXPECT_EQ(book.daily->Get(22, 3).Number(), 120);
    EXPECT_EQ(book.daily->Get(22, 5).Number(), 2);
    EXPECT_EQ(book.daily->Get(22, 5).formula, "IFERROR(AVERAGE(I5:I20,S5:S20),\"\")");
}

TEST(WorkbookMacros, Macro1AndMacro3FinishPrintingAndTheActiveSheet) {
    test::TestFolder folder;
    Opened book = OpenTemplate(folder, "Sablon1.xlsx", ReportKind::LevelTable);
    ASSERT_TRUE(book.daily);
    Workbook& workbook = *book.workbook;
    Worksheet* readings = workbook.Sheet("Tamami");
    readings->SetValue(3, 1, "'01/10/2002");
    readings->SetValue(700, 13, "'23:50");
    readings->Select(700, 13);
    workbook.ActivateSheet(3);  // the filling leaves another sheet in front
    ASSERT_EQ(workbook.Run("Macro1"), "");
    ASSERT_EQ(workbook.Run("Macro1"), "");  // again: no second print area
    ASSERT_EQ(workbook.Run("Macro3"), "");
    ASSERT_EQ(workbook.Quit(), "");

    std::map<std::string, std::string> parts = test::ReadZip(folder / "Q.xlsx");
    const std::string& workbookXml = parts["xl/workbook.xml"];
    EXPECT_NE(workbookXml.find(R"(<definedName name="_xlnm.Print_Area" localSheetId="0">)"
                            R"('Gunluk'!$A$1:$N$253</definedName>)"),
              std::string::npos) << workbookXml;
    EXPECT_NE(workbookXml.find(R"(localSheetId="1">'Aylik'!$A$1:$J$20</definedName>)"),
              std::string::npos) << workbookXml;
    EXPECT_NE(workbookXml.find(R"(localSheetId="2">'Tamami'!$A$1:$N$700</definedName>)"),
              std::string::npos) << workbookXml;
    EXPECT_NE(workbookXml.find(R"(<definedName name="_xlnm.Print_Titles" localSheetId="2">)"
                            R"('Tamami'!$1:$2</definedName>)"),
              std::string::npos) << workbookXml;
    size_t areas = 0;
    for (size_t at = workbookXml.find("Print_Area"); at != std::string::npos;
         at = workbookXml.find("Print_Area", at + 1)) {
        ++areas;
    }
    EXPECT_EQ(areas, 3u);
    EXPECT_EQ(test::AttributeIn(workbookXml, "<workbookView", "activeTab"), "0");
    const std::string& dailyXml = parts["xl/worksheets/sheet1.xml"];
    const std::string& readingsXml = parts["xl/worksheets/sheet3.xml"];
    EXPECT_EQ(test::AttributeIn(dailyXml, "<sheetView ", "tabSelected"), "1");
    EXPECT_EQ(test::AttributeIn(readingsXml, "<sheetView ", "tabSelected"), "");
    EXPECT_EQ(test::AttributeIn(readingsXml, "<selection", "activeCell"), "A1");
}

TEST(WorkbookMacros, SheetsOfAnotherLanguageAreReportedNotGuessed) {
    test::TestFolder folder;
    Workbook::Opened opened =
        Workbook::OpenTemplateCopy(test::DefaultTemplate("Sablon1_E.xlsx"), folder / "S.xlsx");
    ASSERT_TRUE(opened.workbook) << opened.error;
    LanguageTexts turkish;
    ApplyLanguage(turkish, "TURKCE");
    opened.workbook->SetMacros(ReportMacros(ReportKind::LevelTable, SheetNamesOf(turkish)));
    for (const char* macro : {"Macro1", "Macro2", "Macro3"}) {
        std::string error = opened.workbook->Run(macro);
        EXPECT_NE(error.find("no sheet \"" + (std::string(macro) == "Macro1" ? turkish.WordAll
                                                                              : turkish.WordDaily) +
                             "\""),
                  std::string::npos)
            << macro << ": " << error;
    }
}

}  // namespace
}  // namespace kovu3
