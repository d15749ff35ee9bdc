#pragma once
// The station list file Kovu_ist.Txt under the system root names, one a line, the raw
// logger files read out since the last start. The processed station-year files those raw
// files cover are deleted so the next conversion makes them again. Nothing else is ever
// deleted, and the list file stays in place.

#include <filesystem>
#include <string>
#include <vector>

#include "shell/program_settings.h"

namespace kovu3 {

struct ClearListedOutcome {
    std::vector<std::filesystem::path> deleted;
    std::vector<std::string> problems;  // lines that named no usable raw file, failed deletions
};

// For each line: the raw file of that name in DataDirectory is decoded; when it decodes
// without a problem, S<year><station>.txt is deleted for each water year from its first to
// its last reading, the station being 123-45678 from the eight digits the name starts with.
ClearListedOutcome ClearListedStations(const ProgramSettings& settings);

}  // namespace kovu3
