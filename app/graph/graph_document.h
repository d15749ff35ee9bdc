#pragma once
// The station-years one graph window draws: each processed file's header and its level
// lines in memory, the first view over all of them, and the orientation of the level axis.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "graph/graph_view.h"
#include "graph/station_series.h"
#include "processing/station_year_data.h"
#include "shell/program_settings.h"

namespace kovu3 {

// The graph has colours for four stations.
inline constexpr size_t kMaxGraphStations = 4;

struct GraphStation {
    std::filesystem::path path;
    StationYearData data;
    StationSeries series;
    long yearMaximum = 0;  // level of the year's maximum line (monthly row 13), 0 when none
};

struct GraphDocument {
    std::vector<GraphStation> stations;  // in plot order, one to four
    std::vector<std::string> problems;   // files left out, each with the reason
    bool aquifer = false;                // the level axis runs downwards
    // The dates of the time axis are those of the last station's water year.
    int waterYear = 0;
    std::string firstDay;
    Calendar calendar;  // of the settings the files were read with

    bool empty() const { return stations.empty(); }
};

// Reads the processed files in order; a file that cannot be read is left out with a
// problem, as is every file after the fourth. `loggerType` is the LoggerType of the raw
// file decoded last; when empty, the last raw file merged into the last station's processed
// file is decoded (from the processed file's folder) to find it.
GraphDocument LoadGraphDocument(const std::vector<std::filesystem::path>& files,
                                const ProgramSettings& settings, std::string_view loggerType = {});

// View 1: every station's water year from its first day 00:00 to its last day 24:00, levels
// from 0 to 1.1 x the highest yearly maximum (upside down for aquifer loggers).
GraphView InitialView(const GraphDocument& document);

// True when a logger type text is the aquifer type of the language ("Akifer", "Aquifer").
bool IsAquiferType(std::string_view loggerType, const LanguageTexts& texts);

// The LoggerType text of the last raw file merged into a station-year, decoded from
// `folder`; empty when there is none or it cannot be read.
std::string LastMergedLoggerType(const StationYearData& data, const std::filesystem::path& folder,
                                 const ProgramSettings& settings);

}  // namespace kovu3
