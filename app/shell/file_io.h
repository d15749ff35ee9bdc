#pragma once
// Whole-file reads and safe replacement of products. Products are written to a temporary
// name beside their final place and renamed over it, so a failure leaves the old file whole.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace kovu3 {

namespace fs = std::filesystem;

// The file's bytes; nullopt when it is missing or cannot be read.
std::optional<std::string> ReadWholeFile(const fs::path& path);

// Writes `bytes` to `path` through a temporary file and a rename. Returns an empty text on
// success, otherwise a message that names the file and the reason.
std::string WriteFileReplacing(const fs::path& path, std::string_view bytes);

// The entry of `folder` whose name equals `name` ignoring ASCII letter case (the names of
// the system's files come from a file system that ignores case). Exact matches win.
std::optional<fs::path> FindIgnoringCase(const fs::path& folder, std::string_view name);

// True when `a` and `b` are equal ignoring ASCII letter case.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

// The text without leading and trailing blanks and tabs.
std::string_view TrimBlanks(std::string_view text);

}  // namespace kovu3
