// The curve of a station in a view: the gap rule, the logger extremes, the ends of a curve,
// the thinning per pixel column, and loading the level lines of a converted file.

#include "graph/station_series.h"

#include <gtest/gtest.h>

#include "graph_fixture.h"

namespace kovu3 {
namespace {

struct Line {
    int day, hour, minute, level;
    char kind = ' ';
};

StationSeries Series(std::initializer_list<Line> lines) {
    StationSeries series;
    for (const Line& line : lines) {
        series.minutes.push_back(line.day * 1440 + line.hour * 60 + line.minute);
        series.levels.push_back(line.level);
        series.kinds.push_back(line.kind);
    }
    series.inTimeOrder = std::is_sorted(series.minutes.begin(), series.minutes.end());
    return series;
}

// A month of the water year on a picture 665 x 515 (plot area 600 x 400), levels 0 to 400.
const GraphScale kMonth({14.4, 14.4 * 32, 0, 400}, 665, 515);

size_t Points(const CurveTrace& trace) {
    size_t count = 0;
    for (const auto& run : trace.runs) count += run.size();
    return count;
}

TEST(TraceCurveTest, ThreeDaysApartAreNotJoinedTwoDaysAre) {
    CurveTrace three = TraceCurve(Series({{2, 12, 0, 100}, {5, 12, 0, 120}}), kMonth, true);
    EXPECT_EQ(three.runs.size(), 2u);
    CurveTrace two = TraceCurve(Series({{2, 12, 0, 100}, {4, 12, 0, 120}}), kMonth, true);
    ASSERT_EQ(two.runs.size(), 1u);
    EXPECT_EQ(two.runs[0].size(), 2u);
    // 36 units (60 hours) is still joined, one minute more is not.
    EXPECT_EQ(TraceCurve(Series({{2, 0, 0, 100}, {4, 12, 0, 100}}), kMonth, true).runs.size(), 1u);
    EXPECT_EQ(TraceCurve(Series({{2, 0, 0, 100}, {4, 12, 1, 100}}), kMonth, true).runs.size(), 2u);
}

TEST(TraceCurveTest, PointsLandWhereTheScalePutsThem) {
    CurveTrace trace = TraceCurve(Series({{10, 6, 30, 150}, {10, 18, 0, 250}}), kMonth, true);
    ASSERT_EQ(trace.runs.size(), 1u);
    EXPECT_NEAR(trace.runs[0][0].x, kMonth.X(10 * 14.4 + 6 * 0.6 + 0.3), 1e-9);
    EXPECT_NEAR(trace.runs[0][0].y, kMonth.Y(150), 1e-9);
    EXPECT_NEAR(trace.runs[0][1].y, kMonth.Y(250), 1e-9);
}

TEST(TraceCurveTest, LoggerExtremesOnlyWithTheOption) {
    const StationSeries series =
        Series({{2, 12, 0, 100}, {3, 8, 0, 300, 'x'}, {3, 9, 0, 50, 'm'}, {4, 12, 0, 110}});
    CurveTrace with = TraceCurve(series, kMonth, true);
    EXPECT_EQ(with.maxima.size(), 1u);
    EXPECT_EQ(with.minima.size(), 1u);
    EXPECT_EQ(Points(with), 4u);
    CurveTrace without = TraceCurve(series, kMonth, false);
    EXPECT_TRUE(without.maxima.empty());
    EXPECT_TRUE(without.minima.empty());
    ASSERT_EQ(without.runs.size(), 1u);
    EXPECT_EQ(without.runs[0].size(), 2u);  // the two ordinary readings, joined
}

TEST(TraceCurveTest, ViewEdgesAndNegativeLevelsEndTheCurve) {
    const StationSeries series =
        Series({{1, 0, 0, 10}, {2, 0, 0, 20}, {3, 0, 0, 30}, {4, 0, 0, -5}, {5, 0, 0, 50}});
    // Lines before the view are passed over; the negative level ends the curve.
    const GraphScale view({14.4 * 2, 14.4 * 10, 0, 100}, 665, 515);
    CurveTrace trace = TraceCurve(series, view, true);
    ASSERT_EQ(trace.runs.size(), 1u);
    EXPECT_EQ(trace.runs[0].size(), 2u);
    EXPECT_NEAR(trace.runs[0][0].x, view.X(28.8), 1e-9);
    // A view that ends before the negative level draws up to its end.
    CurveTrace early = TraceCurve(series, GraphScale({14.4, 14.4 * 3, 0, 100}, 665, 515), true);
    EXPECT_EQ(Points(early), 3u);
    // Out of time order: the first line past the view ends the curve there.
    CurveTrace shuffled = TraceCurve(Series({{2, 0, 0, 10}, {9, 0, 0, 90}, {3, 0, 0, 30}}),
                                     GraphScale({14.4, 14.4 * 5, 0, 100}, 665, 515), true);
    EXPECT_EQ(Points(shuffled), 1u);
}

TEST(TraceCurveTest, ThinningKeepsEveryColumnsExtremes) {
    // A year of one-minute readings on a 600-unit plot: about 880 readings a pixel column.
    StationSeries series;
    for (int minute = 1440; minute < 1440 * 366; ++minute) {
        series.minutes.push_back(minute);
        series.levels.push_back(
            static_cast<int32_t>(100 + (minute * 7919LL) % 97));  // jumps about within 100..196
        series.kinds.push_back(' ');
    }
    const GraphScale year({14.4, 14.4 * 366, 0, 250}, 665, 515);
    CurveTrace trace = TraceCurve(series, year, true);
    ASSERT_EQ(trace.runs.size(), 1u);
    EXPECT_LE(trace.runs[0].size(), 4u * 602);
    // First and last readings stay, and so do the lowest and highest levels.
    EXPECT_NEAR(trace.runs[0].front().x, year.X(14.4), 1e-9);
    EXPECT_NEAR(trace.runs[0].back().x, year.X((1440 * 366 - 1) / 100.0), 1e-9);
    double top = 1e9, bottom = -1e9;
    for (const PlotPoint& p : trace.runs[0])
        top = std::min(top, p.y), bottom = std::max(bottom, p.y);
    EXPECT_NEAR(top, year.Y(196), 1e-9);
    EXPECT_NEAR(bottom, year.Y(100), 1e-9);
    // Finer columns (a printer) keep more points.
    EXPECT_GT(TraceCurve(series, year, true, 8.0).runs[0].size(), trace.runs[0].size());
}

TEST(StoredLevelTest, SixCharacters) {
    EXPECT_EQ(StoredLevel("000123"), 123);
    EXPECT_EQ(StoredLevel("000000"), 0);
    EXPECT_EQ(StoredLevel("-00012"), -12);
    EXPECT_EQ(StoredLevel(" 123"), 123);
    EXPECT_EQ(StoredLevel("-99"), -99);
    EXPECT_EQ(StoredLevel("12a456"), 12);
}

TEST(LoadStationSeriesTest, EveryLevelLineOfAConvertedFile) {
    test::GraphFixture fixture;
    std::string raw = fixture.Raw("12345678", {1, 10, 2003}, {6, 10, 2003});
    std::string name = fixture.Convert("123-45678", 2004, {raw});
    std::string error;
    auto reader = ProcessedFileReader::Open(fixture.data / name, fixture.settings.calendar, error);
    ASSERT_TRUE(reader) << error;
    StationSeries series = LoadStationSeries(*reader);
    ASSERT_EQ(series.size(), static_cast<size_t>(reader->LevelCount()));
    EXPECT_TRUE(series.inTimeOrder);
    int extremes = 0;
    for (size_t i = 0; i < series.size(); ++i) {
        LevelLine line = reader->ReadLevelLine(static_cast<int>(i) + 1);
        ASSERT_NEAR(series.minutes[i] / 100.0, line.PlotTime, 1e-9) << i;
        ASSERT_EQ(series.levels[i], StoredLevel(line.Level)) << i;
        ASSERT_EQ(series.kinds[i], line.Kind[0]) << i;
        extremes += series.kinds[i] != ' ';
    }
    EXPECT_EQ(extremes, 12);  // a maximum and a minimum for each of the six days
}

}  // namespace
}  // namespace kovu3
