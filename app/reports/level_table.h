#pragma once
// The water-level table (S<year><station>.xlsx) and the level-discharge table
// (Q<year><station>.xlsx) of one station-year: a copy of the language's template in the
// program folder, filled from the processed station-year file with the daily and monthly
// extremes and means, optionally every ordinary reading of a period, and finished by the
// workbook's macros. The workbook lies beside the processed file and is written under a
// temporary name and renamed into place, so a run that fails leaves no half-written file.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "processing/conversion.h"
#include "shell/program_settings.h"

namespace kovu3 {

struct LevelTableRequest {
    std::filesystem::path processedFile;  // S<year><station>.txt
    // The readings listed: those from `fromDate` to `toDate` (dd/mm/yyyy, both included).
    // Empty: the first or last day of the water year (DefaultReadingsPeriod).
    std::string fromDate;
    std::string toDate;
    bool includeReadings = true;  // false: the readings sheet stays empty
    // The level-discharge table's rating curve file (E*.dat); unused by the level table.
    std::filesystem::path ratingCurve;
    ProgressCallback progress;  // steps done and expected: days, months, level lines
};

struct ReportResult {
    std::filesystem::path path;  // the workbook written; empty when nothing was written
    // Why nothing was written: names the file and what is wrong. Empty on success.
    std::string error;
    // What the workbook's macros could not do; the workbook was written all the same.
    std::vector<std::string> problems;
    int daysFilled = 0;         // day rows of the daily sheet that received values
    long readingsListed = 0;    // readings on the readings sheet
};

// The period the window offers: the first and the last day of the water year.
struct ReadingsPeriod {
    std::string fromDate;
    std::string toDate;
};
ReadingsPeriod DefaultReadingsPeriod(int waterYear, const Calendar& calendar);

// The workbook names of a station-year: "S" or "Q", the year in 4 digits, the station,
// ".xlsx".
std::string LevelTableFileName(int waterYear, const std::string& station);
std::string LevelDischargeTableFileName(int waterYear, const std::string& station);

ReportResult MakeLevelTable(const LevelTableRequest& request, const ProgramSettings& settings);

// Without a rating curve file the error is "no rating curve chosen" and nothing is made;
// levels the curve cannot answer get "-" as their discharge.
ReportResult MakeLevelDischargeTable(const LevelTableRequest& request,
                                     const ProgramSettings& settings);

}  // namespace kovu3
