#include "reports/flumo_export.h"

#include <algorithm>
#include <vector>

#include "processing/processed_file_writer.h"
#include "reports/processed_file_reader.h"
#include "reports/report_cells.h"
#include "shell/file_io.h"
#include "shell/text_codec.h"

namespace kovu3 {
namespace {

namespace fs = std::filesystem;

constexpr int kDaysPerMonthGroup = 31;

// Day, level, an empty line and the mark of one monthly extreme. A record that is missing
// (-1) or lies past the end of the file gives empty lines.
void AddExtreme(std::vector<std::string>& lines, const ProcessedFileReader& reader, int recordNo) {
    LevelLine line = reader.ReadLevelLine(recordNo);
    std::string level = LevelEntry(line);
    lines.push_back(level.empty() ? std::string() : DayOfMonth(line));
    lines.push_back(level);
    lines.emplace_back();
    lines.push_back(level.empty() ? "" : "L");
}

// Days the export gives a month. The Gregorian table keeps February at 28 days, so 29
// February is never exported; a Persian month 12 has the length of its own year.
int ExportedMonthLength(int month, int year, const Calendar& calendar) {
    if (calendar.CalendarKind == 0) return calendar.MonthLengths[static_cast<size_t>(month)];
    return MonthLength(month, year);
}

std::vector<std::string> FlumoLines(const ProcessedFileReader& reader, const Calendar& calendar) {
    const StationYearData& data = reader.Data();
    std::vector<std::string> lines;
    lines.reserve(1592);
    lines.push_back(data.IstNo);
    lines.emplace_back();
    lines.push_back(PrintForm(data.SuYili));
    for (int m = 1; m <= 12; ++m) {
        const SummaryEntry& month = data.Monthly[static_cast<size_t>(m)];
        AddExtreme(lines, reader, month.KnoMax);
        AddExtreme(lines, reader, month.KNoMin);
    }
    for (int i = 0; i < 5; ++i) lines.emplace_back();
    for (int m = 1; m <= 12; ++m) {
        int month = calendar.WaterYearMonths[static_cast<size_t>(m)];
        int year = month > calendar.WaterYearLastMonth ? data.SuYili - 1 : data.SuYili;
        int length = ExportedMonthLength(month, year, calendar);
        for (int day = 1; day <= kDaysPerMonthGroup; ++day) {
            std::string level = "---";
            if (day <= length) {
                std::string date = FormatDate({day, month, year}, calendar.DateSeparator);
                long dayNo = DaysBetween(data.WaterYearStartDate, date) + 1;
                std::optional<long> mean;
                if (dayNo >= 1 && dayNo <= 366) mean = data.Daily[static_cast<size_t>(dayNo)].Hort;
                level = mean ? std::to_string(*mean) : std::string();
            }
            bool present = !level.empty() && level != "---";
            lines.push_back(level);
            lines.emplace_back();
            lines.push_back(present ? "L" : "");
            lines.emplace_back();
        }
    }
    return lines;
}

}  // namespace

std::string FlumoFileName(int waterYear, const std::string& station) {
    std::string year = std::to_string(waterYear);
    if (year.size() > 2) year = year.substr(year.size() - 2);
    std::string number = station;
    bool digits = !number.empty() && std::all_of(number.begin(), number.end(),
                                                 [](char c) { return c >= '0' && c <= '9'; });
    if (digits && number.size() < 5) number.insert(0, 5 - number.size(), '0');
    return "H" + year + number + ".DAT";
}

FlumoResult ExportToFlumo(const fs::path& processedFile, const ProgramSettings& settings) {
    FlumoResult result;
    if (processedFile.empty()) return result;
    std::error_code ec;
    if (!fs::is_regular_file(processedFile, ec)) {
        result.error = "There is no processed file " + processedFile.string() +
                       "; convert the station-year before the export";
        return result;
    }
    std::string error;
    std::unique_ptr<ProcessedFileReader> reader =
        ProcessedFileReader::Open(processedFile, settings.calendar, error);
    if (!reader) {
        result.error = error;
        return result;
    }
    const StationYearData& data = reader->Data();
    if (std::string mismatch = CalendarMismatch(data, processedFile, settings); !mismatch.empty()) {
        result.error = mismatch;
        return result;
    }
    ProductPath product = ProductFile(fs::absolute(processedFile, ec).parent_path(),
                                      FlumoFileName(data.SuYili, data.IstNo));
    if (!product.error.empty()) {
        result.error = product.error;
        return result;
    }
    std::string image = ToCp1254Lines(FlumoLines(*reader, settings.calendar));
    if (std::string failed = WriteFileReplacing(product.path, image); !failed.empty()) {
        result.error = failed;
        return result;
    }
    result.path = product.path;
    result.message = "Seviyeler " + product.path.string() + " Dosyasına yazıldı..";
    return result;
}

}  // namespace kovu3
