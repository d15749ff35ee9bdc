#include "installer/desktop_shortcut.h"

#include <cstdlib>
#include <optional>
#include <system_error>

#include "shell/file_io.h"
#include "shell/text_codec.h"

namespace kovu3 {
namespace {

// Escapes of the launcher format's string values.
std::string StringValue(std::string_view text) {
    std::string value;
    for (char c : text) {
        switch (c) {
            case '\\':
                value += "\\\\";
                break;
            case '\n':
                value += "\\n";
                break;
            case '\r':
                value += "\\r";
                break;
            case '\t':
                value += "\\t";
                break;
            default:
                value += c;
        }
    }
    return value;
}

// One quoted argument of the Exec key: quoted, with ", `, $ and \ escaped inside the
// quotes, then escaped once more as a string value; "%" is doubled as field codes use it.
std::string ExecArgument(std::string_view word) {
    std::string quoted = "\"";
    for (char c : word) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
        quoted += c;
    }
    quoted += '"';
    std::string value;
    for (char c : StringValue(quoted)) {
        value += c;
        if (c == '%') value += '%';
    }
    return value;
}

// The value of XDG_DESKTOP_DIR in user-dirs.dirs: a shell word in double quotes, "$HOME/..."
// or an absolute path. Read here rather than through the xdg-user-dir script, which takes
// the file's path apart at blanks.
std::optional<fs::path> ConfiguredDesktop(const fs::path& home) {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    fs::path file = (config && *config ? fs::path(config) : home / ".config") / "user-dirs.dirs";
    auto bytes = ReadWholeFile(file);
    if (!bytes) return std::nullopt;
    std::optional<fs::path> desktop;
    for (std::string_view line : SplitLines(*bytes)) {
        line = TrimBlanks(line);
        if (!line.starts_with("XDG_DESKTOP_DIR=")) continue;
        line.remove_prefix(16);
        if (line.size() >= 2 && line.front() == '"' && line.back() == '"')
            line = line.substr(1, line.size() - 2);
        std::string value;
        for (size_t i = 0; i < line.size(); ++i) {
            if (line[i] == '\\' && i + 1 < line.size()) ++i;
            value += line[i];
        }
        for (std::string_view prefix : {"$HOME", "${HOME}"}) {
            if (value.starts_with(prefix)) value = home.string() + value.substr(prefix.size());
        }
        if (!value.empty() && value.front() == '/')
            desktop = fs::path(value);  // the last one counts
    }
    return desktop;
}

}  // namespace

fs::path FindDesktopFolder() {
    const char* home = std::getenv("HOME");
    const fs::path homeFolder = home && *home ? home : "/";
    return ConfiguredDesktop(homeFolder).value_or(homeFolder / "Desktop");
}

std::string DesktopEntryText(std::string_view name, const fs::path& program) {
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Version=1.0\n"
           "Name=" +
           StringValue(name) +
           "\n"
           "Exec=" +
           ExecArgument(program.string()) +
           "\n"
           "Path=" +
           StringValue(program.parent_path().string()) +
           "\n"
           "Terminal=false\n";
}

ShortcutResult WriteDesktopShortcut(const fs::path& desktop, std::string_view name,
                                    const fs::path& program) {
    std::string fileName(name);
    for (char& c : fileName) {
        if (c == '/') c = '-';
    }
    ShortcutResult result;
    result.file = desktop / (fileName + ".desktop");
    std::error_code ec;
    fs::create_directories(desktop, ec);
    if (!fs::is_directory(desktop, ec)) {
        result.error = "Cannot create the desktop folder " + desktop.string();
        return result;
    }
    result.error = WriteFileReplacing(result.file, DesktopEntryText(name, program));
    if (!result.error.empty()) return result;
    fs::permissions(result.file,
                    fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec,
                    fs::perm_options::add, ec);
    return result;
}

}  // namespace kovu3
