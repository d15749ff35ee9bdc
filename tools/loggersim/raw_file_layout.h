#pragma once
// Where the fields of a raw logger file sit and how logger values are spelled: every logger
// byte is three decimal characters, dates and times of the logger clock are BCD, 16-bit
// values are low byte first in the setup block and high byte first in the data area.

#include <cstddef>
#include <string>
#include <string_view>

namespace kovu3::sim {

inline constexpr size_t kHeaderLength = 28;
inline constexpr size_t kReadingLength = 6;
inline constexpr size_t kDayRecordLength = 24;
// Family-2 end pointer: 3 bits of page, 7 bits of middle byte, 8 bits of low byte.
inline constexpr long long kLargestEndPointer = 7LL * 32768 + 127 * 256 + 255;

// Header offsets.
inline constexpr size_t kVersionOffset = 0;
inline constexpr size_t kBlockCountOffset = 4;
inline constexpr size_t kParameterCountOffset = 7;
inline constexpr size_t kUnitOffset = 10;
inline constexpr size_t kFirstHourOffset = 13;
inline constexpr size_t kFirstMinuteOffset = 16;
inline constexpr size_t kFirstDayOffset = 19;
inline constexpr size_t kFirstMonthOffset = 22;
inline constexpr size_t kFirstYearOffset = 25;

// Parameter numbers of one block layout (1-based, as the setup dump numbers them).
struct BlockLayout {
    int baseCount;  // 161 or 163; the extension follows it
    int setupYear, setupMonth, setupDay, setupHour, setupMinute;
    int regionCode, stationPrefix, stationNumberLow, setupLevelLow;
    int samplesPerRecord, minutesBetweenSamples;
    int ringStamps;        // first parameter of 5 x 6 ring entries; 0 when the layout has none
    int lastRecordStamps;  // first parameter of 5 x 6 last-record entries
    int pointerLow;        // family 2 only: low, middle, page; 0 otherwise
};

inline constexpr BlockLayout kContinuousLayout{163, 5, 6, 7, 9, 10, 12, 13, 14, 16, 18, 19, 28, 58, 0};
inline constexpr BlockLayout kStoppedLayout{161, 8, 9, 10, 12, 13, 15, 16, 17, 19, 21, 22, 0, 61, 97};

// 1 for 163 and 166 parameters, 2 for 161 and 164, 0 for any other count.
int FormatFamily(int parameterCount);
// The layout of family 1 or 2; the continuous one for any other count.
const BlockLayout& LayoutOf(int parameterCount);
bool HasExtension(int parameterCount);

// Byte offset of parameter n (1-based).
constexpr size_t ParameterOffset(int n) { return kHeaderLength + 3 * static_cast<size_t>(n - 1); }
constexpr size_t DataStart(int parameterCount) { return ParameterOffset(parameterCount + 1); }

// Sensor units per centimetre of a unit code ("001" 1, "002" 10, "003" 5); 0 for any other.
int UnitsPerCm(std::string_view unitCode);
// The same, except that a logger with an unknown unit code is taken to store centimetres.
int StorageUnitsPerCm(std::string_view unitCode);

// A value as three decimal characters, 000 to 999.
std::string ThreeDigits(int value);
// BCD of a number below 1000: (n div 10) x 16 + n mod 10, so 25 is 37 and 619 is 985.
int Bcd(int number);
// Year as the logger keeps it: BCD of the year minus 2000 (block) or plainly (header).
int LoggerYear(int year);

// Overwrites the three characters at `offset` with `value` (000 to 999). For tests that need
// a field the simulator would not write, such as a year of 101 or a count of 0.
void PokeField(std::string& file, size_t offset, int value);
void PokeParameter(std::string& file, int parameter, int value);

}  // namespace kovu3::sim
