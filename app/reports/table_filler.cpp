#include "reports/table_filler.h"

#include <memory>

#include "reports/processed_file_reader.h"
#include "reports/rating_curve.h"
#include "reports/readings_period.h"
#include "reports/report_cells.h"
#include "reports/workbook.h"
#include "reports/workbook_macros.h"
#include "shell/file_io.h"

namespace kovu3 {
namespace {

namespace fs = std::filesystem;

// Where one reading goes: its time text, its level and, in the level-discharge table, the
// discharge of that level (column 0: none).
struct ReadingColumns {
    int time;
    int level;
    int discharge;
};

constexpr ReadingColumns Shifted(ReadingColumns columns, int by) {
    return {columns.time + by, columns.level + by, columns.discharge ? columns.discharge + by : 0};
}

// The cells a table fills beyond the shared layout of report_layout.h.
struct TableCells {
    int nameColumn;       // station name: daily sheet row 1, monthly sheet row 3
    int yearColumn;       // water year: daily sheet row 2
    int monthYearColumn;  // calendar year of a month: daily sheet row X+1
    // A day's cells, counted from its half-month group's first column (which holds the date).
    ReadingColumns dayMaximum;
    ReadingColumns dayMinimum;
    int dayMean;
    int dayMeanDischarge;  // 0: none
    // Monthly sheet: first column of the maximum's and the minimum's day, time, level and
    // discharge.
    int monthMaximum;
    int monthMinimum;
    // Readings sheet: the period in row 2, and the cells of a day's heading row.
    int periodColumn;
    ReadingColumns headingMaximum;
    ReadingColumns headingMinimum;
    int headingMean;
    int headingMeanDischarge;  // 0: none
};

constexpr TableCells kLevelTableCells{
    7, 14, 9, {1, 2, 0}, {3, 4, 0}, 5, 0, 4, 8, 4, {10, 11, 0}, {7, 8, 0}, 13, 0};
constexpr TableCells kLevelDischargeCells{
    8, 20, 12, {1, 2, 3}, {4, 5, 6}, 7, 8, 4, 9, 3, {5, 6, 7}, {9, 10, 11}, 13, 15};

// A text as the spreadsheet takes it from the program: an empty text empties the cell.
void PutText(Worksheet& sheet, int row, int column, const std::string& text) {
    if (text.empty()) {
        sheet.Clear(row, column);
    } else {
        sheet.SetText(row, column, text);
    }
}

// Level lines are read for the readings sheet in blocks of this many.
constexpr int kLinesPerRead = 4096;

// Caption entries of the monthly summary line.
constexpr int kCaptionMonthlyMax = 112;
constexpr int kCaptionMonthlyMin = 113;
constexpr int kCaptionMonthlyMean = 114;

class TableFiller final {
public:
    TableFiller(const LevelTableRequest& request, const ProgramSettings& settings, ReportKind kind,
                const RatingCurve* curve)
        : request_(request),
          settings_(settings),
          kind_(kind),
          cells_(kind == ReportKind::LevelTable ? kLevelTableCells : kLevelDischargeCells),
          curve_(curve) {}

    ReportResult Run(const std::string& templateName);

private:
    std::string Open(const std::string& templateName);
    void FillHeader();
    void FillDays();
    void FillMonths();
    void FillReadings();
    void PutDayHeading(int row, const LevelLine& line);
    void PutReading(Worksheet& sheet, int row, ReadingColumns columns, const LevelLine& line) const;
    void PutMonthExtreme(int row, int firstColumn, const LevelLine& line) const;
    std::string ExtremeSummary(int caption, const LevelLine& line) const;
    std::string MeanSummary(int blockRow, const SummaryEntry& month) const;
    std::string Discharge(const std::string& level) const;
    void RunMacro(const char* name);
    void Advance(uint64_t steps);

    const LevelTableRequest& request_;
    const ProgramSettings& settings_;
    ReportKind kind_;
    TableCells cells_;
    const RatingCurve* curve_;

    std::unique_ptr<ProcessedFileReader> reader_;
    PeriodDays period_;
    std::unique_ptr<Workbook> workbook_;
    Worksheet* daily_ = nullptr;
    Worksheet* monthly_ = nullptr;
    Worksheet* readings_ = nullptr;
    ReportResult result_;
    uint64_t done_ = 0;
    uint64_t expected_ = 0;
};

ReportResult TableFiller::Run(const std::string& templateName) {
    if (std::string error = Open(templateName); !error.empty()) {
        result_.error = error;
        return result_;
    }
    FillHeader();
    FillDays();
    RunMacro("Macro2");  // the month means the summary lines quote
    FillMonths();
    RunMacro("Macro2");
    if (request_.includeReadings) {
        FillReadings();
        RunMacro("Macro1");
    }
    RunMacro("Macro3");
    fs::path path = workbook_->Path();
    if (std::string error = workbook_->Quit(); !error.empty()) {
        result_.error = error;
        return result_;
    }
    if (request_.progress) request_.progress(expected_, expected_);
    result_.path = path;
    return result_;
}

std::string TableFiller::Open(const std::string& templateName) {
    const fs::path& processed = request_.processedFile;
    std::error_code ec;
    if (!fs::is_regular_file(processed, ec)) {
        return "There is no processed file " + processed.string() +
               "; convert the station-year first";
    }
    std::string error;
    reader_ = ProcessedFileReader::Open(processed, settings_.calendar, error);
    if (!reader_) return error;
    const StationYearData& data = reader_->Data();
    if (std::string mismatch = CalendarMismatch(data, processed, settings_); !mismatch.empty())
        return mismatch;

    if (request_.includeReadings) {
        period_ = ResolveReadingsPeriod(request_.fromDate, request_.toDate, data.SuYili,
                                        settings_.calendar);
        if (!period_.error.empty()) return period_.error;
    }

    std::string name = kind_ == ReportKind::LevelTable
                           ? LevelTableFileName(data.SuYili, data.IstNo)
                           : LevelDischargeTableFileName(data.SuYili, data.IstNo);
    ProductPath product = ProductFile(fs::absolute(processed, ec).parent_path(), name);
    if (!product.error.empty()) return product.error;

    const char* what = kind_ == ReportKind::LevelTable ? "level table" : "level-discharge table";
    if (templateName.empty()) {
        return std::string("There is no ") + what + " template for the interface language " +
               settings_.texts.Language;
    }
    fs::path programFolder = settings_.ProgramFolder;
    fs::path templatePath =
        FindIgnoringCase(programFolder, templateName).value_or(programFolder / templateName);
    Workbook::Opened opened = Workbook::OpenTemplateCopy(templatePath, product.path);
    if (!opened.workbook) return opened.error;
    workbook_ = std::move(opened.workbook);

    ReportSheetNames names = SheetNamesOf(settings_.texts);
    auto sheet = [&](const std::string& sheetName, Worksheet*& out) {
        out = workbook_->Sheet(sheetName);
        return out ? std::string()
                   : "The template " + templatePath.string() + " has no sheet \"" + sheetName + "\"";
    };
    if (std::string missing = sheet(names.daily, daily_); !missing.empty()) return missing;
    if (std::string missing = sheet(names.monthly, monthly_); !missing.empty()) return missing;
    if (request_.includeReadings) {
        if (std::string missing = sheet(names.readings, readings_); !missing.empty()) return missing;
    }
    workbook_->SetMacros(ReportMacros(kind_, names));

    expected_ = static_cast<uint64_t>(WaterYearDayCount(data.SuYili, settings_.calendar)) + 13;
    if (request_.includeReadings) expected_ += static_cast<uint64_t>(reader_->LevelCount());
    return {};
}

void TableFiller::FillHeader() {
    const StationYearData& data = reader_->Data();
    std::string code = StationCode(data.IstNo);
    PutText(*daily_, 1, 3, code);
    PutText(*daily_, 1, cells_.nameColumn, data.IstAdi);
    daily_->SetNumber(2, cells_.yearColumn, data.SuYili);
    PutText(*monthly_, 3, 3, code);
    PutText(*monthly_, 3, cells_.nameColumn, data.IstAdi);
    monthly_->SetNumber(4, 3, data.SuYili);
}

// Day d of the water year lands in the block of its month: days 1-15 in rows X+4 to X+18 of
// the first half-month group, days 16-30 in the same rows of the second, day 31 below them.
void TableFiller::FillDays() {
    const StationYearData& data = reader_->Data();
    const Calendar& calendar = settings_.calendar;
    const int groupWidth = DailyLayout(kind_).groupWidth;
    const int days = WaterYearDayCount(data.SuYili, calendar);
    for (int d = 1; d <= days; ++d) {
        Advance(1);
        const SummaryEntry& day = data.Daily[static_cast<size_t>(d)];
        // A day without any reading keeps its row empty, date included.
        if (day.KNoMin <= 0 && day.KnoMax <= 0 && !day.Hort) continue;
        std::string date = AddDays(data.WaterYearStartDate, d - 1, calendar.DateSeparator);
        std::optional<DateParts> parts = ParseDate(date);
        if (!parts) continue;
        int month = parts->month - calendar.WaterYearLastMonth;
        if (month <= 0) month += 12;
        int group = parts->day <= 15 ? 1 : 1 + groupWidth;
        int rowInBlock = parts->day == 31 ? 16 : parts->day % 15 == 0 ? 15 : parts->day % 15;
        int row = MonthBlockRow(month) + 3 + rowInBlock;

        if (day.KnoMax > 0) {
            PutReading(*daily_, row, Shifted(cells_.dayMaximum, group),
                       reader_->ReadLevelLine(day.KnoMax));
        }
        if (day.KNoMin > 0) {
            PutReading(*daily_, row, Shifted(cells_.dayMinimum, group),
                       reader_->ReadLevelLine(day.KNoMin));
        }
        PutText(*daily_, row, group, date);
        if (day.Hort) {
            daily_->SetNumber(row, group + cells_.dayMean, static_cast<double>(*day.Hort));
            if (cells_.dayMeanDischarge) {
                daily_->SetValue(row, group + cells_.dayMeanDischarge,
                                 curve_->DischargeForLevel(static_cast<double>(*day.Hort)));
            }
        }
        daily_->Select(row, 1);
        ++result_.daysFilled;
    }
}

void TableFiller::FillMonths() {
    const StationYearData& data = reader_->Data();
    const Calendar& calendar = settings_.calendar;
    const auto& captions = settings_.texts.Captions;
    for (int m = 1; m <= 13; ++m) {
        Advance(1);
        const int blockRow = MonthBlockRow(m);
        if (m < 13) {
            int calendarMonth = calendar.WaterYearMonths[static_cast<size_t>(m)];
            int year = calendarMonth > calendar.WaterYearLastMonth ? data.SuYili - 1 : data.SuYili;
            daily_->SetNumber(blockRow + 1, cells_.monthYearColumn, year);
        }
        const SummaryEntry& month = data.Monthly[static_cast<size_t>(m)];
        const int row = kFirstMonthRow + m - 1;
        std::string summary;
        if (month.KnoMax > 0) {
            LevelLine line = reader_->ReadLevelLine(month.KnoMax);
            PutMonthExtreme(row, cells_.monthMaximum, line);
            summary = ExtremeSummary(kCaptionMonthlyMax, line);
        }
        if (month.KNoMin > 0) {
            LevelLine line = reader_->ReadLevelLine(month.KNoMin);
            PutMonthExtreme(row, cells_.monthMinimum, line);
            summary += " - " + ExtremeSummary(kCaptionMonthlyMin, line);
        }
        // A month without data keeps an empty summary line.
        if (month.KNoMin <= 0 && month.KnoMax <= 0) continue;
        summary += " - " + captions[kCaptionMonthlyMean] + MeanSummary(blockRow, month);
        if (m < 13) PutText(*daily_, blockRow + kSummaryRowOffset, kSummaryColumn, summary);
    }
}

void TableFiller::FillReadings() {
    const StationYearData& data = reader_->Data();
    Worksheet& sheet = *readings_;
    const ReadingsSheetLayout layout = ReadingsLayout(kind_);

    PutText(sheet, 1, 2, data.OlcumBirimi);
    std::string station = StationCode(data.IstNo);
    if (kind_ == ReportKind::LevelDischargeTable || CharacterCount(data.IstAdi) >= 2)
        station += " - " + data.IstAdi;
    PutText(sheet, 1, 7, station);
    // The period of the readings listed: the first and last record, within the chosen dates.
    auto dayNo = [&](const std::string& date) {
        return DaysBetween(data.WaterYearStartDate, date) + 1;
    };
    std::string from = dayNo(period_.fromDate) > dayNo(data.IlkKayitTarihi) ? period_.fromDate
                                                                            : data.IlkKayitTarihi;
    std::string to = dayNo(period_.toDate) < dayNo(data.SonKayitTarihi) ? period_.toDate
                                                                        : data.SonKayitTarihi;
    PutText(sheet, 2, cells_.periodColumn, from + " - " + to);
    sheet.SetNumber(2, 10, data.SuYili);

    int row = 3;
    int k = 0;
    std::string previousDate;
    const int count = reader_->LevelCount();
    bool pastPeriod = false;
    for (int first = 1; first <= count && !pastPeriod; first += kLinesPerRead) {
        std::vector<std::string> texts = reader_->ReadLevelTexts(first, kLinesPerRead);
        if (texts.empty()) break;
        Advance(texts.size());
        for (const std::string& text : texts) {
            LevelLine line = ParseLevelLine(text);
            if (line.DayNo > period_.last) {
                pastPeriod = true;
                break;
            }
            // Only ordinary readings are listed; the logger's extremes are not.
            if (line.DayNo < period_.first || line.Kind != " ") continue;
            if (line.Date != previousDate) {
                if (k > 0) ++row;
                PutDayHeading(row, line);
                row += 2;
                k = 0;
                sheet.Select(row, 1);
                previousDate = line.Date;
            }
            ++k;
            int column = (k - 1) * layout.readingColumns + 1;
            PutReading(sheet, row, {column, column + 1, curve_ ? column + 2 : 0}, line);
            ++result_.readingsListed;
            if (k == layout.readingsPerRow) {
                ++row;
                k = 0;
            }
        }
    }
    sheet.Select(1, 1);
}

void TableFiller::PutDayHeading(int row, const LevelLine& line) {
    Worksheet& sheet = *readings_;
    PutText(sheet, row, 1, line.Date);
    if (line.DayNo < 1 || line.DayNo > 366) return;
    const SummaryEntry& day = reader_->Data().Daily[static_cast<size_t>(line.DayNo)];
    if (day.KNoMin > 0) PutReading(sheet, row, cells_.headingMinimum, reader_->ReadLevelLine(day.KNoMin));
    if (day.KnoMax > 0) PutReading(sheet, row, cells_.headingMaximum, reader_->ReadLevelLine(day.KnoMax));
    if (day.Hort) {
        sheet.SetNumber(row, cells_.headingMean, static_cast<double>(*day.Hort));
        if (cells_.headingMeanDischarge) {
            sheet.SetValue(row, cells_.headingMeanDischarge,
                           curve_->DischargeForLevel(static_cast<double>(*day.Hort)));
        }
    }
}

// A line past the end of the file (a pointer of a damaged file) leaves its cells empty.
void TableFiller::PutReading(Worksheet& sheet, int row, ReadingColumns columns,
                             const LevelLine& line) const {
    std::string level = LevelEntry(line);
    if (level.empty()) return;
    sheet.SetValue(row, columns.time, TimeText(line));
    sheet.SetValue(row, columns.level, level);
    if (columns.discharge) sheet.SetValue(row, columns.discharge, Discharge(level));
}

void TableFiller::PutMonthExtreme(int row, int firstColumn, const LevelLine& line) const {
    std::string level = LevelEntry(line);
    if (level.empty()) return;
    monthly_->SetValue(row, firstColumn, DayOfMonth(line));
    monthly_->SetValue(row, firstColumn + 1, TimeText(line));
    monthly_->SetValue(row, firstColumn + 2, level);
    if (curve_) monthly_->SetValue(row, firstColumn + 3, Discharge(level));
}

std::string TableFiller::ExtremeSummary(int caption, const LevelLine& line) const {
    const std::string& text = settings_.texts.Captions[static_cast<size_t>(caption)];
    std::string tail = line.Date + "  " + ClockText(line);
    if (!curve_) return text + "  H=" + line.Level + "cm " + tail;
    return text + " H=" + line.Level + "cm " + "Q=" + Discharge(line.Level) + "m3/s " + tail;
}

// The month's mean level as the daily sheet's macro computed it; in the level-discharge
// table the mean of the processed file with the mean discharge of the sheet.
std::string TableFiller::MeanSummary(int blockRow, const SummaryEntry& month) const {
    int row = blockRow + kMeanRowOffset;
    if (!curve_) return "  H=" + FormatFixed(daily_->Get(row, kMeanLevelColumn).Number(), 0) + "cm";
    std::string level = month.Hort ? SignedText(*month.Hort) : std::string();
    return " H=" + level + "cm " + "Q=" +
           FormatFixed(daily_->Get(row, kMeanDischargeColumn).Number(), 2) + "m3/s ";
}

std::string TableFiller::Discharge(const std::string& level) const {
    return curve_ ? curve_->DischargeForLevel(level) : std::string();
}

void TableFiller::RunMacro(const char* name) {
    if (std::string error = workbook_->Run(name); !error.empty())
        result_.problems.push_back(std::string(name) + ": " + error);
}

void TableFiller::Advance(uint64_t steps) {
    done_ += steps;
    if (request_.progress) request_.progress(std::min(done_, expected_), expected_);
}

}  // namespace

ReportResult FillStationYearTable(const LevelTableRequest& request, const ProgramSettings& settings,
                                  ReportKind kind, const std::string& templateName,
                                  const RatingCurve* curve) {
    return TableFiller(request, settings, kind, curve).Run(templateName);
}

}  // namespace kovu3
