#pragma once
// What one drawing of the graph shows and where things land on the picture. A view is a
// span of the time axis (PlotTime: minutes since the start of day 0 of the water year,
// divided by 100, so a day is 14.4 units) and a level range in cm, y0 at the bottom edge
// of the plot area and y1 at its top (y0 > y1 turns the axis upside down).

#include <string>
#include <vector>

namespace kovu3 {

struct GraphView {
    double xStart = 0;
    double xEnd = 0;
    double y0 = 0;
    double y1 = 0;
    bool operator==(const GraphView&) const = default;
};

// Units of the time axis.
inline constexpr double kPlotTimePerDay = 14.4;
// More than this many units (3600 minutes, two and a half days) without a reading lifts
// the pen: the curve is not joined across the gap.
inline constexpr double kCurveGap = 36;

// Margins of the picture around the plot area, in the picture's units.
inline constexpr double kMarginLeft = 45;
inline constexpr double kMarginRight = 20;
inline constexpr double kMarginTop = 20;
inline constexpr double kMarginBottom = 95;

// A view that can be drawn: a time span and a level range that are not empty. An empty
// level range (every level 0, or a selection without height) gets 10 cm in the direction
// the view runs; an empty or reversed time span becomes one day from xStart.
GraphView DrawableView(GraphView view);

// The view a selection or a typed range asks for: whole days from the start day's 00:00 to
// the end day's 24:00, the lower level at the bottom, a top below 0 raised to 0, and the
// axis turned upside down for aquifer loggers.
GraphView OrientedView(double xStart, double xEnd, double levelA, double levelB, bool aquifer);

// The mapping between values and positions of one picture (positions grow downwards).
class GraphScale final {
  public:
    GraphScale(const GraphView& view, double width, double height);

    double width() const { return width_; }
    double height() const { return height_; }
    // Plot area: left, top, width and height.
    double L() const { return kMarginLeft; }
    double T() const { return kMarginTop; }
    double W() const { return plotWidth_; }
    double H() const { return plotHeight_; }
    const GraphView& view() const { return view_; }

    double X(double plotTime) const { return (plotTime - xL_) * xFactor_; }
    double Y(double level) const { return height_ - (level - yB_) * yFactor_; }
    double TimeAt(double x) const { return xL_ + x / xFactor_; }
    double LevelAt(double y) const { return yB_ + (height_ - y) / yFactor_; }

    // Width of one day of the time axis on the picture.
    double DayWidth() const { return kPlotTimePerDay * xFactor_; }

  private:
    GraphView view_;
    double width_, height_;
    double plotWidth_, plotHeight_;
    double xL_, yB_;
    double xFactor_, yFactor_;
};

// Days between two date labels of the time axis: the first of 1, 5, 10 and 15 for which
// 15 label widths (15 x the width of a day x k) exceed 200 units, else 30.
int LabelInterval(double dayWidth);

// Extreme dots are 3 units wide on a level range of 100 cm or less, else 1.
int ExtremeDotWidth(const GraphView& view);

// The eleven levels of the level scale, y0 to y1 in tenths of the range.
std::vector<double> LevelScaleValues(const GraphView& view);

// A level as the scale writes it: rounded to whole cm, and nothing for 0.
std::string LevelLabel(double level);

}  // namespace kovu3
