#include "reports/rating_curve.h"

#include <cmath>

#include "reports/cell_value.h"
#include "shell/file_io.h"

namespace kovu3 {
namespace {

constexpr long long kFirstEntryOffset = 561;  // byte 562, counted from 1
constexpr long long kEntrySize = 5;
constexpr long long kDischargeSize = 4;

// The value of a discharge entry: blanks, an optional sign, digits with at most one
// decimal point, blanks. Anything else is not a number.
std::optional<double> EntryValue(std::string_view entry) {
    while (!entry.empty() && entry.front() == ' ') entry.remove_prefix(1);
    while (!entry.empty() && entry.back() == ' ') entry.remove_suffix(1);
    if (entry.empty()) return 0.0;  // blanks read as 0, which gives "-"
    size_t start = entry.front() == '-' || entry.front() == '+' ? 1 : 0;
    bool digit = false;
    bool point = false;
    for (size_t i = start; i < entry.size(); ++i) {
        if (entry[i] >= '0' && entry[i] <= '9') {
            digit = true;
        } else if (entry[i] == '.' && !point) {
            point = true;
        } else {
            return std::nullopt;
        }
    }
    if (!digit) return std::nullopt;
    return ParseSheetNumber(entry);
}

}  // namespace

LoadedRatingCurve RatingCurve::Load(const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        return {std::nullopt,
                "Cannot read the rating curve file " + path.string() + ": there is no such file"};
    }
    std::optional<std::string> bytes = ReadWholeFile(path);
    if (!bytes) return {std::nullopt, "Cannot read the rating curve file " + path.string()};
    return {RatingCurve(std::move(*bytes)), {}};
}

RatingCurve RatingCurve::FromBytes(std::string bytes) {
    return RatingCurve(std::move(bytes));
}

long long RatingCurve::EntryCount() const {
    long long size = static_cast<long long>(bytes_.size());
    if (size < kFirstEntryOffset + kDischargeSize) return 0;
    // The last entry needs its 4 discharge bytes; its fifth byte is never read.
    return (size - kFirstEntryOffset - kDischargeSize) / kEntrySize + 1;
}

std::string RatingCurve::DischargeForLevel(std::string_view levelText) const {
    std::optional<double> level = ParseSheetNumber(levelText);
    if (!level) return "-";
    return DischargeForLevel(*level);
}

std::string RatingCurve::DischargeForLevel(double level) const {
    if (!std::isfinite(level)) return "-";
    double centimetre = std::floor(level);
    if (centimetre < 0 || centimetre >= static_cast<double>(EntryCount())) return "-";
    long long offset = kFirstEntryOffset + static_cast<long long>(centimetre) * kEntrySize;
    std::string entry = bytes_.substr(static_cast<size_t>(offset), kDischargeSize);
    std::optional<double> value = EntryValue(entry);
    if (!value || (*value <= 0 && entry.front() != '0')) return "-";
    return entry;
}

}  // namespace kovu3
