// Redrawing the graph: four station-years of one-minute readings (over two million level
// lines) drawn whole and zoomed, as the graph window redraws a view. The target is under
// 150 ms a redraw, so that zooming feels immediate. Run with bench/run graph.

#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "graph/graph_document.h"
#include "graph/ui/graph_painter.h"
#include "loggersim/raw_file_writer.h"
#include "processing/conversion.h"
#include "support/test_folder.h"

namespace kovu3 {
namespace {

namespace fs = std::filesystem;

// Four stations, each a water year (2003) of one-minute readings in three read-outs,
// converted once.
struct FourStations {
    test::TestFolder folder;
    ProgramSettings settings;
    std::vector<fs::path> processed;

    FourStations() {
        settings.DataDirectory = folder.path().string() + "/";
        settings.Options[1] = "1";
        ApplyCalendar(settings.calendar, "TURKCE");
        ApplyLanguage(settings.texts, "TURKCE");
        const DateParts starts[] = {{1, 10, 2002}, {1, 2, 2003}, {1, 6, 2003}};
        const DateParts ends[] = {{31, 1, 2003}, {31, 5, 2003}, {30, 9, 2003}};
        for (int s = 0; s < 4; ++s) {
            sim::HydrographParams params;
            params.seed = static_cast<std::uint64_t>(s + 1);
            sim::Hydrograph river(params);
            ConversionRequest request;
            request.station = "123-4567" + std::to_string(s);
            request.waterYear = 2003;
            for (int k = 0; k < 3; ++k) {
                sim::LoggerFileRecipe recipe;
                recipe.stationId = "1234567" + std::to_string(s);
                recipe.order = k + 1;
                recipe.minutesBetweenSamples = 1;
                recipe.setup = {starts[k], 0};
                recipe.readingsUntil = {ends[k], 1440};
                request.rawFiles.push_back(sim::RawFileName(recipe));
                folder.Write(request.rawFiles.back(), sim::MakeRawFile(recipe, river));
            }
            request.readingsLog = folder / "List3.sil";
            ConversionResult result = ConvertStationYear(request, settings);
            if (!result.written) throw std::runtime_error("conversion failed: " + result.error);
            processed.push_back(result.processedFile);
        }
    }
};

FourStations& Fixture() {
    static FourStations fixture;
    return fixture;
}

QGuiApplication& Qt() {
    static int argc = 1;
    static char name[] = "graph_bench";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
    return app;
}

const GraphDocument& Document() {
    static GraphDocument document = LoadGraphDocument(Fixture().processed, Fixture().settings);
    return document;
}

void BM_LoadFourStationYears(benchmark::State& state) {
    const FourStations& fixture = Fixture();  // converted once, outside the timing
    size_t lines = 0;
    for (auto _ : state) {
        GraphDocument document = LoadGraphDocument(fixture.processed, fixture.settings);
        lines = 0;
        for (const GraphStation& station : document.stations) lines += station.series.size();
        benchmark::DoNotOptimize(lines);
    }
    state.counters["level_lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_LoadFourStationYears)->Unit(benchmark::kMillisecond);

// A redraw of a view: the curves, scales and texts onto a 900 x 560 picture.
void Redraw(benchmark::State& state, const GraphView& view) {
    Qt();
    const GraphDocument& document = Document();
    const GraphPicture picture = MakeGraphPicture(document, view, Fixture().settings);
    QImage image(900, 560, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        PaintGraph(&painter, QRectF(0, 0, 900, 560), 1.0, picture);
        painter.end();
        benchmark::ClobberMemory();
    }
    size_t lines = 0;
    for (const GraphStation& station : document.stations) lines += station.series.size();
    state.counters["level_lines"] = static_cast<double>(lines);
}

void BM_RedrawWholeYear(benchmark::State& state) {
    Redraw(state, InitialView(Document()));
}
BENCHMARK(BM_RedrawWholeYear)->Unit(benchmark::kMillisecond);

void BM_RedrawStormWeek(benchmark::State& state) {
    GraphView week = InitialView(Document());
    week.xStart = 14.4 * 120;
    week.xEnd = 14.4 * 127;
    Redraw(state, week);
}
BENCHMARK(BM_RedrawStormWeek)->Unit(benchmark::kMillisecond);

// The printer's resolution: about ten device columns a unit.
void BM_PaintOnA4At600Dpi(benchmark::State& state) {
    Qt();
    const GraphPicture picture =
        MakeGraphPicture(Document(), InitialView(Document()), Fixture().settings);
    QImage page(7016, 4960, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&page);
        PaintGraphOnPage(&painter, QRectF(0, 0, page.width(), page.height()), 900, 560, picture);
        painter.end();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_PaintOnA4At600Dpi)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace kovu3

BENCHMARK_MAIN();
