// The products of a converted station-year of 10-minute readings (water year 2003, 52,560
// readings): the whole level table with its readings sheet, the level-discharge table, and
// the Flumo file. Run with bench/run.

#include <benchmark/benchmark.h>

#include "loggersim/rating_curve_writer.h"
#include "loggersim/raw_file_writer.h"
#include "processing/conversion.h"
#include "reports/flumo_export.h"
#include "reports/level_table.h"
#include "support/test_folder.h"

namespace kovu3 {
namespace {

namespace fs = std::filesystem;

// Three read-outs covering the water year, converted once; the rating curve of the station.
class ConvertedYear final {
public:
    ConvertedYear() {
        settings_.DataDirectory = FolderText(folder_.path());
        settings_.ProgramFolder = FolderText(test::BinaryFolder());
        settings_.Options[21] = "TURKCE";
        ApplyCalendar(settings_.calendar, "TURKCE");
        ApplyLanguage(settings_.texts, "TURKCE");
        sim::Hydrograph river;
        const DateParts starts[] = {{1, 10, 2002}, {1, 2, 2003}, {1, 6, 2003}};
        const DateParts ends[] = {{31, 1, 2003}, {31, 5, 2003}, {30, 9, 2003}};
        ConversionRequest request;
        for (int k = 0; k < 3; ++k) {
            sim::LoggerFileRecipe recipe;
            recipe.order = k + 1;
            recipe.setup = {starts[k], 0};
            recipe.readingsUntil = {ends[k], 1440};
            request.rawFiles.push_back(sim::RawFileName(recipe));
            folder_.Write(request.rawFiles.back(), sim::MakeRawFile(recipe, river));
        }
        request.station = "123-45678";
        request.waterYear = 2003;
        request.readingsLog = folder_ / "List3.sil";
        ConversionResult result = ConvertStationYear(request, settings_);
        error_ = result.error;
        rating_ = folder_.Write("E12345678.dat", sim::MakeRatingCurve({}));
    }

    LevelTableRequest Request() const {
        LevelTableRequest request;
        request.processedFile = folder_ / "S2003123-45678.txt";
        request.ratingCurve = rating_;
        return request;
    }
    const ProgramSettings& settings() const { return settings_; }
    const std::string& error() const { return error_; }

private:
    test::TestFolder folder_;
    ProgramSettings settings_;
    fs::path rating_;
    std::string error_;
};

const ConvertedYear& Year() {
    static const ConvertedYear year;
    return year;
}

void Table(benchmark::State& state, bool discharge) {
    const ConvertedYear& year = Year();
    if (!year.error().empty()) {
        state.SkipWithError(year.error().c_str());
        return;
    }
    ReportResult result;
    for (auto _ : state) {
        result = discharge ? MakeLevelDischargeTable(year.Request(), year.settings())
                           : MakeLevelTable(year.Request(), year.settings());
        if (!result.error.empty()) {
            state.SkipWithError(result.error.c_str());
            return;
        }
    }
    state.counters["readings"] = static_cast<double>(result.readingsListed);
    state.counters["MB"] = static_cast<double>(fs::file_size(result.path)) / 1e6;
}

void WholeLevelTable(benchmark::State& state) {
    Table(state, false);
}
BENCHMARK(WholeLevelTable)->Unit(benchmark::kMillisecond);

void WholeLevelDischargeTable(benchmark::State& state) {
    Table(state, true);
}
BENCHMARK(WholeLevelDischargeTable)->Unit(benchmark::kMillisecond);

void FlumoFile(benchmark::State& state) {
    const ConvertedYear& year = Year();
    for (auto _ : state) {
        FlumoResult result = ExportToFlumo(year.Request().processedFile, year.settings());
        if (!result.error.empty()) {
            state.SkipWithError(result.error.c_str());
            return;
        }
    }
}
BENCHMARK(FlumoFile)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kovu3

BENCHMARK_MAIN();
