#include "loggersim/readout_plan.h"

#include <algorithm>
#include <map>

#include "loggersim/raw_file_plan.h"
#include "loggersim/sim_random.h"

namespace kovu3::sim {
namespace {

enum Salt : std::uint64_t {
    kSetupDelay = 100,
    kStopDays,
    kStopMinutes,
    kLeftover,
    kPointerFlags,
    kOverlapHours,
    kRingDays,
    kReadoutJitter,
    kReadoutTime,
    kLink,
};

constexpr double kMinutesPerYear = 365.2425 * kMinutesPerDay;

long long AlignDown(long long minute, int interval) {
    long long r = minute % interval;
    return minute - (r < 0 ? r + interval : r);
}

LoggerFileRecipe BaseSpec(const StationLogger& logger) {
    LoggerFileRecipe recipe;
    recipe.stationId = logger.stationId;
    recipe.regionCode = logger.regionCode;
    recipe.unitCode = logger.unitCode;
    recipe.parameterCount = logger.extension ? 166 : 163;
    recipe.loggerType = logger.loggerType;
    recipe.samplesPerRecord = logger.samplesPerRecord;
    recipe.minutesBetweenSamples = logger.minutesBetweenSamples;
    return recipe;
}

long long FirstReading(const LoggerFileRecipe& recipe) { return ToMinutes(DescribeRawFile(recipe).firstRecord); }
long long LastReading(const LoggerFileRecipe& recipe) { return ToMinutes(DescribeRawFile(recipe).lastRecord); }

// The first reading of the logger's current run: that of a Normal file with its setup.
long long RunStart(const LoggerFileRecipe& previous) {
    LoggerFileRecipe normal = previous;
    normal.kind = FileKind::Normal;
    normal.firstRecord.reset();
    normal.firstRecordShift = 0;
    return FirstReading(normal);
}

// The previous file's logger stops some days before its read-out. False when that would
// leave it less than a day of readings or overflow its end pointer.
bool StopLogger(PlannedFile& previous, const StationLogger& logger, const Moment& readout,
                std::uint64_t seed, std::uint64_t j) {
    LoggerFileRecipe stopped = previous.recipe;
    const long long stop = ToMinutes(readout) - Between(2, 20, seed, kStopDays, j) * kMinutesPerDay -
                           Between(0, kMinutesPerDay - 1, seed, kStopMinutes, j);
    if (stop < FirstReading(stopped) + kMinutesPerDay) return false;
    stopped.parameterCount = logger.extension ? 164 : 161;
    stopped.readingsUntil = ClockMoment(stop);
    stopped.readout = readout;
    stopped.leftoverBytes = static_cast<int>(Between(0, 900, seed, kLeftover, j));
    stopped.pointerFlagBits = Between(0, 1, seed, kPointerFlags, j) == 1;
    if (!CheckRecipe(stopped).empty()) return false;
    previous.recipe = stopped;
    return true;
}

// Applies `link` to `file`, the file after `previous`; false when the link cannot be made.
bool ApplyLink(PlannedFile& file, ReadoutLink link, PlannedFile& previous, const ReadoutPlanInput& input,
               const Moment& previousReadout, std::uint64_t j) {
    LoggerFileRecipe& recipe = file.recipe;
    const int interval = recipe.samplesPerRecord * recipe.minutesBetweenSamples;
    switch (link) {
        case ReadoutLink::Reset:
            recipe.setup = ClockMoment(ToMinutes(previousReadout) + Between(3, 40, input.seed, kSetupDelay, j));
            break;
        case ReadoutLink::Continue:
            recipe.setup = ClockMoment(LastReading(previous.recipe));
            break;
        case ReadoutLink::Gap:
            if (!StopLogger(previous, input.logger, previousReadout, input.seed, j)) return false;
            recipe.setup = ClockMoment(ToMinutes(previousReadout) + Between(3, 40, input.seed, kSetupDelay, j));
            break;
        case ReadoutLink::Repeat:
            recipe.setup = previous.recipe.setup;
            break;
        case ReadoutLink::Overlap: {
            const long long runStart = RunStart(previous.recipe);
            const long long back = Between(6, 72, input.seed, kOverlapHours, j) * 60;
            const long long first = std::max(runStart, AlignDown(LastReading(previous.recipe) - back, interval));
            // Blocks of 256 logger bytes; a day holds its readings (2 bytes) and a day record (8).
            const long long skipped = (first - runStart) / interval * 2 + (first - runStart) / kMinutesPerDay * 8;
            recipe.kind = FileKind::Blok;
            recipe.blockCount = static_cast<int>(std::clamp<long long>((skipped + 255) / 256, 1, 255));
            recipe.setup = previous.recipe.setup;
            recipe.firstRecord = ReadingMoment(first);
            break;
        }
    }
    file.link = link;
    return CheckRecipe(recipe).empty();
}

// The last file of a logger whose memory wrapped: its oldest readings are overwritten, the
// first one left lies a few days before the previous file's end.
bool MakeRing(PlannedFile& file, const PlannedFile& previous, std::uint64_t seed, std::uint64_t j) {
    LoggerFileRecipe ring = file.recipe;
    const int interval = ring.samplesPerRecord * ring.minutesBetweenSamples;
    const long long back = Between(1, 4, seed, kRingDays, j) * kMinutesPerDay;
    ring.kind = FileKind::Ring;
    ring.setup = previous.recipe.setup;
    ring.firstRecord =
        ReadingMoment(std::max(RunStart(previous.recipe), AlignDown(LastReading(previous.recipe) - back, interval)));
    if (!CheckRecipe(ring).empty()) return false;
    file.recipe = ring;
    file.link = ReadoutLink::Overlap;
    return true;
}

}  // namespace

ReadoutLink DrawLink(std::uint64_t seed, std::uint64_t index) {
    const double u = Unit(seed, kLink, index);
    if (u < 0.55) return ReadoutLink::Reset;
    if (u < 0.65) return ReadoutLink::Continue;
    if (u < 0.80) return ReadoutLink::Overlap;
    if (u < 0.90) return ReadoutLink::Repeat;
    return ReadoutLink::Gap;
}

std::vector<PlannedFile> PlanReadouts(const ReadoutPlanInput& input) {
    std::vector<PlannedFile> files;
    for (size_t j = 0; j < input.readouts.size(); ++j) {
        PlannedFile file{BaseSpec(input.logger), ReadoutLink::Reset};
        file.recipe.readingsUntil = input.readouts[j];
        if (j == 0) {
            file.recipe.setup = input.firstSetup;
        } else {
            const std::uint64_t n = j;
            ReadoutLink link = input.links.empty() ? DrawLink(input.seed, n)
                                                   : input.links[(j - 1) % input.links.size()];
            PlannedFile& previous = files.back();
            const bool ring = input.ringAtEnd && j + 1 == input.readouts.size() &&
                              MakeRing(file, previous, input.seed, n);
            if (!ring && !ApplyLink(file, link, previous, input, input.readouts[j - 1], n)) {
                file = PlannedFile{BaseSpec(input.logger), ReadoutLink::Reset};
                file.recipe.readingsUntil = input.readouts[j];
                ApplyLink(file, ReadoutLink::Reset, previous, input, input.readouts[j - 1], n);
            }
        }
        files.push_back(file);
    }
    std::map<int, int> filesOfYear;
    for (PlannedFile& file : files) {
        const int year = ClockMoment(ToMinutes(file.recipe.readout.value_or(file.recipe.readingsUntil))).date.year;
        file.recipe.order = ++filesOfYear[year];
    }
    return files;
}

std::vector<Moment> ReadoutDates(const Moment& from, const Moment& until, int perYear, std::uint64_t seed) {
    std::vector<Moment> dates;
    const double spacing = kMinutesPerYear / std::max(1, perYear);
    const long long start = ToMinutes(from);
    long long previousDay = start / kMinutesPerDay;
    for (std::uint64_t k = 1;; ++k) {
        const double jitter = (Unit(seed, kReadoutJitter, k) - 0.5) * 0.4 * spacing;
        long long day = static_cast<long long>(start + static_cast<double>(k) * spacing + jitter) / kMinutesPerDay;
        day = std::max(day, previousDay + 1);
        const long long minute = day * kMinutesPerDay + Between(8 * 60, 16 * 60 + 59, seed, kReadoutTime, k);
        dates.push_back(ClockMoment(minute));
        previousDay = day;
        if (minute >= ToMinutes(until)) return dates;
    }
}

}  // namespace kovu3::sim
