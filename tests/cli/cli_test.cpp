// kovu3-cli run as a program, as a script or an operator would run it.

#include <gtest/gtest.h>


#include "support/test_folder.h"

namespace kovu3 {
namespace {

// Runs kovu3-cli in the C locale with a fresh system root and program folder.
test::ProgramRun RunCli(const test::TestFolder& folder, const std::string& arguments) {
    return test::RunProgram("KOVU3_SYSTEM_ROOT=" + test::ShellQuote((folder / "sys").string()) +
                            " KOVU3_PROGRAM_FOLDER=" + test::ShellQuote((folder / "prog").string()) +
                            " LC_ALL=C " + test::ShellQuote((test::BinaryFolder() / "kovu3-cli").string()) +
                            " " + arguments);
}

TEST(Cli, DateOperations) {
    test::TestFolder folder;
    const std::pair<std::string, std::string> cases[] = {
        {"date to-persian 23/09/2002", "01/07/1381\n"},
        {"date to-persian 20/03/2025", "30/12/1403\n"},
        {"date add 29/12/1383 1", "30/12/1383\n"},
        {"date add 28/02/2004 2", "01/03/2004\n"},
        {"date between 01/07/1383 01/07/1384", "366\n"},
        {"date between 01/10/2003 01/10/2004", "366\n"},
        {"date water-year 01/10/2003", "2004 1\n"},
        {"date --calendar persian water-year 31/06/1384", "1384 366\n"},
        {"date --calendar gregorian water-year 30/09/2003", "2003 365\n"},
    };
    for (const auto& [arguments, expected] : cases) {
        test::ProgramRun run = RunCli(folder, arguments);
        EXPECT_EQ(run.status, 0) << arguments;
        EXPECT_EQ(run.output, expected) << arguments;
    }
}

TEST(Cli, WrongWordsGiveUsageAndStatusTwo) {
    test::TestFolder folder;
    for (const char* arguments : {"", "nonsense", "date", "date add 01/01/2000", "date add 01/01/2000 x",
                                  "date --calendar julian add 01/01/2000 1", "date between x 01/01/2000",
                                  "settings extra"}) {
        test::ProgramRun run = RunCli(folder, arguments);
        EXPECT_EQ(run.status, 2) << arguments;
        EXPECT_NE(run.output.find("usage"), std::string::npos) << arguments;
    }
    EXPECT_EQ(RunCli(folder, "--version").status, 0);
}

TEST(Cli, SettingsCreatesLimdatUnderTheSystemRoot) {
    test::TestFolder folder;
    std::filesystem::create_directories(folder / "prog");
    folder.Write("prog/ilk.sil", "");
    test::ProgramRun run = RunCli(folder, "settings");
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_TRUE(std::filesystem::is_directory(folder / "sys/Limdat"));
    EXPECT_NE(run.output.find("DataDirectory: " + (folder / "sys/Limdat/").string() + "\n"), std::string::npos)
        << run.output;
    EXPECT_NE(run.output.find("Language: TURKCE\n"), std::string::npos);
    EXPECT_NE(run.output.find("WaterYearStartPrefix: 01/10/\n"), std::string::npos);
}

}  // namespace
}  // namespace kovu3
