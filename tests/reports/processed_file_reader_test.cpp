#include "reports/processed_file_reader.h"

#include <gtest/gtest.h>

#include "processing/processed_file_writer.h"
#include "support/test_folder.h"

namespace kovu3 {
namespace {

Calendar Gregorian() {
    Calendar calendar;
    ApplyCalendar(calendar, "ENGLISH");
    return calendar;
}

// A small processed file: two days, three raw files.
std::string SampleFile(const std::string& version = "ver4") {
    std::vector<LevelLineText> series = {
        MakeLevelLine(1, 6, 30, "000123", ' ', "01/10/2003"),
        MakeLevelLine(1, 24, 0, "000000", ' ', "01/10/2003"),
        MakeLevelLine(2, 0, 10, "000150", 'x', "02/10/2003"),
    };
    DayPolicies policies;
    policies.fill(kPolicyCombined);
    YearStatistics stats = ComputeYearStatistics(series, policies);
    return FormatProcessedFile({version, "123-45678", "Dere", 2004, {"a.03M", "b.03M", "c.03M"}}, stats, series,
                               Gregorian());
}

TEST(ProcessedFileReader, ReadsHeaderTablesAndLines) {
    test::TestFolder folder;
    auto path = folder.Write("S2004123-45678.txt", SampleFile("VER4"));
    std::string error;
    auto reader = ProcessedFileReader::Open(path, Gregorian(), error);
    ASSERT_TRUE(reader) << error;
    const StationYearData& data = reader->Data();
    EXPECT_EQ(data.IstNo, "123-45678");
    EXPECT_EQ(data.IstAdi, "Dere");
    EXPECT_EQ(data.SuYili, 2004);
    EXPECT_EQ(data.IlkKayitTarihi, "01/10/2003");
    EXPECT_EQ(data.IlkKayitZamani, "0630");
    EXPECT_EQ(data.SonKayitZamani, "0010");
    EXPECT_EQ(data.OlcumBirimi, "cm");
    ASSERT_EQ(data.OrjinalDosya.size(), 3u);
    EXPECT_EQ(data.OrjinalDosya[2], "c.03M");
    EXPECT_EQ(data.WaterYearStartDate, "01/10/2003");
    EXPECT_EQ(data.Monthly[1].KnoMax, 3);  // row 1 is October
    EXPECT_EQ(data.Monthly[1].Hort, 61);
    EXPECT_EQ(data.Monthly[13].Hort, std::nullopt);
    EXPECT_EQ(data.Daily[1].KNoMin, 2);
    EXPECT_EQ(data.Daily[2].KNoMin, -1);
    EXPECT_EQ(data.Daily[366].KnoMax, -1);
    EXPECT_EQ(reader->LevelCount(), 3);

    LevelLine first = reader->ReadLevelLine(1);
    EXPECT_EQ(first.Level, " 123");
    EXPECT_EQ(first.Hour, "06");
    EXPECT_EQ(first.Minute, "30");
    EXPECT_EQ(first.Kind, " ");
    EXPECT_EQ(first.Date, "01/10/2003");
    EXPECT_DOUBLE_EQ(first.PlotTime, 18.3);
    EXPECT_EQ(reader->ReadLevelLine(2).Level, "000000");
    EXPECT_EQ(reader->ReadLevelLine(3).Kind, "x");
    EXPECT_EQ(reader->ReadLevelLine(4).Level, "-99");
    EXPECT_EQ(reader->ReadLevelLine(0).Level, "");
    EXPECT_EQ(reader->ReadLevelLine(-1).Level, "");
    auto texts = reader->ReadLevelTexts(2, 10);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[1], "002>0010=000150x02/10/2003");
}

TEST(ProcessedFileReader, RefusesDamagedFilesWithTheFileAndLine) {
    test::TestFolder folder;
    const std::string good = SampleFile();
    auto cut = [&](const std::string& marker) { return good.substr(0, good.find(marker)); };
    std::string textForNumber = good;
    textForNumber.replace(textForNumber.find("KnoMax_Gun_003,-1 "), 18, "KnoMax_Gun_003,abc");
    std::string otherVersion = good;
    otherVersion.replace(otherVersion.find("ver4"), 4, "VER3");
    const std::pair<std::string, std::string> cases[] = {
        {"", "no [Genel]"},
        {"garbage\r\n", "no [Genel]"},
        {otherVersion, "VER3"},
        {cut("SuYili"), "ends before SuYili"},
        {cut("[Aylik"), "[Aylik Degerler] expected"},
        {cut("KNoMin_Ay_12"), "ends before KNoMin"},
        {cut("[Gunluk"), "[Gunluk Degerler] is missing"},
        {cut("[Seviyeler]"), "[Seviyeler] is missing"},
        {textForNumber, "line "},
    };
    for (const auto& [content, expected] : cases) {
        auto path = folder.Write("S2004123-45678.txt", content);
        std::string error;
        EXPECT_EQ(ProcessedFileReader::Open(path, Gregorian(), error), nullptr) << expected;
        EXPECT_NE(error.find(expected), std::string::npos) << error;
        EXPECT_NE(error.find("S2004123-45678.txt"), std::string::npos) << error;
    }
    std::string error;
    EXPECT_EQ(ProcessedFileReader::Open(folder / "missing.txt", Gregorian(), error), nullptr);
    EXPECT_NE(error.find("missing.txt"), std::string::npos);
}

}  // namespace
}  // namespace kovu3
