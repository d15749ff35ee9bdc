// loggersim run as a program, as the demo and the benchmarks run it.

#include <gtest/gtest.h>

#include "loggersim/additional_info_writer.h"
#include "loggersim/rating_curve_writer.h"
#include "loggersim/raw_file_writer.h"
#include "support/test_folder.h"

namespace kovu3::sim {
namespace {

namespace fs = std::filesystem;

test::ProgramRun RunSim(const std::string& arguments) {
    return test::RunProgram(test::ShellQuote((test::BinaryFolder() / "loggersim").string()) + " " + arguments);
}

TEST(LoggerSimCli, FileWritesWhatTheLibraryWrites) {
    test::TestFolder folder;
    const std::string out = test::ShellQuote((folder / "çıktı").string());
    test::ProgramRun run = RunSim(
        "file " + out +
        " --station 10400321 --order 7 --params 164 --unit 003 --kind blok --blocks 4 --type 20"
        " --interval 10 --samples 2 --from '27/09/2004 23:30' --setup '20/09/2004 08:00'"
        " --until '04/10/2004 09:41' --leftover 30 --pointer-flags --day-records disagree --faulty-days 1,2"
        " --seed 9 --storms 30 --region 017 --tarih0 '20/09/2004 08:00' --extrem 2");
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(run.output, "10400321007.04M\n");

    LoggerFileRecipe recipe;
    recipe.stationId = "10400321";
    recipe.order = 7;
    recipe.parameterCount = 164;
    recipe.unitCode = "003";
    recipe.kind = FileKind::Blok;
    recipe.blockCount = 4;
    recipe.loggerType = kPressureSensor;
    recipe.samplesPerRecord = 2;
    recipe.minutesBetweenSamples = 5;
    recipe.firstRecord = Moment{{27, 9, 2004}, 23 * 60 + 30};
    recipe.setup = Moment{{20, 9, 2004}, 8 * 60};
    recipe.readingsUntil = Moment{{4, 10, 2004}, 9 * 60 + 41};
    recipe.leftoverBytes = 30;
    recipe.pointerFlagBits = true;
    recipe.dayRecords = DayRecordMode::Disagree;
    recipe.faultyDays = {1, 2};
    recipe.regionCode = "017";
    HydrographParams river;
    river.seed = 9;
    river.stormsPerYear = 30;
    EXPECT_EQ(folder.Read("çıktı/10400321007.04M"), MakeRawFile(recipe, Hydrograph(river)));
    EXPECT_EQ(folder.Read("çıktı/10400321_07.04M.xxx"), "[Ek_Bilgiler]\r\nExtremDuzelt=2\r\nTarih0=20/09/2004 08:00\r\n");
}

TEST(LoggerSimCli, FolderAndRating) {
    test::TestFolder folder;
    test::ProgramRun run = RunSim("folder " + test::ShellQuote((folder / "veri klasörü").string()) +
                                  " --stations 2 --years 2005-2005 --interval 30 --readouts-per-year 3"
                                  " --links overlap,gap,reset --seed 4 --ring-last");
    ASSERT_EQ(run.status, 0) << run.output;
    size_t lines = 0;
    for (size_t at = 0; (at = run.output.find('\n', at)) != std::string::npos; ++at) ++lines;
    EXPECT_GE(lines, 8u);
    EXPECT_NE(run.output.find(" overlap blok "), std::string::npos) << run.output;
    EXPECT_NE(run.output.find(" ring "), std::string::npos) << run.output;
    const std::string first = run.output.substr(0, 15);
    EXPECT_TRUE(fs::exists(folder / "veri klasörü" / first)) << first;
    EXPECT_TRUE(fs::exists(folder / "veri klasörü" / AdditionalInfoFileName(first)));
    EXPECT_TRUE(fs::exists(folder / "veri klasörü" / ("E" + first.substr(0, 8) + ".dat")));

    run = RunSim("rating " + test::ShellQuote((folder / "E10400321.dat").string()) +
                 " --station 10400321 --zero 50 --coefficient 10 --exponent 2 --max-level 200");
    ASSERT_EQ(run.status, 0) << run.output;
    RatingCurveRecipe recipe;
    recipe.stationId = "10400321";
    recipe.zeroFlowLevelCm = 50;
    recipe.coefficient = 10;
    recipe.exponent = 2;
    recipe.highestLevelCm = 200;
    EXPECT_EQ(folder.Read("E10400321.dat"), MakeRatingCurve(recipe));
}

TEST(LoggerSimCli, WrongWordsGiveUsageAndStatusTwo) {
    test::TestFolder folder;
    const std::string out = test::ShellQuote(folder.path().string());
    for (const std::string& arguments :
         {std::string(""), std::string("nonsense"), std::string("file"), "file " + out + " --interval 7",
          "file " + out + " --kind round", "file " + out + " --from 31/02/2004", "file " + out + " --params x",
          "file " + out + " --unknown", "file " + out + " other", "file " + out + " --station",
          "file " + out + " --station 30012345", "file " + out + " --days 3 --until 01/01/2005",
          "file " + out + " --faulty-days 1,x", "folder " + out + " --years 2005-2003",
          "folder " + out + " --links sideways", "folder " + out + " --interval 7", std::string("rating")}) {
        test::ProgramRun run = RunSim(arguments);
        EXPECT_EQ(run.status, 2) << arguments << "\n" << run.output;
        EXPECT_NE(run.output.find("usage:"), std::string::npos) << arguments;
    }
    EXPECT_TRUE(fs::is_empty(folder.path()));
    EXPECT_EQ(RunSim("--help").status, 0);
}

TEST(LoggerSimCli, AnUnwritableFolderFailsWithStatusOne) {
    test::TestFolder folder;
    folder.Write("a file", "x");
    const std::string blocked = test::ShellQuote((folder / "a file" / "veri").string());
    EXPECT_EQ(RunSim("file " + blocked).status, 1);
    EXPECT_EQ(RunSim("folder " + blocked + " --stations 1 --years 2005-2005").status, 1);
}

}  // namespace
}  // namespace kovu3::sim
