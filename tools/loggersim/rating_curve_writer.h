#pragma once
// Rating curve files E*.dat, as prepared for a station outside the program: a free header of
// 561 bytes, then one 5-byte entry per whole centimetre from 0 cm: the discharge in m3/s in
// 4 characters and a blank. Levels below the stage of zero flow hold four blanks.

#include <cstddef>
#include <string>

namespace kovu3::sim {

inline constexpr size_t kRatingHeaderLength = 561;
inline constexpr size_t kRatingEntryLength = 5;

struct RatingCurveRecipe {
    std::string stationId = "12345678";
    double zeroFlowLevelCm = 40;  // no discharge at or below this stage
    double coefficient = 8.5;     // Q = coefficient x (h - zero flow, in metres) ^ exponent
    double exponent = 1.8;
    int highestLevelCm = 3000;    // the last entry
};

// "E" + station identifier + ".dat".
std::string RatingCurveFileName(const std::string& stationId);
std::string MakeRatingCurve(const RatingCurveRecipe& recipe);
// The 4-character discharge text of one entry: "0.00" to "9.99", "10.0" to "99.9", then
// whole numbers up to "9999"; four blanks below the zero-flow stage.
std::string DischargeText(const RatingCurveRecipe& recipe, int levelCm);

}  // namespace kovu3::sim
