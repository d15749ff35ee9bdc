// The scale of the picture and its inverse, the label interval, dot widths, the level scale
// and the views that selections ask for.

#include "graph/graph_view.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kovu3 {
namespace {

TEST(GraphScaleTest, ViewEdgesLandOnThePlotAreaEdges) {
    // A picture 665 x 515: the plot area is 600 x 400 at (45, 20).
    const GraphView view{14.4, 14.4 * 31, 0, 200};
    const GraphScale scale(view, 665, 515);
    EXPECT_DOUBLE_EQ(scale.W(), 600);
    EXPECT_DOUBLE_EQ(scale.H(), 400);
    EXPECT_NEAR(scale.X(view.xStart), 45, 1e-9);
    EXPECT_NEAR(scale.X(view.xEnd), 645, 1e-9);
    EXPECT_NEAR(scale.Y(view.y0), 420, 1e-9);
    EXPECT_NEAR(scale.Y(view.y1), 20, 1e-9);
    // Half way in time and level is the middle of the plot area.
    EXPECT_NEAR(scale.X((view.xStart + view.xEnd) / 2), 345, 1e-9);
    EXPECT_NEAR(scale.Y(100), 220, 1e-9);
    // The picture's own edges.
    EXPECT_NEAR(scale.X(scale.TimeAt(0)), 0, 1e-9);
    EXPECT_NEAR(scale.Y(scale.LevelAt(515)), 515, 1e-9);
}

TEST(GraphScaleTest, InverseTurnsPositionsBackIntoValues) {
    struct Case {
        GraphView view;
        double width, height;
    };
    const Case cases[] = {
        {{14.4, 5270.4, 0, 330}, 900, 560},
        {{662.4, 748.8, 120, 180}, 665, 515},
        {{14.4, 5270.4, 330, 0}, 900, 560},  // aquifer: upside down
    };
    for (const Case& c : cases) {
        const GraphScale scale(c.view, c.width, c.height);
        for (double x : {0.0, 45.0, 123.5, c.width}) EXPECT_NEAR(scale.X(scale.TimeAt(x)), x, 1e-9);
        for (double y : {0.0, 20.0, 301.25, c.height})
            EXPECT_NEAR(scale.Y(scale.LevelAt(y)), y, 1e-9);
        EXPECT_NEAR(scale.TimeAt(45), c.view.xStart, 1e-9);
        EXPECT_NEAR(scale.LevelAt(20), c.view.y1, 1e-9);
        EXPECT_NEAR(scale.LevelAt(c.height - 95), c.view.y0, 1e-9);
    }
}

TEST(GraphScaleTest, UpsideDownViewPutsTheHigherLevelAtTheBottom) {
    const GraphScale scale({14.4, 28.8, 300, 0}, 665, 515);
    EXPECT_NEAR(scale.Y(300), 420, 1e-9);
    EXPECT_NEAR(scale.Y(0), 20, 1e-9);
    EXPECT_GT(scale.Y(200), scale.Y(100));
}

TEST(GraphScaleTest, EmptyRangesAndTinyPicturesStillMap) {
    const GraphScale flat({14.4, 14.4, 50, 50}, 30, 30);
    EXPECT_TRUE(std::isfinite(flat.X(20)));
    EXPECT_TRUE(std::isfinite(flat.Y(50)));
    EXPECT_GT(flat.view().xEnd, flat.view().xStart);
    EXPECT_GT(flat.view().y1, flat.view().y0);
}

TEST(LabelIntervalTest, OnAPlotAreaSixHundredUnitsWide) {
    struct Case {
        double days;
        int interval;
    };
    const Case cases[] = {{1, 1}, {30, 1}, {90, 5}, {365, 10}, {366, 10}, {45, 5}};
    for (const Case& c : cases) {
        const GraphScale scale({14.4, 14.4 * (1 + c.days), 0, 100}, 665, 515);
        EXPECT_EQ(LabelInterval(scale.DayWidth()), c.interval) << c.days << " days";
    }
    EXPECT_EQ(LabelInterval(0.1), 30);
    EXPECT_EQ(LabelInterval(1.0), 15);
}

TEST(ExtremeDotWidthTest, ThreeUnitsUpToAHundredCentimetres) {
    EXPECT_EQ(ExtremeDotWidth({0, 1, 20, 120}), 3);
    EXPECT_EQ(ExtremeDotWidth({0, 1, 20, 121}), 1);
    EXPECT_EQ(ExtremeDotWidth({0, 1, 120, 20}), 3);  // upside down, the same range
    EXPECT_EQ(ExtremeDotWidth({0, 1, 121, 20}), 1);
}

TEST(LevelScaleTest, ElevenLevelsFromBottomToTop) {
    const std::vector<double> levels = LevelScaleValues({0, 1, 0, 330});
    ASSERT_EQ(levels.size(), 11u);
    EXPECT_DOUBLE_EQ(levels.front(), 0);
    EXPECT_NEAR(levels[1], 33, 1e-9);
    EXPECT_NEAR(levels.back(), 330, 1e-9);
    EXPECT_EQ(LevelLabel(0), "");
    EXPECT_EQ(LevelLabel(32.6), "33");
    EXPECT_EQ(LevelLabel(-12.2), "-12");
}

TEST(OrientedViewTest, SelectionsAndTypedRanges) {
    EXPECT_EQ(OrientedView(10, 20, 180, 120, false), (GraphView{10, 20, 120, 180}));
    EXPECT_EQ(OrientedView(10, 20, 120, 180, true), (GraphView{10, 20, 180, 120}));
    // A top below 0 is raised to 0.
    EXPECT_EQ(OrientedView(10, 20, -30, -5, false), (GraphView{10, 20, -30, 0}));
    // A selection without height still has a level range to draw.
    const GraphView flat = OrientedView(10, 20, 150, 150, false);
    EXPECT_DOUBLE_EQ(flat.y0, 150);
    EXPECT_GT(flat.y1, flat.y0);
}

}  // namespace
}  // namespace kovu3
