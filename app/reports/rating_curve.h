#pragma once
// A rating curve file (E*.dat): the discharge for each whole centimetre of level. Bytes 1 to
// 561 are a header this program does not read; from byte 562 on, entries of 5 bytes follow,
// one per centimetre from 0 cm: 4 bytes of discharge text in m3/s and one byte not read.
// The file is read once; every lookup is then answered from memory.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace kovu3 {

struct LoadedRatingCurve;

class RatingCurve final {
public:
    static LoadedRatingCurve Load(const std::filesystem::path& path);
    static RatingCurve FromBytes(std::string bytes);

    // The discharge text for a level in centimetres, from the entry of the whole centimetre
    // at or below it. "-" when the level is below 0 or beyond the last entry, when the level
    // text is not a number, and when the entry is not a number or is 0 or less without
    // starting with "0" (four blanks give "-"; "0.00" stays "0.00"; " 1.5" is returned as
    // it stands).
    std::string DischargeForLevel(std::string_view levelText) const;
    std::string DischargeForLevel(double level) const;

    // Whole entries in the file: levels 0 to EntryCount() - 1 have one.
    long long EntryCount() const;

private:
    explicit RatingCurve(std::string bytes) : bytes_(std::move(bytes)) {}
    std::string bytes_;
};

struct LoadedRatingCurve {
    std::optional<RatingCurve> curve;
    std::string error;  // names the file when it cannot be read
};

}  // namespace kovu3
