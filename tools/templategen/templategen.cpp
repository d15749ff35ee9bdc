// kovu3-templategen FOLDER
// Writes the default workbook templates of the level table and the level-discharge table,
// in every interface language, into FOLDER (the program folder of a build). Headings,
// number formats and print set-up are laid out around the cell positions of
// reports/report_layout.h, which the program fills; the sheets carry the language's names.

#include <xlsxwriter.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "reports/report_layout.h"
#include "shell/language_texts.h"
#include "template_texts.h"

namespace kovu3 {
namespace {

enum class Role { Date, Time, Level, Discharge };

struct Formats {
    lxw_format* title;
    lxw_format* label;
    lxw_format* value;
    lxw_format* heading;
    lxw_format* groupHeading;
    lxw_format* monthName;
    lxw_format* date;
    lxw_format* time;
    lxw_format* level;
    lxw_format* discharge;
    lxw_format* dayOfMonth;
    lxw_format* meanLevel;
    lxw_format* meanDischarge;
    lxw_format* columnTime;
    lxw_format* columnLevel;
    lxw_format* columnDischarge;
};

lxw_format* CellFormat(lxw_workbook* workbook, const char* numberFormat, bool border) {
    lxw_format* format = workbook_add_format(workbook);
    format_set_align(format, LXW_ALIGN_CENTER);
    if (numberFormat) format_set_num_format(format, numberFormat);
    if (border) format_set_border(format, LXW_BORDER_THIN);
    return format;
}

Formats MakeFormats(lxw_workbook* workbook) {
    Formats formats{};
    formats.title = workbook_add_format(workbook);
    format_set_bold(formats.title);
    format_set_font_size(formats.title, 12);
    formats.label = workbook_add_format(workbook);
    format_set_bold(formats.label);
    formats.value = workbook_add_format(workbook);
    format_set_align(formats.value, LXW_ALIGN_LEFT);
    formats.heading = CellFormat(workbook, nullptr, true);
    format_set_bold(formats.heading);
    format_set_pattern(formats.heading, LXW_PATTERN_SOLID);
    format_set_bg_color(formats.heading, 0xD9E1F2);
    formats.groupHeading = workbook_add_format(workbook);
    format_set_bold(formats.groupHeading);
    format_set_align(formats.groupHeading, LXW_ALIGN_CENTER_ACROSS);
    format_set_pattern(formats.groupHeading, LXW_PATTERN_SOLID);
    format_set_bg_color(formats.groupHeading, 0xD9E1F2);
    format_set_top(formats.groupHeading, LXW_BORDER_THIN);
    formats.monthName = workbook_add_format(workbook);
    format_set_bold(formats.monthName);
    formats.date = CellFormat(workbook, "@", true);
    formats.time = CellFormat(workbook, "@", true);
    formats.level = CellFormat(workbook, "0", true);
    formats.discharge = CellFormat(workbook, "0.00", true);
    formats.dayOfMonth = CellFormat(workbook, "00", true);
    formats.meanLevel = CellFormat(workbook, "0", false);
    format_set_bold(formats.meanLevel);
    formats.meanDischarge = CellFormat(workbook, "0.00", false);
    format_set_bold(formats.meanDischarge);
    formats.columnTime = CellFormat(workbook, "@", false);
    formats.columnLevel = CellFormat(workbook, "0", false);
    formats.columnDischarge = CellFormat(workbook, "0.00", false);
    return formats;
}

class TemplateWriter final {
public:
    TemplateWriter(lxw_workbook* workbook, ReportKind kind, const TemplateTexts& texts)
        : workbook_(workbook), kind_(kind), texts_(texts), formats_(MakeFormats(workbook)) {}

    void Daily(lxw_worksheet* sheet);
    void Monthly(lxw_worksheet* sheet);
    void Readings(lxw_worksheet* sheet);

private:
    bool LevelTable() const { return kind_ == ReportKind::LevelTable; }
    // The station name sits one column further right in the level-discharge table.
    int NameColumn() const { return LevelTable() ? 7 : 8; }
    std::vector<Role> DayRoles() const;
    // How a column of a day's half-month group looks: its cells, heading and width.
    struct Column {
        lxw_format* format;
        const char* heading;
        double width;
    };
    Column DayColumn(Role role) const;

    // Positions are 1-based, as in report_layout.h.
    void Put(lxw_worksheet* sheet, int row, int column, const char* text, lxw_format* format) {
        worksheet_write_string(sheet, static_cast<lxw_row_t>(row - 1),
                               static_cast<lxw_col_t>(column - 1), text, format);
    }
    void Blank(lxw_worksheet* sheet, int row, int column, lxw_format* format) {
        worksheet_write_blank(sheet, static_cast<lxw_row_t>(row - 1),
                              static_cast<lxw_col_t>(column - 1), format);
    }
    void Width(lxw_worksheet* sheet, int column, double width, lxw_format* format = nullptr) {
        auto index = static_cast<lxw_col_t>(column - 1);
        worksheet_set_column(sheet, index, index, width, format);
    }
    void PageSetup(lxw_worksheet* sheet, bool landscape, const char* title);

    lxw_workbook* workbook_;
    ReportKind kind_;
    const TemplateTexts& texts_;
    Formats formats_;
};

std::vector<Role> TemplateWriter::DayRoles() const {
    if (LevelTable()) {
        return {Role::Date, Role::Time, Role::Level, Role::Time, Role::Level, Role::Level};
    }
    return {Role::Date,  Role::Time,      Role::Level, Role::Discharge, Role::Time,
            Role::Level, Role::Discharge, Role::Level, Role::Discharge};
}

TemplateWriter::Column TemplateWriter::DayColumn(Role role) const {
    switch (role) {
        case Role::Date: return {formats_.date, texts_.date, 10.5};
        case Role::Time: return {formats_.time, texts_.time, 6.5};
        case Role::Level: return {formats_.level, texts_.level, 7};
        case Role::Discharge: return {formats_.discharge, texts_.discharge, 8.5};
    }
    return {nullptr, "", 8};
}

void TemplateWriter::PageSetup(lxw_worksheet* sheet, bool landscape, const char* title) {
    worksheet_set_paper(sheet, 9);  // A4
    if (landscape) {
        worksheet_set_landscape(sheet);
    } else {
        worksheet_set_portrait(sheet);
    }
    worksheet_set_margins(sheet, 0.4, 0.4, 0.7, 0.6);
    worksheet_fit_to_pages(sheet, 1, 0);  // one page wide, as many pages tall as needed
    std::string header = std::string("&C&\"-,Bold\"") + title;
    worksheet_set_header(sheet, header.c_str());
    worksheet_set_footer(sheet, (std::string("&C") + texts_.footer).c_str());
}

void TemplateWriter::Daily(lxw_worksheet* sheet) {
    DailySheetLayout layout = DailyLayout(kind_);
    std::vector<Role> roles = DayRoles();
    int second = 1 + layout.groupWidth;  // first column of the second half-month group
    for (int group : {1, second}) {
        for (size_t i = 0; i < roles.size(); ++i) {
            Width(sheet, group + static_cast<int>(i), DayColumn(roles[i]).width);
        }
    }
    Width(sheet, 1 + layout.dayColumns, 1.5);  // the gap between the two groups
    Width(sheet, layout.lastColumn, 7);

    const char* title = LevelTable() ? texts_.levelTitle : texts_.levelDischargeTitle;
    Put(sheet, 1, 1, texts_.stationNumber, formats_.label);
    Blank(sheet, 1, 3, formats_.value);
    Put(sheet, 1, NameColumn() - 2, texts_.stationName, formats_.label);
    Blank(sheet, 1, NameColumn(), formats_.value);
    Put(sheet, 2, 1, title, formats_.title);
    Put(sheet, 2, layout.lastColumn - 2, texts_.waterYear, formats_.label);
    Blank(sheet, 2, layout.lastColumn, formats_.label);

    int minimumOffset = LevelTable() ? 3 : 4;
    for (int month = 1; month <= kWaterYearMonths; ++month) {
        int x = MonthBlockRow(month);
        Put(sheet, x + 1, second, texts_.months[static_cast<size_t>(month - 1)],
            formats_.monthName);
        Blank(sheet, x + 1, second + 1, formats_.monthName);  // the month's year
        for (int group : {1, second}) {
            for (size_t i = 0; i < roles.size(); ++i) {
                int column = group + static_cast<int>(i);
                Blank(sheet, x + 2, column, formats_.groupHeading);
                Put(sheet, x + 3, column, DayColumn(roles[i]).heading, formats_.heading);
                // Days 1-15 fill the first group's rows; 16-31 the second's, day 31 one lower.
                int lastDayRow = x + (group == 1 ? kLastDayRowOffset - 1 : kLastDayRowOffset);
                for (int row = x + kFirstDayRowOffset; row <= lastDayRow; ++row) {
                    Blank(sheet, row, column, DayColumn(roles[i]).format);
                }
            }
            Put(sheet, x + 2, group + 1, texts_.maximum, formats_.groupHeading);
            Put(sheet, x + 2, group + minimumOffset, texts_.minimum, formats_.groupHeading);
            Put(sheet, x + 2, group + layout.meanLevelOffset, texts_.mean, formats_.groupHeading);
        }
        Put(sheet, x + kSummaryRowOffset, 1, texts_.summary, formats_.label);
        int meanRow = x + kMeanRowOffset;
        Put(sheet, meanRow, 1, texts_.monthMean, formats_.label);
        Blank(sheet, meanRow, kMeanLevelColumn, formats_.meanLevel);
        if (!LevelTable()) {
            Put(sheet, meanRow, kMeanDischargeColumn - 1, texts_.monthMeanDischarge,
                formats_.label);
            Blank(sheet, meanRow, kMeanDischargeColumn, formats_.meanDischarge);
        }
    }
    worksheet_print_area(sheet, 0, 0, static_cast<lxw_row_t>(MonthBlockRow(13) - 1),
                         static_cast<lxw_col_t>(layout.lastColumn - 1));
    PageSetup(sheet, !LevelTable(), title);
}

void TemplateWriter::Monthly(lxw_worksheet* sheet) {
    // Day, time, level (and discharge) of the highest reading, then of the lowest.
    int span = LevelTable() ? 3 : 4;
    int maximum = 4;
    int minimum = maximum + span + 1;
    Width(sheet, 1, 12);
    Width(sheet, 2, 14);
    Width(sheet, 3, 10);
    Width(sheet, minimum - 1, 2);
    for (int first : {maximum, minimum}) {
        Width(sheet, first, 5);
        Width(sheet, first + 1, 7);
        Width(sheet, first + 2, 8);
        if (!LevelTable()) Width(sheet, first + 3, 9);
    }

    Put(sheet, 1, 1, texts_.monthlyTitle, formats_.title);
    Put(sheet, 3, 1, texts_.stationNumber, formats_.label);
    Blank(sheet, 3, 3, formats_.value);
    Put(sheet, 3, NameColumn() - 2, texts_.stationName, formats_.label);
    Blank(sheet, 3, NameColumn(), formats_.value);
    Put(sheet, 4, 1, texts_.waterYear, formats_.label);
    Blank(sheet, 4, 3, formats_.value);

    Put(sheet, kFirstMonthRow - 1, 2, texts_.month, formats_.heading);
    for (int first : {maximum, minimum}) {
        for (int i = 0; i < span; ++i)
            Blank(sheet, kFirstMonthRow - 2, first + i, formats_.groupHeading);
        Put(sheet, kFirstMonthRow - 2, first, first == maximum ? texts_.maximum : texts_.minimum,
            formats_.groupHeading);
        Put(sheet, kFirstMonthRow - 1, first, texts_.day, formats_.heading);
        Put(sheet, kFirstMonthRow - 1, first + 1, texts_.time, formats_.heading);
        Put(sheet, kFirstMonthRow - 1, first + 2, texts_.level, formats_.heading);
        if (!LevelTable())
            Put(sheet, kFirstMonthRow - 1, first + 3, texts_.discharge, formats_.heading);
        for (int row = kFirstMonthRow; row <= kYearRow; ++row) {
            Blank(sheet, row, first, formats_.dayOfMonth);
            Blank(sheet, row, first + 1, formats_.time);
            Blank(sheet, row, first + 2, formats_.level);
            if (!LevelTable()) Blank(sheet, row, first + 3, formats_.discharge);
        }
    }
    for (int row = kFirstMonthRow; row < kYearRow; ++row) {
        Put(sheet, row, 2, texts_.months[static_cast<size_t>(row - kFirstMonthRow)],
            formats_.monthName);
    }
    Put(sheet, kYearRow, 2, texts_.wholeYear, formats_.monthName);
    PageSetup(sheet, false, texts_.monthlyTitle);
}

void TemplateWriter::Readings(lxw_worksheet* sheet) {
    ReadingsSheetLayout layout = ReadingsLayout(kind_);
    // Column styles: every cell the program adds below the headings takes them.
    for (int reading = 0; reading < layout.readingsPerRow; ++reading) {
        int first = reading * layout.readingColumns + 1;
        Width(sheet, first, first == 1 ? 10.5 : 6.5, formats_.columnTime);
        Width(sheet, first + 1, 7, formats_.columnLevel);
        if (!LevelTable()) Width(sheet, first + 2, 8.5, formats_.columnDischarge);
        if (reading + 1 < layout.readingsPerRow) {
            Width(sheet, first + layout.readingColumns - 1, 1.5);
        }
    }
    Put(sheet, 1, 1, texts_.unit, formats_.label);
    Blank(sheet, 1, 2, formats_.value);
    Put(sheet, 1, 5, texts_.station, formats_.label);
    Blank(sheet, 1, 7, formats_.value);
    Put(sheet, 2, 1, texts_.period, formats_.label);
    Blank(sheet, 2, LevelTable() ? 4 : 3, formats_.value);
    Put(sheet, 2, 8, texts_.waterYear, formats_.label);
    Blank(sheet, 2, 10, formats_.value);
    worksheet_repeat_rows(sheet, 0, 1);
    PageSetup(sheet, false, texts_.readingsTitle);
}

bool WriteTemplate(const std::filesystem::path& path, ReportKind kind,
                   const LanguageTexts& language, const TemplateTexts& texts) {
    lxw_workbook* workbook = workbook_new(path.string().c_str());
    if (!workbook) {
        std::fprintf(stderr, "kovu3-templategen: cannot create %s\n", path.string().c_str());
        return false;
    }
    lxw_doc_properties properties{};
    properties.title = const_cast<char*>(
        kind == ReportKind::LevelTable ? texts.levelTitle : texts.levelDischargeTitle);
    properties.company = const_cast<char*>("KOVU3");
    properties.created = 1072915200;  // fixed, so that every build makes the same files
    workbook_set_properties(workbook, &properties);

    TemplateWriter writer(workbook, kind, texts);
    writer.Daily(workbook_add_worksheet(workbook, language.WordDaily.c_str()));
    writer.Monthly(workbook_add_worksheet(workbook, language.WordMonthly.c_str()));
    writer.Readings(workbook_add_worksheet(workbook, language.WordAll.c_str()));
    lxw_error error = workbook_close(workbook);
    if (error != LXW_NO_ERROR) {
        std::fprintf(stderr, "kovu3-templategen: cannot write %s: %s\n", path.string().c_str(),
                     lxw_strerror(error));
        return false;
    }
    return true;
}

}  // namespace
}  // namespace kovu3

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: kovu3-templategen FOLDER\n");
        return 2;
    }
    std::filesystem::path folder = argv[1];
    bool ok = true;
    for (const char* name : {"TURKCE", "ENGLISH", "FARSCA"}) {
        kovu3::LanguageTexts language;
        kovu3::ApplyLanguage(language, name);
        const kovu3::TemplateTexts* texts = kovu3::TemplateTextsFor(name);
        ok &= kovu3::WriteTemplate(folder / language.LevelTableTemplate,
                                   kovu3::ReportKind::LevelTable, language, *texts);
        // Farsi has no level-discharge table.
        if (!language.LevelDischargeTemplate.empty()) {
            ok &= kovu3::WriteTemplate(folder / language.LevelDischargeTemplate,
                                       kovu3::ReportKind::LevelDischargeTable, language, *texts);
        }
    }
    return ok ? 0 : 1;
}
