#pragma once
// The conversion of one station and water year: every raw file of the station that covers
// the year is walked in merge order; readings an earlier file already supplied are dropped;
// each day's logger extremes become marked lines; every reading taken goes to the readings
// log; the merged series becomes the processed station-year file. The single-file check
// walks one raw file from its first to its last reading only to fill the readings log.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "shell/program_settings.h"

namespace kovu3 {

// Raw-file bytes done and expected; the window's and the terminal's bars show these.
using ProgressCallback = std::function<void(uint64_t done, uint64_t expected)>;

struct ConversionRequest {
    std::string station;                // "123-45678"
    int waterYear = 0;                  // the selected water year
    std::vector<std::string> rawFiles;  // the station's raw files in merge order
    std::string stationName;            // IstAdi of the processed file
    std::filesystem::path readingsLog;  // the readings log (List3.sil) of this run
    std::filesystem::path rawCopy;      // Gecici.txt of this run; empty: not written
    ProgressCallback progress;
};

struct ConversionResult {
    bool written = false;
    // Why the run ended without writing (names the raw file and the reason); empty when it
    // wrote, or when the year had no reading (then `written` is false too).
    std::string error;
    // The message box of a raw file whose name lacks its station identifier.
    std::string fileNameMessage;
    std::vector<std::string> deletedProducts;  // after that message
    std::filesystem::path processedFile;
    std::vector<std::string> mergedFiles;
    long readingsTaken = 0;   // of the selected year, into the series
    long readingsLogged = 0;  // lines for readings in the readings log
    std::string firstRecord;  // "dd/mm/yyyy hh:mm" of the first and last series line
    std::string lastRecord;
    // The decoder's problems of every raw file, in its words, each naming the file.
    std::vector<std::string> problems;
    // The control form's lists: raw files taken, then the monthly and daily extremes.
    std::vector<std::string> List2;
    std::vector<std::string> List5;
};

ConversionResult ConvertStationYear(const ConversionRequest& request, const ProgramSettings& settings);

struct SingleFileCheckResult {
    std::string error;
    std::string fileNameMessage;
    long readingsLogged = 0;
    // The processed file of the last water year the file reached (nothing is written).
    std::filesystem::path processedFilePath;
    std::vector<std::string> problems;
};

SingleFileCheckResult CheckSingleFile(const std::string& rawFile, const std::filesystem::path& readingsLog,
                                      const std::filesystem::path& rawCopy, const ProgramSettings& settings,
                                      const ProgressCallback& progress = {});

// Longest list of raw files one water year may merge.
inline constexpr size_t kMaxMergedFiles = 20;

}  // namespace kovu3
