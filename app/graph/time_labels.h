#pragma once
// The date labels of the time axis: every k-th day of each month of the water year, the
// last label of a month moved to its last day, placed at the day's 00:00.

#include <string>
#include <vector>

#include "graph/graph_view.h"
#include "shell/calendar.h"

namespace kovu3 {

struct TimeLabel {
    double x = 0;      // PlotTime of the day's 00:00
    std::string date;  // dd/mm/yyyy
};

// The days of a month that carry a label with the interval k (1, 5, 10, 15 or 30).
std::vector<int> LabelledDays(int k, int monthLength);

// The labels of the water year that fall inside the view, in time order.
std::vector<TimeLabel> TimeLabels(const GraphView& view, int waterYear, int k,
                                  const Calendar& calendar);

}  // namespace kovu3
