// Dates and times on the time axis, both ways, in both calendars; typed day.month ranges;
// the date labels of the axis.

#include <gtest/gtest.h>

#include "graph/plot_time.h"
#include "graph/time_labels.h"

namespace kovu3 {
namespace {

Calendar CalendarOf(const char* language) {
    Calendar calendar;
    ApplyCalendar(calendar, language);
    return calendar;
}

TEST(PlotTimeTest, DatesAndTimesBecomePlotTime) {
    const std::string first = "01/10/2003";
    EXPECT_DOUBLE_EQ(*PlotTimeOf("01/10/2003", "00:00", first), 14.4);
    EXPECT_DOUBLE_EQ(*PlotTimeOf("01/10/2003", "06:30", first), 18.3);
    EXPECT_DOUBLE_EQ(*PlotTimeOf("01/10/2003", "24:00", first), 28.8);
    EXPECT_DOUBLE_EQ(*PlotTimeOf("02/10/2003", "00:00", first), 28.8);
    EXPECT_DOUBLE_EQ(*PlotTimeOf("30/09/2004", "24:00", first), 14.4 * 367);  // 2004 is a leap year
    EXPECT_DOUBLE_EQ(*PlotTimeOf("30/09/2003", "00:00", first), 0);
    EXPECT_FALSE(PlotTimeOf("no date", "00:00", first));
}

TEST(PlotTimeTest, PlotTimeBecomesDateAndTime) {
    struct Case {
        double x;
        const char* date;
        const char* time;
    };
    const Case cases[] = {
        {14.4, "01/10/2003", "00:00"},   {18.3, "01/10/2003", "06:30"},
        {28.79, "01/10/2003", "23:59"},  {28.8, "02/10/2003", "00:00"},
        {28.805, "02/10/2003", "00:00"}, {14.4 * 367, "01/10/2004", "00:00"},
        {10.0, "30/09/2003", "16:40"},
    };
    for (const Case& c : cases) {
        DateTime moment = DateTimeOf(c.x, "01/10/2003", "/");
        EXPECT_EQ(moment.date, c.date) << c.x;
        EXPECT_EQ(moment.time, c.time) << c.x;
    }
    // Every minute of a day goes there and back.
    for (int minute = 0; minute < 1440; ++minute) {
        const std::string time = (minute / 60 < 10 ? "0" : "") + std::to_string(minute / 60) + ":" +
                                 (minute % 60 < 10 ? "0" : "") + std::to_string(minute % 60);
        DateTime back =
            DateTimeOf(*PlotTimeOf("15/11/2003", time, "01/10/2003"), "01/10/2003", "/");
        ASSERT_EQ(back.time, time);
        ASSERT_EQ(back.date, "15/11/2003");
    }
}

TEST(PlotTimeTest, PersianWaterYear) {
    const std::string first = "01/07/1382";
    EXPECT_DOUBLE_EQ(*PlotTimeOf("01/07/1382", "00:00", first), 14.4);
    EXPECT_DOUBLE_EQ(*PlotTimeOf("01/08/1382", "00:00", first), 14.4 * 31);  // month 7 has 30 days
    // Months 7 to 11 have 30 days and month 12 of 1382 has 29: day 180 is the new year.
    DateTime moment = DateTimeOf(14.4 * 180 + 0.6 * 12, first, "/");
    EXPECT_EQ(moment.date, "01/01/1383");
    EXPECT_EQ(moment.time, "12:00");
}

TEST(TypedRangeTest, DayAndMonthOfTheWaterYear) {
    const Calendar gregorian = CalendarOf("TURKCE");
    // 15/11 and 20.11 of water year 2004 give 15/11/2003 00:00 to 21/11/2003 00:00.
    std::optional<std::string> start = TypedDayOfWaterYear("15/11", 2004, gregorian);
    std::optional<std::string> end = TypedDayOfWaterYear("20.11", 2004, gregorian);
    ASSERT_TRUE(start && end);
    EXPECT_EQ(*start, "15/11/2003");
    EXPECT_EQ(*end, "20/11/2003");
    const std::string first = WaterYearFirstDay(2004, gregorian);
    DateTime from = DateTimeOf(*PlotTimeOf(*start, "00:00", first), first, "/");
    DateTime to = DateTimeOf(*PlotTimeOf(*end, "24:00", first), first, "/");
    EXPECT_EQ(from.date + " " + from.time, "15/11/2003 00:00");
    EXPECT_EQ(to.date + " " + to.time, "21/11/2003 00:00");

    EXPECT_EQ(TypedDayOfWaterYear("3:5", 2004, gregorian), "03/05/2004");
    EXPECT_EQ(TypedDayOfWaterYear("29\\2", 2004, gregorian), "29/02/2004");
    for (const char* bad : {"", "15", "29.2x", "30.2", "0.5", "12.13", "a.b"})
        EXPECT_FALSE(TypedDayOfWaterYear(bad, 2004, gregorian)) << bad;
    EXPECT_FALSE(TypedDayOfWaterYear("29.2", 2003, gregorian));

    EXPECT_EQ(TypedFirstDay(gregorian), "1.10");
    EXPECT_EQ(TypedLastDay(gregorian), "30.9");
    const Calendar persian = CalendarOf("FARSCA");
    EXPECT_EQ(TypedFirstDay(persian), "1.7");
    EXPECT_EQ(TypedLastDay(persian), "31.6");
    EXPECT_EQ(TypedDayOfWaterYear("1.7", 1383, persian), "01/07/1382");
}

TEST(TimeLabelsTest, LabelledDaysOfAMonth) {
    EXPECT_EQ(LabelledDays(5, 31), (std::vector<int>{5, 10, 15, 20, 25, 31}));
    EXPECT_EQ(LabelledDays(10, 28), (std::vector<int>{10, 20, 28}));
    EXPECT_EQ(LabelledDays(15, 30), (std::vector<int>{15, 30}));
    EXPECT_EQ(LabelledDays(30, 29), (std::vector<int>{29}));
    EXPECT_EQ(LabelledDays(1, 28).size(), 28u);
}

TEST(TimeLabelsTest, LabelsInsideTheView) {
    const Calendar gregorian = CalendarOf("TURKCE");
    // 15/11/2003 00:00 to 21/11/2003 00:00: every day, both edges included.
    const GraphView week{14.4 * 46, 14.4 * 52, 0, 100};
    std::vector<TimeLabel> labels = TimeLabels(week, 2004, 1, gregorian);
    ASSERT_EQ(labels.size(), 7u);
    EXPECT_EQ(labels.front().date, "15/11/2003");
    EXPECT_DOUBLE_EQ(labels.front().x, week.xStart);
    EXPECT_EQ(labels.back().date, "21/11/2003");

    // The whole year every 10th day: three a month, the last on the month's last day.
    const GraphView year{14.4, 14.4 * 367, 0, 100};
    labels = TimeLabels(year, 2004, 10, gregorian);
    ASSERT_EQ(labels.size(), 36u);
    EXPECT_EQ(labels[0].date, "10/10/2003");
    EXPECT_EQ(labels[2].date, "31/10/2003");
    EXPECT_EQ(labels[14].date, "29/02/2004");
    EXPECT_EQ(labels.back().date, "30/09/2004");

    const Calendar persian = CalendarOf("FARSCA");
    labels = TimeLabels({14.4, 14.4 * 367, 0, 100}, 1383, 30, persian);
    ASSERT_EQ(labels.size(), 12u);
    EXPECT_EQ(labels[0].date, "30/07/1382");
    EXPECT_EQ(labels[5].date, "29/12/1382");
    EXPECT_EQ(labels[6].date, "31/01/1383");
}

}  // namespace
}  // namespace kovu3
