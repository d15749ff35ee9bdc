#pragma once
// A station-year for the report tests: raw logger files of station 123-45678 written by the
// simulator into a fresh data folder and converted as the selection window converts them.
// The program folder is the build's, where the default templates are generated.

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "loggersim/hydrograph.h"
#include "processing/conversion.h"
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

// A workbook written by a report, opened again to read its cells.
std::unique_ptr<Workbook> OpenProduct(const std::filesystem::path& path);

// The text of a Text cell, the shortest form of a Number cell, "" for an empty one.
std::string CellText(Worksheet& sheet, int row, int column);

}  // namespace kovu3::test
