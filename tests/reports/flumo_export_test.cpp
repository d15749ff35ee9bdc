#include "reports/flumo_export.h"

#include <gtest/gtest.h>

#include "processing/processed_file_writer.h"
#include "reports/processed_file_reader.h"
#include "shell/text_codec.h"
#include "simulated_station_year.h"

namespace kovu3 {
namespace {

namespace fs = std::filesystem;

ProgramSettings Settings(const char* language) {
    ProgramSettings settings;
    ApplyCalendar(settings.calendar, language);
    ApplyLanguage(settings.texts, language);
    return settings;
}

std::vector<std::string> Lines(const std::string& bytes) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(bytes.substr(start, end - start));
    EXPECT_EQ(start, bytes.size()) << "every line ends with CR LF, the last one too";
    return lines;
}

// Line of the level of day `day` of water-year month `month` (1-based, as in the file).
size_t DailyLine(int month, int day) {
    return static_cast<size_t>(105 + ((month - 1) * 31 + day - 1) * 4);
}

TEST(FlumoExport, ExactLinesOfASmallGregorianYear) {
    test::TestFolder folder;
    ProgramSettings settings = Settings("TURKCE");
    // The first record of a day never enters its mean, the first of the series does.
    fs::path processed = test::WriteProcessedFile(folder, 2004,
                                        {
                                            MakeLevelLine(1, 6, 30, "000123", ' ', "01/10/2003"),
                                            MakeLevelLine(1, 12, 0, "000150", ' ', "01/10/2003"),
                                            MakeLevelLine(1, 24, 0, "000100", ' ', "01/10/2003"),
                                            MakeLevelLine(13, 0, 10, "000050", ' ', "13/10/2003"),
                                            MakeLevelLine(13, 1, 0, "000060", ' ', "13/10/2003"),
                                            MakeLevelLine(20, 0, 10, "000000", ' ', "20/10/2003"),
                                            MakeLevelLine(20, 0, 20, "000000", ' ', "20/10/2003"),
                                            MakeLevelLine(152, 0, 10, "000200", ' ', "29/02/2004"),
                                            MakeLevelLine(152, 0, 20, "000210", ' ', "29/02/2004"),
                                            MakeLevelLine(153, 0, 10, "000220", ' ', "01/03/2004"),
                                            MakeLevelLine(153, 0, 20, "000230", ' ', "01/03/2004"),
                                        },
                                        settings.calendar);
    FlumoResult result = ExportToFlumo(processed, settings);
    ASSERT_EQ(result.error, "");
    EXPECT_EQ(result.path, folder / "H04123-45678.DAT");
    EXPECT_EQ(result.message, "Seviyeler " + result.path.string() + " Dosyasına yazıldı..");

    std::vector<std::string> lines = Lines(folder.Read("H04123-45678.DAT"));
    ASSERT_EQ(lines.size(), 1592u);
    auto at = [&](size_t lineNo) { return lines[lineNo - 1]; };
    EXPECT_EQ(at(1), "123-45678");
    EXPECT_EQ(at(2), "");
    EXPECT_EQ(at(3), " 2004 ");

    // Monthly groups, October first: day, level, empty, mark of the maximum, then of the
    // minimum. A level of 0 is written as stored.
    std::vector<std::string> october = {"01", " 150", "", "L", "20", "000000", "", "L"};
    std::vector<std::string> february = {"29", " 210", "", "L", "29", " 200", "", "L"};
    std::vector<std::string> march = {"01", " 230", "", "L", "01", " 220", "", "L"};
    for (size_t i = 0; i < 8; ++i) {
        EXPECT_EQ(at(4 + i), october[i]) << i;
        EXPECT_EQ(at(12 + i), "") << "November has no data";
        EXPECT_EQ(at(36 + i), february[i]) << i;
        EXPECT_EQ(at(44 + i), march[i]) << i;
        EXPECT_EQ(at(92 + i), "") << "September has no data";
    }
    for (size_t lineNo = 100; lineNo <= 104; ++lineNo) EXPECT_EQ(at(lineNo), "");

    struct Day {
        int month;  // of the water year
        int day;
        const char* level;
        const char* mark;
    };
    for (Day d : {Day{1, 1, "124", "L"},   // (123 + 150 + 100) / 3, whole part
                  Day{1, 2, "", ""},       // no data
                  Day{1, 13, "60", "L"},   // 13 October is the thirteenth group
                  Day{1, 20, "0", "L"},    // a mean of 0 is a value
                  Day{1, 31, "", ""},      // 31 October exists, without data
                  Day{2, 31, "---", ""},   // 31 November does not
                  Day{5, 28, "", ""},      //
                  Day{5, 29, "---", ""},   // 29 February, though 2004 is a leap year
                  Day{5, 30, "---", ""},   //
                  Day{6, 1, "230", "L"},   // 1 March, day 153 of the water year
                  Day{12, 30, "", ""},     //
                  Day{12, 31, "---", ""}}) {
        size_t line = DailyLine(d.month, d.day);
        EXPECT_EQ(at(line), d.level) << d.month << "/" << d.day;
        EXPECT_EQ(at(line + 1), "");
        EXPECT_EQ(at(line + 2), d.mark) << d.month << "/" << d.day;
        EXPECT_EQ(at(line + 3), "");
    }
    EXPECT_EQ(DailyLine(12, 31) + 3, 1592u);
}

TEST(FlumoExport, PersianYearsStartWithMehrAndGiveEsfandItsOwnLength) {
    test::TestFolder folder;
    ProgramSettings settings = Settings("FARSCA");
    // Esfand of 1382 has 29 days (water year 1383), Esfand of 1383 has 30 (water year 1384).
    struct Case {
        int waterYear;
        const char* esfand29;
        int dayNo29;
        const char* day30;
    };
    for (Case c : {Case{1383, "29/12/1382", 179, "---"}, Case{1384, "29/12/1383", 179, ""}}) {
        std::vector<LevelLineText> series = {
            MakeLevelLine(1, 0, 10, "000070", ' ', WaterYearFirstDay(c.waterYear, settings.calendar)),
            MakeLevelLine(1, 0, 20, "000080", ' ', WaterYearFirstDay(c.waterYear, settings.calendar)),
            MakeLevelLine(c.dayNo29, 0, 10, "000300", ' ', c.esfand29),
            MakeLevelLine(c.dayNo29, 0, 20, "000310", ' ', c.esfand29),
        };
        ASSERT_EQ(DayNoInWaterYear(c.esfand29, settings.calendar), c.dayNo29);
        fs::path processed = test::WriteProcessedFile(folder, c.waterYear, series, settings.calendar);
        FlumoResult result = ExportToFlumo(processed, settings);
        ASSERT_EQ(result.error, "");
        EXPECT_EQ(result.path.filename(), "H" + std::to_string(c.waterYear % 100) + "123-45678.DAT");
        std::vector<std::string> lines = Lines(folder.Read(result.path.filename().string()));
        ASSERT_EQ(lines.size(), 1592u);
        // Month 7 (Mehr) leads both parts; Esfand is the sixth month of the water year.
        EXPECT_EQ(lines[3], "01") << c.waterYear;
        EXPECT_EQ(lines[4], " 80");
        EXPECT_EQ(lines[DailyLine(1, 1) - 1], "75");
        EXPECT_EQ(lines[DailyLine(6, 29) - 1], "310") << c.waterYear;
        EXPECT_EQ(lines[DailyLine(6, 30) - 1], c.day30) << c.waterYear;
        EXPECT_EQ(lines[DailyLine(6, 31) - 1], "---");
        EXPECT_EQ(lines[DailyLine(1, 31) - 1], "---");  // Mehr has 30 days
        EXPECT_EQ(lines[DailyLine(7, 31) - 1], "");     // Farvardin has 31
    }
}

TEST(FlumoExport, RefusedWithoutItsProcessedFileOrInTheOtherCalendar) {
    test::TestFolder folder;
    FlumoResult result = ExportToFlumo(folder / "S2004123-45678.txt", Settings("TURKCE"));
    EXPECT_NE(result.error.find((folder / "S2004123-45678.txt").string()), std::string::npos) << result.error;
    EXPECT_TRUE(result.path.empty());
    EXPECT_TRUE(fs::is_empty(folder.path()));
    // A Gregorian station-year with the Persian calendar in use.
    fs::path processed = test::WriteProcessedFile(folder, 2004, {MakeLevelLine(1, 0, 10, "000070", ' ', "01/10/2003")},
                                        Settings("TURKCE").calendar);
    FlumoResult persian = ExportToFlumo(processed, Settings("FARSCA"));
    EXPECT_NE(persian.error.find("wrong calendar system"), std::string::npos) << persian.error;
    EXPECT_FALSE(fs::exists(folder / "H04123-45678.DAT"));
    // A station number that would lead out of the data folder.
    fs::path escaping = folder.Write("S2004x.txt", FormatProcessedFile({"VER4", "../../x", "", 2004, {}}, {}, {},
                                                                       Settings("TURKCE").calendar));
    FlumoResult outside = ExportToFlumo(escaping, Settings("TURKCE"));
    EXPECT_NE(outside.error.find("cannot be a file name"), std::string::npos) << outside.error;
    EXPECT_TRUE(outside.path.empty());
    // No file chosen: nothing to do, nothing to say.
    FlumoResult none = ExportToFlumo({}, Settings("TURKCE"));
    EXPECT_EQ(none.error, "");
    EXPECT_TRUE(none.path.empty());
}

TEST(FlumoExport, FileNames) {
    EXPECT_EQ(FlumoFileName(2004, "42"), "H0400042.DAT");
    EXPECT_EQ(FlumoFileName(2004, "123456"), "H04123456.DAT");
    EXPECT_EQ(FlumoFileName(2004, "123-45678"), "H04123-45678.DAT");
    EXPECT_EQ(FlumoFileName(1384, "123-45678"), "H84123-45678.DAT");
}

TEST(FlumoExport, ConvertedYearAgreesWithItsDailyMeans) {
    test::SimulatedStationYear year;
    year.AddReadOut({28, 2, 2004}, {2, 3, 2004});
    fs::path processed = year.Convert(2004);
    ASSERT_FALSE(processed.empty());
    FlumoResult result = ExportToFlumo(processed, year.settings());
    ASSERT_EQ(result.error, "");
    std::vector<std::string> lines = Lines(year.folder().Read("H04123-45678.DAT"));
    ASSERT_EQ(lines.size(), 1592u);
    std::string error;
    auto reader = ProcessedFileReader::Open(processed, year.settings().calendar, error);
    ASSERT_TRUE(reader) << error;
    const StationYearData& data = reader->Data();
    // 28 February is day 151 of water year 2004, 1 and 2 March days 153 and 154.
    EXPECT_EQ(lines[DailyLine(5, 28) - 1], std::to_string(*data.Daily[151].Hort));
    ASSERT_TRUE(data.Daily[152].Hort);
    EXPECT_EQ(lines[DailyLine(5, 29) - 1], "---");
    EXPECT_EQ(lines[DailyLine(6, 1) - 1], std::to_string(*data.Daily[153].Hort));
    EXPECT_EQ(lines[DailyLine(6, 2) - 1], std::to_string(*data.Daily[154].Hort));
    EXPECT_EQ(lines[DailyLine(6, 3) - 1], "");
    LevelLine maximum = reader->ReadLevelLine(data.Monthly[6].KnoMax);
    EXPECT_EQ(lines[43], maximum.Date.substr(0, 2));
    EXPECT_EQ(lines[44], maximum.Level);
}

}  // namespace
}  // namespace kovu3
