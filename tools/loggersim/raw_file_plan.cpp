#include "loggersim/raw_file_plan.h"

#include <stdexcept>

#include "loggersim/raw_file_layout.h"

namespace kovu3::sim {
namespace {

// The first reading. A Normal logger set up at minute S of a day waits for the next point of
// its grid (S + A, A = (1440 - S) mod I) and records one interval later; a late start moves
// that by whole intervals. Ring and Blok files name their first record.
long long FirstRecordMinute(const LoggerFileRecipe& recipe, int interval) {
    if (recipe.kind != FileKind::Normal) return ToMinutes(*recipe.firstRecord);
    const long long setup = ToMinutes(recipe.setup);
    const int s = recipe.setup.minute;
    const int alignment = (kMinutesPerDay - s) % interval;
    return setup + alignment + interval + static_cast<long long>(recipe.firstRecordShift) * interval;
}

// Number of 24:00 readings in [first, last], all on the grid of `interval`.
long long MidnightsBetween(long long first, long long last) {
    return FloorDiv(last, kMinutesPerDay) - FloorDiv(first - 1, kMinutesPerDay);
}

struct Computed {
    RawFilePlan plan;
    std::string problem;
};

Computed Compute(const LoggerFileRecipe& recipe) {
    Computed result;
    RawFilePlan& plan = result.plan;
    plan.family = FormatFamily(recipe.parameterCount);
    plan.recordInterval = RecordInterval(recipe);
    plan.dataStart = DataStart(recipe.parameterCount);
    const int interval = plan.recordInterval;

    long long dataChars = 0;
    if (interval == 0) {
        // Nothing is recorded; the times only fill the header.
        plan.firstRecord = plan.lastRecord = plan.decoderLastRecord = ClockMoment(ToMinutes(recipe.setup));
        plan.headerFirstData = plan.firstRecord;
    } else {
        const long long first = FirstRecordMinute(recipe, interval);
        const long long until = ToMinutes(recipe.readingsUntil);
        long long last = first - interval;
        if (until >= first) last = first + (until - first) / interval * interval;
        plan.readingCount = static_cast<int>((last - first) / interval + 1);
        plan.firstRecord = ReadingMoment(first);
        plan.lastRecord = ReadingMoment(last);
        plan.headerFirstData =
            ClockMoment(first - static_cast<long long>(recipe.firstRecordShift) * interval - 2 * interval);
        if (plan.readingCount > 0) {
            long long midnights = MidnightsBetween(first, last);
            bool endsOnMidnight = last % kMinutesPerDay == 0;
            if (endsOnMidnight && !recipe.dayRecordAfterLastReading) --midnights;
            plan.dayRecordCount = static_cast<int>(midnights);
            plan.decoderLastRecord =
                endsOnMidnight && recipe.dayRecordAfterLastReading ? ClockMoment(last) : plan.lastRecord;
        } else {
            plan.decoderLastRecord = Moment{plan.firstRecord.date, plan.firstRecord.minute - interval};
        }
        dataChars = static_cast<long long>(kReadingLength) * plan.readingCount +
                    static_cast<long long>(kDayRecordLength) * plan.dayRecordCount;
        plan.dayCount = static_cast<int>(DaysFromGregorian(plan.decoderLastRecord.date) -
                                         DaysFromGregorian(plan.firstRecord.date));
    }
    plan.endPointer = dataChars / 3;
    plan.dataEnd = plan.dataStart + static_cast<size_t>(dataChars);
    plan.fileLength = plan.dataEnd + 3 * static_cast<size_t>(recipe.leftoverBytes);

    if (plan.family == 2 && plan.endPointer > kLargestEndPointer)
        result.problem = "the data (" + std::to_string(plan.endPointer) +
                         " logger bytes) do not fit the end pointer of a 161 or 164 parameter file (" +
                         std::to_string(kLargestEndPointer) + " at most)";
    const int headerYear = plan.headerFirstData.date.year;
    if (!recipe.headerDateUnknown && (headerYear < 2000 || headerYear > 2099))
        result.problem = "the header's first-data year lies outside 2000 to 2099";
    return result;
}

}  // namespace

RawFilePlan DescribeRawFile(const LoggerFileRecipe& recipe) {
    if (std::string problem = CheckRecipe(recipe); !problem.empty()) throw std::invalid_argument(problem);
    return Compute(recipe).plan;
}

std::string PlanProblem(const LoggerFileRecipe& recipe) { return Compute(recipe).problem; }

}  // namespace kovu3::sim
