#pragma once
// Starting other programs without a shell, so paths with blanks and quotes pass unchanged.

#include <filesystem>
#include <string>

namespace kovu3 {

namespace fs = std::filesystem;

// Starts `program` in `workingFolder` without waiting for it and without a terminal (its
// standard streams go to /dev/null). Returns an empty text when it started, else the reason.
std::string StartDetached(const fs::path& program, const fs::path& workingFolder);

}  // namespace kovu3
