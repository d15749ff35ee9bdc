#pragma once
// The hand-written date corrections of an additional-information file (Tarih0, Tarih1):
// day, month and a four-digit year with any non-digit separators, optionally followed by a
// time hh:mm ("5.10.2005", "05/10/2005 14:30").

#include <optional>
#include <string_view>

#include "shell/calendar.h"

namespace kovu3 {

struct CorrectionDate {
    DateParts date;
    bool hasTime = false;
    int minuteOfDay = 0;  // 0 to 1440; 0 when no time was given
};

// nullopt unless the text is a real date of its calendar (a year above 1900 is Gregorian,
// others Persian) with an optional time of 00:00 to 24:00.
std::optional<CorrectionDate> ParseCorrectionDate(std::string_view text);

// True when day and month exist in that year of the year's calendar.
bool IsRealDate(const DateParts& date);

}  // namespace kovu3
