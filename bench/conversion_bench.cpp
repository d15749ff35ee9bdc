// Conversion speed against the I/O floor of the same bytes, peak memory of a conversion,
// and level lines fetched by record number. Run with bench/run; the README's performance
// table comes from its output.

#include <benchmark/benchmark.h>

#include <chrono>
#include <fstream>
#include <random>

#include "loggersim/raw_file_writer.h"
#include "processing/conversion.h"
#include "processing/station_files.h"
#include "reports/processed_file_reader.h"
#include "shell/file_io.h"
#include "support/test_folder.h"

namespace kovu3 {
namespace {

namespace fs = std::filesystem;

// One station-year (water year 2003, 365 days) in three read-outs at `interval` minutes.
struct StationYearFixture {
    test::TestFolder folder;
    ProgramSettings settings;
    std::vector<std::string> files;
    uint64_t rawBytes = 0;

    explicit StationYearFixture(int interval) {
        settings.DataDirectory = folder.path().string() + "/";
        ApplyCalendar(settings.calendar, "TURKCE");
        ApplyLanguage(settings.texts, "TURKCE");
        sim::Hydrograph hydrograph;
        const DateParts starts[] = {{1, 10, 2002}, {1, 2, 2003}, {1, 6, 2003}};
        const DateParts ends[] = {{31, 1, 2003}, {31, 5, 2003}, {30, 9, 2003}};
        for (int k = 0; k < 3; ++k) {
            sim::LoggerFileRecipe recipe;
            recipe.order = k + 1;
            recipe.minutesBetweenSamples = interval;
            recipe.setup = {starts[k], 0};
            recipe.readingsUntil = {ends[k], 1440};
            std::string bytes = sim::MakeRawFile(recipe, hydrograph);
            rawBytes += bytes.size();
            files.push_back(sim::RawFileName(recipe));
            folder.Write(files.back(), bytes);
        }
    }

    ConversionResult Convert() const {
        ConversionRequest request;
        request.station = "123-45678";
        request.waterYear = 2003;
        request.rawFiles = files;
        request.readingsLog = folder / "List3.sil";
        return ConvertStationYear(request, settings);
    }

    fs::path Processed() const { return folder / "S2003123-45678.txt"; }
};

double Seconds(const std::function<void()>& work) {
    auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The I/O floor: read the raw files, write their bytes and as many bytes as the processed
// file holds, as plain copies.
double IoFloorSeconds(const StationYearFixture& fixture, uint64_t processedBytes) {
    return Seconds([&] {
        std::string copy;
        for (const std::string& name : fixture.files) copy += *ReadWholeFile(fixture.folder / name);
        std::ofstream(fixture.folder / "floor-raw.bin", std::ios::binary).write(copy.data(), static_cast<std::streamsize>(copy.size()));
        std::string processed(processedBytes, '0');
        std::ofstream(fixture.folder / "floor-processed.bin", std::ios::binary)
            .write(processed.data(), static_cast<std::streamsize>(processed.size()));
    });
}

// Peak resident memory of kovu3-cli converting the folder, in MiB (measured by peak_rss,
// so that this large process's memory does not count).
double PeakMemoryMiB(const StationYearFixture& fixture) {
    fs::path cli = test::BinaryFolder() / "kovu3-cli";
    fs::path peak = test::BinaryFolder() / "peak_rss";
    if (!fs::exists(cli) || !fs::exists(peak)) return -1;
    std::string command = test::ShellQuote(peak.string()) + " " + test::ShellQuote(cli.string()) + " convert " +
                          test::ShellQuote(fixture.folder.path().string()) + " --force --jobs 1 2>/dev/null | tail -n 1";
    test::ProgramRun run = test::RunProgram(command);
    return run.output.empty() ? -1 : std::stod(run.output) / 1024.0;
}

void ConvertStationYear(benchmark::State& state) {
    StationYearFixture fixture(static_cast<int>(state.range(0)));
    uint64_t readings = 0;
    for (auto _ : state) {
        ConversionResult result = fixture.Convert();
        if (!result.written) state.SkipWithError(result.error.c_str());
        readings = static_cast<uint64_t>(result.readingsTaken);
    }
    double perRun = 0;
    for (int i = 0; i < 3; ++i) perRun += Seconds([&] { fixture.Convert(); });
    perRun /= 3;
    uint64_t processedBytes = fs::file_size(fixture.Processed());
    double floor = 0;
    for (int i = 0; i < 3; ++i) floor += IoFloorSeconds(fixture, processedBytes);
    floor /= 3;
    state.counters["readings"] = static_cast<double>(readings);
    state.counters["raw_MB"] = fixture.rawBytes / 1e6;
    state.counters["floor_ms"] = floor * 1e3;
    state.counters["ratio_to_floor"] = perRun / floor;
    state.counters["peak_MiB"] = PeakMemoryMiB(fixture);
}
BENCHMARK(ConvertStationYear)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->Iterations(3);

void FetchLevelLines(benchmark::State& state) {
    StationYearFixture fixture(1);
    fixture.Convert();
    std::string error;
    auto reader = ProcessedFileReader::Open(fixture.Processed(), fixture.settings.calendar, error);
    if (!reader) {
        state.SkipWithError(error.c_str());
        return;
    }
    std::mt19937 random(7);
    std::uniform_int_distribution<int> records(1, reader->LevelCount());
    for (auto _ : state) {
        for (int i = 0; i < 10000; ++i) benchmark::DoNotOptimize(reader->ReadLevelLine(records(random)));
    }
    state.counters["lines"] = reader->LevelCount();
}
BENCHMARK(FetchLevelLines)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kovu3

BENCHMARK_MAIN();
