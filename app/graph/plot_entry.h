#pragma once
// A station-year of the plot list, known by the name of its processed file
// ("S" + water year + station + ".txt"), and the conversion that writes that file when the
// list is drawn before the station-year was converted.

#include <optional>
#include <string>
#include <string_view>

#include "processing/conversion.h"

namespace kovu3 {

struct PlotEntryName {
    int waterYear = 0;
    std::string station;  // "123-45678"
};

// The water year and station a processed file name names; nullopt for any other name.
std::optional<PlotEntryName> ParsePlotEntryName(std::string_view fileName);

// Converts the station-year of `fileName` from all raw files of its station in the data
// folder, with the readings log and raw copy where a conversion of the program puts them.
// `error` names the file when the name is no processed file name or no raw file exists.
ConversionResult ConvertPlotEntry(std::string_view fileName, const ProgramSettings& settings);

}  // namespace kovu3
