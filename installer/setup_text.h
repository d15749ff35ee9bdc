#pragma once
// setup.txt, the installer's instructions on the medium: three lines, of which the first 72
// characters count, without surrounding blanks.

#include <filesystem>
#include <string>
#include <string_view>

#include "shell/platform.h"

namespace kovu3 {

namespace fs = std::filesystem;

inline constexpr size_t kSetupLineLength = 72;

struct SetupText {
    std::string progad;  // file name of the program's executable inside the program folder
    std::string progac;  // name of the desktop shortcut, without extension
    std::string klasad;  // installation folder as written, e.g. C:\kovuprg
};

struct SetupTextResult {
    fs::path file;  // the setup.txt that was read (or looked for)
    SetupText text;
    std::string error;  // empty when all three lines were read
};

// Reads setup.txt from the medium folder (name matched ignoring case). The file is taken as
// UTF-8 when it is valid UTF-8, else as the Windows Turkish code page.
SetupTextResult ReadSetupText(const fs::path& medium);

// The lines of a setup.txt image, cut to 72 characters and trimmed.
SetupText ParseSetupText(std::string_view bytes);

// The installation folder on this machine: a drive path (C:\kovuprg) or a relative one lies
// below the system root, an absolute path stays as it is; backslashes are separators.
fs::path InstallFolderOf(std::string_view klasad, const SystemLayout& layout);

}  // namespace kovu3
