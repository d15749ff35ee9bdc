#include "loggersim/hydrograph.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "loggersim/sim_random.h"

namespace kovu3::sim {
namespace {

// Storms are drawn per year of 365.2425 days counted from 01/01/1970.
constexpr long long kMinutesPerYear = 525949;
constexpr double kTwoPi = 2 * std::numbers::pi;
// Day of the year (from 1 January) on which the seasonal stage peaks: mid April.
constexpr double kSpringPeakDay = 105;

// Salt values keep the streams of random numbers apart.
enum Salt : std::uint64_t { kStormCount = 1, kStormStart, kStormRise, kStormRecession, kStormPeak, kNoise };

}  // namespace

Hydrograph::Hydrograph(HydrographParams params) : params_(params) {}

const std::vector<Hydrograph::Storm>& Hydrograph::StormsOfYear(long long yearIndex) const {
    std::lock_guard lock(mutex_);
    auto found = storms_.find(yearIndex);
    if (found != storms_.end()) return found->second;
    std::vector<Storm> storms;
    const std::uint64_t seed = params_.seed;
    const auto year = static_cast<std::uint64_t>(yearIndex);
    double expected = std::max(0.0, params_.stormsPerYear);
    int count = static_cast<int>(std::lround(expected * (0.6 + 0.8 * Unit(seed, kStormCount, year))));
    for (int i = 0; i < count; ++i) {
        const auto n = static_cast<std::uint64_t>(i);
        Storm storm;
        storm.start = yearIndex * kMinutesPerYear +
                      static_cast<long long>(Unit(seed, kStormStart, year, n) * kMinutesPerYear);
        storm.riseMinutes = 90 + Unit(seed, kStormRise, year, n) * 36 * 60;
        storm.recessionMinutes = (0.4 + 4.0 * Unit(seed, kStormRecession, year, n)) * kMinutesPerDay;
        double u = Unit(seed, kStormPeak, year, n);
        storm.peakCm = params_.stormPeakCm * (0.3 + 1.4 * u * u);
        storms.push_back(storm);
    }
    return storms_.emplace(yearIndex, std::move(storms)).first->second;
}

double Hydrograph::LevelCm(long long minute) const {
    const double yearFraction = static_cast<double>(minute) / kMinutesPerYear;
    const double dayOfYear = (yearFraction - std::floor(yearFraction)) * 365.2425;
    const double season = std::cos(kTwoPi * (dayOfYear - kSpringPeakDay) / 365.2425);
    double level = params_.baseLevelCm + params_.seasonalAmplitudeCm * season;

    // Melt cycle: only while the seasonal stage is above its mean, highest in mid afternoon.
    const double minuteOfDay = static_cast<double>(((minute % kMinutesPerDay) + kMinutesPerDay) % kMinutesPerDay);
    level += params_.meltCycleCm * std::max(0.0, season) *
             std::sin(kTwoPi * (minuteOfDay - 10 * 60) / kMinutesPerDay);

    // Storms of this year and the year before (a recession lasts at most a few weeks).
    const long long yearIndex = static_cast<long long>(std::floor(yearFraction));
    for (long long y = yearIndex - 1; y <= yearIndex; ++y) {
        for (const Storm& storm : StormsOfYear(y)) {
            const double since = static_cast<double>(minute - storm.start);
            if (since <= 0) continue;
            if (since < storm.riseMinutes) {
                const double s = std::sin(std::numbers::pi / 2 * since / storm.riseMinutes);
                level += storm.peakCm * s * s;
            } else {
                level += storm.peakCm * std::exp(-(since - storm.riseMinutes) / storm.recessionMinutes);
            }
        }
    }

    level += params_.noiseCm * (2 * Unit(params_.seed, kNoise, static_cast<std::uint64_t>(minute)) - 1);
    return std::max(params_.minimumCm, level);
}

}  // namespace kovu3::sim
