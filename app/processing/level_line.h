#pragma once
// The 26-character level line of the merged series and of the processed file:
//   cols 1-3 DayNo, 4 day mark, 5-6 hour, 7-8 minute, 9 "=", 10-15 level, 16 kind, 17-26 date.
// Lines sort by their text in time order, since they start with the day number and the time.

#include <array>
#include <string>
#include <string_view>

namespace kovu3 {

using LevelLineText = std::array<char, 26>;

inline constexpr char kKindOrdinary = ' ';
inline constexpr char kKindMaximum = 'x';
inline constexpr char kKindMinimum = 'm';

// Builds a line with a blank day mark; the writer sets the marks later. `level` is the six
// digits of the reading, `date` the ten characters dd/mm/yyyy. Hours and minutes above 99
// are written as 99, so the line keeps its 26 characters.
LevelLineText MakeLevelLine(int dayNo, int hour, int minute, std::string_view level, char kind,
                            std::string_view date);

inline std::string_view View(const LevelLineText& line) { return {line.data(), line.size()}; }

// Fields of a line, by column.
int LineDayNo(const LevelLineText& line);
int LineHour(const LevelLineText& line);
int LineMinute(const LevelLineText& line);
long LineLevel(const LevelLineText& line);
inline char LineKind(const LevelLineText& line) { return line[15]; }
inline std::string_view LineDate(const LevelLineText& line) { return View(line).substr(16, 10); }

// The number the leading digits of a fixed field spell (0 when there are none).
long FieldNumber(std::string_view field);

}  // namespace kovu3
