// The stations of a graph: reading them, the first view, the aquifer orientation, files that
// cannot be read; the plot list's file names and conversions.

#include "graph/graph_document.h"

#include <gtest/gtest.h>

#include "graph/graph_texts.h"
#include "graph/plot_entry.h"
#include "graph_fixture.h"

namespace kovu3 {
namespace {

namespace fs = std::filesystem;

TEST(GraphDocumentTest, FirstViewCoversTheWaterYearUpToItsHighestMaximum) {
    test::GraphFixture fixture;
    std::string a = fixture.Raw("12345678", {1, 10, 2003}, {20, 10, 2003});
    std::string b =
        fixture.Raw("12345679", {5, 10, 2003}, {9, 10, 2003}, sim::kOpticalEncoder, 1, 7);
    const std::string first = fixture.Convert("123-45678", 2004, {a});
    const std::string second = fixture.Convert("123-45679", 2004, {b});
    GraphDocument document =
        LoadGraphDocument({fixture.data / first, fixture.data / second}, fixture.settings);
    ASSERT_EQ(document.stations.size(), 2u);
    EXPECT_TRUE(document.problems.empty());
    EXPECT_FALSE(document.aquifer);
    EXPECT_EQ(document.firstDay, "01/10/2003");
    long highest = 0;
    for (const GraphStation& station : document.stations) {
        long most = 0;
        for (int32_t level : station.series.levels) most = std::max<long>(most, level);
        EXPECT_EQ(station.yearMaximum, most);  // policy 3 takes the highest of all lines
        highest = std::max(highest, most);
    }
    const GraphView view = InitialView(document);
    EXPECT_DOUBLE_EQ(view.xStart, 14.4);
    EXPECT_DOUBLE_EQ(view.xEnd, 14.4 * 367);  // 30/09/2004 24:00, a leap water year
    EXPECT_DOUBLE_EQ(view.y0, 0);
    EXPECT_DOUBLE_EQ(view.y1, 1.1 * static_cast<double>(highest));
}

TEST(GraphDocumentTest, AquiferLoggersTurnTheLevelAxisUpsideDown) {
    test::GraphFixture fixture;
    std::string raw = fixture.Raw("12345678", {1, 10, 2003}, {5, 10, 2003}, sim::kAquifer);
    const std::string name = fixture.Convert("123-45678", 2004, {raw});
    GraphDocument document = LoadGraphDocument({fixture.data / name}, fixture.settings);
    ASSERT_FALSE(document.empty());
    EXPECT_TRUE(document.aquifer);
    const GraphView view = InitialView(document);
    EXPECT_GT(view.y0, view.y1);
    EXPECT_DOUBLE_EQ(view.y1, 0);
    // The type the caller knows wins over the files.
    EXPECT_FALSE(LoadGraphDocument({fixture.data / name}, fixture.settings, "Optik Kodlu").aquifer);
    // Without its raw file the orientation falls back to the usual one.
    fs::remove(fixture.data / raw);
    EXPECT_FALSE(LoadGraphDocument({fixture.data / name}, fixture.settings).aquifer);
}

TEST(GraphDocumentTest, FilesThatCannotBeReadAreLeftOutWithTheReason) {
    test::GraphFixture fixture;
    std::string raw = fixture.Raw("12345678", {1, 10, 2003}, {3, 10, 2003});
    const std::string name = fixture.Convert("123-45678", 2004, {raw});
    fixture.data.Write("S2004123-00000.txt", "[Genel]\r\nVersion,VER4\r\n");
    std::vector<fs::path> files{fixture.data / "S2004999-99999.txt", fixture.data / name,
                                fixture.data / "S2004123-00000.txt"};
    for (int extra = 0; extra < 4; ++extra) files.push_back(fixture.data / name);
    GraphDocument document = LoadGraphDocument(files, fixture.settings);
    EXPECT_EQ(document.stations.size(), 4u);
    ASSERT_EQ(document.problems.size(), 3u);
    EXPECT_NE(document.problems[0].find("S2004999-99999.txt"), std::string::npos);
    EXPECT_NE(document.problems[1].find("S2004123-00000.txt"), std::string::npos);
    EXPECT_NE(document.problems[2].find("at most 4"), std::string::npos);
    EXPECT_TRUE(LoadGraphDocument({fixture.data / "S2004999-99999.txt"}, fixture.settings).empty());
}

TEST(GraphDocumentTest, PersianWaterYear) {
    test::GraphFixture fixture("FARSCA");
    std::string raw = fixture.Raw("12345678", {1, 10, 2003}, {5, 10, 2003});
    const std::string name = fixture.Convert("123-45678", 1383, {raw});
    GraphDocument document = LoadGraphDocument({fixture.data / name}, fixture.settings);
    ASSERT_FALSE(document.empty()) << (document.problems.empty() ? "" : document.problems[0]);
    EXPECT_EQ(document.firstDay, "01/07/1382");
    const GraphView view = InitialView(document);
    EXPECT_DOUBLE_EQ(view.xStart, 14.4);
    EXPECT_DOUBLE_EQ(view.xEnd, 14.4 * 366);  // month 12 of 1382 has 29 days
    // 01/10/2003 is 09/07/1382: the first line is on day 9.
    EXPECT_EQ(document.stations[0].series.minutes.front() / 1440, 9);
}

TEST(GraphTextsTest, TitleLegendAndReadout) {
    StationYearData data;
    data.IstNo = "123-45678";
    data.IstAdi = "Kızılırmak";
    data.SuYili = 2004;
    LanguageTexts texts;
    ApplyLanguage(texts, "ENGLISH");
    EXPECT_EQ(GraphTitle(data, texts), "123-45678 Kızılırmak  - Water Year:2004");
    EXPECT_EQ(LegendLabel(data), "123-45678 Kızılırmak 2004");
    EXPECT_EQ(PointerReadout({"15/11/2003", "06:30"}, 123.7), "Mouse:15/11/2003  06:30   H= 123");
    EXPECT_EQ(LevelNumber(-3.5), "-4");
    EXPECT_EQ(RangeText({"01/10/2003", "00:00"}, {"01/10/2004", "00:00"}),
              "01/10/2003  00:00  -  01/10/2004  00:00");
}

TEST(PlotEntryTest, NamesOfProcessedFiles) {
    std::optional<PlotEntryName> name = ParsePlotEntryName("S2004123-45678.txt");
    ASSERT_TRUE(name);
    EXPECT_EQ(name->waterYear, 2004);
    EXPECT_EQ(name->station, "123-45678");
    for (const char* bad : {"", "S2004123-45678.xls", "Q2004123-45678.txt", "S20x4123-45678.txt",
                            "S200412345678.txt"})
        EXPECT_FALSE(ParsePlotEntryName(bad)) << bad;
}

TEST(PlotEntryTest, ConversionFromTheStationsRawFiles) {
    test::GraphFixture fixture;
    ConversionResult missing = ConvertPlotEntry("S2004123-45678.txt", fixture.settings);
    EXPECT_FALSE(missing.written);
    EXPECT_NE(missing.error.find("no raw logger file"), std::string::npos);
    fixture.Raw("12345678", {1, 10, 2003}, {3, 10, 2003});
    ConversionResult done = ConvertPlotEntry("S2004123-45678.txt", fixture.settings);
    EXPECT_TRUE(done.written) << done.error;
    EXPECT_TRUE(fs::exists(fixture.data / "S2004123-45678.txt"));
    EXPECT_FALSE(ConvertPlotEntry("notes.txt", fixture.settings).error.empty());
}

}  // namespace
}  // namespace kovu3
