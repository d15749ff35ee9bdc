#pragma once
// The byte layout of a raw logger file: an ASCII image of logger memory in which every
// logger byte is three decimal digits. A fixed 28-character header written by the
// communication program, the logger's setup-parameter block, then the recorded days.
// Offsets are 0-based; setup parameters are numbered from 1 in file order.

#include <cstddef>

namespace kovu3::raw {

inline constexpr size_t kFieldLength = 3;       // one logger byte
inline constexpr size_t kReadingLength = 6;     // 16-bit reading, high byte first
inline constexpr size_t kDayRecordLength = 24;  // the day's extremes after its 24:00 reading
inline constexpr int kMinutesPerDay = 1440;

// Header, plain decimal fields.
inline constexpr size_t kHeaderLength = 28;
inline constexpr size_t kVersionOffset = 0;
inline constexpr size_t kVersionLength = 4;
inline constexpr size_t kBlockCountOffset = 4;
inline constexpr size_t kParameterCountOffset = 7;
inline constexpr size_t kUnitCodeOffset = 10;
inline constexpr size_t kFirstHourOffset = 13;
inline constexpr size_t kFirstMinuteOffset = 16;
inline constexpr size_t kFirstDayOffset = 19;
inline constexpr size_t kFirstMonthOffset = 22;
inline constexpr size_t kFirstYearOffset = 25;

// Byte offset of setup parameter n (1-based).
constexpr size_t ParameterOffset(int n) {
    return kHeaderLength + kFieldLength * static_cast<size_t>(n - 1);
}
// First character of the data area for a block of `count` parameters.
constexpr size_t DataStartFor(int count) {
    return kHeaderLength + kFieldLength * static_cast<size_t>(count);
}

// Time-stamp lists in the block: five entries of six BCD fields each.
inline constexpr int kStampEntries = 5;
inline constexpr int kStampFields = 6;

// Where a layout keeps what the program interprets; 0 marks "not in this layout".
struct BlockLayout {
    int baseCount;  // parameters without the three-parameter extension
    int setupYear, setupMonth, setupDay, setupHour, setupMinute;
    int regionCode, stationPrefix, stationLow, stationHigh;
    int levelLow, levelHigh, sampleCount, sampleInterval;
    int ringStamps;        // first parameter of the ring list (year, month, day, -, hh, mm)
    int lastRecordStamps;  // first parameter of the last-record list (day, month, year, -, hh, mm)
    int pointerLow, pointerMiddle, pointerPage;  // end-of-data pointer of stopped loggers
};

// clang-format off
// Family 1: loggers that record until read out; data runs to the end of the file.
inline constexpr BlockLayout kContinuousLayout{
    .baseCount = 163,
    .setupYear = 5, .setupMonth = 6, .setupDay = 7, .setupHour = 9, .setupMinute = 10,
    .regionCode = 12, .stationPrefix = 13, .stationLow = 14, .stationHigh = 15,
    .levelLow = 16, .levelHigh = 17, .sampleCount = 18, .sampleInterval = 19,
    .ringStamps = 28, .lastRecordStamps = 58,
    .pointerLow = 0, .pointerMiddle = 0, .pointerPage = 0,
};
// Family 2: loggers stopped on a certain date; data ends at the pointer kept in the block.
inline constexpr BlockLayout kStoppedLayout{
    .baseCount = 161,
    .setupYear = 8, .setupMonth = 9, .setupDay = 10, .setupHour = 12, .setupMinute = 13,
    .regionCode = 15, .stationPrefix = 16, .stationLow = 17, .stationHigh = 18,
    .levelLow = 19, .levelHigh = 20, .sampleCount = 21, .sampleInterval = 22,
    .ringStamps = 0, .lastRecordStamps = 61,
    .pointerLow = 97, .pointerMiddle = 98, .pointerPage = 99,
};
// clang-format on

// 1 for 163 and 166 parameters, 2 for 161 and 164, 0 for any other count.
constexpr int FormatFamilyOf(int parameterCount) {
    if (parameterCount == 163 || parameterCount == 166) return 1;
    if (parameterCount == 161 || parameterCount == 164) return 2;
    return 0;
}

// The layout of a known parameter count, or nullptr.
constexpr const BlockLayout* LayoutOf(int parameterCount) {
    switch (FormatFamilyOf(parameterCount)) {
        case 1:
            return &kContinuousLayout;
        case 2:
            return &kStoppedLayout;
        default:
            return nullptr;
    }
}

// The extension's third parameter holds the logger type; 0 when there is no extension.
constexpr int LoggerTypeParameter(int parameterCount) {
    return parameterCount == 164 || parameterCount == 166 ? parameterCount : 0;
}

// Logger type values of the extension (BCD).
inline constexpr int kTypeOpticalEncoder = 10;
inline constexpr int kTypePressureSensor = 20;
inline constexpr int kTypeAquifer = 25;

// A time-stamp entry whose first field holds this plain value is an empty slot.
inline constexpr int kEmptySlot = 255;

}  // namespace kovu3::raw
