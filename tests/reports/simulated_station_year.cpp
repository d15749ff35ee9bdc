#include "simulated_station_year.h"

#include <gtest/gtest.h>

#include "loggersim/raw_file_writer.h"
#include "processing/processed_file_writer.h"
#include "processing/station_year_data.h"
#include "reports/cell_value.h"
#include "shell/file_io.h"

namespace kovu3::test {

SimulatedStationYear::SimulatedStationYear(const std::string& language, sim::HydrographParams river)
    : river_(river) {
    settings_.DataDirectory = FolderText(data_.path());
    settings_.ProgramFolder = FolderText(BinaryFolder());
    settings_.Options[21] = language;
    ApplyCalendar(settings_.calendar, language);
    ApplyLanguage(settings_.texts, language);
    settings_.DefaultExtremesPolicy = 3;
}

void SimulatedStationYear::AddReadOut(DateParts from, DateParts until) {
    sim::LoggerFileRecipe recipe;
    recipe.stationId = "12345678";
    recipe.order = static_cast<int>(rawFiles_.size()) + 1;
    recipe.setup = {from, 0};
    recipe.readingsUntil = {until, sim::kMinutesPerDay};
    std::string name = sim::RawFileName(recipe);
    data_.Write(name, sim::MakeRawFile(recipe, river_));
    rawFiles_.push_back(name);
}

std::filesystem::path SimulatedStationYear::Convert(int waterYear) {
    ConversionRequest request;
    request.station = "123-45678";
    request.waterYear = waterYear;
    request.rawFiles = rawFiles_;
    request.stationName = "Test Deresi";
    request.readingsLog = data_ / "List3.sil";
    ConversionResult result = ConvertStationYear(request, settings_);
    EXPECT_TRUE(result.written) << result.error;
    return result.written ? result.processedFile : std::filesystem::path();
}

void OctoberStationYearTest::SetUp() {
    year_.AddReadOut({1, 10, 2003}, {16, 10, 2003});
    year_.AddReadOut({30, 10, 2003}, {31, 10, 2003});
    processed_ = year_.Convert(2004);
    ASSERT_FALSE(processed_.empty());
    std::string error;
    reader_ = ProcessedFileReader::Open(processed_, year_.settings().calendar, error);
    ASSERT_TRUE(reader_) << error;
}

const SummaryEntry& OctoberStationYearTest::Day(int dayNo) const {
    return reader_->Data().Daily[static_cast<size_t>(dayNo)];
}

LevelLine OctoberStationYearTest::Line(int recordNo) const {
    return reader_->ReadLevelLine(recordNo);
}

std::filesystem::path WriteProcessedFile(const TestFolder& folder, int waterYear,
                                         std::vector<LevelLineText> series, const Calendar& calendar,
                                         const std::string& station) {
    DayPolicies policies;
    policies.fill(kPolicyCombined);
    YearStatistics stats = ComputeYearStatistics(series, policies);
    return folder.Write(ProcessedFileName(waterYear, station),
                        FormatProcessedFile({"VER4", station, "Dere", waterYear, {"a.03M"}}, stats, series,
                                            calendar));
}

std::string ShownTime(const LevelLine& line) {
    return line.Hour + ":" + line.Minute;
}

std::string ShownLevel(const LevelLine& line) {
    return std::string(TrimBlanks(line.Level));
}

std::unique_ptr<Workbook> OpenProduct(const std::filesystem::path& path) {
    Workbook::Opened opened = Workbook::Open(path);
    EXPECT_TRUE(opened.workbook) << opened.error;
    return std::move(opened.workbook);
}

std::string CellText(Worksheet& sheet, int row, int column) {
    CellValue value = sheet.Get(row, column);
    if (value.kind == CellKind::Number) return FormatSheetNumber(value.number);
    return value.text;
}

}  // namespace kovu3::test
