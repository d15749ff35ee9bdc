// loggersim: writes simulated raw logger files, whole data folders and rating curves.

#include <charconv>
#include <filesystem>
#include <iostream>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "loggersim/additional_info_writer.h"
#include "loggersim/data_folder.h"
#include "loggersim/rating_curve_writer.h"
#include "loggersim/raw_file_writer.h"
#include "shell/file_io.h"

namespace kovu3::sim {
namespace {

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

constexpr std::string_view kUsage = R"(usage:
  loggersim file OUT_DIR [options]      one raw logger file; prints its name
    --station ID            eight digits, the first three 255 or less (12345678)
    --order N               characters 9-11 of the name (1)
    --letter C              last character of the name (M, or R for ring files)
    --params N              161, 163, 164 or 166 (163); other counts get a block of filler
    --unit CODE             001 (1cm), 002 (1mm), 003 (2mm) or any other (001)
    --kind K                normal, ring or blok (normal)
    --blocks N              skipped blocks of a blok file (1)
    --type N                logger type of 164 and 166 files: 10, 20, 25, ... (10)
    --interval M            minutes between two readings (10)
    --samples N             samples per reading, taken M/N minutes apart (1)
    --from "DD/MM/YYYY HH:MM"   setup of a normal file, first reading of a ring or blok file
                            (05/10/2004 10:07)
    --setup "DD/MM/YYYY HH:MM"  setup of a ring or blok file (10 days before --from)
    --days N                read out N days after --from (7)
    --until "DD/MM/YYYY HH:MM"  read out at this moment instead
    --day-records MODE      agree, disagree or impossible (agree)
    --faulty-days LIST      days of the file (0 is the first) that get MODE, e.g. 1,3 (all)
    --no-last-day-record    end right after a last 24:00 reading
    --leftover N            logger bytes of old memory after the end pointer (161, 164)
    --pointer-flags         set the bits of the end pointer that are not part of it
    --shift K               the data start K intervals off the time the setup implies
    --version TEXT          version marker (VER4)
    --region CCC            region code (012)
    --setup-level CM        level at setup (the simulated stage at setup)
    --stored-setup "DD/MM/YYYY HH:MM"  the setup the block claims (a wrong logger clock)
    --header-unknown        000 for the header's first-data time and date
    --seed S  --base CM  --amplitude CM  --storms N  --peak CM  --noise CM   the river
    --tarih0 TEXT  --tarih1 TEXT  --ngun N  --extrem 0|1|2  --rating PATH
                            keys of the additional-information file, written when given
  loggersim folder OUT_DIR [options]    stations, water years and read-outs; prints a line a
                                        file: name, link, kind, parameters, first - last reading
    --stations N (3)  --years Y1-Y2 (2003-2004)  --interval M (15)  --samples N (1)
    --readouts-per-year K (6)  --seed S (1)  --links reset,continue,overlap,repeat,gap
    --faulty-share X (0.05)  --ring-last  --no-info  --no-rating  --rating-folder DIR
    --extrem 0|1|2
  loggersim rating OUT_FILE [options]   a rating curve file E*.dat
    --station ID (12345678)  --zero CM (40)  --coefficient A (8.5)  --exponent B (1.8)
    --max-level CM (3000)
)";

struct UsageProblem {
    std::string text;
};

// The words after the command: one positional path and "--name [value]" options.
class Words final {
public:
    Words(const std::vector<std::string>& words, const std::set<std::string>& valued,
          const std::set<std::string>& flags) {
        for (size_t i = 0; i < words.size(); ++i) {
            const std::string& word = words[i];
            if (word.rfind("--", 0) != 0) {
                if (!path_.empty()) throw UsageProblem{"more than one output path: " + word};
                path_ = word;
            } else if (flags.count(word) != 0) {
                values_[word] = "";
            } else if (valued.count(word) != 0) {
                if (i + 1 >= words.size()) throw UsageProblem{word + " needs a value"};
                values_[word] = words[++i];
            } else {
                throw UsageProblem{"unknown option " + word};
            }
        }
        if (path_.empty()) throw UsageProblem{"the output path is missing"};
    }

    const std::string& path() const { return path_; }
    bool Has(const std::string& name) const { return values_.count(name) != 0; }
    std::optional<std::string> Text(const std::string& name) const {
        auto found = values_.find(name);
        if (found == values_.end()) return std::nullopt;
        return found->second;
    }
    template <typename Number>
    std::optional<Number> Get(const std::string& name) const {
        auto text = Text(name);
        if (!text) return std::nullopt;
        Number value{};
        auto [end, ec] = std::from_chars(text->data(), text->data() + text->size(), value);
        if (ec != std::errc() || end != text->data() + text->size())
            throw UsageProblem{name + " needs a number, not '" + *text + "'"};
        return value;
    }
    std::optional<Moment> GetMoment(const std::string& name) const {
        auto text = Text(name);
        if (!text) return std::nullopt;
        auto moment = ParseMoment(*text);
        if (!moment || moment->minute == kMinutesPerDay)
            throw UsageProblem{name + " needs a date DD/MM/YYYY with an optional time HH:MM, not '" + *text + "'"};
        return moment;
    }

private:
    std::string path_;
    std::map<std::string, std::string> values_;
};

HydrographParams RiverOf(const Words& words) {
    HydrographParams river;
    river.seed = words.Get<std::uint64_t>("--seed").value_or(river.seed);
    river.baseLevelCm = words.Get<double>("--base").value_or(river.baseLevelCm);
    river.seasonalAmplitudeCm = words.Get<double>("--amplitude").value_or(river.seasonalAmplitudeCm);
    river.stormsPerYear = words.Get<double>("--storms").value_or(river.stormsPerYear);
    river.stormPeakCm = words.Get<double>("--peak").value_or(river.stormPeakCm);
    river.noiseCm = words.Get<double>("--noise").value_or(river.noiseCm);
    return river;
}

// Splits the interval into samples: 10 minutes in 2 samples are 2 samples 5 minutes apart.
void SetInterval(LoggerFileRecipe& recipe, int interval, int samples) {
    if (samples < 1 || interval < 0 || interval % samples != 0)
        throw UsageProblem{"--samples must be at least 1 and divide --interval"};
    recipe.samplesPerRecord = samples;
    recipe.minutesBetweenSamples = interval / samples;
}

FileKind KindOf(const std::string& text) {
    if (text == "normal") return FileKind::Normal;
    if (text == "ring") return FileKind::Ring;
    if (text == "blok") return FileKind::Blok;
    throw UsageProblem{"--kind is normal, ring or blok"};
}

DayRecordMode DayRecordModeOf(const std::string& text) {
    if (text == "agree") return DayRecordMode::Agree;
    if (text == "disagree") return DayRecordMode::Disagree;
    if (text == "impossible") return DayRecordMode::ImpossibleTime;
    throw UsageProblem{"--day-records is agree, disagree or impossible"};
}

std::vector<std::string> SplitCommas(const std::string& text) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t comma; (comma = text.find(',', start)) != std::string::npos; start = comma + 1)
        parts.push_back(text.substr(start, comma - start));
    parts.push_back(text.substr(start));
    return parts;
}

std::vector<int> DaysOf(const std::string& text) {
    std::vector<int> days;
    for (const std::string& part : SplitCommas(text)) {
        int day = 0;
        auto [end, ec] = std::from_chars(part.data(), part.data() + part.size(), day);
        if (ec != std::errc() || end != part.data() + part.size() || day < 0)
            throw UsageProblem{"--faulty-days needs day numbers from 0, separated by commas"};
        days.push_back(day);
    }
    return days;
}

int RunFile(const std::vector<std::string>& arguments) {
    const Words words(arguments,
                      {"--station", "--order", "--letter", "--params", "--unit", "--kind", "--blocks", "--type",
                       "--interval", "--samples", "--from", "--setup", "--days", "--until", "--day-records",
                       "--faulty-days", "--leftover", "--shift", "--version", "--region", "--setup-level",
                       "--stored-setup", "--seed", "--base", "--amplitude", "--storms", "--peak", "--noise",
                       "--tarih0", "--tarih1", "--ngun", "--extrem", "--rating"},
                      {"--no-last-day-record", "--pointer-flags", "--header-unknown"});
    LoggerFileRecipe recipe;
    recipe.stationId = words.Text("--station").value_or(recipe.stationId);
    recipe.order = words.Get<int>("--order").value_or(recipe.order);
    if (auto letter = words.Text("--letter")) {
        if (letter->size() != 1) throw UsageProblem{"--letter needs one character"};
        recipe.kindLetter = (*letter)[0];
    }
    recipe.parameterCount = words.Get<int>("--params").value_or(recipe.parameterCount);
    recipe.unitCode = words.Text("--unit").value_or(recipe.unitCode);
    recipe.kind = KindOf(words.Text("--kind").value_or("normal"));
    recipe.blockCount = words.Get<int>("--blocks").value_or(recipe.blockCount);
    recipe.loggerType = words.Get<int>("--type").value_or(recipe.loggerType);
    SetInterval(recipe, words.Get<int>("--interval").value_or(10), words.Get<int>("--samples").value_or(1));
    const Moment from = words.GetMoment("--from").value_or(recipe.setup);
    if (recipe.kind == FileKind::Normal) {
        if (words.Has("--setup")) throw UsageProblem{"--setup is for ring and blok files; use --from"};
        recipe.setup = from;
    } else {
        recipe.firstRecord = from;
        recipe.setup = words.GetMoment("--setup").value_or(ClockMoment(ToMinutes(from) - 10 * kMinutesPerDay));
    }
    if (words.Has("--until") && words.Has("--days")) throw UsageProblem{"give --until or --days, not both"};
    recipe.readingsUntil = words.GetMoment("--until").value_or(
        ClockMoment(ToMinutes(from) + words.Get<long long>("--days").value_or(7) * kMinutesPerDay));
    recipe.dayRecords = DayRecordModeOf(words.Text("--day-records").value_or("agree"));
    if (auto days = words.Text("--faulty-days")) recipe.faultyDays = DaysOf(*days);
    recipe.dayRecordAfterLastReading = !words.Has("--no-last-day-record");
    recipe.leftoverBytes = words.Get<int>("--leftover").value_or(0);
    recipe.pointerFlagBits = words.Has("--pointer-flags");
    recipe.firstRecordShift = words.Get<int>("--shift").value_or(0);
    recipe.versionMarker = words.Text("--version").value_or(recipe.versionMarker);
    recipe.regionCode = words.Text("--region").value_or(recipe.regionCode);
    recipe.setupLevelCm = words.Get<double>("--setup-level");
    recipe.storedSetup = words.GetMoment("--stored-setup");
    recipe.headerDateUnknown = words.Has("--header-unknown");
    if (std::string problem = CheckRecipe(recipe); !problem.empty()) throw UsageProblem{problem};

    const Hydrograph river(RiverOf(words));
    const std::filesystem::path folder = words.path();
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    const std::filesystem::path path = folder / RawFileName(recipe);
    if (std::string failure = WriteFileReplacing(path, MakeRawFile(recipe, river)); !failure.empty()) {
        std::cerr << "loggersim: " << failure << "\n";
        return kExitFailed;
    }
    AdditionalInfo info;
    info.setupCorrection = words.Text("--tarih0");
    info.firstRecordCorrection = words.Text("--tarih1");
    info.dayCount = words.Get<int>("--ngun");
    info.extremesPolicy = words.Get<int>("--extrem");
    info.ratingCurvePath = words.Text("--rating");
    if (info.setupCorrection || info.firstRecordCorrection || info.dayCount || info.extremesPolicy ||
        info.ratingCurvePath) {
        if (std::string failure = WriteAdditionalInfo(path, info); !failure.empty()) {
            std::cerr << "loggersim: " << failure << "\n";
            return kExitFailed;
        }
    }
    std::cout << RawFileName(recipe) << "\n";
    return kExitOk;
}

ReadoutLink LinkOf(const std::string& text) {
    static const std::map<std::string, ReadoutLink> kLinks{{"reset", ReadoutLink::Reset},
                                                           {"continue", ReadoutLink::Continue},
                                                           {"overlap", ReadoutLink::Overlap},
                                                           {"repeat", ReadoutLink::Repeat},
                                                           {"gap", ReadoutLink::Gap}};
    auto found = kLinks.find(text);
    if (found == kLinks.end()) throw UsageProblem{"--links takes reset, continue, overlap, repeat and gap"};
    return found->second;
}

std::string_view LinkName(ReadoutLink link) {
    switch (link) {
        case ReadoutLink::Reset: return "reset";
        case ReadoutLink::Continue: return "continue";
        case ReadoutLink::Overlap: return "overlap";
        case ReadoutLink::Repeat: return "repeat";
        case ReadoutLink::Gap: return "gap";
    }
    return "";
}

std::string_view KindName(FileKind kind) {
    return kind == FileKind::Normal ? "normal" : kind == FileKind::Ring ? "ring" : "blok";
}

int RunFolder(const std::vector<std::string>& arguments) {
    const Words words(arguments,
                      {"--stations", "--years", "--interval", "--samples", "--readouts-per-year", "--seed",
                       "--links", "--faulty-share", "--rating-folder", "--extrem"},
                      {"--ring-last", "--no-info", "--no-rating"});
    DataFolderScenario scenario;
    scenario.seed = words.Get<std::uint64_t>("--seed").value_or(scenario.seed);
    scenario.stations = words.Get<int>("--stations").value_or(scenario.stations);
    if (auto years = words.Text("--years")) {
        size_t dash = years->find('-');
        int first = 0;
        int last = 0;
        auto [end1, ec1] = std::from_chars(years->data(), years->data() + dash, first);
        auto [end2, ec2] = dash == std::string::npos
                               ? std::from_chars_result{nullptr, std::errc::invalid_argument}
                               : std::from_chars(years->data() + dash + 1, years->data() + years->size(), last);
        if (dash == std::string::npos || ec1 != std::errc() || ec2 != std::errc() || end1 != years->data() + dash ||
            end2 != years->data() + years->size())
            throw UsageProblem{"--years needs two water years joined by '-', e.g. 2003-2005"};
        scenario.firstWaterYear = first;
        scenario.lastWaterYear = last;
    }
    LoggerFileRecipe interval;
    SetInterval(interval, words.Get<int>("--interval").value_or(15), words.Get<int>("--samples").value_or(1));
    scenario.samplesPerRecord = interval.samplesPerRecord;
    scenario.minutesBetweenSamples = interval.minutesBetweenSamples;
    if (RecordInterval(interval) == 0 || kMinutesPerDay % RecordInterval(interval) != 0)
        throw UsageProblem{"--interval must divide 1440"};
    scenario.readoutsPerYear = words.Get<int>("--readouts-per-year").value_or(scenario.readoutsPerYear);
    if (auto links = words.Text("--links"))
        for (const std::string& link : SplitCommas(*links)) scenario.links.push_back(LinkOf(link));
    scenario.faultyDayRecordShare = words.Get<double>("--faulty-share").value_or(scenario.faultyDayRecordShare);
    scenario.ringAtEnd = words.Has("--ring-last");
    scenario.additionalInfo = !words.Has("--no-info");
    scenario.ratingCurves = !words.Has("--no-rating");
    if (auto folder = words.Text("--rating-folder")) scenario.ratingFolder = *folder;
    scenario.extremesPolicy = words.Get<int>("--extrem");
    if (scenario.stations < 1 || scenario.readoutsPerYear < 1 || scenario.firstWaterYear > scenario.lastWaterYear)
        throw UsageProblem{"--stations and --readouts-per-year must be at least 1, --years in order"};

    const DataFolderResult result = MakeDataFolder(words.path(), scenario);
    for (const FolderFile& file : result.files)
        std::cout << file.name << " " << LinkName(file.link) << " " << KindName(file.recipe.kind) << " "
                  << file.recipe.parameterCount << " " << FormatMoment(file.plan.firstRecord) << " - "
                  << FormatMoment(file.plan.lastRecord) << "\n";
    if (!result.error.empty()) {
        std::cerr << "loggersim: " << result.error << "\n";
        return kExitFailed;
    }
    return kExitOk;
}

int RunRating(const std::vector<std::string>& arguments) {
    const Words words(arguments, {"--station", "--zero", "--coefficient", "--exponent", "--max-level"}, {});
    RatingCurveRecipe recipe;
    recipe.stationId = words.Text("--station").value_or(recipe.stationId);
    recipe.zeroFlowLevelCm = words.Get<double>("--zero").value_or(recipe.zeroFlowLevelCm);
    recipe.coefficient = words.Get<double>("--coefficient").value_or(recipe.coefficient);
    recipe.exponent = words.Get<double>("--exponent").value_or(recipe.exponent);
    recipe.highestLevelCm = words.Get<int>("--max-level").value_or(recipe.highestLevelCm);
    if (recipe.highestLevelCm < 0 || recipe.highestLevelCm > 100000 || recipe.coefficient < 0)
        throw UsageProblem{"--max-level must be 0 to 100000 and --coefficient not negative"};
    if (std::string failure = WriteFileReplacing(words.path(), MakeRatingCurve(recipe)); !failure.empty()) {
        std::cerr << "loggersim: " << failure << "\n";
        return kExitFailed;
    }
    return kExitOk;
}

}  // namespace
}  // namespace kovu3::sim

int main(int argc, char** argv) {
    using namespace kovu3::sim;
    std::vector<std::string> words(argv + 1, argv + argc);
    if (!words.empty() && (words[0] == "--help" || words[0] == "-h")) {
        std::cout << kUsage;
        return kExitOk;
    }
    try {
        if (words.empty()) throw UsageProblem{"a command is missing"};
        const std::vector<std::string> rest(words.begin() + 1, words.end());
        if (words[0] == "file") return RunFile(rest);
        if (words[0] == "folder") return RunFolder(rest);
        if (words[0] == "rating") return RunRating(rest);
        throw UsageProblem{"unknown command '" + words[0] + "'"};
    } catch (const UsageProblem& problem) {
        std::cerr << "loggersim: " << problem.text << "\n" << kUsage;
        return kExitUsage;
    }
}
