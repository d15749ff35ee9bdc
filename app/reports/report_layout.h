#pragma once
// Where the level table and the level-discharge table keep their values. The template
// generator lays its headings out around these positions and the macros read and write
// them; an agency's own template keeps working as long as it keeps them. Rows and columns
// are 1-based.
//
// Daily sheet: the months of the water year in blocks of 21 rows from row X = (m-1)*21+1.
// Row X+1 holds the month's year, X+2 and X+3 the headings, X+4 to X+19 the days (days
// 1-15 in the first half-month group of columns, 16-31 in the second, day 31 in row X+19),
// X+20 the month's summary line in column 2, X+21 (the first row of the next block) the
// month's mean level in column 3 and, in the level-discharge table, its mean discharge in
// column 5.

namespace kovu3 {

enum class ReportKind { LevelTable, LevelDischargeTable };

constexpr int kMonthBlockRows = 21;
constexpr int kWaterYearMonths = 12;
constexpr int kFirstDayRowOffset = 4;
constexpr int kLastDayRowOffset = 19;
constexpr int kSummaryRowOffset = 20;
constexpr int kMeanRowOffset = 21;
constexpr int kSummaryColumn = 2;
constexpr int kMeanLevelColumn = 3;
constexpr int kMeanDischargeColumn = 5;

// Row X of month block `month` (1 to 12, and 13 for the row after the last block).
constexpr int MonthBlockRow(int month) {
    return (month - 1) * kMonthBlockRows + 1;
}

struct DailySheetLayout {
    int groupWidth;           // columns from one half-month group to the next
    int dayColumns;           // columns a day fills within its group
    int meanLevelOffset;      // the day's mean level: group column + offset
    int meanDischargeOffset;  // the discharge of that mean; -1 in the level table
    int lastColumn;           // the water year's cell, the rightmost heading
};

constexpr DailySheetLayout DailyLayout(ReportKind kind) {
    return kind == ReportKind::LevelTable ? DailySheetLayout{7, 6, 5, -1, 14}
                                          : DailySheetLayout{10, 9, 7, 8, 20};
}

// Readings sheet: rows 1 and 2 are headings; each day starts with its own heading row, then
// readings five (level table) or four (level-discharge table) to a row.
struct ReadingsSheetLayout {
    int readingsPerRow;
    int readingColumns;  // columns from one reading to the next
    int lastColumn;
};

constexpr ReadingsSheetLayout ReadingsLayout(ReportKind kind) {
    return kind == ReportKind::LevelTable ? ReadingsSheetLayout{5, 3, 14}
                                          : ReadingsSheetLayout{4, 4, 15};
}

// Monthly sheet: rows 8 to 19 the months of the water year, row 20 the whole year.
constexpr int kFirstMonthRow = 8;
constexpr int kYearRow = 20;

}  // namespace kovu3
