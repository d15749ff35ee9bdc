#include "processing/year_statistics.h"

#include <gtest/gtest.h>

namespace kovu3 {
namespace {

LevelLineText Line(int day, int hour, int minute, const char* level, char kind, const char* date) {
    return MakeLevelLine(day, hour, minute, level, kind, date);
}

DayPolicies AllDays(int policy) {
    DayPolicies policies;
    policies.fill(policy);
    return policies;
}

TEST(LevelLine, LayoutAndFields) {
    LevelLineText line = Line(1, 24, 0, "000123", 'x', "01/10/2003");
    EXPECT_EQ(View(line), "001 2400=000123x01/10/2003");
    EXPECT_EQ(LineDayNo(line), 1);
    EXPECT_EQ(LineHour(line), 24);
    EXPECT_EQ(LineLevel(line), 123);
    EXPECT_EQ(LineKind(line), 'x');
    EXPECT_EQ(LineDate(line), "01/10/2003");
    // Impossible logger times are clamped to two digits so the line keeps its width.
    EXPECT_EQ(View(Line(5, 165, 123, "000001", 'm', "05/10/2003")), "005 9999=000001m05/10/2003");
}

TEST(YearStatistics, DayMarksFollowWholeDates) {
    std::vector<LevelLineText> series = {
        Line(1, 12, 0, "000010", ' ', "01/10/2003"),
        Line(1, 24, 0, "000011", ' ', "01/10/2003"),  // 24:00 closes the day it belongs to
        Line(2, 0, 10, "000012", ' ', "02/10/2003"),
        Line(33, 0, 10, "000013", ' ', "02/11/2003"),  // same day of month, a month later
        Line(33, 0, 20, "000014", ' ', "02/11/2003"),
    };
    ComputeYearStatistics(series, AllDays(kPolicyCombined));
    std::string marks;
    for (const auto& line : series) marks += line[3];
    EXPECT_EQ(marks, "> >> ");
}

TEST(YearStatistics, MeansSkipTheFirstReadingOfEachDayAndMonth) {
    std::vector<LevelLineText> series = {
        Line(1, 23, 50, "000100", ' ', "01/10/2003"),  // the very first record counts
        Line(1, 24, 0, "000200", ' ', "01/10/2003"),
        Line(2, 0, 10, "000900", ' ', "02/10/2003"),   // first of its day: not in the mean
        Line(2, 0, 20, "000301", ' ', "02/10/2003"),
        Line(2, 0, 30, "000302", ' ', "02/10/2003"),
        Line(3, 0, 10, "000500", ' ', "03/10/2003"),   // a day whose only reading is its first
        Line(32, 0, 10, "000777", ' ', "01/11/2003"),  // first of November: not in its mean
        Line(32, 0, 20, "000050", ' ', "01/11/2003"),
    };
    YearStatistics stats = ComputeYearStatistics(series, AllDays(kPolicyCombined));
    EXPECT_EQ(stats.Daily[1].Hort, 150);
    EXPECT_EQ(stats.Daily[2].Hort, 301);  // (301 + 302) / 2, whole part
    EXPECT_EQ(stats.Daily[3].Hort, std::nullopt);
    EXPECT_EQ(stats.Daily[32].Hort, 50);
    EXPECT_EQ(stats.Monthly[10].Hort, (100 + 200 + 900 + 301 + 302 + 500) / 6);
    EXPECT_EQ(stats.Monthly[11].Hort, 50);
    EXPECT_EQ(stats.Monthly[13].Hort, std::nullopt);
    EXPECT_EQ(stats.Daily[4].KnoMax, -1);
    EXPECT_EQ(stats.Monthly[13].KnoMax, 3);
    EXPECT_EQ(stats.Monthly[13].KNoMin, 8);
}

TEST(YearStatistics, PoliciesChooseTheCandidates) {
    // One day: ordinary readings 50..70, a logger maximum of 90 and minimum of 40.
    auto day = [] {
        return std::vector<LevelLineText>{
            Line(1, 8, 0, "000050", ' ', "01/10/2003"),
            Line(1, 9, 0, "000070", ' ', "01/10/2003"),
            Line(1, 10, 0, "000090", 'x', "01/10/2003"),
            Line(1, 11, 0, "000040", 'm', "01/10/2003"),
            Line(1, 12, 0, "000060", ' ', "01/10/2003"),
        };
    };
    struct Case {
        int policy;
        int knoMax;
        int knoMin;
    };
    for (Case c : {Case{kPolicyLoggerExtremes, 3, 4}, Case{kPolicyOrdinaryReadings, 2, 1},
                   Case{kPolicyCombined, 3, 4}}) {
        auto series = day();
        if (c.policy == kPolicyOrdinaryReadings) series.erase(series.begin() + 2, series.begin() + 4);
        YearStatistics stats = ComputeYearStatistics(series, AllDays(c.policy));
        int expectedMax = c.policy == kPolicyOrdinaryReadings ? 2 : c.knoMax;
        EXPECT_EQ(stats.Daily[1].KnoMax, expectedMax) << c.policy;
        EXPECT_EQ(stats.Daily[1].KNoMin, c.knoMin) << c.policy;
        EXPECT_EQ(stats.Monthly[10].KnoMax, expectedMax) << c.policy;
        EXPECT_EQ(stats.Monthly[13].KNoMin, c.knoMin) << c.policy;
    }
}

TEST(YearStatistics, ZeroNeverMaximumAndTiesKeepTheFirst) {
    std::vector<LevelLineText> series = {
        Line(1, 1, 0, "000000", ' ', "01/10/2003"),
        Line(1, 2, 0, "000000", ' ', "01/10/2003"),
        Line(2, 1, 0, "000020", ' ', "02/10/2003"),
        Line(2, 2, 0, "000020", ' ', "02/10/2003"),
    };
    YearStatistics stats = ComputeYearStatistics(series, AllDays(kPolicyCombined));
    EXPECT_EQ(stats.Daily[1].KnoMax, -1);
    EXPECT_EQ(stats.Daily[1].KNoMin, 1);
    EXPECT_EQ(stats.Daily[2].KnoMax, 3);
    EXPECT_EQ(stats.Daily[2].KNoMin, 3);
}

}  // namespace
}  // namespace kovu3
