#include "loggersim/rating_curve_writer.h"

#include <cmath>
#include <cstdio>

namespace kovu3::sim {

std::string RatingCurveFileName(const std::string& stationId) { return "E" + stationId + ".dat"; }

std::string DischargeText(const RatingCurveRecipe& recipe, int levelCm) {
    if (levelCm < recipe.zeroFlowLevelCm) return "    ";
    const double metres = (levelCm - recipe.zeroFlowLevelCm) / 100.0;
    const double q = recipe.coefficient * std::pow(metres, recipe.exponent);
    // Choose the format by the rounded value, so 9.996 becomes "10.0" and not "10.00".
    char text[32];
    if (std::round(q * 100) < 1000) std::snprintf(text, sizeof text, "%4.2f", q);
    else if (std::round(q * 10) < 1000) std::snprintf(text, sizeof text, "%4.1f", q);
    else if (std::round(q) <= 9999) std::snprintf(text, sizeof text, "%4.0f", q);
    else std::snprintf(text, sizeof text, "9999");
    return text;
}

std::string MakeRatingCurve(const RatingCurveRecipe& recipe) {
    char line[256];
    std::snprintf(line, sizeof line,
                  "Rating curve of station %s\r\nQ = %.3f * (H - %.1f cm)^%.3f, H in m, Q in m3/s\r\n"
                  "One entry of 5 bytes per cm from 0 cm at byte 562; blanks: no flow\r\n",
                  recipe.stationId.c_str(), recipe.coefficient, recipe.zeroFlowLevelCm, recipe.exponent);
    std::string file = line;
    file.resize(kRatingHeaderLength - 2, ' ');
    file += "\r\n";
    file.reserve(kRatingHeaderLength + kRatingEntryLength * static_cast<size_t>(recipe.highestLevelCm + 1));
    for (int level = 0; level <= recipe.highestLevelCm; ++level) file += DischargeText(recipe, level) + " ";
    return file;
}

}  // namespace kovu3::sim
