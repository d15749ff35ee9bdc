#include "rawfile/raw_reading.h"

#include <algorithm>

#include "rawfile/bcd.h"
#include "rawfile/raw_decoder.h"
#include "rawfile/raw_format.h"

namespace kovu3 {
namespace {

// Day record: maximum (6), its hour and minute (3, 3), minimum (6), its hour and minute.
constexpr size_t kMinimumOffset = 12;

}  // namespace

RawReadingWalker::RawReadingWalker(std::string_view image, const SetupParameters& setup,
                                   const RawTimeBase& timeBase)
    : image_(image),
      position_(std::min(setup.DataStart, image.size())),
      end_(std::min(setup.DataEnd, image.size())),
      interval_(timeBase.RecordInterval),
      unitCode_(setup.UnitCode),
      clock_(timeBase.FirstRecordMinute - timeBase.RecordInterval) {
    // Without a usable interval there is no grid to walk.
    if (interval_ <= 0 || raw::kMinutesPerDay % interval_ != 0) end_ = position_;
}

RawReadingWalker::RawReadingWalker(const RawFileResult& result)
    : RawReadingWalker(result.image ? std::string_view(*result.image) : std::string_view(),
                       result.setup, result.timeBase) {}

bool RawReadingWalker::Next(RawReading& reading) {
    if (dayRecordHalf_ >= 0) return ReadDayRecordHalf(reading);
    if (position_ + raw::kReadingLength > end_) {
        endedInside_ = position_ < end_;
        position_ = std::max(position_, end_);
        return false;
    }
    clock_ += interval_;
    reading.kind = RawReadingKind::Ordinary;
    reading.dayOffset = day_;
    reading.minuteOfDay = clock_;
    reading.hour = clock_ / 60;
    reading.minute = clock_ % 60;
    reading.value = ReadingValue(image_.substr(position_, raw::kReadingLength));
    reading.level = LevelCentimetres(reading.value, unitCode_);
    reading.position = position_;
    position_ += raw::kReadingLength;
    if (clock_ >= raw::kMinutesPerDay) dayRecordHalf_ = 0;
    return true;
}

bool RawReadingWalker::ReadDayRecordHalf(RawReading& reading) {
    if (position_ + raw::kDayRecordLength > end_) {
        endedInside_ = position_ < end_;
        position_ = std::max(position_, end_);
        dayRecordHalf_ = -1;
        return false;
    }
    const size_t at = position_ + (dayRecordHalf_ == 0 ? 0 : kMinimumOffset);
    reading.kind = dayRecordHalf_ == 0 ? RawReadingKind::DayMaximum : RawReadingKind::DayMinimum;
    reading.dayOffset = day_;
    reading.hour = DecodeBcd(image_.substr(at + 6, raw::kFieldLength));
    reading.minute = DecodeBcd(image_.substr(at + 9, raw::kFieldLength));
    reading.minuteOfDay = reading.hour * 60 + reading.minute;
    reading.value = ReadingValue(image_.substr(at, raw::kReadingLength));
    reading.level = LevelCentimetres(reading.value, unitCode_);
    reading.position = at;
    if (dayRecordHalf_ == 0) {
        dayRecordHalf_ = 1;
    } else {
        dayRecordHalf_ = -1;
        position_ += raw::kDayRecordLength;
        ++day_;
        clock_ = 0;
    }
    return true;
}

}  // namespace kovu3
