#pragma once
// The level lines of one processed station-year in plain arrays, loaded once with bulk
// reads, and the curve one view draws from them: only the lines inside the view, thinned
// to a few points per pixel column (first, lowest, highest and last of each column, which
// draws the same pixels as every line would).

#include <cstdint>
#include <vector>

#include "graph/graph_view.h"
#include "reports/processed_file_reader.h"

namespace kovu3 {

struct StationSeries {
    std::vector<std::int32_t> minutes;  // PlotTime x 100: minutes since day 0 of the water year
    std::vector<std::int32_t> levels;   // cm as stored; negative levels end a curve
    std::vector<char> kinds;            // ' ', 'x' (logger maximum) or 'm' (logger minimum)
    bool inTimeOrder = true;            // as the writer leaves them; else views scan from the start

    size_t size() const { return minutes.size(); }
};

// Every level line of the file.
StationSeries LoadStationSeries(const ProcessedFileReader& reader);

// The stored level of a line: six characters, a leading "-" for a negative level; digits
// that stop early count as far as they go.
std::int32_t StoredLevel(std::string_view six);

struct PlotPoint {
    double x = 0;
    double y = 0;
};

struct CurveTrace {
    // Each run is drawn as one connected line; a run of one point is a single dot of the pen.
    std::vector<std::vector<PlotPoint>> runs;
    std::vector<PlotPoint> maxima;  // "x" lines, drawn as light red dots
    std::vector<PlotPoint> minima;  // "m" lines, drawn as light blue dots
};

// The curve of one station in one view, in picture units. Lines before xStart are passed
// over and the first line after xEnd ends the curve; logger extremes are left out unless
// `drawExtremes`; a negative level ends the curve; more than kCurveGap between two points
// lifts the pen. `columnsPerUnit` is the number of device pixel columns per picture unit.
CurveTrace TraceCurve(const StationSeries& series, const GraphScale& scale, bool drawExtremes,
                      double columnsPerUnit = 1.0);

}  // namespace kovu3
