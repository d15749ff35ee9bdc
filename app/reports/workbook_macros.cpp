#include "reports/workbook_macros.h"

#include <algorithm>

#include "shell/language_texts.h"

namespace kovu3 {
namespace {

std::string MissingSheet(const Workbook& workbook, const std::string& name) {
    return "The workbook " + workbook.Path().string() + " has no sheet \"" + name + "\"";
}

// AVERAGE over the day rows of one column in both half-month groups, and the value the
// spreadsheet will compute for it: the mean of the numbers there (texts such as "-" and
// empty cells do not count). A month without numbers gives an empty text, not #DIV/0!.
void WriteMonthMean(Worksheet& daily, int blockRow, int firstColumn, int secondColumn,
                    int targetColumn) {
    int firstRow = blockRow + kFirstDayRowOffset;
    int lastRow = blockRow + kLastDayRowOffset;
    double sum = 0;
    int count = 0;
    for (int column : {firstColumn, secondColumn}) {
        for (int row = firstRow; row <= lastRow; ++row) {
            if (std::optional<double> value = daily.Get(row, column).Number()) {
                sum += *value;
                ++count;
            }
        }
    }
    auto range = [&](int column) {
        return CellReference(firstRow, column) + ":" + CellReference(lastRow, column);
    };
    std::string formula =
        "IFERROR(AVERAGE(" + range(firstColumn) + "," + range(secondColumn) + "),\"\")";
    int row = blockRow + kMeanRowOffset;
    if (count > 0) {
        daily.SetFormula(row, targetColumn, formula, sum / count);
    } else {
        daily.SetFormulaWithText(row, targetColumn, formula, "");
    }
}

std::string MonthMeans(Workbook& workbook, ReportKind kind, const ReportSheetNames& names) {
    Worksheet* daily = workbook.Sheet(names.daily);
    if (!daily) return MissingSheet(workbook, names.daily);
    DailySheetLayout layout = DailyLayout(kind);
    for (int month = 1; month <= kWaterYearMonths; ++month) {
        int blockRow = MonthBlockRow(month);
        int level = 1 + layout.meanLevelOffset;
        WriteMonthMean(*daily, blockRow, level, level + layout.groupWidth, kMeanLevelColumn);
        if (layout.meanDischargeOffset >= 0) {
            int discharge = 1 + layout.meanDischargeOffset;
            WriteMonthMean(*daily, blockRow, discharge, discharge + layout.groupWidth,
                           kMeanDischargeColumn);
        }
    }
    return {};
}

// The print area runs from A1 to the last used row and at least to the layout's last column.
void PrintWholeSheet(Workbook& workbook, Worksheet& sheet, int lastColumn) {
    std::optional<Worksheet::Range> used = sheet.UsedRange();
    int lastRow = used ? used->last.row : 1;
    if (used) lastColumn = std::max(lastColumn, used->last.column);
    workbook.SetPrintArea(sheet, {1, 1}, {lastRow, lastColumn});
}

std::string FinishReadings(Workbook& workbook, ReportKind kind, const ReportSheetNames& names) {
    Worksheet* readings = workbook.Sheet(names.readings);
    if (!readings) return MissingSheet(workbook, names.readings);
    PrintWholeSheet(workbook, *readings, ReadingsLayout(kind).lastColumn);
    workbook.SetPrintTitleRows(*readings, 1, 2);
    readings->Select(1, 1);
    return {};
}

std::string FinishWorkbook(Workbook& workbook, ReportKind kind, const ReportSheetNames& names) {
    std::string problems;
    int dailyLastColumn = DailyLayout(kind).lastColumn;
    for (const std::string* name : {&names.daily, &names.monthly}) {
        Worksheet* sheet = workbook.Sheet(*name);
        if (!sheet) {
            problems += (problems.empty() ? "" : "; ") + MissingSheet(workbook, *name);
            continue;
        }
        PrintWholeSheet(workbook, *sheet, name == &names.daily ? dailyLastColumn : 1);
        sheet->Select(1, 1);
    }
    workbook.ActivateSheet(1);
    return problems;
}

}  // namespace

ReportSheetNames SheetNamesOf(const LanguageTexts& texts) {
    return {texts.WordDaily, texts.WordMonthly, texts.WordAll};
}

MacroSet ReportMacros(ReportKind kind, ReportSheetNames names) {
    return {
        {"Macro1", [=](Workbook& workbook) { return FinishReadings(workbook, kind, names); }},
        {"Macro2", [=](Workbook& workbook) { return MonthMeans(workbook, kind, names); }},
        {"Macro3", [=](Workbook& workbook) { return FinishWorkbook(workbook, kind, names); }},
    };
}

}  // namespace kovu3
