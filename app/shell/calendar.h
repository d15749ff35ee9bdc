#pragma once
// The two calendars of the program and the helpers that take date texts apart and put them
// together. Dates travel as texts "dd<sep>mm<sep>yyyy", always day first; a year above 1900
// marks a Gregorian date, anything else a Persian (solar) one.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace kovu3 {

// The calendar fields of the program settings.
struct Calendar {
    int CalendarKind = 0;  // 0 Gregorian, 1 Persian
    int WaterYearLastMonth = 9;
    // Index 1 to 12; index 0 unused. Month 12 of the Persian table is 29 here; the real
    // length of a given year comes from MonthLength().
    std::array<int, 13> MonthLengths{0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    // Calendar months in water-year order at 1 to 12; 0 at index 0 and 13 at index 13.
    std::array<int, 14> WaterYearMonths{0, 10, 11, 12, 1, 2, 3, 4, 5, 6, 7, 8, 9, 13};
    std::string WaterYearStartPrefix = "01/10/";
    std::string WaterYearEndPrefix = "30/09/";
    std::string DateSeparator = "/";
};

// Sets the fields for "TURKCE" or "ENGLISH" (Gregorian) and "FARSCA" (Persian). Any other
// language leaves the fields as they were and returns false.
bool ApplyCalendar(Calendar& calendar, std::string_view language);

// A date taken apart into numbers.
struct DateParts {
    int day = 0;
    int month = 0;
    int year = 0;
};

// The first three runs of digits of a date text, day first; nullopt when there are fewer.
std::optional<DateParts> ParseDate(std::string_view text);
std::string FormatDate(const DateParts& date, std::string_view separator);

// Two-digit day at the start of the text; trims blanks off `text` in place.
std::string DayPart(std::string& text);
// Two-digit second numeric field; empty when the text has fewer than two separators.
std::string MonthPart(std::string_view text);
// The last four characters.
std::string YearPart(std::string_view text);
// Day, month and year rewritten as dd, mm and yyyy and joined with the separator.
std::string NormalizeDate(std::string_view text, std::string_view separator);

// Real Persian leap years (30 days in month 12), by the 33-year arithmetic cycle: 1403 and
// 1408 are leap years, 1407 is not.
bool IsPersianLeapYear(int year);
bool IsGregorianLeapYear(int year);
// Length of `month` in `year` of the calendar the year belongs to (year > 1900: Gregorian).
int MonthLength(int month, int year);

// Days since 1 January 1970 of a Gregorian date, and back.
long DaysFromGregorian(const DateParts& date);
DateParts GregorianFromDays(long days);
// The same for Persian dates, on the same day count (23/09/2002 = 01/07/1381). A day beyond
// its month counts as the month's last day, as a day-by-day walk would treat it.
long DaysFromPersian(const DateParts& date);
DateParts PersianFromDays(long days);

// The date n days after d (n may be negative), in the calendar of d.
// An unreadable date comes back unchanged.
std::string AddDays(std::string_view date, long n, std::string_view separator);

// Days from d1 to d2; 0 when d1 is empty. Persian pairs count forward only: a d2 before
// d1, or a d2 that is no real date, gives -1.
long DaysBetween(std::string_view d1, std::string_view d2);

struct PersianDate {
    std::string text;
    std::string day;
    std::string month;
    std::string year;
};
// The Persian date of a Gregorian date text; an unreadable text passes through unchanged.
PersianDate GregorianToPersian(std::string_view gregorian, std::string_view separator);

// The water year (named by the year it ends in) of a date of the calendar's kind, and the
// day number 1 to 366 within it.
int WaterYearOf(std::string_view date, const Calendar& calendar);
int DayNoInWaterYear(std::string_view date, const Calendar& calendar);
// First and last day of a water year as date texts.
std::string WaterYearFirstDay(int waterYear, const Calendar& calendar);
std::string WaterYearLastDay(int waterYear, const Calendar& calendar);

}  // namespace kovu3
