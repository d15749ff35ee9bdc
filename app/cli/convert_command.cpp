// kovu3-cli convert and check: station-year conversions and the single-file check.

#include <unistd.h>

#include <atomic>
#include <charconv>
#include <cstdlib>
#include <mutex>
#include <ostream>
#include <set>
#include <thread>

#include "cli/cli_command.h"
#include "processing/conversion.h"
#include "processing/station_files.h"
#include "processing/station_year_data.h"
#include "processing/water_years.h"
#include "shell/ini_values.h"
#include "shell/startup.h"
#include "shell/station_store.h"

namespace kovu3::cli {

const Command kConvertCommand{
    "convert",
    "  kovu3-cli convert DATA_DIR [--station S] [--year Y] [--force] [--jobs N] [--log PATH]\n"
    "                    [--language TURKCE|ENGLISH|FARSCA] [--policy 1|2|3]\n"
    "      converts every station-year of DATA_DIR without a processed file (all with --force);\n"
    "      --log keeps the readings log: a file for one station-year, else a folder\n",
    RunConvert};

const Command kCheckCommand{"check",
                            "  kovu3-cli check RAWFILE [--log FILE] [--language L]\n"
                            "      walks one raw file and writes its readings log (List3.sil beside\n"
                            "      the file unless --log is given)\n",
                            RunCheck};

namespace {

namespace fs = std::filesystem;

struct StationYear {
    std::string station;
    int year = 0;
    std::vector<std::string> rawFiles;
};

bool ParseNumber(const std::string& text, int& value) {
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size();
}

// Options shared by both commands.
struct CommonOptions {
    std::string language;
    int policy = 0;
    std::string log;
};

// Applies the language and policy options to the start-up settings.
std::string ApplyOptions(ProgramSettings& settings, const CommonOptions& options) {
    if (!options.language.empty()) {
        if (!ApplyLanguage(settings.texts, options.language)) return "unknown language " + options.language;
        settings.Options[21] = options.language;
        ApplyCalendar(settings.calendar, options.language);
    }
    if (options.policy != 0) {
        settings.Options[8] = std::to_string(options.policy);
        settings.DefaultExtremesPolicy = options.policy;
    }
    return {};
}

// A private folder per run, so runs at the same time never share a scratch or log file.
fs::path MakeRunFolder() {
    std::string pattern = (fs::temp_directory_path() / "kovu3-run-XXXXXX").string();
    if (!mkdtemp(pattern.data())) return {};
    return pattern;
}

class ProgressBar final {
public:
    explicit ProgressBar(std::ostream& err) : err_(err), enabled_(isatty(STDERR_FILENO)) {}
    void Add(uint64_t done, uint64_t expected) {
        done_ += done;
        expected_ += expected;
        Show();
    }
    void Show() {
        if (!enabled_) return;
        std::lock_guard lock(mutex_);
        uint64_t expected = expected_.load();
        int percent = expected == 0 ? 0 : static_cast<int>(100 * std::min<uint64_t>(done_.load(), expected) / expected);
        if (percent == shown_) return;
        shown_ = percent;
        int filled = percent / 4;
        err_ << "\r[" << std::string(static_cast<size_t>(filled), '#') << std::string(static_cast<size_t>(25 - filled), ' ')
             << "] " << percent << "%" << std::flush;
    }
    void Finish() {
        if (enabled_ && shown_ >= 0) err_ << "\r" << std::string(40, ' ') << "\r" << std::flush;
    }
    std::mutex& Lock() { return mutex_; }

private:
    std::ostream& err_;
    bool enabled_;
    std::atomic<uint64_t> done_{0};
    std::atomic<uint64_t> expected_{0};
    std::mutex mutex_;
    int shown_ = -1;
};

std::string Summary(const StationYear& job, const ConversionResult& result) {
    std::string name = ProcessedFileName(job.year, job.station);
    if (!result.error.empty()) return name + ": FAILED: " + result.error;
    if (!result.written) return name + ": no reading of water year " + std::to_string(job.year) + ", nothing written";
    return name + ": " + std::to_string(result.mergedFiles.size()) + " raw file(s), " +
           std::to_string(result.readingsTaken) + " readings, " + result.firstRecord + " - " + result.lastRecord;
}

}  // namespace

int RunConvert(const CliContext& context, Arguments args) {
    std::string folder, station;
    int year = 0;
    int jobs = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    bool force = false;
    CommonOptions options;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        auto value = [&](std::string& out) { return TakeValue(args, i, out); };
        std::string text;
        if (word == "--station") {
            if (!value(station)) return UsageError(context, kConvertCommand, "--station needs a value");
        } else if (word == "--year") {
            if (!value(text) || !ParseNumber(text, year)) return UsageError(context, kConvertCommand, "--year needs a year");
        } else if (word == "--jobs") {
            if (!value(text) || !ParseNumber(text, jobs) || jobs < 1)
                return UsageError(context, kConvertCommand, "--jobs needs a number of 1 or more");
        } else if (word == "--log") {
            if (!value(options.log)) return UsageError(context, kConvertCommand, "--log needs a path");
        } else if (word == "--language") {
            if (!value(options.language)) return UsageError(context, kConvertCommand, "--language needs a value");
        } else if (word == "--policy") {
            if (!value(text) || !ParseNumber(text, options.policy) || options.policy < 1 || options.policy > 3)
                return UsageError(context, kConvertCommand, "--policy takes 1, 2 or 3");
        } else if (word == "--force") {
            force = true;
        } else if (!word.starts_with("--") && folder.empty()) {
            folder = word;
        } else {
            return UsageError(context, kConvertCommand, "unexpected '" + word + "'");
        }
    }
    if (folder.empty()) return UsageError(context, kConvertCommand, "DATA_DIR is missing");
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) {
        context.err << "kovu3-cli convert: " << folder << " is not a folder\n";
        return kExitFailed;
    }

    ProgramSettings settings = RunStartup(context.environment).settings;
    settings.DataDirectory = FolderText(fs::absolute(folder, ec));
    if (std::string problem = ApplyOptions(settings, options); !problem.empty())
        return UsageError(context, kConvertCommand, problem);

    // The station-years to convert.
    std::vector<StationYear> todo;
    std::vector<std::string> stations = station.empty() ? ListStations(settings.DataDirectory)
                                                        : std::vector<std::string>{station};
    int failures = 0;
    for (const std::string& s : stations) {
        std::vector<std::string> files = ListStationRawFiles(settings.DataDirectory, s);
        if (files.empty()) {
            context.err << "station " << s << ": no raw files in " << settings.DataDirectory << "\n";
            ++failures;
            continue;
        }
        WaterYearScan scan = DiscoverWaterYears(s, files, settings);
        for (const std::string& rejected : scan.rejected) context.err << "problem: " << rejected << "\n";
        bool found = false;
        for (const WaterYearEntry& entry : scan.years) {
            if (year != 0 && entry.year != year) continue;
            found = true;
            if (entry.converted && !force) {
                if (year != 0) context.out << ProcessedFileName(entry.year, s) << ": converted already (--force converts again)\n";
                continue;
            }
            todo.push_back({s, entry.year, files});
        }
        if (year != 0 && !found) {
            context.err << "station " << s << ": no raw file covers water year " << year << "\n";
            ++failures;
        }
    }

    fs::path logFolder;
    if (!options.log.empty() && todo.size() > 1) {
        logFolder = options.log;
        fs::create_directories(logFolder, ec);
    }
    const fs::path database = settings.layout.StationDatabase();

    ProgressBar bar(context.err);
    std::vector<ConversionResult> results(todo.size());
    std::atomic<size_t> next{0};
    auto worker = [&] {
        for (size_t k = next++; k < todo.size(); k = next++) {
            const StationYear& job = todo[k];
            fs::path runFolder = MakeRunFolder();
            ConversionRequest request;
            request.station = job.station;
            request.waterYear = job.year;
            request.rawFiles = job.rawFiles;
            request.stationName = StationName(database, job.station);
            request.readingsLog = !options.log.empty() && todo.size() == 1 ? fs::path(options.log)
                                  : !logFolder.empty() ? logFolder / (ProcessedFileName(job.year, job.station) + ".log")
                                                       : runFolder / "List3.sil";
            request.rawCopy = runFolder / "Gecici.txt";
            uint64_t reported = 0, expectedSeen = 0;
            request.progress = [&](uint64_t done, uint64_t expected) {
                bar.Add(done - std::min(done, reported), expected - std::min(expected, expectedSeen));
                reported = std::max(reported, done);
                expectedSeen = std::max(expectedSeen, expected);
            };
            results[k] = ConvertStationYear(request, settings);
            std::error_code ignored;
            fs::remove_all(runFolder, ignored);
        }
    };
    std::vector<std::thread> threads;
    for (int t = 1; t < std::min<int>(jobs, static_cast<int>(todo.size())); ++t) threads.emplace_back(worker);
    worker();
    for (std::thread& thread : threads) thread.join();
    bar.Finish();

    std::set<std::string> shown;  // every station-year decodes all its station's files
    for (size_t k = 0; k < todo.size(); ++k) {
        const ConversionResult& result = results[k];
        for (const std::string& problem : result.problems)
            if (shown.insert(problem).second) context.err << "problem: " << problem << "\n";
        if (!result.fileNameMessage.empty()) context.err << result.fileNameMessage << "\n";
        context.out << Summary(todo[k], result) << "\n";
        if (!result.error.empty()) ++failures;
    }
    if (todo.empty() && failures == 0) context.out << "nothing to convert in " << settings.DataDirectory << "\n";
    return failures == 0 ? kExitOk : kExitFailed;
}

int RunCheck(const CliContext& context, Arguments args) {
    std::string file;
    CommonOptions options;
    for (size_t i = 0; i < args.size(); ++i) {
        if ((args[i] == "--log" || args[i] == "--language") && i + 1 < args.size()) {
            (args[i] == "--log" ? options.log : options.language) = args[i + 1];
            ++i;
        } else if (!args[i].starts_with("--") && file.empty()) {
            file = args[i];
        } else {
            return UsageError(context, kCheckCommand, "unexpected '" + args[i] + "'");
        }
    }
    if (file.empty()) return UsageError(context, kCheckCommand, "RAWFILE is missing");
    std::error_code ec;
    fs::path path = fs::absolute(file, ec);
    if (!fs::is_regular_file(path, ec)) {
        context.err << "kovu3-cli check: " << file << " is not a file\n";
        return kExitFailed;
    }
    ProgramSettings settings = RunStartup(context.environment).settings;
    settings.DataDirectory = FolderText(path.parent_path());
    if (std::string problem = ApplyOptions(settings, options); !problem.empty())
        return UsageError(context, kCheckCommand, problem);
    fs::path log = options.log.empty() ? path.parent_path() / "List3.sil" : fs::path(options.log);
    SingleFileCheckResult result = CheckSingleFile(path.filename().string(), log, {}, settings);
    for (const std::string& problem : result.problems) context.err << "problem: " << problem << "\n";
    if (!result.fileNameMessage.empty()) context.err << result.fileNameMessage << "\n";
    if (!result.error.empty()) {
        context.err << "kovu3-cli check: " << result.error << "\n";
        return kExitFailed;
    }
    context.out << log.string() << ": " << result.readingsLogged << " readings logged\n";
    return kExitOk;
}

}  // namespace kovu3::cli
