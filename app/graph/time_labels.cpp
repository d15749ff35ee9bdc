#include "graph/time_labels.h"

#include "graph/plot_time.h"

namespace kovu3 {

std::vector<int> LabelledDays(int k, int monthLength) {
    std::vector<int> days;
    if (k <= 1) {
        for (int day = 1; day <= monthLength; ++day) days.push_back(day);
        return days;
    }
    for (int day = k; day <= 30; day += k) days.push_back(day == 30 ? monthLength : day);
    return days;
}

std::vector<TimeLabel> TimeLabels(const GraphView& view, int waterYear, int k,
                                  const Calendar& calendar) {
    std::vector<TimeLabel> labels;
    const std::string firstDay = WaterYearFirstDay(waterYear, calendar);
    for (int m = 1; m <= 12; ++m) {
        const int month = calendar.WaterYearMonths[static_cast<size_t>(m)];
        const int year = month > calendar.WaterYearLastMonth ? waterYear - 1 : waterYear;
        for (int day : LabelledDays(k, MonthLength(month, year))) {
            const std::string date = FormatDate({day, month, year}, calendar.DateSeparator);
            std::optional<long> dayNo = DayNumber(date, firstDay);
            if (!dayNo) continue;
            // Whole minutes first, as PlotTimeOf counts them, so a label on a view's edge matches
            // it.
            const double x = static_cast<double>(*dayNo * 1440) / 100.0;
            if (x < view.xStart) continue;
            if (x > view.xEnd) return labels;
            labels.push_back({x, date});
        }
    }
    return labels;
}

}  // namespace kovu3
