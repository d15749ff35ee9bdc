#pragma once
// The additional-information file beside each raw logger file: a small profile file with
// the section [Ek_Bilgiler] holding the file's rating curve (AnahtarDirectory), extremes
// policy (ExtremDuzelt) and hand-made corrections (Tarih0, Tarih1, Ngun). Its name is the
// raw file's name with the 9th character replaced by "_", followed by ".xxx".

#include <filesystem>
#include <string>
#include <string_view>

namespace kovu3 {

inline constexpr const char* kAdditionalInfoSection = "Ek_Bilgiler";

// "12345678001.03M" -> "12345678_01.03M.xxx". Names shorter than nine characters only get
// the ending.
std::string AdditionalInfoName(std::string_view rawFileName);

// The existing file for a raw file (its name matched ignoring case), else the path it
// would be created under.
std::filesystem::path AdditionalInfoPath(const std::filesystem::path& dataFolder,
                                         std::string_view rawFileName);

// The key's value, trimmed; empty for a missing file, section or key and for any value
// containing "error" in any letter case.
std::string ReadAdditionalInfo(std::string_view key, std::string_view rawFileName,
                               const std::filesystem::path& dataFolder);

// The same for the current raw file; an AnahtarDirectory that names no existing file
// reads as empty.
std::string ReadCurrentAdditionalInfo(std::string_view key, std::string_view currentRawFile,
                                      const std::filesystem::path& dataFolder);

// Writes the key into [Ek_Bilgiler] of the file at `infoPath`, creating file and section as
// needed. Returns an error message, empty on success.
std::string WriteAdditionalInfo(std::string_view key, const std::filesystem::path& infoPath,
                                std::string_view value);

// The same for the current raw file's additional-information file.
std::string WriteCurrentAdditionalInfo(std::string_view key, std::string_view value,
                                       std::string_view currentRawFile,
                                       const std::filesystem::path& dataFolder);

}  // namespace kovu3
