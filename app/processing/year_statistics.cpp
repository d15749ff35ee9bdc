#include "processing/year_statistics.h"

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

}  // namespace

YearStatistics ComputeYearStatistics(std::vector<LevelLineText>& series, const DayPolicies& dayPolicy) {
    YearStatistics stats;
    RunningMean day;
    RunningMean month;
    std::string_view previousDate;
    int previousMonth = 0;

    for (size_t i = 0; i < series.size(); ++i) {
        LevelLineText& line = series[i];
        const int recordNo = static_cast<int>(i + 1);
        const int dayNo = LineDayNo(line);
        const long level = LineLevel(line);
        const char kind = LineKind(line);
        const std::string_view date = LineDate(line);
        const int monthNo = static_cast<int>(FieldNumber(date.substr(3, 2)));
        const bool ordinary = kind == kKindOrdinary;
        const bool dayInRange = dayNo >= 1 && dayNo <= 366;
        const bool monthInRange = monthNo >= 1 && monthNo <= 12;

        const bool newDay = !previousDate.empty() && date != previousDate;
        line[3] = (i == 0 || newDay) ? '>' : ' ';
        if (newDay) day = {};
        if (!newDay && ordinary && dayInRange) {
            day.sum += level;
            ++day.count;
            stats.Daily[dayNo].Hort = day.sum / day.count;
        }

        const bool newMonth = previousMonth != 0 && monthNo != previousMonth;
        if (newMonth) month = {};
        if (!newMonth && ordinary && monthInRange) {
            month.sum += level;
            ++month.count;
            stats.Monthly[monthNo].Hort = month.sum / month.count;
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
        previousDate = date;
        previousMonth = monthNo;
    }
    return stats;
}

}  // namespace kovu3
