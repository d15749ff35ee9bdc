#include "loggersim/moment.h"

#include <cstdio>

namespace kovu3::sim {
namespace {

bool ReadNumber(std::string_view text, size_t& at, size_t digits, int& value) {
    if (at + digits > text.size()) return false;
    value = 0;
    for (size_t i = 0; i < digits; ++i) {
        char c = text[at + i];
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    at += digits;
    return true;
}

bool Expect(std::string_view text, size_t& at, char c) {
    if (at >= text.size() || text[at] != c) return false;
    ++at;
    return true;
}

}  // namespace

long long ToMinutes(const Moment& moment) {
    return static_cast<long long>(DaysFromGregorian(moment.date)) * kMinutesPerDay + moment.minute;
}

Moment ClockMoment(long long minutes) {
    long long days = FloorDiv(minutes, kMinutesPerDay);
    return Moment{GregorianFromDays(static_cast<long>(days)),
                  static_cast<int>(minutes - days * kMinutesPerDay)};
}

Moment ReadingMoment(long long minutes) {
    Moment moment = ClockMoment(minutes);
    if (moment.minute != 0) return moment;
    return Moment{ClockMoment(minutes - kMinutesPerDay).date, kMinutesPerDay};
}

bool IsValidMoment(const Moment& moment) {
    const DateParts& d = moment.date;
    if (d.year < 1901 || d.month < 1 || d.month > 12 || d.day < 1) return false;
    if (d.day > MonthLength(d.month, d.year)) return false;
    return moment.minute >= 0 && moment.minute <= kMinutesPerDay;
}

std::optional<Moment> ParseMoment(std::string_view text) {
    Moment moment;
    size_t at = 0;
    if (!ReadNumber(text, at, 2, moment.date.day) || !Expect(text, at, '/') ||
        !ReadNumber(text, at, 2, moment.date.month) || !Expect(text, at, '/') ||
        !ReadNumber(text, at, 4, moment.date.year))
        return std::nullopt;
    if (at < text.size()) {
        int hour = 0;
        int minute = 0;
        if (!Expect(text, at, ' ') || !ReadNumber(text, at, 2, hour) || !Expect(text, at, ':') ||
            !ReadNumber(text, at, 2, minute) || at != text.size() || minute > 59)
            return std::nullopt;
        moment.minute = hour * 60 + minute;
    }
    if (!IsValidMoment(moment)) return std::nullopt;
    return moment;
}

std::string FormatDateOnly(const DateParts& date) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%02d/%02d/%04d", date.day, date.month, date.year);
    return buffer;
}

std::string FormatMoment(const Moment& moment) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, " %02d:%02d", moment.minute / 60, moment.minute % 60);
    return FormatDateOnly(moment.date) + buffer;
}

}  // namespace kovu3::sim
