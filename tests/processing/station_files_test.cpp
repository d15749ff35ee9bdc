#include "processing/station_files.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/test_folder.h"

namespace kovu3 {
namespace {

TEST(StationFiles, NamesYearsAndStations) {
    EXPECT_TRUE(IsRawFileName("12345678001.03M"));
    EXPECT_TRUE(IsRawFileName("12345678a01.03r"));  // order characters are free, kinds ignore case
    for (const char* name : {"12345678001.03X", "1234567800103M", "12345678001.03MM", "1234567a001.03M",
                             "12345678001.0aM", "S2004123-45678.txt"})
        EXPECT_FALSE(IsRawFileName(name)) << name;
    EXPECT_EQ(StationOfRawFile("12345678001.03M"), "123-45678");
    EXPECT_EQ(RawFileYear("12345678001.35M"), 2035);
    EXPECT_EQ(RawFileYear("12345678001.36M"), 1936);
}

TEST(StationFiles, StationListAndMergeOrder) {
    test::TestFolder folder;
    for (const char* name : {"12345678001.04N", "12345678001.04M", "12345678002.03M", "12345678001.99M",
                             "12345678001.03r", "00012345001.03M", "22200001001.03M", "12345678001.03M.bak",
                             "notes.txt"})
        folder.Write(name, "x");
    EXPECT_EQ(ListStations(folder.path()), (std::vector<std::string>{"123-45678", "222-00001"}));
    // M before N before R; within a kind, 1999 before 2003 before 2004.
    EXPECT_EQ(ListStationRawFiles(folder.path(), "123-45678"),
              (std::vector<std::string>{"12345678001.99M", "12345678002.03M", "12345678001.04M", "12345678001.04N",
                                        "12345678001.03r"}));
    EXPECT_TRUE(ListStationRawFiles(folder.path(), "999-99999").empty());
}

TEST(StationFiles, DeletingAYearTouchesOnlyItsProducts) {
    test::TestFolder folder;
    for (const char* name : {"S2004123-45678.txt", "S2004123-45678.xlsx", "Q2004123-45678.xls",
                             "S2005123-45678.txt", "12345678001.04M"})
        folder.Write(name, "x");
    auto deleted = DeleteStationYearProducts(folder.path(), 2004, "123-45678");
    std::sort(deleted.begin(), deleted.end());
    EXPECT_EQ(deleted, (std::vector<std::string>{"Q2004123-45678.xls", "S2004123-45678.txt", "S2004123-45678.xlsx"}));
    EXPECT_TRUE(std::filesystem::exists(folder / "S2005123-45678.txt"));
    EXPECT_TRUE(std::filesystem::exists(folder / "12345678001.04M"));
    EXPECT_TRUE(DeleteStationYearProducts(folder.path(), 2004, "123-45678").empty());
}

}  // namespace
}  // namespace kovu3
