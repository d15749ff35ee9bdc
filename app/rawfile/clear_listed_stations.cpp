#include "rawfile/clear_listed_stations.h"

#include <system_error>

#include "rawfile/raw_decoder.h"
#include "shell/file_io.h"
#include "shell/text_codec.h"

namespace kovu3 {
namespace {

namespace fs = std::filesystem;

// A raw file's years come from its readings; more than this many is a damaged file.
constexpr int kMostWaterYearsOfOneFile = 20;

// The file name of a line: the communication programs may write a Windows path.
std::string NameOfLine(std::string_view line) {
    line = TrimBlanks(line);
    size_t slash = line.find_last_of("\\/");
    if (slash != std::string_view::npos) line.remove_prefix(slash + 1);
    return std::string(line);
}

// "123-45678" from a name that starts with eight digits; empty otherwise.
std::string StationOfName(std::string_view name) {
    if (name.size() < 8) return {};
    for (size_t i = 0; i < 8; ++i)
        if (name[i] < '0' || name[i] > '9') return {};
    return std::string(name.substr(0, 3)) + "-" + std::string(name.substr(3, 5));
}

}  // namespace

ClearListedOutcome ClearListedStations(const ProgramSettings& settings) {
    ClearListedOutcome outcome;
    auto list =
        FindIgnoringCase(settings.layout.root, settings.layout.StationList().filename().string());
    if (!list) return outcome;
    auto bytes = ReadWholeFile(*list);
    if (!bytes) {
        outcome.problems.push_back("Cannot read " + list->string());
        return outcome;
    }
    const std::string text = Cp1254ToUtf8(*bytes);
    const fs::path dataFolder(settings.DataDirectory);
    for (std::string_view line : SplitLines(text)) {
        const std::string name = NameOfLine(line);
        if (name.empty()) continue;
        const std::string station = StationOfName(name);
        if (station.empty()) {
            outcome.problems.push_back(name +
                                       ": the name does not start with a station identifier");
            continue;
        }
        RawFileResult raw = ReadRawFile(name, settings);
        const RawTimeBase& time = raw.timeBase;
        if (!raw.errorText.empty() || time.WaterYear <= 0 || time.LastWaterYear < time.WaterYear ||
            time.LastWaterYear - time.WaterYear >= kMostWaterYearsOfOneFile) {
            outcome.problems.push_back(
                name + ": " + (raw.errorText.empty() ? "no usable water years" : raw.errorText) +
                "; nothing deleted");
            continue;
        }
        for (int year = time.WaterYear; year <= time.LastWaterYear; ++year) {
            const std::string processed = "S" + std::to_string(year) + station + ".txt";
            auto path = FindIgnoringCase(dataFolder, processed);
            std::error_code ec;
            if (!path || !fs::is_regular_file(*path, ec)) continue;
            if (fs::remove(*path, ec))
                outcome.deleted.push_back(*path);
            else
                outcome.problems.push_back("Cannot delete " + path->string() + ": " + ec.message());
        }
    }
    return outcome;
}

}  // namespace kovu3
