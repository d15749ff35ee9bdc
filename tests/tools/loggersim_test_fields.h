#pragma once
// Reading simulated raw logger files back by the format's own rules, independently of the
// simulator: three characters a byte, BCD clock fields, 16-bit values.

#include <string>

namespace kovu3::sim::fields {

// The value of the three characters at `offset`.
inline int Field(const std::string& file, size_t offset) { return std::stoi(file.substr(offset, 3)); }
// Parameter n (1-based) of the setup block.
inline int Param(const std::string& file, int n) { return Field(file, 28 + 3 * static_cast<size_t>(n - 1)); }
inline int FromBcd(int value) { return value / 16 * 10 + value % 16; }
inline int BcdParam(const std::string& file, int n) { return FromBcd(Param(file, n)); }
// Setup block: low byte first.
inline int Param16(const std::string& file, int lowParameter) {
    return Param(file, lowParameter + 1) * 256 + Param(file, lowParameter);
}
// Data area: high byte first.
inline int Reading(const std::string& file, size_t offset) {
    return Field(file, offset) * 256 + Field(file, offset + 3);
}

}  // namespace kovu3::sim::fields
