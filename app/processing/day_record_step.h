#pragma once
// The logger's daily maximum and minimum, kept in the day record after each 24:00 reading,
// as the readings log shows them and as marked lines of the series.

#include <string>

namespace kovu3 {

struct DayRecordLine {
    int code = 0;          // 0 plain, 1 the ordinary readings went beyond it, 2 impossible time
    std::string timeText;  // "hh:mm", "24:00" for midnight, "hhh:mmm" for an impossible time
    int hour = 0;          // for the level line; 24 for midnight
    int minute = 0;
    std::string level;  // six digits
};

// `regularExtreme` is the day's highest (for the maximum) or lowest (for the minimum)
// ordinary reading.
DayRecordLine MakeDayRecordLine(bool maximum, long level, int hour, int minute, long regularExtreme);

}  // namespace kovu3
