#include "shell/ini_values.h"

#include <system_error>

#include "shell/file_io.h"
#include "shell/profile_file.h"

namespace kovu3 {

std::string ReadIniValue(const std::filesystem::path& file, std::string_view section,
                         std::string_view key, const SystemLayout& layout) {
    auto value = ProfileFile::Load(file).Get(section, key).value_or("");
    if (value == "(error)") value.clear();
    if (EqualsIgnoringCase(key, "DataDirectory")) {
        value = NormalizeFolder(value, layout);
        WriteIniValue(file, "Genel", "DataDirectory", value);
    }
    return value;
}

std::string WriteIniValue(const std::filesystem::path& file, std::string_view section,
                          std::string_view key, std::string_view value) {
    ProfileFile profile = ProfileFile::Load(file);
    if (profile.Get(section, key, std::string::npos) == value) return {};
    profile.Set(section, key, value);
    return profile.Save(file);
}

std::string NormalizeFolder(std::string_view path, const SystemLayout& layout) {
    std::string folder(TrimBlanks(path));
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    if (folder.empty()) return layout.RootFolder();
    if (folder.back() != '/') folder += '/';
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec) || ec) return layout.RootFolder();
    return folder;
}

}  // namespace kovu3
