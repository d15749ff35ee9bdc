#pragma once
// The water years a station's raw files cover, in the order they first appear while the
// files are scanned in merge order, each marked when its processed file exists.

#include <string>
#include <vector>

#include "shell/program_settings.h"

namespace kovu3 {

struct WaterYearEntry {
    int year = 0;
    bool converted = false;  // S<year><station>.txt exists in the data folder
};

struct WaterYearScan {
    std::vector<WaterYearEntry> years;
    // Files the decoder rejected (they add no years), each with its problem.
    std::vector<std::string> rejected;
};

WaterYearScan DiscoverWaterYears(const std::string& station, const std::vector<std::string>& rawFiles,
                                 const ProgramSettings& settings);

// The year-list entry: the year, a blank and the converted word when converted.
std::string WaterYearListText(const WaterYearEntry& entry, const LanguageTexts& texts);

}  // namespace kovu3
