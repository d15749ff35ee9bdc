#pragma once
// Bringing the station names of an old Access file (Istasyon.mdb, table IstNoAd) into the
// store. Access files are read by mdb-export of mdbtools, run as a separate program with an
// argument list; its CSV output is parsed here.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "shell/station_store.h"

namespace kovu3 {

struct ImportedStation {
    std::string No;
    std::string Ad;
};

struct StationTable {
    std::vector<ImportedStation> stations;
    std::string error;  // names the line where the text stopped making sense
};

// Parses mdb-export's CSV: a header line naming the fields (No and Ad are needed, in any
// order, any letter case), then one record per line; quoted fields may hold commas, line
// breaks and doubled quotes.
StationTable ParseStationCsv(std::string_view csv);

// Runs "mdb-export FILE IstNoAd" and parses what it prints. Old Access 97 files hold
// Turkish text in the code page the program ran with, so that is what mdb-export is told.
StationTable ReadAccessStationTable(const std::filesystem::path& mdbFile);

struct ImportSummary {
    int added = 0;
    std::vector<std::string> skipped;  // numbers the store already had before the import
    std::string error;
};

// Adds the stations in their order. A number the store already holds keeps its record;
// numbers that repeat inside the old table are all added, as the old table had them.
ImportSummary ImportStations(StationStore& store, const std::vector<ImportedStation>& stations);

}  // namespace kovu3
