#include "graph/plot_time.h"

#include <charconv>
#include <cmath>

#include "shell/file_io.h"
#include "shell/options.h"

namespace kovu3 {
namespace {

bool IsGregorian(const DateParts& date) {
    return date.year > 1900;
}

std::optional<long> DayIndex(std::string_view date) {
    std::optional<DateParts> parts = ParseDate(date);
    if (!parts || parts->month < 1 || parts->month > 12) return std::nullopt;
    return IsGregorian(*parts) ? DaysFromGregorian(*parts) : DaysFromPersian(*parts);
}

// A field of a typed day.month: only digits, blanks around them allowed.
std::optional<int> WholeField(std::string_view text) {
    text = TrimBlanks(text);
    int value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::string TwoDigits(long value) {
    std::string text = std::to_string(value);
    return text.size() < 2 ? "0" + text : text;
}

std::string DayMonthOf(const std::string& prefix) {
    std::optional<DateParts> parts = ParseDate(prefix + "2000");
    if (!parts) return {};
    return std::to_string(parts->day) + "." + std::to_string(parts->month);
}

}  // namespace

std::optional<long> DayNumber(std::string_view date, std::string_view firstDay) {
    std::optional<long> day = DayIndex(date);
    std::optional<long> first = DayIndex(firstDay);
    if (!day || !first) return std::nullopt;
    return *day - *first + 1;
}

std::optional<double> PlotTimeOf(std::string_view date, std::string_view time,
                                 std::string_view firstDay) {
    std::optional<long> dayNo = DayNumber(date, firstDay);
    if (!dayNo) return std::nullopt;
    const size_t colon = time.find(':');
    const long hours = LeadingNumber(time.substr(0, colon));
    const long minutes =
        colon == std::string_view::npos ? 0 : LeadingNumber(time.substr(colon + 1));
    // Whole minutes first, so that values on the minute are exact multiples of 0.01.
    return static_cast<double>(*dayNo * 1440 + hours * 60 + minutes) / 100.0;
}

DateTime DateTimeOf(double plotTime, std::string_view firstDay, std::string_view separator) {
    // The tiny allowance keeps 18.3 (06:30 of day 1) from reading as 06:29.
    const long total = static_cast<long>(std::floor(plotTime * 100 + 1e-6));
    long days = total / 1440;
    long minutes = total % 1440;
    if (minutes < 0) {
        minutes += 1440;
        --days;
    }
    DateTime result;
    result.date = AddDays(firstDay, days - 1, separator);
    result.time = TwoDigits(minutes / 60) + ":" + TwoDigits(minutes % 60);
    return result;
}

std::optional<std::string> TypedDayOfWaterYear(std::string_view text, int waterYear,
                                               const Calendar& calendar) {
    const size_t cut = text.find_first_of("\\/.:");
    if (cut == std::string_view::npos) return std::nullopt;
    const std::optional<int> dayField = WholeField(text.substr(0, cut));
    const std::optional<int> monthField = WholeField(text.substr(cut + 1));
    if (!dayField || !monthField) return std::nullopt;
    const int day = *dayField, month = *monthField;
    if (month < 1 || month > 12) return std::nullopt;
    const int year = month > calendar.WaterYearLastMonth ? waterYear - 1 : waterYear;
    if (day < 1 || day > MonthLength(month, year)) return std::nullopt;
    return FormatDate({day, month, year}, calendar.DateSeparator);
}

std::string TypedFirstDay(const Calendar& calendar) {
    return DayMonthOf(calendar.WaterYearStartPrefix);
}

std::string TypedLastDay(const Calendar& calendar) {
    return DayMonthOf(calendar.WaterYearEndPrefix);
}

}  // namespace kovu3
