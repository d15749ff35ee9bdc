#pragma once
// Value-by-value access to Kovu3.ini, the way every part of the program reads and writes
// its configuration.

#include <filesystem>
#include <string>
#include <string_view>

#include "shell/platform.h"

namespace kovu3 {

// One value, or empty when the file, section or key is missing (or the value is literally
// "(error)"). Values are cut to 254 characters. A "DataDirectory" value is normalised with
// NormalizeFolder and written back, so the file always holds the normalised form.
std::string ReadIniValue(const std::filesystem::path& file, std::string_view section,
                         std::string_view key, const SystemLayout& layout);

// Writes one value; returns an error message, empty on success.
std::string WriteIniValue(const std::filesystem::path& file, std::string_view section,
                          std::string_view key, std::string_view value);

// A folder path ending in exactly one "/", or the system root's folder when the path is
// empty or names no existing folder.
std::string NormalizeFolder(std::string_view path, const SystemLayout& layout);

}  // namespace kovu3
