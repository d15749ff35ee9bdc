#pragma once
// Small pieces the level table, the level-discharge table and the Flumo export share: the
// texts they build from a station-year and its level lines, and the places of their products.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "reports/processed_file_reader.h"
#include "shell/program_settings.h"

namespace kovu3 {

// The first 3 characters of the station number, "-", its last 5 ("123-45678").
std::string StationCode(std::string_view istNo);

// "hh:mm" of a level line, and the same with a leading apostrophe, so that the spreadsheet
// keeps it as a text.
std::string ClockText(const LevelLine& line);
std::string TimeText(const LevelLine& line);

// The level of a line as a cell entry: a line past the end of the file ("-99") is empty.
std::string LevelEntry(const LevelLine& line);

// The day of the month of a line's date, two characters ("05").
std::string DayOfMonth(const LevelLine& line);

// A number as the spreadsheet formats it with "0" (decimals 0) or "0.00" (decimals 2),
// halves rounded away from zero; no number gives an empty text.
std::string FormatFixed(std::optional<double> value, int decimals);

// A whole number as the program prints it: a blank before a number that is not negative
// (" 123", " 0", "-5").
std::string SignedText(long value);

// Characters (not bytes) of a UTF-8 text.
size_t CharacterCount(std::string_view text);

// Empty when the station-year's water year is of the calendar in use (a year above 1900 is
// Gregorian); otherwise a refusal naming the file, with the language's own words for it.
std::string CalendarMismatch(const StationYearData& data, const std::filesystem::path& file,
                             const ProgramSettings& settings);

struct ProductPath {
    std::filesystem::path path;
    std::string error;  // when the name cannot be a file of `folder`
};

// `folder` / `name` for a product named from a station-year's header. A name that would
// leave the folder (a "/" in the station number) or that is no file name is refused.
ProductPath ProductFile(const std::filesystem::path& folder, const std::string& name);

}  // namespace kovu3
