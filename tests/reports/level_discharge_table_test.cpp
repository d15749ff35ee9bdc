#include <gtest/gtest.h>

#include <cstdio>

#include "loggersim/rating_curve_writer.h"
#include "reports/cell_value.h"
#include "reports/level_table.h"
#include "reports/processed_file_reader.h"
#include "shell/file_io.h"
#include "simulated_station_year.h"

namespace kovu3 {
namespace {

namespace fs = std::filesystem;

// The rating curve gives no flow below 1 cm above the lowest level of October, so that
// level has none.
class LevelDischargeTableTest : public test::OctoberStationYearTest {
protected:
    void SetUp() override {
        test::OctoberStationYearTest::SetUp();
        if (HasFatalFailure()) return;
        curve_.zeroFlowLevelCm = Level(Line(reader_->Data().Monthly[1].KNoMin)) + 1;
        year_.folder().Write("E12345678.dat", sim::MakeRatingCurve(curve_));
    }

    ReportResult Make(bool includeReadings = true, fs::path rating = {}) {
        LevelTableRequest request;
        request.processedFile = processed_;
        request.includeReadings = includeReadings;
        request.ratingCurve = rating.empty() ? year_.folder() / "E12345678.dat" : rating;
        return MakeLevelDischargeTable(request, year_.settings());
    }

    static int Level(const LevelLine& line) { return std::stoi(line.Level); }
    // The discharge cell of a level as the rating curve file holds it: a number, or "-".
    std::string Discharge(int level) const {
        std::string text = sim::DischargeText(curve_, level);
        if (TrimBlanks(text).empty()) return "-";
        return FormatSheetNumber(*ParseSheetNumber(text));
    }

    // The nine cells of a day: date; time, level and discharge of the maximum and of the
    // minimum; the mean and its discharge.
    void ExpectDay(Worksheet& daily, int row, int group, int dayNo, const std::string& date) {
        SCOPED_TRACE("day " + std::to_string(dayNo) + " at row " + std::to_string(row));
        LevelLine maximum = Line(Day(dayNo).KnoMax);
        LevelLine minimum = Line(Day(dayNo).KNoMin);
        EXPECT_EQ(test::CellText(daily, row, group), date);
        EXPECT_EQ(test::CellText(daily, row, group + 1), test::ShownTime(maximum));
        EXPECT_EQ(test::CellText(daily, row, group + 2), test::ShownLevel(maximum));
        EXPECT_EQ(test::CellText(daily, row, group + 3), Discharge(Level(maximum)));
        EXPECT_EQ(test::CellText(daily, row, group + 4), test::ShownTime(minimum));
        EXPECT_EQ(test::CellText(daily, row, group + 5), test::ShownLevel(minimum));
        EXPECT_EQ(test::CellText(daily, row, group + 6), Discharge(Level(minimum)));
        EXPECT_EQ(test::CellText(daily, row, group + 7), std::to_string(*Day(dayNo).Hort));
        EXPECT_EQ(test::CellText(daily, row, group + 8), Discharge(static_cast<int>(*Day(dayNo).Hort)));
    }

    sim::RatingCurveRecipe curve_;
};

TEST_F(LevelDischargeTableTest, DischargeBesideEveryLevelInTenColumnGroups) {
    ReportResult result = Make(false);
    ASSERT_EQ(result.error, "");
    EXPECT_TRUE(result.problems.empty());
    EXPECT_EQ(result.path, year_.folder() / "Q2004123-45678.xlsx");
    auto book = test::OpenProduct(result.path);
    ASSERT_TRUE(book);
    Worksheet* daily = book->Sheet("Gunluk");
    Worksheet* monthly = book->Sheet("Aylik");
    ASSERT_TRUE(daily && monthly);

    EXPECT_EQ(test::CellText(*daily, 1, 3), "123-45678");
    EXPECT_EQ(test::CellText(*daily, 1, 8), "Test Deresi");
    EXPECT_EQ(daily->Get(2, 20).Number(), 2004);
    EXPECT_EQ(test::CellText(*monthly, 3, 8), "Test Deresi");
    EXPECT_EQ(monthly->Get(4, 3).Number(), 2004);
    EXPECT_EQ(daily->Get(2, 12).Number(), 2003);
    EXPECT_EQ(daily->Get(65, 12).Number(), 2004);

    ExpectDay(*daily, 5, 1, 1, "01/10/2003");
    ExpectDay(*daily, 19, 1, 15, "15/10/2003");
    ExpectDay(*daily, 5, 11, 16, "16/10/2003");
    ExpectDay(*daily, 20, 11, 31, "31/10/2003");

    // The month's mean discharge that Macro2 wrote, quoted in the summary line.
    std::optional<double> meanDischarge = daily->Get(22, 5).Number();
    ASSERT_TRUE(meanDischarge);
    const SummaryEntry& october = reader_->Data().Monthly[1];
    LevelLine maximum = Line(october.KnoMax);
    LevelLine minimum = Line(october.KNoMin);
    char mean[32];
    std::snprintf(mean, sizeof mean, "%.2f", *meanDischarge);
    // The summary quotes the curve's entry as it stands; no flow reads "-".
    auto raw = [&](int level) {
        std::string text = sim::DischargeText(curve_, level);
        return TrimBlanks(text).empty() ? std::string("-") : text;
    };
    EXPECT_EQ(test::CellText(*daily, 21, 2),
              "Aylık Maks: H=" + maximum.Level + "cm Q=" + raw(Level(maximum)) + "m3/s " + maximum.Date +
                  "  " + test::ShownTime(maximum) + " - Aylık Min: H=" + minimum.Level + "cm Q=" + raw(Level(minimum)) +
                  "m3/s " + minimum.Date + "  " + test::ShownTime(minimum) + " - Aylık Ort: H= " +
                  std::to_string(*october.Hort) + "cm Q=" + mean + "m3/s ");
    EXPECT_EQ(daily->Get(42, 2).kind, CellKind::Empty);

    EXPECT_EQ(monthly->Get(8, 4).Number(), std::stoi(maximum.Date.substr(0, 2)));
    EXPECT_EQ(test::CellText(*monthly, 8, 5), test::ShownTime(maximum));
    EXPECT_EQ(test::CellText(*monthly, 8, 6), test::ShownLevel(maximum));
    EXPECT_EQ(test::CellText(*monthly, 8, 7), Discharge(Level(maximum)));
    EXPECT_EQ(test::CellText(*monthly, 8, 10), test::ShownTime(minimum));
    EXPECT_EQ(test::CellText(*monthly, 8, 11), test::ShownLevel(minimum));
    EXPECT_EQ(monthly->Get(8, 12).kind, CellKind::Text);  // the month's lowest level: no flow
    EXPECT_EQ(test::CellText(*monthly, 8, 12), "-");
}

TEST_F(LevelDischargeTableTest, ReadingsFourToARowWithTheirDischarges) {
    ReportResult result = Make();
    ASSERT_EQ(result.error, "");
    EXPECT_EQ(result.readingsListed, 18 * 144);
    auto book = test::OpenProduct(result.path);
    ASSERT_TRUE(book);
    Worksheet* all = book->Sheet("Tamami");
    ASSERT_TRUE(all);
    EXPECT_EQ(test::CellText(*all, 1, 2), "cm");
    EXPECT_EQ(test::CellText(*all, 1, 7), "123-45678 - Test Deresi");
    EXPECT_EQ(test::CellText(*all, 2, 3), "01/10/2003 - 31/10/2003");
    EXPECT_EQ(all->Get(2, 10).Number(), 2004);

    // The heading of 1 October: maximum, minimum, mean, each with its discharge.
    LevelLine maximum = Line(Day(1).KnoMax);
    LevelLine minimum = Line(Day(1).KNoMin);
    EXPECT_EQ(test::CellText(*all, 3, 1), "01/10/2003");
    EXPECT_EQ(test::CellText(*all, 3, 5), test::ShownTime(maximum));
    EXPECT_EQ(test::CellText(*all, 3, 6), test::ShownLevel(maximum));
    EXPECT_EQ(test::CellText(*all, 3, 7), Discharge(Level(maximum)));
    EXPECT_EQ(test::CellText(*all, 3, 9), test::ShownTime(minimum));
    EXPECT_EQ(test::CellText(*all, 3, 10), test::ShownLevel(minimum));
    EXPECT_EQ(test::CellText(*all, 3, 11), Discharge(Level(minimum)));
    EXPECT_EQ(test::CellText(*all, 3, 13), std::to_string(*Day(1).Hort));
    EXPECT_EQ(test::CellText(*all, 3, 15), Discharge(static_cast<int>(*Day(1).Hort)));

    // 144 readings fill rows 5 to 40 exactly, four to a row in columns 1, 5, 9 and 13.
    std::vector<LevelLine> day1;
    for (const std::string& text : reader_->ReadLevelTexts(1, 160))
        if (text.substr(16, 10) == "01/10/2003" && text[15] == ' ') day1.push_back(ParseLevelLine(text));
    ASSERT_EQ(day1.size(), 144u);
    for (int k = 0; k < 144; ++k) {
        int row = 5 + k / 4;
        int column = k % 4 * 4 + 1;
        const LevelLine& line = day1[static_cast<size_t>(k)];
        EXPECT_EQ(test::CellText(*all, row, column), test::ShownTime(line)) << k;
        EXPECT_EQ(test::CellText(*all, row, column + 1), test::ShownLevel(line)) << k;
        EXPECT_EQ(test::CellText(*all, row, column + 2), Discharge(Level(line))) << k;
    }
    EXPECT_EQ(test::CellText(*all, 40, 13), "24:00");
    EXPECT_EQ(test::CellText(*all, 41, 1), "02/10/2003");
}

TEST_F(LevelDischargeTableTest, RatingCurveFaults) {
    // No curve chosen, or one that is not there: nothing is made.
    LevelTableRequest request;
    request.processedFile = processed_;
    ReportResult none = MakeLevelDischargeTable(request, year_.settings());
    EXPECT_EQ(none.error, "no rating curve chosen");
    ReportResult missing = Make(true, year_.folder() / "E99999999.dat");
    EXPECT_NE(missing.error.find("E99999999.dat"), std::string::npos) << missing.error;
    EXPECT_FALSE(fs::exists(year_.folder() / "Q2004123-45678.xlsx"));

    // A file shorter than its header, or with text where the numbers belong, answers "-".
    struct Case {
        const char* name;
        std::string bytes;
    };
    std::string letters(561, '#');
    for (int level = 0; level < 400; ++level) letters += "abcd ";
    for (const Case& c : {Case{"Eshort.dat", std::string(300, ' ')}, Case{"Eletters.dat", letters}}) {
        ReportResult result = Make(false, year_.folder().Write(c.name, c.bytes));
        ASSERT_EQ(result.error, "") << c.name;
        auto book = test::OpenProduct(result.path);
        ASSERT_TRUE(book);
        Worksheet* daily = book->Sheet("Gunluk");
        ASSERT_TRUE(daily);
        for (int column : {4, 7, 9}) EXPECT_EQ(test::CellText(*daily, 5, column), "-") << c.name << column;
        EXPECT_EQ(test::CellText(*daily, 5, 3), test::ShownLevel(Line(Day(1).KnoMax))) << c.name;
        // No discharge to average: the month's mean discharge is empty, not an error.
        EXPECT_EQ(test::CellText(*daily, 22, 5), "") << c.name;
    }
}

TEST_F(LevelDischargeTableTest, FarsiHasNoLevelDischargeTemplate) {
    ApplyLanguage(year_.settings().texts, "FARSCA");
    ReportResult result = Make();
    EXPECT_NE(result.error.find("no level-discharge table template"), std::string::npos) << result.error;
    EXPECT_TRUE(result.path.empty());
}

}  // namespace
}  // namespace kovu3
