// kovu3-cli stations, run as an operator would run it.

#include <gtest/gtest.h>

#include "shell/station_store.h"
#include "support/test_folder.h"

namespace kovu3 {
namespace {

namespace fs = std::filesystem;

test::ProgramRun Stations(const test::TestFolder& folder, const std::string& arguments,
                          const std::string& path = "/usr/bin:/bin") {
    return test::RunProgram(
        "PATH=" + test::ShellQuote(path) +
        " KOVU3_SYSTEM_ROOT=" + test::ShellQuote((folder / "sys").string()) +
        " KOVU3_PROGRAM_FOLDER=" + test::ShellQuote((folder / "prog").string()) + " LC_ALL=C " +
        test::ShellQuote((test::BinaryFolder() / "kovu3-cli").string()) + " stations " + arguments);
}

TEST(StationsCli, SetListDeleteInTheStoreUnderTheSystemRoot) {
    test::TestFolder folder;
    fs::create_directories(folder / "prog");
    EXPECT_EQ(Stations(folder, "list").output, "");
    EXPECT_EQ(Stations(folder, "set 123-45678 'Söğütlü Köprüsü'").status, 0);
    EXPECT_EQ(Stations(folder, "set 200-00001 ''").status, 0);
    EXPECT_EQ(Stations(folder, "set 123-45678 'Yeni ad'").status, 0);
    test::ProgramRun list = Stations(folder, "list");
    EXPECT_EQ(list.status, 0);
    EXPECT_EQ(list.output, "123-45678\tYeni ad\n200-00001\t\n");
    fs::path database = folder / "sys/Limdat/Istasyon.db";
    EXPECT_EQ(StationName(database, "123-45678"), "Yeni ad");

    EXPECT_EQ(Stations(folder, "delete 200-00001").output, "deleted 1 record of 200-00001\n");
    test::ProgramRun missing = Stations(folder, "delete 200-00001");
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.output.find("no station 200-00001"), std::string::npos);
    EXPECT_EQ(Stations(folder, "list").output, "123-45678\tYeni ad\n");
}

TEST(StationsCli, WrongWordsAndBrokenDatabase) {
    test::TestFolder folder;
    fs::create_directories(folder / "prog");
    for (const char* arguments :
         {"", "rename 1 2", "set 1", "delete", "list extra", "set '' name"}) {
        test::ProgramRun run = Stations(folder, arguments);
        EXPECT_EQ(run.status, 2) << arguments;
        EXPECT_NE(run.output.find("usage"), std::string::npos) << arguments;
    }
    folder.Write("sys/Limdat/Istasyon.db",
                 "this is no database, just text.............................");
    test::ProgramRun run = Stations(folder, "list");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.output.find("Istasyon.db"), std::string::npos) << run.output;
    EXPECT_EQ(folder.Read("sys/Limdat/Istasyon.db"),
              "this is no database, just text.............................");
}

TEST(StationsCli, ImportThroughMdbExportOrAClearMessage) {
    test::TestFolder folder;
    fs::create_directories(folder / "prog");
    folder.Write("eski veri/Istasyon.mdb", "old");
    const std::string mdb = test::ShellQuote((folder / "eski veri/Istasyon.mdb").string());

    test::ProgramRun missing = Stations(folder, "import " + mdb, (folder / "nothing").string());
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.output.find("mdbtools"), std::string::npos) << missing.output;

    fs::path tool = folder.Write("bin/mdb-export",
                                 "#!/bin/sh\n"
                                 "printf 'No,Ad,HavzaAdi\\n\"123-45678\",\"Söğütlü\",\"Sakarya\"\\n"
                                 "\"300-00002\",\"Çay\",\\n'\n");
    fs::permissions(tool, fs::perms::owner_all);
    Stations(folder, "set 300-00002 'Bizim'");
    test::ProgramRun run =
        Stations(folder, "import " + mdb, (folder / "bin").string() + ":/usr/bin:/bin");
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_NE(run.output.find("imported 1 of 2"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("kept the name already stored for 300-00002"), std::string::npos);
    EXPECT_EQ(Stations(folder, "list").output, "300-00002\tBizim\n123-45678\tSöğütlü\n");
}

}  // namespace
}  // namespace kovu3
