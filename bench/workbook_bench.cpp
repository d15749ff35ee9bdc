// Filling a year of 10-minute readings (52,560) into the readings sheet of a level table
// and saving the workbook; and a year of discharge lookups in a rating curve. Run with
// bench/run.

#include <benchmark/benchmark.h>

#include <cstdio>

#include "reports/rating_curve.h"
#include "reports/workbook.h"
#include "reports/workbook_macros.h"
#include "support/test_folder.h"

namespace kovu3 {
namespace {

constexpr int kReadingsPerDay = 144;
constexpr int kDays = 365;

// The readings sheet as the level table fills it: a heading row for each day, an empty
// row, then the day's readings five to a row (time text and level side by side).
void FillReadings(Worksheet& sheet) {
    char text[16];
    int row = 3;
    int k = 0;
    for (int day = 0; day < kDays; ++day) {
        if (k > 0) ++row;
        std::snprintf(text, sizeof text, "'%02d/%02d/2003", day % 28 + 1, day / 31 % 12 + 1);
        sheet.SetValue(row, 1, text);
        sheet.SetValue(row, 7, "'04:10");
        sheet.SetValue(row, 8, " 98");
        sheet.SetValue(row, 10, "'16:40");
        sheet.SetValue(row, 11, " 187");
        sheet.SetValue(row, 13, " 140");
        row += 2;
        k = 0;
        for (int reading = 0; reading < kReadingsPerDay; ++reading) {
            int minutes = (reading + 1) * 10;
            std::snprintf(text, sizeof text, "'%02d:%02d", minutes / 60, minutes % 60);
            int column = k * 3 + 1;
            sheet.SetValue(row, column, text);
            std::snprintf(text, sizeof text, " %d", 100 + (day + reading) % 90);
            sheet.SetValue(row, column + 1, text);
            if (++k == 5) {
                ++row;
                k = 0;
            }
        }
    }
}

void BM_FillAndSaveAYearOfReadings(benchmark::State& state) {
    test::TestFolder folder;
    std::filesystem::path templatePath = test::BinaryFolder() / "Sablon1.xlsx";
    for (auto _ : state) {
        Workbook::Opened opened =
            Workbook::OpenTemplateCopy(templatePath, folder / "S2003123-45678.xlsx");
        if (!opened.workbook) {
            state.SkipWithError(opened.error.c_str());
            return;
        }
        Workbook& workbook = *opened.workbook;
        workbook.SetMacros(ReportMacros(ReportKind::LevelTable, {"Gunluk", "Aylik", "Tamami"}));
        FillReadings(*workbook.Sheet("Tamami"));
        workbook.Run("Macro1");
        std::string error = workbook.Quit();
        if (!error.empty()) {
            state.SkipWithError(error.c_str());
            return;
        }
    }
    state.counters["readings"] = kDays * kReadingsPerDay;
    state.counters["bytes"] =
        static_cast<double>(std::filesystem::file_size(folder / "S2003123-45678.xlsx"));
}
BENCHMARK(BM_FillAndSaveAYearOfReadings)->Unit(benchmark::kMillisecond);

void BM_DischargeForAYearOfLevels(benchmark::State& state) {
    std::string bytes(561, 'H');
    for (int h = 0; h < 1000; ++h) {
        char entry[8];
        std::snprintf(entry, sizeof entry, "%4.1f|", h * 0.05);
        bytes += entry;
    }
    RatingCurve curve = RatingCurve::FromBytes(bytes);
    for (auto _ : state) {
        for (int reading = 0; reading < kDays * kReadingsPerDay; ++reading) {
            benchmark::DoNotOptimize(curve.DischargeForLevel(" " + std::to_string(reading % 990)));
        }
    }
    state.counters["lookups"] = kDays * kReadingsPerDay;
}
BENCHMARK(BM_DischargeForAYearOfLevels)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kovu3

BENCHMARK_MAIN();
