#pragma once
// Reads a processed station-year file: the header and the summary tables at once, single
// level lines by record number through a direct positioned read (never a scan).

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "processing/station_year_data.h"
#include "shell/calendar.h"

namespace kovu3 {

// One level line as the reports use it.
struct LevelLine {
    int DayNo = 0;
    std::string Hour;    // two characters
    std::string Minute;  // two characters
    std::string Kind;    // " ", "x" or "m"
    // Empty for a record number of 0 or less, "-99" past the end of the file, a blank and
    // the plain number for a positive level (" 123"), the six stored characters otherwise.
    std::string Level;
    std::string Date;       // dd/mm/yyyy as stored
    double PlotTime = 0.0;  // minutes since the start of day 0 of the water year, / 100
};

class ProcessedFileReader final {
public:
    // Opens the file, reads [Genel] and the two summary sections and locates [Seviyeler].
    // A file that is missing, of another version or malformed gives nullptr and a message
    // naming the file (and the line, where one is at fault) in `error`.
    static std::unique_ptr<ProcessedFileReader> Open(const std::filesystem::path& path,
                                                     const Calendar& calendar, std::string& error);
    ~ProcessedFileReader();
    ProcessedFileReader(const ProcessedFileReader&) = delete;
    ProcessedFileReader& operator=(const ProcessedFileReader&) = delete;

    const StationYearData& Data() const { return data_; }
    const std::filesystem::path& Path() const { return path_; }

    // 1-based byte positions of the first byte after each section's header line.
    int64_t MonthlyPos() const { return monthlyPos_; }
    int64_t DailyPos() const { return dailyPos_; }
    int64_t LevelsPos() const { return levelsPos_; }

    // Number of whole level lines in [Seviyeler].
    int LevelCount() const;

    LevelLine ReadLevelLine(int recordNo) const;
    // Records first .. first + count - 1 (those that exist) as raw 26-character texts.
    std::vector<std::string> ReadLevelTexts(int first, int count) const;

private:
    ProcessedFileReader() = default;
    std::string Parse(std::string_view text, const Calendar& calendar);

    std::filesystem::path path_;
    int fd_ = -1;
    int64_t fileSize_ = 0;
    int64_t monthlyPos_ = 0;
    int64_t dailyPos_ = 0;
    int64_t levelsPos_ = 0;
    StationYearData data_;
};

// Turns a stored 26-character level line into a LevelLine.
LevelLine ParseLevelLine(std::string_view text);

}  // namespace kovu3
