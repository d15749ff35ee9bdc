#pragma once
// The period of the readings sheet: two date texts of the window turned into day numbers of
// the water year.

#include <string>

#include "shell/calendar.h"

namespace kovu3 {

struct PeriodDays {
    int first = 1;  // DayNo of the first day listed
    int last = 0;   // DayNo of the last day listed; below `first` when nothing is listed
    std::string fromDate;  // the dates as dd/mm/yyyy with the calendar's separator
    std::string toDate;
    std::string error;     // a date that is none, or of the other calendar, or the wrong order
};

// Empty texts stand for the first and the last day of the water year; dates outside the
// year are brought to its ends.
PeriodDays ResolveReadingsPeriod(const std::string& fromDate, const std::string& toDate,
                                 int waterYear, const Calendar& calendar);

// Days of the water year by the calendar's own leap rule (365 or 366).
int WaterYearDayCount(int waterYear, const Calendar& calendar);

}  // namespace kovu3
