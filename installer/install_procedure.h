#pragma once
// The installation itself, shared by the setup window and `setup --silent`: read setup.txt,
// create the folders, extract the program and data archives, make the desktop shortcut and
// check the database engine. Progress goes to a callback; nothing here shows anything.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "shell/platform.h"

namespace kovu3 {

namespace fs = std::filesystem;

inline constexpr const char* kInstallSucceeded = "Setup successfully complemented";

struct InstallRequest {
    fs::path medium;                  // folder of setup.txt, prog.dsk, veri.dsk and vt/
    SystemLayout layout;              // where "C:\" lies on this machine
    std::optional<fs::path> target;   // replaces the installation folder of setup.txt
    std::optional<fs::path> desktop;  // default: the user's desktop folder
};

enum class InstallStage { Folders, ProgramArchive, DataArchive, Shortcut, EngineCheck };

enum class InstallEventKind {
    StageStarted,   // message: what the stage does
    Progress,       // a progress report of the archive reader: message and percent
    FileExtracted,  // message: the path of a file just extracted
};

struct InstallEvent {
    InstallStage stage;
    InstallEventKind kind;
    std::string message;
    int percent = 0;
};

using InstallReporter = std::function<void(const InstallEvent&)>;

struct InstallResult {
    bool ok = false;
    std::string message;             // the failure's own text, or kInstallSucceeded
    std::string detail;              // which file and what is wrong with it
    fs::path installFolder;          // F
    fs::path shortcut;               // the launcher written
    std::vector<std::string> notes;  // what the steps found on the way
};

// Runs every step in order and stops at the first failure; what was done before it stays.
// Running it again over an existing installation replaces the archives' files only.
InstallResult RunInstall(const InstallRequest& request, const InstallReporter& report);

// The three folders below the installation folder.
inline fs::path ProgramFolderOf(const fs::path& install) {
    return install / "kovueng";
}
inline fs::path DataFolderOf(const fs::path& install) {
    return install / "dat";
}
inline fs::path BackupFolderOf(const fs::path& install) {
    return install / "yedek";
}

}  // namespace kovu3
