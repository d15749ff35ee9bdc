#pragma once
// Daily, monthly and yearly means and extremes of a station-year's merged series, under the
// extremes policy of the raw file that supplied each day.

#include <array>
#include <optional>
#include <vector>

#include "processing/level_line.h"

namespace kovu3 {

// Extremes policies per raw file: 0 only the logger's instantaneous extremes ("x"/"m"
// lines), 1 only the ordinary readings, 2 both.
inline constexpr int kPolicyLoggerExtremes = 0;
inline constexpr int kPolicyOrdinaryReadings = 1;
inline constexpr int kPolicyCombined = 2;

struct SummaryRow {
    int KNoMin = -1;  // 1-based record number in the series, -1 when none qualified
    long MinValue = 999999;
    int KnoMax = -1;
    long MaxValue = 0;
    std::optional<long> Hort;  // mean level of the ordinary readings, empty when none
};

struct YearStatistics {
    std::array<SummaryRow, 14> Monthly;  // 1..12 calendar month, 13 the whole water year
    std::array<SummaryRow, 367> Daily;   // DayNo 1..366
};

using DayPolicies = std::array<int, 367>;  // indexed by DayNo

// Computes the tables and sets the day marks of column 4: ">" on the first record and on
// every record whose date differs from the previous record's, a blank on all others.
// The first record of each calendar day (and month) does not enter that day's (month's)
// mean; the very first record of the series does.
YearStatistics ComputeYearStatistics(std::vector<LevelLineText>& series, const DayPolicies& dayPolicy);

}  // namespace kovu3
