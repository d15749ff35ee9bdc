#include "rawfile/additional_info.h"

#include <system_error>

#include "shell/file_io.h"
#include "shell/profile_file.h"

namespace kovu3 {
namespace {

bool ContainsErrorWord(std::string_view value) {
    constexpr std::string_view kWord = "ERROR";
    for (size_t i = 0; i + kWord.size() <= value.size(); ++i) {
        if (EqualsIgnoringCase(value.substr(i, kWord.size()), kWord)) return true;
    }
    return false;
}

}  // namespace

std::string AdditionalInfoName(std::string_view rawFileName) {
    std::string name(rawFileName);
    if (name.size() >= 9) name[8] = '_';
    return name + ".xxx";
}

std::filesystem::path AdditionalInfoPath(const std::filesystem::path& dataFolder,
                                         std::string_view rawFileName) {
    std::string name = AdditionalInfoName(rawFileName);
    if (auto existing = FindIgnoringCase(dataFolder, name)) return *existing;
    return dataFolder / name;
}

std::string ReadAdditionalInfo(std::string_view key, std::string_view rawFileName,
                               const std::filesystem::path& dataFolder) {
    ProfileFile profile = ProfileFile::Load(AdditionalInfoPath(dataFolder, rawFileName));
    // The profile service reads into 255 characters, the last one its terminator.
    std::string value(TrimBlanks(profile.Get(kAdditionalInfoSection, key, 254).value_or("")));
    return ContainsErrorWord(value) ? std::string() : value;
}

std::string ReadCurrentAdditionalInfo(std::string_view key, std::string_view currentRawFile,
                                      const std::filesystem::path& dataFolder) {
    std::string value = ReadAdditionalInfo(key, currentRawFile, dataFolder);
    if (EqualsIgnoringCase(key, "AnahtarDirectory") && !value.empty()) {
        std::error_code ec;
        if (!std::filesystem::is_regular_file(std::filesystem::path(value), ec)) return {};
    }
    return value;
}

std::string WriteAdditionalInfo(std::string_view key, const std::filesystem::path& infoPath,
                                std::string_view value) {
    ProfileFile profile = ProfileFile::Load(infoPath);
    profile.Set(kAdditionalInfoSection, key, value);
    return profile.Save(infoPath);
}

std::string WriteCurrentAdditionalInfo(std::string_view key, std::string_view value,
                                       std::string_view currentRawFile,
                                       const std::filesystem::path& dataFolder) {
    return WriteAdditionalInfo(key, AdditionalInfoPath(dataFolder, currentRawFile), value);
}

}  // namespace kovu3
