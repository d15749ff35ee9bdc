#include "graph/graph_view.h"

#include <algorithm>
#include <cmath>

namespace kovu3 {

GraphView DrawableView(GraphView view) {
    if (!(view.xEnd > view.xStart)) view.xEnd = view.xStart + kPlotTimePerDay;
    if (std::fabs(view.y1 - view.y0) < 1e-9) view.y1 = view.y0 + 10;
    return view;
}

GraphView OrientedView(double xStart, double xEnd, double levelA, double levelB, bool aquifer) {
    GraphView view{xStart, xEnd, std::min(levelA, levelB), std::max(levelA, levelB)};
    if (view.y1 < 0) view.y1 = 0;
    view = DrawableView(view);
    if (aquifer) std::swap(view.y0, view.y1);
    return view;
}

GraphScale::GraphScale(const GraphView& view, double width, double height)
    : view_(DrawableView(view)) {
    // A picture smaller than its margins still maps without dividing by zero.
    plotWidth_ = std::max(1.0, width - kMarginLeft - kMarginRight);
    plotHeight_ = std::max(1.0, height - kMarginTop - kMarginBottom);
    width_ = plotWidth_ + kMarginLeft + kMarginRight;
    height_ = plotHeight_ + kMarginTop + kMarginBottom;
    const double r = view_.xEnd - view_.xStart;
    const double s = view_.y1 - view_.y0;
    xL_ = view_.xStart - r * kMarginLeft / plotWidth_;
    const double xR = view_.xEnd + r * kMarginRight / plotWidth_;
    yB_ = view_.y0 - s * kMarginBottom / plotHeight_;
    const double yT = view_.y1 + s * kMarginTop / plotHeight_;
    xFactor_ = width_ / (xR - xL_);
    yFactor_ = height_ / (yT - yB_);
}

int LabelInterval(double dayWidth) {
    for (int k : {1, 5, 10, 15})
        if (15 * dayWidth * k > 200) return k;
    return 30;
}

int ExtremeDotWidth(const GraphView& view) {
    // The range counts whichever way the axis runs.
    return std::fabs(view.y1 - view.y0) <= 100 ? 3 : 1;
}

std::vector<double> LevelScaleValues(const GraphView& view) {
    std::vector<double> values;
    const double step = (view.y1 - view.y0) / 10;
    for (int i = 0; i <= 10; ++i) values.push_back(view.y0 + i * step);
    return values;
}

std::string LevelLabel(double level) {
    const long rounded = std::lround(level);
    return rounded == 0 ? std::string() : std::to_string(rounded);
}

}  // namespace kovu3
