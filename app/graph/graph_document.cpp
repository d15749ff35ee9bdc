#include "graph/graph_document.h"

#include <algorithm>

#include "graph/plot_time.h"
#include "rawfile/raw_decoder.h"
#include "reports/processed_file_reader.h"
#include "shell/platform.h"

namespace kovu3 {
namespace {

constexpr int kYearRow = 13;

// The first and last PlotTime of a station's own water year.
std::pair<double, double> WaterYearSpan(const StationYearData& data, const Calendar& calendar) {
    const std::string first = WaterYearFirstDay(data.SuYili, calendar);
    const std::string last = WaterYearLastDay(data.SuYili, calendar);
    return {PlotTimeOf(first, "00:00", first).value_or(kPlotTimePerDay),
            PlotTimeOf(last, "24:00", first).value_or(366 * kPlotTimePerDay)};
}

}  // namespace

GraphDocument LoadGraphDocument(const std::vector<std::filesystem::path>& files,
                                const ProgramSettings& settings, std::string_view loggerType) {
    GraphDocument document;
    for (const std::filesystem::path& path : files) {
        if (document.stations.size() == kMaxGraphStations) {
            document.problems.push_back(path.filename().string() + ": the graph draws at most " +
                                        std::to_string(kMaxGraphStations) +
                                        " station-years; left out");
            continue;
        }
        std::string error;
        std::unique_ptr<ProcessedFileReader> reader =
            ProcessedFileReader::Open(path, settings.calendar, error);
        if (!reader) {
            document.problems.push_back(error);
            continue;
        }
        GraphStation station;
        station.path = path;
        station.data = reader->Data();
        station.series = LoadStationSeries(*reader);
        const LevelLine maximum = reader->ReadLevelLine(station.data.Monthly[kYearRow].KnoMax);
        station.yearMaximum = std::max<long>(0, StoredLevel(maximum.Level));
        document.stations.push_back(std::move(station));
    }
    if (document.stations.empty()) return document;
    const GraphStation& last = document.stations.back();
    document.calendar = settings.calendar;
    document.waterYear = last.data.SuYili;
    document.firstDay = WaterYearFirstDay(last.data.SuYili, settings.calendar);
    const std::string type =
        loggerType.empty() ? LastMergedLoggerType(last.data, last.path.parent_path(), settings)
                           : std::string(loggerType);
    document.aquifer = IsAquiferType(type, settings.texts);
    return document;
}

GraphView InitialView(const GraphDocument& document) {
    GraphView view{};
    if (document.empty()) return DrawableView(view);
    view.xStart = 1e9;
    view.xEnd = -1e9;
    long highest = 0;
    for (const GraphStation& station : document.stations) {
        // Each station is drawn by the days of its own water year.
        auto [start, end] = WaterYearSpan(station.data, document.calendar);
        view.xStart = std::min(view.xStart, start);
        view.xEnd = std::max(view.xEnd, end);
        highest = std::max(highest, station.yearMaximum);
    }
    view.y0 = 0;
    view.y1 = 1.1 * static_cast<double>(highest);
    view = DrawableView(view);
    if (document.aquifer) std::swap(view.y0, view.y1);
    return view;
}

bool IsAquiferType(std::string_view loggerType, const LanguageTexts& texts) {
    const std::string& aquifer = texts.Captions[26];
    return !aquifer.empty() && loggerType == aquifer;
}

std::string LastMergedLoggerType(const StationYearData& data, const std::filesystem::path& folder,
                                 const ProgramSettings& settings) {
    if (data.OrjinalDosya.empty()) return {};
    ProgramSettings local = settings;
    local.DataDirectory = FolderText(folder);
    RawFileResult raw = ReadRawFile(data.OrjinalDosya.back(), local);
    if (raw.setup.ParameterCount == 0) return {};
    return raw.setup.LoggerType;
}

}  // namespace kovu3
