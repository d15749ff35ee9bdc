#pragma once
// The files one station's logger leaves over the years: when it was read out, and how each
// read-out's file relates to the one before it.

#include <cstdint>
#include <string>
#include <vector>

#include "loggersim/logger_file_recipe.h"

namespace kovu3::sim {

// How a file relates to the file of the read-out before it.
enum class ReadoutLink {
    Reset,     // the logger was set up anew a few minutes after the read-out: a short gap
    Continue,  // set up again at the last reading, so the file goes on one interval later
    Overlap,   // not reset; the next read-out skipped the blocks already read except the last
               // hours: a Blok file whose first day lies before the previous file's end
    Repeat,    // not reset; the next read-out dumped the memory from the setup again: a
               // Normal file that repeats every day of the file before
    Gap,       // the previous file's logger stopped days before its read-out (its battery
               // failed: a 161 or 164 parameter file) and was set up anew at the read-out
};

// What stays the same for every file of a station's logger.
struct StationLogger {
    std::string stationId = "12345678";
    std::string regionCode = "012";
    std::string unitCode = "001";
    bool extension = false;  // 166 (or 164 when stopped) rather than 163 (161) parameters
    int loggerType = kOpticalEncoder;
    int samplesPerRecord = 1;
    int minutesBetweenSamples = 15;
};

struct ReadoutPlanInput {
    StationLogger logger;
    std::uint64_t seed = 1;
    Moment firstSetup;
    std::vector<Moment> readouts;   // in time order
    std::vector<ReadoutLink> links;  // cycled from the second file on
    bool ringAtEnd = false;          // the last file is a ring file (memory wrapped)
};

struct PlannedFile {
    LoggerFileRecipe recipe;
    ReadoutLink link = ReadoutLink::Reset;  // the first file counts as Reset
};

// One file per read-out, numbered within each read-out year. A link that the state of the
// logger does not allow (Overlap or Repeat after a stopped logger, a stopped file too large
// for its end pointer) falls back to Reset, as a field visit would.
std::vector<PlannedFile> PlanReadouts(const ReadoutPlanInput& input);

// About `perYear` read-outs a year between two moments (exclusive of `from`, the last one
// at or after `until`), spaced evenly with a jitter of a fifth of the spacing, in working
// hours.
std::vector<Moment> ReadoutDates(const Moment& from, const Moment& until, int perYear, std::uint64_t seed);

// The links drawn from a seed: mostly Reset, some of each other kind.
ReadoutLink DrawLink(std::uint64_t seed, std::uint64_t index);

}  // namespace kovu3::sim
