#pragma once
// The desktop shortcut to the installed program: a freedesktop launcher (.desktop file) in
// the user's desktop folder.

#include <filesystem>
#include <string>
#include <string_view>

namespace kovu3 {

namespace fs = std::filesystem;

// The user's desktop folder, as `xdg-user-dir DESKTOP` gives it: XDG_DESKTOP_DIR of
// user-dirs.dirs, else $HOME/Desktop.
fs::path FindDesktopFolder();

// The launcher's text: `name` shown on the desktop, `program` started in its own folder.
std::string DesktopEntryText(std::string_view name, const fs::path& program);

struct ShortcutResult {
    fs::path file;      // the launcher written (or meant)
    std::string error;  // empty on success
};

// Writes `desktop`/`name`.desktop (a "/" in the name becomes "-"), creating the desktop
// folder when it is missing, and marks it executable as desktops expect of trusted launchers.
ShortcutResult WriteDesktopShortcut(const fs::path& desktop, std::string_view name,
                                    const fs::path& program);

}  // namespace kovu3
