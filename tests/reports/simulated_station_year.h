#pragma once
// A station-year for the report tests: raw logger files of station 123-45678 written by the
// simulator into a fresh data folder and converted as the selection window converts them.
// The program folder is the build's, where the default templates are generated.

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "loggersim/hydrograph.h"
#include "processing/conversion.h"
#include "processing/level_line.h"
#include "reports/processed_file_reader.h"
#include "reports/workbook.h"
#include "support/test_folder.h"

namespace kovu3::test {

class SimulatedStationYear final {
public:
    explicit SimulatedStationYear(const std::string& language = "TURKCE",
                                  sim::HydrographParams river = {});

    // A 10-minute raw file set up at `from` 00:00 (first reading 00:10) and read out at
    // `until` 24:00.
    void AddReadOut(DateParts from, DateParts until);
    // Converts the water year; the processed file's path, or empty with a failure recorded.
    std::filesystem::path Convert(int waterYear);

    ProgramSettings& settings() { return settings_; }
    const TestFolder& folder() const { return data_; }

private:
    TestFolder data_;
    ProgramSettings settings_;
    sim::Hydrograph river_;
    std::vector<std::string> rawFiles_;
};

// Water year 2004 with readings from 1 to 16 October 2003 and on 30 and 31 October; the
// days between and all later months have none.
class OctoberStationYearTest : public ::testing::Test {
protected:
    void SetUp() override;
    const SummaryEntry& Day(int dayNo) const;
    LevelLine Line(int recordNo) const;

    SimulatedStationYear year_;
    std::filesystem::path processed_;
    std::unique_ptr<ProcessedFileReader> reader_;
};

// A processed file of station 123-45678 written from hand-made level lines, as the
// conversion writes it (every day under the combined extremes policy).
std::filesystem::path WriteProcessedFile(const TestFolder& folder, int waterYear,
                                         std::vector<LevelLineText> series, const Calendar& calendar,
                                         const std::string& station = "123-45678");

// How the cells show a level line: "hh:mm", and the level without its leading blank.
std::string ShownTime(const LevelLine& line);
std::string ShownLevel(const LevelLine& line);

// A workbook written by a report, opened again to read its cells.
std::unique_ptr<Workbook> OpenProduct(const std::filesystem::path& path);

// The text of a Text cell, the shortest form of a Number cell, "" for an empty one.
std::string CellText(Worksheet& sheet, int row, int column);

}  // namespace kovu3::test
