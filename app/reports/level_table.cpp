#include "reports/level_table.h"

#include "processing/station_year_data.h"
#include "reports/table_filler.h"

namespace kovu3 {
namespace {

// "S2004123-45678.txt" -> "<letter>2004123-45678.xlsx".
std::string WorkbookName(char letter, int waterYear, const std::string& station) {
    std::string name = ProcessedFileName(waterYear, station);
    name.front() = letter;
    return name.substr(0, name.size() - 4) + ".xlsx";
}

}  // namespace

std::string LevelTableFileName(int waterYear, const std::string& station) {
    return WorkbookName('S', waterYear, station);
}

std::string LevelDischargeTableFileName(int waterYear, const std::string& station) {
    return WorkbookName('Q', waterYear, station);
}

ReportResult MakeLevelTable(const LevelTableRequest& request, const ProgramSettings& settings) {
    return FillStationYearTable(request, settings, ReportKind::LevelTable,
                                settings.texts.LevelTableTemplate, nullptr);
}

}  // namespace kovu3
