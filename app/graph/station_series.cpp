#include "graph/station_series.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <limits>

#include "processing/level_line.h"

namespace kovu3 {
namespace {

constexpr size_t kLineBytes = 28;  // 26 characters and CR LF

// Keeps the points of one pixel column and hands on only those that shape the line.
class ColumnThinner final {
  public:
    explicit ColumnThinner(std::vector<PlotPoint>& out) : out_(&out) {}

    void Add(const PlotPoint& point, long column) {
        if (count_ > 0 && column != column_) Flush();
        if (count_ == 0) {
            column_ = column;
            first_ = last_ = low_ = high_ = point;
            lowAt_ = highAt_ = 0;
            count_ = 1;
            return;
        }
        last_ = point;
        if (point.y < low_.y) low_ = point, lowAt_ = count_;
        if (point.y > high_.y) high_ = point, highAt_ = count_;
        ++count_;
    }

    void Flush() {
        if (count_ == 0) return;
        out_->push_back(first_);
        const int lastAt = count_ - 1;
        // The column's extremes in the order they were read.
        const bool lowFirst = lowAt_ <= highAt_;
        const PlotPoint& a = lowFirst ? low_ : high_;
        const PlotPoint& b = lowFirst ? high_ : low_;
        const int aAt = lowFirst ? lowAt_ : highAt_;
        const int bAt = lowFirst ? highAt_ : lowAt_;
        if (aAt != 0 && aAt != lastAt) out_->push_back(a);
        if (bAt != 0 && bAt != lastAt && bAt != aAt) out_->push_back(b);
        if (lastAt > 0) out_->push_back(last_);
        count_ = 0;
    }

  private:
    std::vector<PlotPoint>* out_;
    long column_ = 0;
    PlotPoint first_, last_, low_, high_;
    int lowAt_ = 0, highAt_ = 0;
    int count_ = 0;
};

}  // namespace

std::int32_t StoredLevel(std::string_view six) {
    while (!six.empty() && six.front() == ' ') six.remove_prefix(1);
    const bool negative = !six.empty() && six.front() == '-';
    if (negative) six.remove_prefix(1);
    const long value = FieldNumber(six);
    return static_cast<std::int32_t>(negative ? -value : value);
}

StationSeries LoadStationSeries(const ProcessedFileReader& reader) {
    StationSeries series;
    const int count = reader.LevelCount();
    if (count <= 0) return series;
    // The whole [Seviyeler] section in one read; lines are 28 bytes apart.
    std::string block(static_cast<size_t>(count) * kLineBytes, '\0');
    std::ifstream file(reader.Path(), std::ios::binary);
    file.seekg(static_cast<std::streamoff>(reader.LevelsPos() - 1));
    file.read(block.data(), static_cast<std::streamsize>(block.size()));
    const size_t got = static_cast<size_t>(std::max<std::streamsize>(0, file.gcount()));
    series.minutes.reserve(static_cast<size_t>(count));
    series.levels.reserve(static_cast<size_t>(count));
    series.kinds.reserve(static_cast<size_t>(count));
    for (size_t offset = 0; offset + 26 <= got; offset += kLineBytes) {
        const std::string_view line(block.data() + offset, 26);
        const long day = FieldNumber(line.substr(0, 3));
        const long hour = FieldNumber(line.substr(4, 2));
        const long minute = FieldNumber(line.substr(6, 2));
        series.minutes.push_back(static_cast<std::int32_t>(day * 1440 + hour * 60 + minute));
        series.levels.push_back(StoredLevel(line.substr(9, 6)));
        series.kinds.push_back(line[15]);
    }
    series.inTimeOrder = std::is_sorted(series.minutes.begin(), series.minutes.end());
    return series;
}

CurveTrace TraceCurve(const StationSeries& series, const GraphScale& scale, bool drawExtremes,
                      double columnsPerUnit) {
    CurveTrace trace;
    const GraphView& view = scale.view();
    // The view's edges in whole minutes; a line on an edge belongs to the view.
    const double startMinute = std::ceil(view.xStart * 100 - 1e-6);
    const double endMinute = std::floor(view.xEnd * 100 + 1e-6);
    size_t begin = 0, end = series.size();
    if (series.inTimeOrder) {
        begin = static_cast<size_t>(
            std::lower_bound(series.minutes.begin(), series.minutes.end(), startMinute,
                             [](std::int32_t m, double limit) { return m < limit; }) -
            series.minutes.begin());
        end = static_cast<size_t>(
            std::upper_bound(series.minutes.begin() + static_cast<long>(begin),
                             series.minutes.end(), endMinute,
                             [](double limit, std::int32_t m) { return limit < m; }) -
            series.minutes.begin());
    }

    std::vector<PlotPoint> run;
    ColumnThinner thinner(run);
    double previous = -1000 * 100.0;  // far enough back that the first point starts a run
    const double gapMinutes = kCurveGap * 100;
    for (size_t i = begin; i < end; ++i) {
        const double minute = series.minutes[i];
        if (minute < startMinute) continue;  // only in files out of time order
        if (minute > endMinute) break;
        const char kind = series.kinds[i];
        const bool extreme = kind == 'x' || kind == 'm';
        if (extreme && !drawExtremes) continue;
        if (series.levels[i] < 0) break;
        if (minute - previous > gapMinutes) {
            thinner.Flush();
            if (!run.empty()) trace.runs.push_back(std::move(run));
            run.clear();
        }
        previous = minute;
        const PlotPoint point{scale.X(minute / 100.0), scale.Y(series.levels[i])};
        thinner.Add(point, static_cast<long>(std::floor(point.x * columnsPerUnit)));
        if (kind == 'x') trace.maxima.push_back(point);
        if (kind == 'm') trace.minima.push_back(point);
    }
    thinner.Flush();
    if (!run.empty()) trace.runs.push_back(std::move(run));
    return trace;
}

}  // namespace kovu3
