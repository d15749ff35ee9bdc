#include "processing/day_record_step.h"

#include <cstdio>

#include "rawfile/bcd.h"

namespace kovu3 {

DayRecordLine MakeDayRecordLine(bool maximum, long level, int hour, int minute, long regularExtreme) {
    DayRecordLine line;
    line.level = FormatLevel(static_cast<int>(level));
    line.hour = hour;
    line.minute = minute;
    if (maximum ? regularExtreme > level : regularExtreme < level) line.code = 1;
    if (hour > 24 || minute > 59) line.code = 2;  // the time test comes second and wins
    char text[16];
    if (line.code == 2) {
        // An impossible time keeps its three-digit fields, so the level stays in columns 18-23.
        std::snprintf(text, sizeof text, "%03d:%03d", hour % 1000, minute % 1000);
    } else if (hour * 60 + minute == 0 || hour * 60 + minute == 1440) {
        std::snprintf(text, sizeof text, "24:00");
        line.hour = 24;
        line.minute = 0;
    } else {
        std::snprintf(text, sizeof text, "%02d:%02d", hour, minute);
    }
    line.timeText = text;
    return line;
}

}  // namespace kovu3
