#pragma once
// A realistic data folder: several stations, several water years, several read-outs a year,
// with the additional-information files and rating curves that go with them. The demo and
// the benchmarks start from such a folder.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "loggersim/hydrograph.h"
#include "loggersim/raw_file_plan.h"
#include "loggersim/readout_plan.h"

namespace kovu3::sim {

struct DataFolderScenario {
    std::uint64_t seed = 1;
    int stations = 3;
    int firstWaterYear = 2003;  // the files cover 1 October before it ...
    int lastWaterYear = 2004;   // ... to 30 September of this one, and a few weeks beyond
    int samplesPerRecord = 1;
    int minutesBetweenSamples = 15;
    int readoutsPerYear = 6;
    std::vector<ReadoutLink> links;       // cycled over each station's files; empty: drawn
    double faultyDayRecordShare = 0.05;   // share of files with a few bad day records
    bool ringAtEnd = false;               // each station's last file is a ring file
    bool additionalInfo = true;           // a ".xxx" file beside every raw file
    bool ratingCurves = true;             // E<station>.dat, named in `AnahtarDirectory`
    std::filesystem::path ratingFolder;   // where the rating curves go; empty: the data folder
    std::optional<int> extremesPolicy;    // `ExtremDuzelt` of every file, when set
};

struct FolderFile {
    std::string name;
    LoggerFileRecipe recipe;
    ReadoutLink link = ReadoutLink::Reset;
    RawFilePlan plan;
};

struct FolderStation {
    StationLogger logger;
    HydrographParams hydrograph;
    std::filesystem::path ratingCurve;  // empty when none was written
};

struct DataFolderResult {
    std::string error;  // empty on success
    std::vector<FolderStation> stations;
    std::vector<FolderFile> files;  // in the order they were planned, station by station
};

DataFolderResult MakeDataFolder(const std::filesystem::path& folder, const DataFolderScenario& scenario);

// The logger and the river of station `index` of a scenario.
FolderStation DrawStation(const DataFolderScenario& scenario, int index);

}  // namespace kovu3::sim
