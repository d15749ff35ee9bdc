// Read-out planning, data folders, additional-information files and rating curves.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "loggersim/additional_info_writer.h"
#include "loggersim/data_folder.h"
#include "loggersim/rating_curve_writer.h"
#include "loggersim/raw_file_writer.h"
#include "loggersim_test_fields.h"
#include "shell/profile_file.h"
#include "support/test_folder.h"

namespace kovu3::sim {
namespace {

namespace fs = std::filesystem;

Moment At(int day, int month, int year, int hour, int minute) { return {{day, month, year}, hour * 60 + minute}; }

long long First(const PlannedFile& file) { return ToMinutes(DescribeRawFile(file.recipe).firstRecord); }
long long Last(const PlannedFile& file) { return ToMinutes(DescribeRawFile(file.recipe).lastRecord); }

ReadoutPlanInput Station(std::vector<ReadoutLink> links) {
    ReadoutPlanInput input;
    input.seed = 5;
    input.firstSetup = At(20, 9, 2003, 11, 3);
    input.readouts = ReadoutDates(input.firstSetup, At(1, 10, 2005, 0, 0), 6, 5);
    input.links = std::move(links);
    return input;
}

TEST(LoggerSimPlan, EachLinkRelatesConsecutiveFilesAsItSays) {
    const int interval = 15;
    for (ReadoutLink link : {ReadoutLink::Reset, ReadoutLink::Continue, ReadoutLink::Overlap,
                             ReadoutLink::Repeat, ReadoutLink::Gap}) {
        const std::vector<PlannedFile> files = PlanReadouts(Station({link}));
        ASSERT_GE(files.size(), 12u);
        for (size_t j = 1; j < files.size(); ++j) {
            const PlannedFile& previous = files[j - 1];
            const PlannedFile& file = files[j];
            SCOPED_TRACE(std::to_string(static_cast<int>(link)) + " file " + std::to_string(j));
            ASSERT_EQ(file.link, link);
            const long long step = First(file) - Last(previous);
            switch (link) {
                case ReadoutLink::Reset:
                    EXPECT_GT(step, interval);
                    EXPECT_LT(step, 2 * 60);
                    break;
                case ReadoutLink::Continue:
                    EXPECT_EQ(step, interval);
                    break;
                case ReadoutLink::Overlap:
                    EXPECT_EQ(file.recipe.kind, FileKind::Blok);
                    EXPECT_GE(file.recipe.blockCount, 1);
                    EXPECT_LE(step, -6 * 60);
                    EXPECT_GE(step, -72 * 60);
                    EXPECT_EQ(ToMinutes(file.recipe.setup), ToMinutes(files[0].recipe.setup));
                    break;
                case ReadoutLink::Repeat:
                    EXPECT_EQ(First(file), First(files[0]));
                    break;
                case ReadoutLink::Gap:
                    EXPECT_EQ(previous.recipe.parameterCount, 161);
                    EXPECT_GE(step, 2 * kMinutesPerDay);
                    EXPECT_GE(ToMinutes(*previous.recipe.readout) - Last(previous), 2 * kMinutesPerDay);
                    break;
            }
        }
    }
}

TEST(LoggerSimPlan, NamesSortInTimeOrderAndReadoutsAreSpread) {
    ReadoutPlanInput input = Station({});  // links drawn from the seed
    input.ringAtEnd = true;
    const std::vector<PlannedFile> files = PlanReadouts(input);
    std::set<ReadoutLink> links;
    std::vector<std::string> names;
    for (const PlannedFile& file : files) {
        links.insert(file.link);
        names.push_back(RawFileName(file.recipe));
    }
    EXPECT_GE(links.size(), 3u);
    EXPECT_EQ(files.back().recipe.kind, FileKind::Ring);
    EXPECT_EQ(names.back().back(), 'R');
    // Within the M files, the year and then the order sort the files by their read-out.
    std::vector<std::string> sorted(names.begin(), names.end() - 1);
    std::sort(sorted.begin(), sorted.end(), [](const std::string& a, const std::string& b) {
        return a.substr(12, 2) + a.substr(8, 3) < b.substr(12, 2) + b.substr(8, 3);
    });
    EXPECT_EQ(sorted, std::vector<std::string>(names.begin(), names.end() - 1));
    EXPECT_EQ(names[0].substr(8, 3), "001");
    // Six read-outs a year, at least a day apart, during working hours.
    const std::vector<Moment>& readouts = input.readouts;
    EXPECT_GE(readouts.size(), 12u);
    EXPECT_LE(readouts.size(), 14u);
    for (size_t j = 1; j < readouts.size(); ++j) {
        EXPECT_GT(ToMinutes(readouts[j]) - ToMinutes(readouts[j - 1]), 30 * kMinutesPerDay);
        EXPECT_GE(readouts[j].minute, 8 * 60);
        EXPECT_LT(readouts[j].minute, 17 * 60);
    }
}

TEST(LoggerSimFolder, ARealisticFolderCoversTheWaterYears) {
    test::TestFolder folder;
    DataFolderScenario scenario;
    scenario.stations = 3;
    scenario.firstWaterYear = 2004;
    scenario.lastWaterYear = 2005;
    scenario.readoutsPerYear = 4;
    scenario.faultyDayRecordShare = 0.5;
    scenario.extremesPolicy = 1;
    scenario.ratingFolder = folder / "Anahtar eğrileri";
    const DataFolderResult result = MakeDataFolder(folder / "veri", scenario);
    ASSERT_EQ(result.error, "");
    ASSERT_EQ(result.stations.size(), 3u);
    std::set<std::string> units;
    std::set<int> counts;
    std::map<std::string, std::vector<const FolderFile*>> byStation;
    bool faulty = false;
    for (const FolderFile& file : result.files) {
        byStation[file.recipe.stationId].push_back(&file);
        units.insert(file.recipe.unitCode);
        counts.insert(file.recipe.parameterCount);
        faulty = faulty || file.recipe.dayRecords != DayRecordMode::Agree;
        const fs::path raw = folder / "veri" / file.name;
        ASSERT_TRUE(fs::exists(raw)) << file.name;
        EXPECT_EQ(fs::file_size(raw), file.plan.fileLength);
        ProfileFile info = ProfileFile::Load(folder / "veri" / AdditionalInfoFileName(file.name));
        auto curve = info.Get("Ek_Bilgiler", "AnahtarDirectory");
        ASSERT_TRUE(curve.has_value()) << file.name;
        EXPECT_TRUE(fs::exists(fs::u8path(*curve))) << *curve;
        EXPECT_EQ(info.Get("Ek_Bilgiler", "ExtremDuzelt"), "1");
    }
    EXPECT_EQ(units, (std::set<std::string>{"001", "002", "003"}));
    EXPECT_TRUE(faulty);
    ASSERT_EQ(byStation.size(), 3u);
    for (const auto& [station, files] : byStation) {
        EXPECT_GE(files.size(), 8u) << station;
        EXPECT_LT(ToMinutes(files.front()->plan.firstRecord), ToMinutes(At(1, 10, 2003, 0, 0)));
        EXPECT_GT(ToMinutes(files.back()->plan.lastRecord), ToMinutes(At(1, 10, 2005, 0, 0)));
        // No gap between files is longer than a stopped logger's 20 days and a day of visit.
        long long covered = ToMinutes(files.front()->plan.lastRecord);
        for (const FolderFile* file : files) {
            EXPECT_LT(ToMinutes(file->plan.firstRecord) - covered, 22 * kMinutesPerDay) << file->name;
            covered = std::max(covered, ToMinutes(file->plan.lastRecord));
        }
    }
    // The same scenario makes the same bytes.
    const DataFolderResult again = MakeDataFolder(folder / "again", scenario);
    ASSERT_EQ(again.files.size(), result.files.size());
    for (const FolderFile& file : result.files)
        EXPECT_EQ(folder.Read("again/" + file.name), folder.Read("veri/" + file.name)) << file.name;
}

TEST(LoggerSimFolder, AFolderThatCannotBeMadeIsReported) {
    test::TestFolder folder;
    folder.Write("a file", "x");
    EXPECT_NE(MakeDataFolder(folder / "a file" / "veri", DataFolderScenario()).error, "");
    DataFolderScenario backwards;
    backwards.firstWaterYear = 2006;
    backwards.lastWaterYear = 2005;
    EXPECT_NE(MakeDataFolder(folder / "veri", backwards).error, "");
}

TEST(LoggerSimAdditionalInfo, KeysInTheSectionBesideTheRawFile) {
    test::TestFolder folder;
    EXPECT_EQ(AdditionalInfoFileName("12345678001.03M"), "12345678_01.03M.xxx");
    const fs::path raw = folder.Write("12345678001.03M", "");
    AdditionalInfo info;
    info.ratingCurvePath = "/eğri/E12345678.dat";
    info.extremesPolicy = 0;
    info.setupCorrection = "05/10/2005";
    info.firstRecordCorrection = "06/10/2005 14:30";
    info.dayCount = 12;
    ASSERT_EQ(WriteAdditionalInfo(raw, info), "");
    EXPECT_EQ(folder.Read("12345678_01.03M.xxx"),
              "[Ek_Bilgiler]\r\nAnahtarDirectory=/e\xF0ri/E12345678.dat\r\nExtremDuzelt=0\r\n"
              "Tarih0=05/10/2005\r\nTarih1=06/10/2005 14:30\r\nNgun=12\r\n");
    // A second write changes its keys and keeps the others.
    AdditionalInfo change;
    change.dayCount = 3;
    ASSERT_EQ(WriteAdditionalInfo(raw, change), "");
    EXPECT_EQ(folder.Read("12345678_01.03M.xxx"),
              "[Ek_Bilgiler]\r\nAnahtarDirectory=/e\xF0ri/E12345678.dat\r\nExtremDuzelt=0\r\n"
              "Tarih0=05/10/2005\r\nTarih1=06/10/2005 14:30\r\nNgun=3\r\n");
    EXPECT_NE(WriteAdditionalInfo(folder / "missing" / "12345678001.03M", change), "");

    ASSERT_EQ(WriteShiftList(folder.path(), {{"12345678001.03M", -1}, {"12345678002.03M", 2}}), "");
    EXPECT_EQ(folder.Read("OzelDosyalar.txt"), "\"12345678001.03M\",-1\r\n\"12345678002.03M\",2\r\n");
}

TEST(LoggerSimRatingCurve, EntriesByCentimetre) {
    RatingCurveRecipe recipe;
    recipe.zeroFlowLevelCm = 50;
    recipe.coefficient = 10;
    recipe.exponent = 2;
    recipe.highestLevelCm = 3500;
    const std::string file = MakeRatingCurve(recipe);
    EXPECT_EQ(file.size(), 561u + 5 * 3501);
    EXPECT_EQ(RatingCurveFileName("12345678"), "E12345678.dat");
    // Level h at 1-based bytes 562 + 5h to 565 + 5h; the fifth byte of an entry is a blank.
    auto entry = [&](int level) { return file.substr(561 + 5 * static_cast<size_t>(level), 4); };
    const std::pair<int, const char*> rows[] = {
        {0, "    "},   {49, "    "},  {50, "0.00"},  {60, "0.10"},  {149, "9.80"},
        {150, "10.0"}, {366, "99.9"}, {367, " 100"}, {1050, "1000"}, {3500, "9999"},
    };
    for (const auto& [level, text] : rows) EXPECT_EQ(entry(level), text) << level;
    // The format follows the rounded value: 9.996 is "10.0", 99.96 is " 100".
    RatingCurveRecipe linear;
    linear.zeroFlowLevelCm = 0;
    linear.exponent = 1;
    linear.coefficient = 9.996;
    EXPECT_EQ(DischargeText(linear, 100), "10.0");
    linear.coefficient = 99.96;
    EXPECT_EQ(DischargeText(linear, 100), " 100");
    for (int level = 0; level <= 3500; ++level) ASSERT_EQ(file[561 + 5 * static_cast<size_t>(level) + 4], ' ');
    EXPECT_EQ(file.substr(559, 2), "\r\n");
}

}  // namespace
}  // namespace kovu3::sim
