#include "processing/water_years.h"

#include <algorithm>
#include <filesystem>

#include "processing/station_year_data.h"
#include "rawfile/raw_decoder.h"

namespace kovu3 {

WaterYearScan DiscoverWaterYears(const std::string& station, const std::vector<std::string>& rawFiles,
                                 const ProgramSettings& settings) {
    WaterYearScan scan;
    const std::filesystem::path folder = settings.DataDirectory;
    for (const std::string& name : rawFiles) {
        RawFileResult file = ReadRawFile(name, settings);
        if (!file.errorText.empty()) {
            scan.rejected.push_back(name + ": " + file.errorText);
            continue;
        }
        // A damaged time base must not make the list endless.
        const int last = std::min(file.timeBase.LastWaterYear, file.timeBase.WaterYear + 100);
        for (int year = file.timeBase.WaterYear; year <= last; ++year) {
            bool known = std::any_of(scan.years.begin(), scan.years.end(),
                                     [year](const WaterYearEntry& entry) { return entry.year == year; });
            if (known) continue;
            std::error_code ec;
            scan.years.push_back({year, std::filesystem::exists(folder / ProcessedFileName(year, station), ec)});
        }
    }
    return scan;
}

std::string WaterYearListText(const WaterYearEntry& entry, const LanguageTexts& texts) {
    return std::to_string(entry.year) + " " + (entry.converted ? texts.WordConverted : std::string());
}

}  // namespace kovu3
