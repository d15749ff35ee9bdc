#include "reports/level_table.h"

#include <gtest/gtest.h>

#include <cmath>

#include "reports/processed_file_reader.h"
#include "shell/file_io.h"
#include "simulated_station_year.h"

namespace kovu3 {
namespace {

namespace fs = std::filesystem;

class LevelTableTest : public test::OctoberStationYearTest {
protected:
    ReportResult Make(bool includeReadings = true, std::string from = {}, std::string to = {}) {
        LevelTableRequest request;
        request.processedFile = processed_;
        request.includeReadings = includeReadings;
        request.fromDate = std::move(from);
        request.toDate = std::move(to);
        return MakeLevelTable(request, year_.settings());
    }

    // The six cells of a day in the daily sheet: date, time and level of the maximum, of the
    // minimum, and the mean.
    void ExpectDay(Worksheet& daily, int row, int group, int dayNo, const std::string& date) {
        SCOPED_TRACE("day " + std::to_string(dayNo) + " at row " + std::to_string(row));
        const SummaryEntry& day = Day(dayNo);
        ASSERT_GT(day.KnoMax, 0);
        ASSERT_GT(day.KNoMin, 0);
        EXPECT_EQ(daily.Get(row, group).kind, CellKind::Text);
        EXPECT_EQ(test::CellText(daily, row, group), date);
        EXPECT_EQ(test::CellText(daily, row, group + 1), test::ShownTime(Line(day.KnoMax)));
        EXPECT_EQ(daily.Get(row, group + 2).kind, CellKind::Number);
        EXPECT_EQ(test::CellText(daily, row, group + 2), test::ShownLevel(Line(day.KnoMax)));
        EXPECT_EQ(test::CellText(daily, row, group + 3), test::ShownTime(Line(day.KNoMin)));
        EXPECT_EQ(test::CellText(daily, row, group + 4), test::ShownLevel(Line(day.KNoMin)));
        EXPECT_EQ(test::CellText(daily, row, group + 5), std::to_string(*day.Hort));
    }
};

TEST_F(LevelTableTest, DaysLandInTheirMonthBlocksAndHalfMonthGroups) {
    ReportResult result = Make(false);
    ASSERT_EQ(result.error, "");
    EXPECT_TRUE(result.problems.empty());
    EXPECT_EQ(result.path, year_.folder() / "S2004123-45678.xlsx");
    EXPECT_EQ(result.daysFilled, 18);
    auto book = test::OpenProduct(result.path);
    ASSERT_TRUE(book);
    Worksheet* daily = book->Sheet("Gunluk");
    Worksheet* monthly = book->Sheet("Aylik");
    ASSERT_TRUE(daily && monthly);

    EXPECT_EQ(test::CellText(*daily, 1, 3), "123-45678");
    EXPECT_EQ(test::CellText(*daily, 1, 7), "Test Deresi");
    EXPECT_EQ(daily->Get(2, 14).Number(), 2004);
    EXPECT_EQ(test::CellText(*monthly, 3, 3), "123-45678");
    EXPECT_EQ(test::CellText(*monthly, 3, 7), "Test Deresi");
    EXPECT_EQ(monthly->Get(4, 3).Number(), 2004);

    // October is the first block (X = 1): day 1 in row X+4, day 15 in X+18 of the first
    // group; day 16 in X+4 and day 31 in X+19 of the second.
    ExpectDay(*daily, 5, 1, 1, "01/10/2003");
    ExpectDay(*daily, 19, 1, 15, "15/10/2003");
    ExpectDay(*daily, 5, 8, 16, "16/10/2003");
    ExpectDay(*daily, 20, 8, 31, "31/10/2003");
    // 20 October had no reading: its row stays empty, date included.
    for (int column = 8; column <= 13; ++column)
        EXPECT_EQ(daily->Get(9, column).kind, CellKind::Empty) << column;
    // No day of November: its block's day rows are empty.
    for (int row = 22 + 4; row <= 22 + 19; ++row)
        for (int column = 1; column <= 13; ++column)
            EXPECT_EQ(daily->Get(row, column).kind, CellKind::Empty) << row << "," << column;

    // The calendar year of each month beside its name: October to December of 2003.
    EXPECT_EQ(daily->Get(2, 9).Number(), 2003);
    EXPECT_EQ(daily->Get(44, 9).Number(), 2003);
    EXPECT_EQ(daily->Get(65, 9).Number(), 2004);
    EXPECT_EQ(daily->Get(233, 9).Number(), 2004);
}

TEST_F(LevelTableTest, SummaryLinesAndMonthlySheet) {
    ReportResult result = Make(false);
    ASSERT_EQ(result.error, "");
    auto book = test::OpenProduct(result.path);
    ASSERT_TRUE(book);
    Worksheet* daily = book->Sheet("Gunluk");
    Worksheet* monthly = book->Sheet("Aylik");
    ASSERT_TRUE(daily && monthly);

    const SummaryEntry& october = reader_->Data().Monthly[1];
    LevelLine maximum = Line(october.KnoMax);
    LevelLine minimum = Line(october.KNoMin);
    // The mean that Macro2 put under October's block: the mean of the day means.
    double sum = 0;
    int days = 0;
    for (int d = 1; d <= 31; ++d) {
        if (Day(d).Hort) {
            sum += static_cast<double>(*Day(d).Hort);
            ++days;
        }
    }
    ASSERT_EQ(days, 18);
    ASSERT_EQ(daily->Get(22, 3).Number(), sum / days);
    std::string mean = std::to_string(std::lround(sum / days));
    EXPECT_EQ(test::CellText(*daily, 21, 2),
              "Aylık Maks:  H=" + maximum.Level + "cm " + maximum.Date + "  " + test::ShownTime(maximum) +
                  " - Aylık Min:  H=" + minimum.Level + "cm " + minimum.Date + "  " + test::ShownTime(minimum) +
                  " - Aylık Ort:  H=" + mean + "cm");
    EXPECT_EQ(daily->Get(42, 2).kind, CellKind::Empty);  // November had no data

    // Monthly sheet: October in row 8, the whole year in row 20, November empty.
    EXPECT_EQ(monthly->Get(8, 4).Number(), std::stoi(maximum.Date.substr(0, 2)));
    EXPECT_EQ(test::CellText(*monthly, 8, 5), test::ShownTime(maximum));
    EXPECT_EQ(test::CellText(*monthly, 8, 6), test::ShownLevel(maximum));
    EXPECT_EQ(monthly->Get(8, 8).Number(), std::stoi(minimum.Date.substr(0, 2)));
    EXPECT_EQ(test::CellText(*monthly, 8, 9), test::ShownTime(minimum));
    EXPECT_EQ(test::CellText(*monthly, 8, 10), test::ShownLevel(minimum));
    LevelLine yearMaximum = Line(reader_->Data().Monthly[13].KnoMax);
    EXPECT_EQ(test::CellText(*monthly, 20, 6), test::ShownLevel(yearMaximum));
    EXPECT_EQ(test::CellText(*monthly, 20, 10), test::ShownLevel(Line(reader_->Data().Monthly[13].KNoMin)));
    for (int column = 4; column <= 10; ++column)
        EXPECT_EQ(monthly->Get(9, column).kind, CellKind::Empty) << column;
}

TEST_F(LevelTableTest, ReadingsSheetListsOrdinaryReadingsFiveToARowUnderDayHeadings) {
    LevelTableRequest request;
    request.processedFile = processed_;
    std::vector<std::pair<uint64_t, uint64_t>> progress;
    request.progress = [&](uint64_t done, uint64_t expected) { progress.emplace_back(done, expected); };
    ReportResult result = MakeLevelTable(request, year_.settings());
    ASSERT_EQ(result.error, "");
    // Progress runs over the days, the months and the level lines, and ends at its maximum.
    ASSERT_FALSE(progress.empty());
    uint64_t expected = 366 + 13 + static_cast<uint64_t>(reader_->LevelCount());
    for (size_t i = 1; i < progress.size(); ++i) {
        EXPECT_LE(progress[i - 1].first, progress[i].first);
        EXPECT_EQ(progress[i].second, expected);
    }
    EXPECT_EQ(progress.back().first, expected);
    auto book = test::OpenProduct(result.path);
    ASSERT_TRUE(book);
    Worksheet* all = book->Sheet("Tamami");
    ASSERT_TRUE(all);

    long ordinary = 0;
    for (const std::string& text : reader_->ReadLevelTexts(1, reader_->LevelCount()))
        ordinary += text[15] == ' ';
    EXPECT_EQ(result.readingsListed, ordinary);
    EXPECT_EQ(ordinary, 18 * 144);

    EXPECT_EQ(test::CellText(*all, 1, 2), "cm");
    EXPECT_EQ(test::CellText(*all, 1, 7), "123-45678 - Test Deresi");
    EXPECT_EQ(test::CellText(*all, 2, 4), "01/10/2003 - 31/10/2003");
    EXPECT_EQ(all->Get(2, 10).Number(), 2004);

    // 1 October: heading in row 3 with the day's minimum, maximum and mean; an empty row;
    // then 144 readings, 00:10 to 24:00, five to a row in columns 1, 4, 7, 10 and 13.
    EXPECT_EQ(test::CellText(*all, 3, 1), "01/10/2003");
    EXPECT_EQ(test::CellText(*all, 3, 7), test::ShownTime(Line(Day(1).KNoMin)));
    EXPECT_EQ(test::CellText(*all, 3, 8), test::ShownLevel(Line(Day(1).KNoMin)));
    EXPECT_EQ(test::CellText(*all, 3, 10), test::ShownTime(Line(Day(1).KnoMax)));
    EXPECT_EQ(test::CellText(*all, 3, 11), test::ShownLevel(Line(Day(1).KnoMax)));
    EXPECT_EQ(test::CellText(*all, 3, 13), std::to_string(*Day(1).Hort));
    for (int column = 1; column <= 14; ++column) EXPECT_EQ(all->Get(4, column).kind, CellKind::Empty);
    std::vector<std::string> day1;
    for (const std::string& text : reader_->ReadLevelTexts(1, 160))
        if (text.substr(16, 10) == "01/10/2003" && text[15] == ' ') day1.push_back(text);
    ASSERT_EQ(day1.size(), 144u);
    for (int k = 0; k < 144; ++k) {
        int row = 5 + k / 5;
        int column = k % 5 * 3 + 1;
        LevelLine line = ParseLevelLine(day1[static_cast<size_t>(k)]);
        EXPECT_EQ(test::CellText(*all, row, column), test::ShownTime(line)) << k;
        EXPECT_EQ(test::CellText(*all, row, column + 1), test::ShownLevel(line)) << k;
    }
    EXPECT_EQ(test::CellText(*all, 33, 10), "24:00");  // the 144th reading, 4th of its row
    EXPECT_EQ(all->Get(33, 13).kind, CellKind::Empty);
    // The next day starts on the row after the last partly filled one.
    EXPECT_EQ(test::CellText(*all, 34, 1), "02/10/2003");
    EXPECT_EQ(test::CellText(*all, 36, 1), "00:10");
}

TEST_F(LevelTableTest, ReadingsOnlyBetweenTheTwoDates) {
    ReportResult result = Make(true, "05/10/2003", "6/10/2003");
    ASSERT_EQ(result.error, "");
    EXPECT_EQ(result.readingsListed, 2 * 144);
    auto book = test::OpenProduct(result.path);
    ASSERT_TRUE(book);
    Worksheet* all = book->Sheet("Tamami");
    ASSERT_TRUE(all);
    EXPECT_EQ(test::CellText(*all, 2, 4), "05/10/2003 - 06/10/2003");
    EXPECT_EQ(test::CellText(*all, 3, 1), "05/10/2003");
    EXPECT_EQ(test::CellText(*all, 34, 1), "06/10/2003");
    EXPECT_EQ(all->Get(65, 1).kind, CellKind::Empty);
    EXPECT_EQ(all->Get(64, 10).kind, CellKind::Text);  // the last reading, 24:00

    // Dates outside the water year are brought to its ends; a wrong order is refused.
    EXPECT_EQ(Make(true, "01/01/2000", "01/01/2010").readingsListed, 18 * 144);
    struct Case {
        const char* from;
        const char* to;
        const char* fault;
    };
    for (Case c : {Case{"06/10/2003", "05/10/2003", "lies after"}, Case{"31/02/2004", "", "is not a date"},
                   Case{"yarın", "", "is not a date"}, Case{"01/07/1382", "", "Gregorian calendar"}}) {
        ReportResult refused = Make(true, c.from, c.to);
        EXPECT_NE(refused.error.find(c.fault), std::string::npos) << c.from << ": " << refused.error;
        EXPECT_TRUE(refused.path.empty());
    }
}

TEST_F(LevelTableTest, WithoutReadingsTheReadingsSheetStaysEmpty) {
    ReportResult result = Make(false, "not a date either");  // the dates are not used then
    ASSERT_EQ(result.error, "");
    EXPECT_EQ(result.readingsListed, 0);
    auto book = test::OpenProduct(result.path);
    ASSERT_TRUE(book);
    Worksheet* all = book->Sheet("Tamami");
    ASSERT_TRUE(all);
    for (auto [row, column] : {std::pair{1, 2}, {1, 7}, {2, 4}, {3, 1}, {5, 1}})
        EXPECT_EQ(all->Get(row, column).kind, CellKind::Empty) << row << "," << column;
}

TEST_F(LevelTableTest, TemplateFaultsNameTheTemplateAndLeaveTheOldWorkbook) {
    test::TestFolder program;
    year_.settings().ProgramFolder = FolderText(program.path());
    fs::path product = year_.folder() / "S2004123-45678.xlsx";
    year_.folder().Write("S2004123-45678.xlsx", "the old workbook");
    fs::copy_file(test::BinaryFolder() / "Sablon1_E.xlsx", program / "sablon1_E.xlsx");

    struct Case {
        const char* setUp;  // what the program folder holds as Sablon1.xlsx
        const char* fault;
    };
    for (Case c : {Case{"", "Sablon1.xlsx"}, Case{"PK\3\4 not a zip", "Sablon1.xlsx"},
                   Case{"english", "has no sheet \"Gunluk\""}}) {
        std::error_code ignored;
        fs::remove(program / "Sablon1.xlsx", ignored);
        if (std::string(c.setUp) == "english") {
            fs::copy_file(program / "sablon1_E.xlsx", program / "Sablon1.xlsx");
        } else if (*c.setUp) {
            program.Write("Sablon1.xlsx", c.setUp);
        }
        ReportResult result = Make();
        EXPECT_NE(result.error.find(c.fault), std::string::npos) << result.error;
        EXPECT_NE(result.error.find((program / "Sablon1.xlsx").string()), std::string::npos) << result.error;
        EXPECT_TRUE(result.path.empty());
        EXPECT_EQ(year_.folder().Read("S2004123-45678.xlsx"), "the old workbook");
    }
    // Nothing but the old workbook and the station-year's own files is left behind.
    for (const auto& entry : fs::directory_iterator(year_.folder().path()))
        EXPECT_EQ(entry.path().string().find(".tmp"), std::string::npos) << entry.path();

    // The template's name in another letter case is found.
    year_.settings().ProgramFolder = FolderText(test::BinaryFolder());
    ApplyLanguage(year_.settings().texts, "ENGLISH");
    year_.settings().texts.LevelTableTemplate = "SABLON1_E.XLSX";
    ReportResult english = Make(false);
    EXPECT_EQ(english.error, "");
    auto book = test::OpenProduct(product);
    ASSERT_TRUE(book && book->Sheet("Daily"));
    EXPECT_EQ(test::CellText(*book->Sheet("Daily"), 21, 2).substr(0, 16), "Monthly Max:  H=");
}

TEST_F(LevelTableTest, MissingOrMalformedProcessedFileIsRefused) {
    LevelTableRequest request;
    request.processedFile = year_.folder() / "S2005123-45678.txt";
    ReportResult missing = MakeLevelTable(request, year_.settings());
    EXPECT_NE(missing.error.find("S2005123-45678.txt"), std::string::npos) << missing.error;

    std::string text = year_.folder().Read("S2004123-45678.txt");
    year_.folder().Write("S2005123-45678.txt", text.substr(0, text.find("[Gunluk Degerler]") + 40));
    ReportResult malformed = MakeLevelTable(request, year_.settings());
    EXPECT_NE(malformed.error.find("S2005123-45678.txt"), std::string::npos) << malformed.error;
    EXPECT_FALSE(fs::exists(year_.folder() / "S2005123-45678.xlsx"));
}

// A day of zero levels has a minimum but no maximum (0 never counts as one); when its
// minimum is the first record of the series, its date and mean are still written.
TEST(LevelTableDays, DayWithOnlyAMinimumAtRecordOneKeepsItsDateAndMean) {
    test::SimulatedStationYear year;
    LevelTableRequest request;
    request.processedFile = test::WriteProcessedFile(year.folder(), 2004,
                                                     {
                                                         MakeLevelLine(1, 0, 10, "000000", ' ', "01/10/2003"),
                                                         MakeLevelLine(1, 0, 20, "000000", ' ', "01/10/2003"),
                                                         MakeLevelLine(2, 0, 10, "000040", ' ', "02/10/2003"),
                                                         MakeLevelLine(2, 0, 20, "000050", ' ', "02/10/2003"),
                                                     },
                                                     year.settings().calendar);
    std::string error;
    auto reader = ProcessedFileReader::Open(request.processedFile, year.settings().calendar, error);
    ASSERT_TRUE(reader) << error;
    ASSERT_EQ(reader->Data().Daily[1].KNoMin, 1);
    ASSERT_EQ(reader->Data().Daily[1].KnoMax, -1);
    ReportResult result = MakeLevelTable(request, year.settings());
    ASSERT_EQ(result.error, "");
    EXPECT_EQ(result.daysFilled, 2);
    auto book = test::OpenProduct(result.path);
    ASSERT_TRUE(book);
    Worksheet* daily = book->Sheet("Gunluk");
    ASSERT_TRUE(daily);
    EXPECT_EQ(test::CellText(*daily, 5, 1), "01/10/2003");
    EXPECT_EQ(daily->Get(5, 2).kind, CellKind::Empty);  // no maximum
    EXPECT_EQ(test::CellText(*daily, 5, 4), "00:10");
    EXPECT_EQ(test::CellText(*daily, 5, 5), "0");
    EXPECT_EQ(test::CellText(*daily, 5, 6), "0");
    EXPECT_EQ(test::CellText(*daily, 6, 1), "02/10/2003");
    // October's maximum is on 2 October, its minimum the first record.
    EXPECT_EQ(test::CellText(*daily, 21, 2),
              "Aylık Maks:  H= 50cm 02/10/2003  00:20 - Aylık Min:  H=000000cm 01/10/2003  00:10 - "
              "Aylık Ort:  H=25cm");
}

TEST(LevelTablePersian, DailySheetUsesTheYearsRealDayCount) {
    // Water year 1384 runs from 01/07/1383 to 31/06/1384 and holds 30 Esfand 1383: 366 days.
    ASSERT_EQ(GregorianToPersian("20/03/2005", "/").text, "30/12/1383");
    ASSERT_EQ(GregorianToPersian("22/09/2005", "/").text, "31/06/1384");
    test::SimulatedStationYear year("FARSCA");
    year.AddReadOut({19, 3, 2005}, {21, 3, 2005});
    year.AddReadOut({22, 9, 2005}, {22, 9, 2005});
    fs::path processed = year.Convert(1384);
    ASSERT_FALSE(processed.empty());
    LevelTableRequest request;
    request.processedFile = processed;
    ReportResult result = MakeLevelTable(request, year.settings());
    ASSERT_EQ(result.error, "");
    EXPECT_EQ(result.daysFilled, 4);
    auto book = test::OpenProduct(result.path);
    ASSERT_TRUE(book);
    Worksheet* daily = book->Sheet("Daily");
    ASSERT_TRUE(daily);
    // Esfand is the sixth month of the water year (X = 106): days 29 and 30 in rows X+17
    // and X+18 of the second group; 1 Farvardin in the seventh block (X = 127).
    EXPECT_EQ(test::CellText(*daily, 106 + 17, 8), "29/12/1383");
    EXPECT_EQ(test::CellText(*daily, 106 + 18, 8), "30/12/1383");
    EXPECT_EQ(test::CellText(*daily, 127 + 4, 1), "01/01/1384");
    // The last day of the year, 31 Shahrivar, is day 366 in the last block's row X+19.
    EXPECT_EQ(test::CellText(*daily, 232 + 19, 8), "31/06/1384");
    EXPECT_EQ(daily->Get(2, 9).Number(), 1383);
    EXPECT_EQ(daily->Get(233, 9).Number(), 1384);
    Worksheet* all = book->Sheet("All");
    ASSERT_TRUE(all);
    EXPECT_EQ(test::CellText(*all, 2, 4), "29/12/1383 - 31/06/1384");
    EXPECT_EQ(test::CellText(*all, 3, 1), "29/12/1383");
}

}  // namespace
}  // namespace kovu3
