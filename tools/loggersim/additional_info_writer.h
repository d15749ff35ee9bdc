#pragma once
// The additional-information file beside a raw logger file: the same name with its 9th
// character replaced by "_" and ".xxx" added (12345678001.03M -> 12345678_01.03M.xxx), a
// profile file whose keys lie in the section [Ek_Bilgiler]. Nothing in the program writes
// the correction keys; field staff and other tools do, and the simulator plays that part.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kovu3::sim {

struct AdditionalInfo {
    std::optional<std::string> ratingCurvePath;  // `AnahtarDirectory`
    std::optional<int> extremesPolicy;           // `ExtremDuzelt`: 0, 1 or 2
    std::optional<std::string> setupCorrection;  // `Tarih0`, as the person wrote it
    std::optional<std::string> firstRecordCorrection;  // `Tarih1`
    std::optional<int> dayCount;                       // `Ngun`
};

std::string AdditionalInfoFileName(std::string_view rawFileName);

// Writes the keys that are set into the file beside `rawFilePath`, keeping what the file
// already holds. Returns an error message, empty on success.
std::string WriteAdditionalInfo(const std::filesystem::path& rawFilePath, const AdditionalInfo& info);

// One line of OzelDosyalar.txt: a raw file whose first record lies `intervals` record
// intervals away from the time its setup implies.
struct FirstRecordShift {
    std::string rawFileName;
    int intervals = 0;
};
// Writes OzelDosyalar.txt into `folder` as quoted name, comma, number, one pair a line.
std::string WriteShiftList(const std::filesystem::path& folder, const std::vector<FirstRecordShift>& shifts);

}  // namespace kovu3::sim
