#pragma once
// Counter-based random numbers: every value is a pure function of the seed and a few
// integers, so the same seed gives the same files on every machine and in any order of
// generation (the library distributions of <random> differ between implementations).

#include <cstdint>

namespace kovu3::sim {

// SplitMix64 finaliser.
constexpr std::uint64_t Mix(std::uint64_t x) {
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

constexpr std::uint64_t Hash(std::uint64_t seed, std::uint64_t a, std::uint64_t b = 0,
                             std::uint64_t c = 0) {
    return Mix(Mix(Mix(Mix(seed) ^ a) ^ b) ^ c);
}

// Uniform in [0, 1).
constexpr double Unit(std::uint64_t seed, std::uint64_t a, std::uint64_t b = 0, std::uint64_t c = 0) {
    return static_cast<double>(Hash(seed, a, b, c) >> 11) * (1.0 / 9007199254740992.0);
}

// Uniform whole number in [low, high].
constexpr long long Between(long long low, long long high, std::uint64_t seed, std::uint64_t a,
                            std::uint64_t b = 0, std::uint64_t c = 0) {
    return low + static_cast<long long>(Hash(seed, a, b, c) %
                                        static_cast<std::uint64_t>(high - low + 1));
}

}  // namespace kovu3::sim
