// kovu3-cli level-table, discharge-table and flumo, run as an operator would run them.

#include <gtest/gtest.h>

#include "loggersim/rating_curve_writer.h"
#include "simulated_station_year.h"

namespace kovu3 {
namespace {

namespace fs = std::filesystem;

class ReportCliTest : public ::testing::Test {
protected:
    void SetUp() override {
        year_.AddReadOut({1, 10, 2003}, {3, 10, 2003});
        processed_ = year_.Convert(2004);
        ASSERT_FALSE(processed_.empty());
        // An installed program folder: some templates, no configuration file yet.
        for (const char* name : {"Sablon1.xlsx", "Sablon2.xlsx", "Sablon2_E.xlsx"})
            fs::copy_file(test::BinaryFolder() / name, program_ / name);
        year_.folder().Write("eğri/E12345678.dat", sim::MakeRatingCurve({}));
    }

    test::ProgramRun Cli(const std::string& arguments) {
        return test::RunProgram("KOVU3_SYSTEM_ROOT=" + test::ShellQuote((system_.path()).string()) +
                                " KOVU3_PROGRAM_FOLDER=" + test::ShellQuote(program_.path().string()) +
                                " LC_ALL=C " + test::ShellQuote((test::BinaryFolder() / "kovu3-cli").string()) +
                                " " + arguments + " 2>&1");
    }
    std::string Processed() const { return test::ShellQuote(processed_.string()); }

    test::SimulatedStationYear year_;
    test::TestFolder program_;
    test::TestFolder system_;
    fs::path processed_;
};

TEST_F(ReportCliTest, EachCommandPrintsThePathOfWhatItWrote) {
    test::ProgramRun level = Cli("level-table " + Processed() + " --from 02/10/2003 --to 02/10/2003");
    EXPECT_EQ(level.status, 0) << level.output;
    EXPECT_EQ(level.output, (year_.folder() / "S2004123-45678.xlsx").string() + "\n");
    auto book = test::OpenProduct(year_.folder() / "S2004123-45678.xlsx");
    ASSERT_TRUE(book && book->Sheet("Tamami"));
    EXPECT_EQ(test::CellText(*book->Sheet("Tamami"), 3, 1), "02/10/2003");

    test::ProgramRun discharge =
        Cli("discharge-table " + Processed() + " --no-readings --language ENGLISH --rating " +
            test::ShellQuote((year_.folder() / "eğri/E12345678.dat").string()));
    EXPECT_EQ(discharge.status, 0) << discharge.output;
    EXPECT_EQ(discharge.output, (year_.folder() / "Q2004123-45678.xlsx").string() + "\n");
    book = test::OpenProduct(year_.folder() / "Q2004123-45678.xlsx");
    ASSERT_TRUE(book && book->Sheet("Daily"));
    EXPECT_EQ(book->Sheet("All")->Get(3, 1).kind, CellKind::Empty);

    test::ProgramRun flumo = Cli("flumo " + Processed());
    EXPECT_EQ(flumo.status, 0) << flumo.output;
    EXPECT_EQ(flumo.output, (year_.folder() / "H04123-45678.DAT").string() + "\n");
    EXPECT_EQ(year_.folder().Read("H04123-45678.DAT").substr(0, 21), "123-45678\r\n\r\n 2004 \r\n");
}

TEST_F(ReportCliTest, WrongWordsAndFailures) {
    struct Case {
        std::string arguments;
        int status;
        const char* says;
    };
    const std::string missing = test::ShellQuote((year_.folder() / "S2010123-45678.txt").string());
    for (const Case& c : {Case{"level-table", 2, "PROCESSED is missing"},
                          Case{"level-table " + Processed() + " --from", 2, "--from needs a date"},
                          Case{"discharge-table " + Processed(), 2, "--rating FILE is missing"},
                          Case{"flumo " + Processed() + " --language KLINGON", 2, "unknown language"},
                          Case{"flumo " + missing, 1, "S2010123-45678.txt"},
                          Case{"level-table " + Processed() + " --from 5/10/2003 --to 4/10/2003", 1, "lies after"},
                          Case{"discharge-table " + Processed() + " --rating /nowhere/E1.dat", 1, "/nowhere/E1.dat"},
                          Case{"level-table " + Processed() + " --language ENGLISH", 1, "Sablon1_E.xlsx"},
                          Case{"level-table " + Processed() + " --language FARSCA", 1, "wrong calendar"}}) {
        test::ProgramRun run = Cli(c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments << "\n" << run.output;
        EXPECT_NE(run.output.find(c.says), std::string::npos) << c.arguments << "\n" << run.output;
    }
    EXPECT_FALSE(fs::exists(year_.folder() / "S2004123-45678.xlsx"));
    EXPECT_FALSE(fs::exists(year_.folder() / "Q2004123-45678.xlsx"));
}

}  // namespace
}  // namespace kovu3
