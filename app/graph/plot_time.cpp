#include "graph/plot_time.h"

#include <charconv>
#include <cmath>

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

// The number at the start of a text (0 when there is none), as the time fields are read.
long LeadingNumber(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    long value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
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
    std::string_view dayText = text.substr(0, cut);
    std::string_view monthText = text.substr(cut + 1);
    while (!dayText.empty() && dayText.front() == ' ') dayText.remove_prefix(1);
    while (!dayText.empty() && dayText.back() == ' ') dayText.remove_suffix(1);
    while (!monthText.empty() && monthText.front() == ' ') monthText.remove_prefix(1);
    while (!monthText.empty() && monthText.back() == ' ') monthText.remove_suffix(1);
    int day = 0, month = 0;
    auto [dayEnd, dayError] = std::from_chars(dayText.data(), dayText.data() + dayText.size(), day);
    auto [monthEnd, monthError] =
        std::from_chars(monthText.data(), monthText.data() + monthText.size(), month);
    if (dayError != std::errc() || dayEnd != dayText.data() + dayText.size()) return std::nullopt;
    if (monthError != std::errc() || monthEnd != monthText.data() + monthText.size())
        return std::nullopt;
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
