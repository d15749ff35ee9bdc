#include "processing/year_statistics.h"

#include <cstring>
#include <string_view>

namespace kovu3 {
namespace {

struct RunningMean {
    long sum = 0;
    long count = 0;
};

void TakeMaximum(SummaryRow& row, long level, int recordNo) {
    if (level > row.MaxValue) {
        row.MaxValue = level;
        row.KnoMax = recordNo;
    }
}

void TakeMinimum(SummaryRow& row, long level, int recordNo) {
    if (level < row.MinValue) {
        row.MinValue = level;
        row.KNoMin = recordNo;
    }
}

// Digits of a fixed field; the writer of the series put digits there.
int Digits(const LevelLineText& line, size_t at, size_t count) {
    int value = 0;
    for (size_t i = at; i < at + count; ++i) {
        char c = line[i];
        if (c < '0' || c > '9') break;
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace

YearStatistics ComputeYearStatistics(std::vector<LevelLineText>& series, const DayPolicies& dayPolicy) {
    YearStatistics stats;
    // The running means of the current day and month. The first record of a new day or
    // month restarts them without counting; the last value of a run is its mean.
    RunningMean day;
    RunningMean month;
    SummaryRow* dayRow = nullptr;
    SummaryRow* monthRow = nullptr;
    auto settle = [](RunningMean& mean, SummaryRow* row) {
        if (row && mean.count > 0) row->Hort = mean.sum / mean.count;
        mean = {};
    };
    const LevelLineText* previous = nullptr;
    int previousMonth = 0;

    for (size_t i = 0; i < series.size(); ++i) {
        LevelLineText& line = series[i];
        const int recordNo = static_cast<int>(i + 1);
        const int dayNo = Digits(line, 0, 3);
        const long level = Digits(line, 9, 6);
        const char kind = LineKind(line);
        const int monthNo = Digits(line, 19, 2);
        const bool ordinary = kind == kKindOrdinary;
        const bool dayInRange = dayNo >= 1 && dayNo <= 366;
        const bool monthInRange = monthNo >= 1 && monthNo <= 12;

        const bool newDay = previous && std::memcmp(line.data() + 16, previous->data() + 16, 10) != 0;
        line[3] = (i == 0 || newDay) ? '>' : ' ';
        if (newDay) settle(day, dayRow);
        if (!newDay && ordinary && dayInRange) {
            if (day.count > 0 && dayRow != &stats.Daily[dayNo]) settle(day, dayRow);
            dayRow = &stats.Daily[dayNo];
            day.sum += level;
            ++day.count;
        }

        const bool newMonth = previousMonth != 0 && monthNo != previousMonth;
        if (newMonth) settle(month, monthRow);
        if (!newMonth && ordinary && monthInRange) {
            monthRow = &stats.Monthly[monthNo];
            month.sum += level;
            ++month.count;
        }

        const int policy = dayInRange ? dayPolicy[dayNo] : kPolicyLoggerExtremes;
        if (!ordinary || policy != kPolicyLoggerExtremes) {
            if (kind == kKindMaximum || ordinary) {
                if (monthInRange) TakeMaximum(stats.Monthly[monthNo], level, recordNo);
                TakeMaximum(stats.Monthly[13], level, recordNo);
                if (dayInRange) TakeMaximum(stats.Daily[dayNo], level, recordNo);
            }
            if (kind == kKindMinimum || ordinary) {
                if (monthInRange) TakeMinimum(stats.Monthly[monthNo], level, recordNo);
                TakeMinimum(stats.Monthly[13], level, recordNo);
                if (dayInRange) TakeMinimum(stats.Daily[dayNo], level, recordNo);
            }
        }
        previous = &line;
        previousMonth = monthNo;
    }
    settle(day, dayRow);
    settle(month, monthRow);
    return stats;
}

}  // namespace kovu3
