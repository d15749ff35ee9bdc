#include "loggersim/data_folder.h"

#include <algorithm>
#include <cstdio>
#include <set>

#include "loggersim/additional_info_writer.h"
#include "loggersim/rating_curve_writer.h"
#include "loggersim/raw_file_layout.h"
#include "loggersim/raw_file_writer.h"
#include "loggersim/sim_random.h"
#include "shell/file_io.h"

namespace kovu3::sim {
namespace {

enum Salt : std::uint64_t {
    kPrefix = 200,
    kNumber,
    kRegion,
    kBase,
    kAmplitude,
    kStorms,
    kPeak,
    kZeroFlow,
    kCoefficient,
    kExponent,
    kStartDays,
    kStartTime,
    kEndDays,
    kFaulty,
    kFaultyMode,
    kFaultyDay,
    kStationSeed,
};

constexpr int kHighestRatingLevelCm = 4000;

std::string StationIdOf(const DataFolderScenario& scenario, int index, int attempt) {
    const auto i = static_cast<std::uint64_t>(index);
    const auto a = static_cast<std::uint64_t>(attempt);
    char id[16];
    std::snprintf(id, sizeof id, "%03d%05d", static_cast<int>(Between(101, 255, scenario.seed, kPrefix, i, a)),
                  static_cast<int>(Between(10000, 65535, scenario.seed, kNumber, i, a)));
    return id;
}

// A few days of one file get day records that disagree or carry impossible times.
void PlantFaults(LoggerFileRecipe& recipe, const RawFilePlan& plan, const DataFolderScenario& scenario,
                 std::uint64_t fileIndex) {
    if (plan.dayRecordCount == 0 || Unit(scenario.seed, kFaulty, fileIndex) >= scenario.faultyDayRecordShare)
        return;
    recipe.dayRecords = Between(0, 1, scenario.seed, kFaultyMode, fileIndex) == 0 ? DayRecordMode::Disagree
                                                                                : DayRecordMode::ImpossibleTime;
    for (std::uint64_t k = 0; k < 3; ++k)
        recipe.faultyDays.push_back(
            static_cast<int>(Between(0, plan.dayRecordCount - 1, scenario.seed, kFaultyDay, fileIndex, k)));
}

std::string WriteStationFiles(const std::filesystem::path& folder, const DataFolderScenario& scenario,
                              const FolderStation& station, DataFolderResult& result) {
    const Hydrograph hydrograph(station.hydrograph);
    const auto stationSeed = station.hydrograph.seed;
    const long long start = ToMinutes(Moment{{1, 10, scenario.firstWaterYear - 1}, 0}) -
                            Between(3, 25, stationSeed, kStartDays) * kMinutesPerDay +
                            Between(9 * 60, 15 * 60, stationSeed, kStartTime);
    const long long until = ToMinutes(Moment{{30, 9, scenario.lastWaterYear}, 12 * 60}) +
                            Between(5, 30, stationSeed, kEndDays) * kMinutesPerDay;
    ReadoutPlanInput input;
    input.logger = station.logger;
    input.seed = stationSeed;
    input.firstSetup = ClockMoment(start);
    input.readouts = ReadoutDates(input.firstSetup, ClockMoment(until), scenario.readoutsPerYear, stationSeed);
    input.links = scenario.links;
    input.ringAtEnd = scenario.ringAtEnd;
    for (PlannedFile& planned : PlanReadouts(input)) {
        FolderFile file{RawFileName(planned.recipe), planned.recipe, planned.link, {}};
        PlantFaults(file.recipe, DescribeRawFile(file.recipe), scenario, result.files.size());
        if (std::string problem = CheckRecipe(file.recipe); !problem.empty()) return file.name + ": " + problem;
        file.plan = DescribeRawFile(file.recipe);
        const std::filesystem::path path = folder / file.name;
        if (std::string error = WriteFileReplacing(path, MakeRawFile(file.recipe, hydrograph)); !error.empty())
            return error;
        AdditionalInfo info;
        if (!station.ratingCurve.empty()) info.ratingCurvePath = station.ratingCurve.string();
        info.extremesPolicy = scenario.extremesPolicy;
        if (scenario.additionalInfo) {
            if (std::string error = WriteAdditionalInfo(path, info); !error.empty()) return error;
        }
        result.files.push_back(std::move(file));
    }
    return "";
}

}  // namespace

FolderStation DrawStation(const DataFolderScenario& scenario, int index) {
    const auto i = static_cast<std::uint64_t>(index);
    const std::uint64_t seed = scenario.seed;
    FolderStation station;
    StationLogger& logger = station.logger;
    logger.stationId = StationIdOf(scenario, index, 0);
    logger.regionCode = ThreeDigits(static_cast<int>(Between(1, 25, seed, kRegion, i)));
    logger.unitCode = index % 3 == 0 ? "001" : index % 3 == 1 ? "002" : "003";
    logger.extension = index % 2 == 1;
    logger.loggerType = index % 3 == 0 ? kOpticalEncoder : index % 3 == 1 ? kPressureSensor : kAquifer;
    logger.samplesPerRecord = scenario.samplesPerRecord;
    logger.minutesBetweenSamples = scenario.minutesBetweenSamples;

    HydrographParams& river = station.hydrograph;
    river.seed = Hash(seed, kStationSeed, i);
    river.baseLevelCm = static_cast<double>(Between(80, 300, seed, kBase, i));
    river.seasonalAmplitudeCm = river.baseLevelCm * (0.25 + 0.25 * Unit(seed, kAmplitude, i));
    river.stormsPerYear = static_cast<double>(Between(6, 14, seed, kStorms, i));
    river.stormPeakCm = static_cast<double>(Between(40, 200, seed, kPeak, i));
    return station;
}

DataFolderResult MakeDataFolder(const std::filesystem::path& folder, const DataFolderScenario& scenario) {
    DataFolderResult result;
    if (scenario.stations < 1 || scenario.firstWaterYear > scenario.lastWaterYear ||
        scenario.firstWaterYear < 2001 || scenario.lastWaterYear > 2098 || scenario.readoutsPerYear < 1) {
        result.error = "a scenario needs at least one station and read-out a year, and water years "
                       "from 2001 to 2098 in order";
        return result;
    }
    std::error_code error;
    const std::filesystem::path ratingFolder = scenario.ratingFolder.empty() ? folder : scenario.ratingFolder;
    std::filesystem::create_directories(folder, error);
    if (!error && scenario.ratingCurves) std::filesystem::create_directories(ratingFolder, error);
    if (error) {
        result.error = "cannot create " + folder.string() + ": " + error.message();
        return result;
    }
    std::set<std::string> ids;
    for (int index = 0; index < scenario.stations; ++index) {
        FolderStation station = DrawStation(scenario, index);
        for (int attempt = 1; ids.count(station.logger.stationId) != 0; ++attempt)
            station.logger.stationId = StationIdOf(scenario, index, attempt);
        ids.insert(station.logger.stationId);
        if (scenario.ratingCurves) {
            RatingCurveRecipe curve;
            curve.stationId = station.logger.stationId;
            curve.zeroFlowLevelCm = std::max(0.0, station.hydrograph.baseLevelCm -
                                                      station.hydrograph.seasonalAmplitudeCm -
                                                      static_cast<double>(Between(10, 40, scenario.seed, kZeroFlow,
                                                                                  static_cast<std::uint64_t>(index))));
            curve.coefficient = 3 + 20 * Unit(scenario.seed, kCoefficient, static_cast<std::uint64_t>(index));
            curve.exponent = 1.5 + Unit(scenario.seed, kExponent, static_cast<std::uint64_t>(index));
            curve.highestLevelCm = kHighestRatingLevelCm;
            station.ratingCurve = ratingFolder / RatingCurveFileName(curve.stationId);
            if (std::string failure = WriteFileReplacing(station.ratingCurve, MakeRatingCurve(curve));
                !failure.empty()) {
                result.error = failure;
                return result;
            }
        }
        result.stations.push_back(station);
        if (std::string failure = WriteStationFiles(folder, scenario, station, result); !failure.empty()) {
            result.error = failure;
            return result;
        }
    }
    return result;
}

}  // namespace kovu3::sim
