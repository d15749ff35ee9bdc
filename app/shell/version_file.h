#pragma once
// The program's version as the logo window shows it: the first line of versionno.txt in
// the program folder, "0.0.0" when the file is missing, unreadable or empty.

#include <filesystem>
#include <string>

namespace kovu3 {

std::string ReadVersionText(const std::filesystem::path& programFolder);

}  // namespace kovu3
