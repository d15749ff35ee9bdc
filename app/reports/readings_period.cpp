#include "reports/readings_period.h"

#include <algorithm>

#include "reports/level_table.h"

namespace kovu3 {
namespace {

struct CheckedDate {
    std::string text;  // normalised
    std::string error;
};

CheckedDate CheckDate(const std::string& text, const char* which, const Calendar& calendar) {
    std::optional<DateParts> parts = ParseDate(text);
    bool gregorianCalendar = calendar.CalendarKind == 0;
    if (!parts || parts->month < 1 || parts->month > 12 || parts->day < 1 ||
        parts->day > MonthLength(parts->month, parts->year)) {
        return {{}, std::string("The ") + which + " date \"" + text + "\" is not a date dd" +
                        calendar.DateSeparator + "mm" + calendar.DateSeparator + "yyyy"};
    }
    if ((parts->year > 1900) != gregorianCalendar) {
        return {{}, std::string("The ") + which + " date \"" + text + "\" is not a date of the " +
                        (gregorianCalendar ? "Gregorian" : "Persian") + " calendar in use"};
    }
    return {FormatDate(*parts, calendar.DateSeparator), {}};
}

}  // namespace

ReadingsPeriod DefaultReadingsPeriod(int waterYear, const Calendar& calendar) {
    return {WaterYearFirstDay(waterYear, calendar), WaterYearLastDay(waterYear, calendar)};
}

int WaterYearDayCount(int waterYear, const Calendar& calendar) {
    long days = DaysBetween(WaterYearFirstDay(waterYear, calendar),
                            WaterYearFirstDay(waterYear + 1, calendar));
    return static_cast<int>(std::clamp(days, 365L, 366L));
}

PeriodDays ResolveReadingsPeriod(const std::string& fromDate, const std::string& toDate,
                                 int waterYear, const Calendar& calendar) {
    PeriodDays period;
    ReadingsPeriod whole = DefaultReadingsPeriod(waterYear, calendar);
    CheckedDate from = CheckDate(fromDate.empty() ? whole.fromDate : fromDate, "start", calendar);
    CheckedDate to = CheckDate(toDate.empty() ? whole.toDate : toDate, "end", calendar);
    if (!from.error.empty() || !to.error.empty()) {
        period.error = !from.error.empty() ? from.error : to.error;
        return period;
    }
    // Persian day counts run forward only and give -1 for a date before the year's start.
    auto dayNo = [&](const std::string& date) {
        long days = DaysBetween(whole.fromDate, date);
        return days < 0 ? 0L : days + 1;
    };
    long first = dayNo(from.text);
    long last = dayNo(to.text);
    if (DaysBetween(from.text, to.text) < 0) {
        period.error = "The start date " + from.text + " lies after the end date " + to.text;
        return period;
    }
    int yearDays = WaterYearDayCount(waterYear, calendar);
    period.first = static_cast<int>(std::clamp(first, 1L, static_cast<long>(yearDays) + 1));
    period.last = static_cast<int>(std::min(last, static_cast<long>(yearDays)));
    period.fromDate = from.text;
    period.toDate = to.text;
    return period;
}

}  // namespace kovu3
