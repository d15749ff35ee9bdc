#include "shell/calendar.h"

#include <charconv>
#include <cstdio>

#include "shell/file_io.h"

namespace kovu3 {
namespace {

constexpr std::array<int, 13> kGregorianLengths{0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr std::array<int, 13> kPersianLengths{0, 31, 31, 31, 31, 31, 31, 30, 30, 30, 30, 30, 29};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool AllDigits(std::string_view text) {
    if (text.empty()) return false;
    for (char c : text)
        if (!IsDigit(c)) return false;
    return true;
}

// Formats a numeric field with at least `width` digits; anything else passes unchanged.
std::string PadNumber(std::string_view field, int width) {
    std::string_view trimmed = TrimBlanks(field);
    if (!AllDigits(trimmed)) return std::string(field);
    while (trimmed.size() > 1 && trimmed.front() == '0' && static_cast<int>(trimmed.size()) > width)
        trimmed.remove_prefix(1);
    std::string out(trimmed);
    while (static_cast<int>(out.size()) < width) out.insert(out.begin(), '0');
    return out;
}

std::string TwoDigits(int value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d", value);
    return buffer;
}

std::string FourDigits(int value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04d", value);
    return buffer;
}

long FloorDiv(long a, long b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

// Leap years among the Persian years 1 .. year-1.
long PersianLeapYearsBefore(long year) {
    long cycles = FloorDiv(year - 1, 33);
    long count = cycles * 8;
    for (long y = cycles * 33 + 1; y < year; ++y) count += IsPersianLeapYear(static_cast<int>(y));
    return count;
}

long PersianDaysBeforeMonth(int month) {
    return month <= 7 ? 31L * (month - 1) : 186L + 30L * (month - 7);
}

// Aligns the Persian day count with the Gregorian one: 01/07/1381 is 23/09/2002.
long PersianEpochOffset() {
    static const long offset = DaysFromGregorian({23, 9, 2002}) -
                               (365L * 1380 + PersianLeapYearsBefore(1381) + PersianDaysBeforeMonth(7));
    return offset;
}

bool IsGregorianYear(std::string_view date) {
    std::string year = YearPart(date);
    int value = 0;
    auto [ptr, ec] = std::from_chars(year.data(), year.data() + year.size(), value);
    return ec == std::errc() && value > 1900;
}

}  // namespace

bool ApplyCalendar(Calendar& calendar, std::string_view language) {
    if (language == "TURKCE" || language == "ENGLISH") {
        calendar.CalendarKind = 0;
        calendar.WaterYearLastMonth = 9;
        calendar.MonthLengths = kGregorianLengths;
        calendar.WaterYearMonths = {0, 10, 11, 12, 1, 2, 3, 4, 5, 6, 7, 8, 9, 13};
    } else if (language == "FARSCA") {
        calendar.CalendarKind = 1;
        calendar.WaterYearLastMonth = 6;
        calendar.MonthLengths = kPersianLengths;
        calendar.WaterYearMonths = {0, 7, 8, 9, 10, 11, 12, 1, 2, 3, 4, 5, 6, 13};
    } else {
        return false;
    }
    const std::string& sep = calendar.DateSeparator;
    int last = calendar.WaterYearLastMonth;
    calendar.WaterYearEndPrefix = TwoDigits(calendar.MonthLengths[last]) + sep + TwoDigits(last) + sep;
    calendar.WaterYearStartPrefix = "01" + sep + TwoDigits(last + 1) + sep;
    return true;
}

std::optional<DateParts> ParseDate(std::string_view text) {
    int fields[3] = {0, 0, 0};
    int found = 0;
    size_t i = 0;
    while (found < 3 && i < text.size()) {
        if (!IsDigit(text[i])) {
            ++i;
            continue;
        }
        size_t start = i;
        while (i < text.size() && IsDigit(text[i])) ++i;
        if (i - start > 9) return std::nullopt;  // no date field is that long
        std::from_chars(text.data() + start, text.data() + i, fields[found++]);
    }
    if (found < 3) return std::nullopt;
    return DateParts{fields[0], fields[1], fields[2]};
}

std::string FormatDate(const DateParts& date, std::string_view separator) {
    std::string sep(separator);
    return TwoDigits(date.day) + sep + TwoDigits(date.month) + sep + FourDigits(date.year);
}

std::string DayPart(std::string& text) {
    text = std::string(TrimBlanks(text));
    int value = 0;
    size_t digits = 0;
    while (digits < text.size() && digits < 9 && IsDigit(text[digits])) {
        value = value * 10 + (text[digits] - '0');
        ++digits;
    }
    return TwoDigits(value);
}

std::string MonthPart(std::string_view text) {
    size_t first = 0;
    while (first < text.size() && IsDigit(text[first])) ++first;
    if (first >= text.size()) return {};
    std::string_view rest = TrimBlanks(text.substr(first + 1));
    size_t second = 0;
    while (second < rest.size() && IsDigit(rest[second])) ++second;
    if (second >= rest.size()) return {};
    return PadNumber(rest.substr(0, second), 2);
}

std::string YearPart(std::string_view text) {
    return std::string(text.size() > 4 ? text.substr(text.size() - 4) : text);
}

std::string NormalizeDate(std::string_view text, std::string_view separator) {
    text = TrimBlanks(text);
    std::string sep(separator);
    size_t first = 0;
    while (first < text.size() && IsDigit(text[first])) ++first;
    std::string day = PadNumber(text.substr(0, first), 2);
    if (first >= text.size()) return day + sep + sep;
    std::string_view rest = TrimBlanks(text.substr(first + 1));
    size_t second = 0;
    while (second < rest.size() && IsDigit(rest[second])) ++second;
    std::string month = PadNumber(rest.substr(0, second), 2);
    std::string year;
    if (second < rest.size()) {
        std::string_view tail = TrimBlanks(rest.substr(second + 1));
        year = PadNumber(tail.substr(0, 80), 4);
    }
    return day + sep + month + sep + year;
}

bool IsPersianLeapYear(int year) {
    long r = (25L * year + 11) % 33;
    if (r < 0) r += 33;
    return r < 8;
}

bool IsGregorianLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int MonthLength(int month, int year) {
    if (month < 1 || month > 12) return 0;
    if (year > 1900) {
        return month == 2 && IsGregorianLeapYear(year) ? 29 : kGregorianLengths[month];
    }
    return month == 12 && IsPersianLeapYear(year) ? 30 : kPersianLengths[month];
}

long DaysFromGregorian(const DateParts& date) {
    // Civil-from-days arithmetic on 400-year eras; overflowing days roll into later months.
    long y = date.year;
    long m = date.month;
    y += FloorDiv(m - 1, 12);
    m = m - 12 * FloorDiv(m - 1, 12);
    y -= m <= 2;
    long era = FloorDiv(y, 400);
    long yoe = y - era * 400;
    long doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + date.day - 1;
    long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

DateParts GregorianFromDays(long days) {
    days += 719468;
    long era = FloorDiv(days, 146097);
    long doe = days - era * 146097;
    long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    long y = yoe + era * 400;
    long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    long mp = (5 * doy + 2) / 153;
    long d = doy - (153 * mp + 2) / 5 + 1;
    long m = mp < 10 ? mp + 3 : mp - 9;
    return DateParts{static_cast<int>(d), static_cast<int>(m), static_cast<int>(y + (m <= 2))};
}

long DaysFromPersian(const DateParts& date) {
    int day = std::min(date.day, MonthLength(date.month, date.year));
    return 365L * (date.year - 1) + PersianLeapYearsBefore(date.year) +
           PersianDaysBeforeMonth(date.month) + day - 1 + PersianEpochOffset();
}

DateParts PersianFromDays(long days) {
    long index = days - PersianEpochOffset();  // days since 01/01/0001
    long year = FloorDiv(index, 365) + 1;
    // The estimate is at most a few years late; step back until the year starts in time.
    while (365L * (year - 1) + PersianLeapYearsBefore(year) > index) --year;
    while (365L * year + PersianLeapYearsBefore(year + 1) <= index) ++year;
    long dayOfYear = index - (365L * (year - 1) + PersianLeapYearsBefore(year));
    int month = dayOfYear < 186 ? static_cast<int>(dayOfYear / 31) + 1
                                : static_cast<int>((dayOfYear - 186) / 30) + 7;
    if (month > 12) month = 12;
    int day = static_cast<int>(dayOfYear - PersianDaysBeforeMonth(month)) + 1;
    return DateParts{day, month, static_cast<int>(year)};
}

std::string AddDays(std::string_view date, long n, std::string_view separator) {
    auto parts = ParseDate(date);
    if (!parts || parts->month < 1 || parts->month > 12) return std::string(date);
    if (IsGregorianYear(date)) return FormatDate(GregorianFromDays(DaysFromGregorian(*parts) + n), separator);
    return FormatDate(PersianFromDays(DaysFromPersian(*parts) + n), separator);
}

long DaysBetween(std::string_view d1, std::string_view d2) {
    if (d1.empty()) return 0;
    auto from = ParseDate(d1);
    auto to = ParseDate(d2);
    if (!from || !to) return -1;
    if (IsGregorianYear(d2)) return DaysFromGregorian(*to) - DaysFromGregorian(*from);
    bool reachable = from->month >= 1 && from->month <= 12 && to->month >= 1 && to->month <= 12 &&
                     to->day >= 1 && to->day <= MonthLength(to->month, to->year);
    if (!reachable) return -1;
    long difference = DaysFromPersian(*to) - DaysFromPersian(*from);
    return difference < 0 ? -1 : difference;
}

PersianDate GregorianToPersian(std::string_view gregorian, std::string_view separator) {
    PersianDate result;
    auto parts = ParseDate(gregorian);
    if (parts && parts->month >= 1 && parts->month <= 12) {
        result.text = FormatDate(PersianFromDays(DaysFromGregorian(*parts)), separator);
    } else {
        result.text = std::string(gregorian);
    }
    result.day = DayPart(result.text);
    result.month = MonthPart(result.text);
    result.year = YearPart(result.text);
    return result;
}

int WaterYearOf(std::string_view date, const Calendar& calendar) {
    auto parts = ParseDate(date);
    if (!parts) return 0;
    return parts->month > calendar.WaterYearLastMonth ? parts->year + 1 : parts->year;
}

int DayNoInWaterYear(std::string_view date, const Calendar& calendar) {
    int waterYear = WaterYearOf(date, calendar);
    if (waterYear == 0) return 0;
    return static_cast<int>(DaysBetween(WaterYearFirstDay(waterYear, calendar), date)) + 1;
}

std::string WaterYearFirstDay(int waterYear, const Calendar& calendar) {
    return calendar.WaterYearStartPrefix + FourDigits(waterYear - 1);
}

std::string WaterYearLastDay(int waterYear, const Calendar& calendar) {
    int last = calendar.WaterYearLastMonth;
    return TwoDigits(MonthLength(last, waterYear)) + calendar.DateSeparator + TwoDigits(last) +
           calendar.DateSeparator + FourDigits(waterYear);
}

}  // namespace kovu3
