#pragma once
// Corrections of raw readings made on the readings page. Each line of the readings log names
// the raw file and the byte position its value came from ("#D:<file>#B:<position>"); the
// operator edits the level of a reading, or the time and level of a day's logged maximum or
// minimum, and the edited lines carry the mark "#Degisti". Saving writes each value back in
// the raw file's own encoding (level in sensor units by that file's unit factor, times in
// BCD) through the raw-file editor, which keeps the original in yedek/ and journals every
// change, and deletes the products of the station-years that used the old values.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/program_settings.h"

namespace kovu3 {

inline constexpr std::string_view kCorrectionMark = "#Degisti";

enum class LogLineKind { Reading, Maximum, Minimum, Separator };

// "---" marks the separator after a day record, "Max" and "Min" the logged extremes.
LogLineKind KindOfLogLine(std::string_view line);

// Columns of the editable field (0-based start and width): the level, columns 18 to 23, of
// a reading; time and level, columns 12 to 23 ("hh:mm LLLLLL"), of an extreme. Width 0 for a
// separator.
struct LogLineField {
    size_t start = 0;
    size_t width = 0;
};
LogLineField FieldOfLogLine(LogLineKind kind);

// The field's text as the value box shows it; empty for a separator or a short line.
std::string EditableField(std::string_view line, LogLineKind kind);

// The line after the operator typed `typed` for it: the mark appended and the field
// overwritten in place by the typed value in the field's layout (a number as six digits, a
// time as "hh:mm"), as many characters as the value has, at most the field's width. Text
// that is no number is put in as typed (the save refuses it). nullopt while an extreme's
// text has no blank or no ":" yet, for a separator, and for a line too short to hold the
// field.
std::optional<std::string> EditLogLine(std::string_view line, LogLineKind kind,
                                       std::string_view typed);

struct LogLineSource {
    std::string rawFile;
    size_t position = 0;  // 1-based byte position of the value's first character
};
// The raw file between "#D:" and "#B", the position between "#B:" and the first mark.
std::optional<LogLineSource> SourceOfLogLine(std::string_view line);

// A level in whole centimetres as the six characters of a 16-bit sensor value: the level
// divided by the unit factor and rounded, high byte then low byte in three digits each
// (300 cm at factor 1 is "001044"). Empty when the factor is 0 or the value needs more than
// 16 bits.
std::string EncodeRawLevel(long centimetres, double unitFactor);

struct PageCorrectionResult {
    // Why nothing (or, for the file named, not everything) was written; empty on success.
    // Lines are checked before anything is written: a bad line leaves every file untouched.
    std::string error;
    std::vector<std::string> correctedFiles;   // raw files that changed, in page order
    std::vector<std::string> deletedProducts;  // S<year><station>.* of the years they cover
    int changedFields = 0;                     // values written, version markers included
};

// Writes every marked line of `lines` (separators and empty lines aside) into its raw file
// in settings.DataDirectory, each with the unit factor of its own raw file, then deletes
// the processed file and the level table ("S" + year + station + ".*") of every water year
// the corrected files cover.
PageCorrectionResult SavePageCorrections(const std::vector<std::string>& lines,
                                         const ProgramSettings& settings);

struct RawFileRemoval {
    std::filesystem::path movedTo;  // where the file now lies; empty on failure
    std::string error;
};

// Takes a raw file out of the data folder without destroying it: it is field data that
// cannot be read out again. The file moves into yedek/silinen/ (with ".1", ".2", ... added
// when that name is taken), apart from the originals the editor keeps in yedek/.
RawFileRemoval MoveRawFileToBackup(const std::filesystem::path& dataFolder,
                                   std::string_view rawFile);

}  // namespace kovu3
