#include "graph/plot_entry.h"

#include <filesystem>

#include "processing/station_files.h"
#include "shell/station_store.h"

namespace kovu3 {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::optional<PlotEntryName> ParsePlotEntryName(std::string_view fileName) {
    // S 2004 123-45678 .txt
    if (fileName.size() != 18 || (fileName[0] != 'S' && fileName[0] != 's')) return std::nullopt;
    std::string_view year = fileName.substr(1, 4);
    std::string_view station = fileName.substr(5, 9);
    std::string_view extension = fileName.substr(14);
    for (char c : year)
        if (!IsDigit(c)) return std::nullopt;
    if (station[3] != '-') return std::nullopt;
    if (extension != ".txt" && extension != ".TXT") return std::nullopt;
    PlotEntryName name;
    name.waterYear =
        (year[0] - '0') * 1000 + (year[1] - '0') * 100 + (year[2] - '0') * 10 + (year[3] - '0');
    name.station = std::string(station);
    return name;
}

ConversionResult ConvertPlotEntry(std::string_view fileName, const ProgramSettings& settings) {
    ConversionResult result;
    std::optional<PlotEntryName> entry = ParsePlotEntryName(fileName);
    if (!entry) {
        result.error =
            "\"" + std::string(fileName) + "\" is not the name of a processed station-year file";
        return result;
    }
    ConversionRequest request;
    request.station = entry->station;
    request.waterYear = entry->waterYear;
    request.rawFiles = ListStationRawFiles(settings.DataDirectory, entry->station);
    if (request.rawFiles.empty()) {
        result.error = std::string(fileName) + ": station " + entry->station +
                       " has no raw logger file in " + settings.DataDirectory;
        return result;
    }
    request.stationName = StationName(settings.StationDatabasePath, entry->station);
    request.readingsLog = std::filesystem::path(settings.ProgramFolder) / "List3.sil";
    request.rawCopy = std::filesystem::path(settings.CurrentFolder) / "Gecici.txt";
    return ConvertStationYear(request, settings);
}

}  // namespace kovu3
