#pragma once
// A synthetic river stage: a seasonal base (high in spring, low in late summer), a daily
// melt cycle in spring, storms (a quick rise and a slow recession) and sensor noise. The
// level at a minute is a pure function of the parameters and that minute, so files of one
// station that overlap in time hold the same readings where they overlap.

#include <cstdint>
#include <map>
#include <mutex>
#include <vector>

#include "loggersim/moment.h"

namespace kovu3::sim {

struct HydrographParams {
    std::uint64_t seed = 1;
    double baseLevelCm = 150;         // mean stage over the year
    double seasonalAmplitudeCm = 60;  // half the spring-to-autumn swing
    double meltCycleCm = 4;           // daily swing at the height of the melt
    double stormsPerYear = 10;
    double stormPeakCm = 120;  // typical rise of a storm; single storms vary 0.3 to 1.7 times
    double noiseCm = 0.4;      // sensor noise, uniform in +-noiseCm
    double minimumCm = 5;      // the stage never falls below this
};

class Hydrograph final {
public:
    explicit Hydrograph(HydrographParams params = {});
    Hydrograph(const Hydrograph&) = delete;
    Hydrograph& operator=(const Hydrograph&) = delete;

    // Stage in centimetres at an absolute minute (minutes since 01/01/1970 00:00).
    double LevelCm(long long minute) const;
    double LevelCm(const Moment& moment) const { return LevelCm(ToMinutes(moment)); }
    const HydrographParams& params() const { return params_; }

private:
    struct Storm {
        long long start;  // absolute minute
        double riseMinutes;
        double recessionMinutes;
        double peakCm;
    };
    const std::vector<Storm>& StormsOfYear(long long yearIndex) const;

    HydrographParams params_;
    mutable std::mutex mutex_;
    mutable std::map<long long, std::vector<Storm>> storms_;
};

}  // namespace kovu3::sim
