#pragma once
// Points in time of the simulated logger: a Gregorian date and minutes after midnight.
// Readings use 1440 for the 24:00 reading that closes a day; clock instants (setup, time
// stamps) use 0 to 1439. Internally everything is counted in minutes since 01/01/1970 00:00,
// so that the 24:00 reading of a day and 00:00 of the next are the same minute.

#include <optional>
#include <string>
#include <string_view>

#include "shell/calendar.h"

namespace kovu3::sim {

inline constexpr int kMinutesPerDay = 1440;

struct Moment {
    DateParts date;
    int minute = 0;  // minutes after midnight, 0 to 1440
};

// Division rounding towards minus infinity (minutes before 1970 are negative).
constexpr long long FloorDiv(long long a, long long b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

// Minutes since 01/01/1970 00:00.
long long ToMinutes(const Moment& moment);
// The clock instant of an absolute minute: minute of day 0 to 1439.
Moment ClockMoment(long long minutes);
// The reading form of an absolute minute: midnight is 24:00 of the day before.
Moment ReadingMoment(long long minutes);

// True for a real Gregorian date with a minute of 0 to 1440.
bool IsValidMoment(const Moment& moment);

// "dd/mm/yyyy" or "dd/mm/yyyy hh:mm" (24:00 allowed); nullopt for anything else.
std::optional<Moment> ParseMoment(std::string_view text);
// "dd/mm/yyyy hh:mm"; a minute of 1440 is written 24:00.
std::string FormatMoment(const Moment& moment);
std::string FormatDateOnly(const DateParts& date);

}  // namespace kovu3::sim
