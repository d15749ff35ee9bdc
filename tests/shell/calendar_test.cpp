#include "shell/calendar.h"

#include <gtest/gtest.h>

namespace kovu3 {
namespace {

struct Conversion {
    const char* gregorian;
    const char* persian;
};

TEST(GregorianToPersian, KnownDates) {
    const Conversion cases[] = {
        {"23/09/2002", "01/07/1381"},  // the reference point
        {"24/09/2002", "02/07/1381"},
        {"23/10/2002", "01/08/1381"},  // month 7 has 30 days
        {"21/03/2003", "01/01/1382"},  // 1381 has 29 days in month 12
        {"21/03/2005", "01/01/1384"},
        {"20/03/2025", "30/12/1403"},  // 1403 is a leap year
        {"21/03/2025", "01/01/1404"},
        {"19/03/2029", "29/12/1407"},  // 1407 is not: the four-year rule would say it is
        {"20/03/2029", "01/01/1408"},
        {"19/03/2030", "29/12/1408"},
        {"20/03/2030", "30/12/1408"},  // ... and 1408 is
        {"01/01/2000", "11/10/1378"},  // before the reference point
        {"20/03/1992", "30/12/1370"},  // 1370 is a leap year, 1371 is not
        {"21/03/1993", "01/01/1372"},
        {"29/02/2024", "10/12/1402"},
    };
    for (const auto& c : cases) {
        PersianDate p = GregorianToPersian(c.gregorian, "/");
        EXPECT_EQ(p.text, c.persian) << c.gregorian;
    }
    PersianDate parts = GregorianToPersian("24/09/2002", ".");
    EXPECT_EQ(parts.text, "02.07.1381");
    EXPECT_EQ(parts.day, "02");
    EXPECT_EQ(parts.month, "07");
    EXPECT_EQ(parts.year, "1381");
    EXPECT_EQ(GregorianToPersian("garbage", "/").text, "garbage");
}

TEST(GregorianToPersian, EveryDayRoundTripsOverCenturies) {
    long first = DaysFromGregorian({1, 1, 1950});
    long last = DaysFromGregorian({31, 12, 2150});
    DateParts previous = PersianFromDays(first - 1);
    for (long day = first; day <= last; ++day) {
        DateParts p = PersianFromDays(day);
        ASSERT_EQ(DaysFromPersian(p), day);
        ASSERT_GE(p.day, 1);
        ASSERT_LE(p.day, MonthLength(p.month, p.year));
        // Consecutive days step by one inside a month, or start the next month.
        if (p.day != 1) ASSERT_EQ(p.day, previous.day + 1);
        else ASSERT_EQ(previous.day, MonthLength(previous.month, previous.year));
        previous = p;
    }
}

TEST(PersianLeapYears, RealCalendar) {
    for (int year : {1370, 1375, 1379, 1383, 1387, 1391, 1395, 1399, 1403, 1408, 1412})
        EXPECT_TRUE(IsPersianLeapYear(year)) << year;
    for (int year : {1371, 1380, 1381, 1382, 1404, 1407})
        EXPECT_FALSE(IsPersianLeapYear(year)) << year;
    EXPECT_EQ(MonthLength(12, 1407), 29);
    EXPECT_EQ(MonthLength(12, 1408), 30);
    EXPECT_EQ(MonthLength(2, 2024), 29);
    EXPECT_EQ(MonthLength(2, 2100), 28);
}

struct Addition {
    const char* date;
    long days;
    const char* expected;
};

TEST(AddDays, BothCalendars) {
    const Addition cases[] = {
        {"29/12/1383", 1, "30/12/1383"},
        {"29/12/1382", 1, "01/01/1383"},
        {"31/06/1381", 1, "01/07/1381"},
        {"29/12/1403", 1, "30/12/1403"},
        {"29/12/1407", 1, "01/01/1408"},
        {"01/07/1381", 365, "01/07/1382"},
        {"01/07/1382", -1, "31/06/1382"},
        {"28/02/2004", 1, "29/02/2004"},
        {"28/02/2003", 1, "01/03/2003"},
        {"30/09/2003", 1, "01/10/2003"},
        {"01/10/2003", 365, "30/09/2004"},
        {"01/01/2000", 0, "01/01/2000"},
        {"31/12/1999", 1, "01/01/2000"},
    };
    for (const auto& c : cases) EXPECT_EQ(AddDays(c.date, c.days, "/"), c.expected) << c.date << " + " << c.days;
    EXPECT_EQ(AddDays("5.3.2003", 1, "."), "06.03.2003");
    EXPECT_EQ(AddDays("not a date", 1, "/"), "not a date");
}

TEST(DaysBetween, BothCalendars) {
    EXPECT_EQ(DaysBetween("01/07/1381", "01/07/1382"), 365);
    EXPECT_EQ(DaysBetween("01/07/1383", "01/07/1384"), 366);
    EXPECT_EQ(DaysBetween("01/07/1406", "01/07/1407"), 365);
    EXPECT_EQ(DaysBetween("01/07/1407", "01/07/1408"), 365);  // 1407 has 29 days in month 12
    EXPECT_EQ(DaysBetween("01/07/1408", "01/07/1409"), 366);  // 1408 has 30
    EXPECT_EQ(DaysBetween("01/10/2003", "30/09/2004"), 365);
    EXPECT_EQ(DaysBetween("01/10/2004", "01/10/2003"), -366);  // Gregorian pairs may go back
    EXPECT_EQ(DaysBetween("", "01/10/2003"), 0);
    // Persian pairs count forward only; unreachable ones give -1 instead of walking forever.
    EXPECT_EQ(DaysBetween("02/07/1381", "01/07/1381"), -1);
    EXPECT_EQ(DaysBetween("01/07/1381", "30/12/1381"), -1);  // 1381 has no 30/12
    EXPECT_EQ(DaysBetween("01/07/1381", "01/13/1381"), -1);
    EXPECT_EQ(DaysBetween("01/07/1381", "01/07/1381"), 0);
}

TEST(DateParts, MonthDayYearAndNormalize) {
    EXPECT_EQ(MonthPart("5/3/2002"), "03");
    EXPECT_EQ(MonthPart("2002"), "");
    EXPECT_EQ(MonthPart("5/3"), "");
    EXPECT_EQ(MonthPart("05.11.2002"), "11");
    std::string text = " 5/3/2002";
    EXPECT_EQ(DayPart(text), "05");
    EXPECT_EQ(text, "5/3/2002");
    EXPECT_EQ(YearPart("05/03/2002"), "2002");
    EXPECT_EQ(NormalizeDate("5.3.02", "/"), "05/03/0002");
    EXPECT_EQ(NormalizeDate(" 5-3-2002 ", "."), "05.03.2002");
    EXPECT_EQ(NormalizeDate("5", "/"), "05//");
    EXPECT_EQ(NormalizeDate("5/3/20x2", "/"), "05/03/20x2");  // a field that is no number passes
}

TEST(ApplyCalendar, LanguagesSetTheirCalendar) {
    Calendar calendar;
    EXPECT_TRUE(ApplyCalendar(calendar, "FARSCA"));
    EXPECT_EQ(calendar.CalendarKind, 1);
    EXPECT_EQ(calendar.WaterYearStartPrefix, "01/07/");
    EXPECT_EQ(calendar.WaterYearEndPrefix, "31/06/");
    EXPECT_EQ(calendar.WaterYearMonths[1], 7);
    EXPECT_EQ(calendar.WaterYearMonths[13], 13);
    EXPECT_EQ(calendar.MonthLengths[12], 29);

    EXPECT_FALSE(ApplyCalendar(calendar, "KLINGON"));  // keeps the previous fields
    EXPECT_EQ(calendar.CalendarKind, 1);

    calendar.DateSeparator = ".";
    EXPECT_TRUE(ApplyCalendar(calendar, "TURKCE"));
    EXPECT_EQ(calendar.WaterYearStartPrefix, "01.10.");
    EXPECT_EQ(calendar.WaterYearEndPrefix, "30.09.");
    EXPECT_EQ(calendar.MonthLengths[2], 28);
}

TEST(WaterYear, YearAndDayNumber) {
    Calendar gregorian;
    ApplyCalendar(gregorian, "ENGLISH");
    EXPECT_EQ(WaterYearOf("01/10/2003", gregorian), 2004);
    EXPECT_EQ(DayNoInWaterYear("01/10/2003", gregorian), 1);
    EXPECT_EQ(WaterYearOf("30/09/2004", gregorian), 2004);
    EXPECT_EQ(DayNoInWaterYear("30/09/2004", gregorian), 366);
    EXPECT_EQ(WaterYearLastDay(2004, gregorian), "30/09/2004");

    Calendar persian;
    ApplyCalendar(persian, "FARSCA");
    EXPECT_EQ(WaterYearOf("01/07/1381", persian), 1382);
    EXPECT_EQ(DayNoInWaterYear("01/07/1381", persian), 1);
    EXPECT_EQ(DayNoInWaterYear("31/06/1382", persian), 365);
    EXPECT_EQ(DayNoInWaterYear("31/06/1384", persian), 366);  // 1383 has 30/12
    EXPECT_EQ(WaterYearFirstDay(1384, persian), "01/07/1383");
}

}  // namespace
}  // namespace kovu3
