// The default templates made by the build: each holds the three sheets of its language,
// with the headings at the places the filling and the macros rely on.

#include <gtest/gtest.h>

#include "reports/report_layout.h"
#include "reports/workbook.h"
#include "shell/language_texts.h"
#include "support/test_folder.h"
#include "xlsx_fixture.h"

namespace kovu3 {
namespace {

struct TemplateCase {
    const char* language;
    ReportKind kind;
    const char* firstMonth;
    const char* dateHeading;
    const char* meanLabel;
};

void PrintTo(const TemplateCase& c, std::ostream* out) {
    *out << c.language << " " << c.firstMonth;
}

class ReportTemplate : public ::testing::TestWithParam<TemplateCase> {};

TEST_P(ReportTemplate, HoldsTheSheetsAndHeadingsOfItsLanguage) {
    const TemplateCase& c = GetParam();
    LanguageTexts texts;
    ASSERT_TRUE(ApplyLanguage(texts, c.language));
    const std::string& name = c.kind == ReportKind::LevelTable ? texts.LevelTableTemplate
                                                               : texts.LevelDischargeTemplate;
    test::TestFolder folder;
    Workbook::Opened opened =
        Workbook::OpenTemplateCopy(test::DefaultTemplate(name), folder / "copy.xlsx");
    ASSERT_TRUE(opened.workbook) << opened.error;
    Workbook& workbook = *opened.workbook;
    ASSERT_EQ(workbook.SheetCount(), 3);
    EXPECT_EQ(workbook.SheetName(1), texts.WordDaily);
    EXPECT_EQ(workbook.SheetName(2), texts.WordMonthly);
    EXPECT_EQ(workbook.SheetName(3), texts.WordAll);

    Worksheet* daily = workbook.Sheet(1);
    DailySheetLayout layout = DailyLayout(c.kind);
    int secondGroup = 1 + layout.groupWidth;
    for (int month : {1, 12}) {
        int x = MonthBlockRow(month);
        EXPECT_EQ(daily->Get(x + 3, 1).text, c.dateHeading);
        EXPECT_EQ(daily->Get(x + 3, secondGroup).text, c.dateHeading);
        EXPECT_EQ(daily->Get(x + kMeanRowOffset, 1).text, c.meanLabel);
        // The cells the filling writes hold no heading.
        EXPECT_EQ(daily->Get(x + 1, secondGroup + 1).kind, CellKind::Empty);
        EXPECT_EQ(daily->Get(x + kSummaryRowOffset, kSummaryColumn).kind, CellKind::Empty);
        EXPECT_EQ(daily->Get(x + kMeanRowOffset, kMeanLevelColumn).kind, CellKind::Empty);
    }
    EXPECT_EQ(daily->Get(MonthBlockRow(1) + 1, secondGroup).text, c.firstMonth);
    EXPECT_EQ(daily->Get(2, layout.lastColumn).kind, CellKind::Empty);
    EXPECT_EQ(workbook.Sheet(2)->Get(kFirstMonthRow, 2).text, c.firstMonth);
    EXPECT_EQ(workbook.Sheet(3)->UsedRange()->last.row, 2);  // headings only
}

INSTANTIATE_TEST_SUITE_P(
    AllTemplates, ReportTemplate,
    ::testing::Values(
        TemplateCase{"TURKCE", ReportKind::LevelTable, "EKİM", "Tarih", "Ort. (cm):"},
        TemplateCase{"TURKCE", ReportKind::LevelDischargeTable, "EKİM", "Tarih", "Ort. (cm):"},
        TemplateCase{"ENGLISH", ReportKind::LevelTable, "OCTOBER", "Date", "Mean (cm):"},
        TemplateCase{"ENGLISH", ReportKind::LevelDischargeTable, "OCTOBER", "Date", "Mean (cm):"},
        TemplateCase{"FARSCA", ReportKind::LevelTable, "MEHR", "Date", "Mean (cm):"}),
    [](const ::testing::TestParamInfo<TemplateCase>& info) {
        return std::string(info.param.language) +
               (info.param.kind == ReportKind::LevelTable ? "_LevelTable" : "_LevelDischarge");
    });

}  // namespace
}  // namespace kovu3
