#include "rawfile/clear_listed_stations.h"

#include <gtest/gtest.h>

#include "rawfile/raw_image_builder.h"
#include "support/test_folder.h"

namespace kovu3 {
namespace {

namespace fs = std::filesystem;
using test::RawImageBuilder;

struct Machine {
    test::TestFolder folder;
    ProgramSettings settings;

    Machine() : settings(test::SettingsFor(folder / "data")) {
        settings.layout.root = folder / "root";
        fs::create_directories(settings.layout.root);
    }
    void Data(const std::string& name, const std::string& bytes = "processed") const {
        folder.Write("data/" + name, bytes);
    }
    bool Has(const std::string& name) const { return fs::exists(folder / "data" / name); }
};

TEST(ClearListedStations, DeletesOnlyTheProcessedYearsOfListedFiles) {
    Machine m;
    // 01/10/2005 to 03/10/2005: water year 2006.
    m.Data("12345678001.05M", RawImageBuilder(163).Walk(620, 10, 236).Bytes());
    // 29/09/2005 to 02/10/2005: water years 2005 and 2006 of another station.
    m.Data(
        "11122222001.05M",
        RawImageBuilder(163).Station(111, 22222).Setup(5, 9, 29, 10, 7).Walk(620, 10, 380).Bytes());
    // A file whose block names another station than its name: the conversion refuses it.
    m.Data("33344444001.05M", RawImageBuilder(163).Walk(620, 10, 236).Bytes());
    for (const char* name :
         {"S2006123-45678.txt", "S2005123-45678.txt", "S2006123-45678.xls", "S2005111-22222.txt",
          "S2006111-22222.txt", "S2007111-22222.txt", "S2006333-44444.txt", "S2006999-99999.txt"})
        m.Data(name);
    const std::string list =
        "12345678001.05M\r\n"
        "C:\\Limdat\\11122222001.05M\r\n"
        "\r\n"
        "33344444001.05M\r\n"
        "55566666001.05M\r\n"
        "not a raw file\r\n";
    m.folder.Write("root/KOVU_IST.txt", list);

    ClearListedOutcome outcome = ClearListedStations(m.settings);
    EXPECT_EQ(outcome.deleted.size(), 3u);
    EXPECT_FALSE(m.Has("S2006123-45678.txt"));
    EXPECT_FALSE(m.Has("S2005111-22222.txt"));
    EXPECT_FALSE(m.Has("S2006111-22222.txt"));
    for (const char* kept :
         {"S2005123-45678.txt", "S2006123-45678.xls", "S2007111-22222.txt", "S2006333-44444.txt",
          "S2006999-99999.txt", "12345678001.05M", "11122222001.05M", "33344444001.05M"})
        EXPECT_TRUE(m.Has(kept)) << kept;
    EXPECT_EQ(m.folder.Read("root/KOVU_IST.txt"), list);
    EXPECT_EQ(outcome.problems.size(), 3u);  // wrong station, missing file, no identifier
}

TEST(ClearListedStations, NoListNoWork) {
    Machine m;
    m.Data("S2006123-45678.txt");
    ClearListedOutcome outcome = ClearListedStations(m.settings);
    EXPECT_TRUE(outcome.deleted.empty());
    EXPECT_TRUE(outcome.problems.empty());
    EXPECT_TRUE(m.Has("S2006123-45678.txt"));
}

}  // namespace
}  // namespace kovu3
