#pragma once
// The time axis of the graph and the calendar: a date and a time of day become a PlotTime
// value (DayNo x 14.4 + hours x 0.6 + minutes x 0.01, DayNo 1 being the first day of the
// water year), and a PlotTime value becomes a date and a time "hh:mm" again. The water year
// is given by its first day, in either calendar.

#include <optional>
#include <string>
#include <string_view>

#include "shell/calendar.h"

namespace kovu3 {

// The day number of a date counted from the first day of the water year (which is day 1);
// days before it give 0 and negative numbers. Nullopt for a text that is no date.
std::optional<long> DayNumber(std::string_view date, std::string_view firstDay);

// The PlotTime of a date and a time "hh:mm" ("24:00" is the end of that day); nullopt when
// the date cannot be read.
std::optional<double> PlotTimeOf(std::string_view date, std::string_view time,
                                 std::string_view firstDay);

struct DateTime {
    std::string date;  // dd/mm/yyyy with the separator given
    std::string time;  // hh:mm
};

// The date and time of a PlotTime value, to the minute (a value between two minutes shows
// the earlier one).
DateTime DateTimeOf(double plotTime, std::string_view firstDay, std::string_view separator);

// A day and month typed as "d.m" (the separator "\", "/", "." or ":") as a date of the
// water year: months after its last month belong to the year before. Nullopt when the text
// is no real day of the calendar.
std::optional<std::string> TypedDayOfWaterYear(std::string_view text, int waterYear,
                                               const Calendar& calendar);

// "d.m" of the first and the last day of the calendar's water year ("1.10" and "30.9").
std::string TypedFirstDay(const Calendar& calendar);
std::string TypedLastDay(const Calendar& calendar);

}  // namespace kovu3
