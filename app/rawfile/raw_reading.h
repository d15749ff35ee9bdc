#pragma once
// Walking the data area of a decoded raw logger file, reading by reading, without copying:
// the readings of each day on the record-interval grid, and after each 24:00 reading the
// day's logged maximum and minimum. A year at one reading a minute is 525,600 steps, so a
// step is a few digit conversions and nothing else.

#include <cstddef>
#include <string_view>

#include "rawfile/setup_parameters.h"

namespace kovu3 {

struct RawFileResult;

enum class RawReadingKind { Ordinary, DayMaximum, DayMinimum };

struct RawReading {
    RawReadingKind kind = RawReadingKind::Ordinary;
    int dayOffset = 0;    // days after FirstRecordDate (its day number is FirstDayNo + this)
    int minuteOfDay = 0;  // ordinary: 0 to 1440, 1440 the reading that closes the day;
                          // extremes: the logged hour * 60 + minute
    int hour = 0;         // ordinary: 24 for the closing reading; extremes: as logged (BCD)
    int minute = 0;
    int value = 0;        // the 16-bit sensor value
    int level = 0;        // whole centimetres (the integer part of value * unit factor)
    size_t position = 0;  // 0-based offset of the reading's first character in the file
};

class RawReadingWalker final {
  public:
    // `image` is the whole file; the walk runs from DataStart to DataEnd on the time base.
    RawReadingWalker(std::string_view image, const SetupParameters& setup,
                     const RawTimeBase& timeBase);
    // The walker of a ReadRawFile result (its image must be held by the result).
    explicit RawReadingWalker(const RawFileResult& result);

    // The next reading; false at the end of the data.
    bool Next(RawReading& reading);

    // The next character to be read (the progress of the walk).
    size_t Position() const { return position_; }
    // True when the data ended inside a reading or a day record; the piece is not read.
    bool EndedInsideRecord() const { return endedInside_; }

  private:
    bool ReadDayRecordHalf(RawReading& reading);

    std::string_view image_;
    size_t position_ = 0;
    size_t end_ = 0;
    int interval_ = 0;
    int unitCode_ = 0;
    int clock_ = 0;
    int day_ = 0;
    int dayRecordHalf_ = -1;  // 0 or 1 while handing out a day record's maximum and minimum
    bool endedInside_ = false;
};

}  // namespace kovu3
