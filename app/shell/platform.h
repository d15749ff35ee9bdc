#pragma once
// Where the system's fixed files live on this machine. The program was made for a drive
// root with fixed paths under it (C:\Limdat, C:\Mirtask.txt, ...); here one system root
// stands for that drive: $KOVU3_SYSTEM_ROOT when set, else the user's home folder.

#include <filesystem>
#include <string>

namespace kovu3 {

namespace fs = std::filesystem;

struct SystemLayout {
    fs::path root;  // stands for C:\ (always an absolute path)

    fs::path Limdat() const { return root / "Limdat"; }
    fs::path ProgrammerMarker() const { return root / "Mirtask.txt"; }
    fs::path StationList() const { return root / "Kovu_ist.Txt"; }
    fs::path IniBackup() const { return root / "Kovu3ini.bak"; }
    fs::path StationDatabase() const { return Limdat() / "Istasyon.db"; }
    // "C:\" and "C:\Limdat\" as folder texts ending in the separator.
    std::string RootFolder() const;
    std::string LimdatFolder() const;
};

// What the program finds about the machine it runs on.
struct Environment {
    SystemLayout layout;
    fs::path programFolder;      // the executable's folder, or $KOVU3_PROGRAM_FOLDER
    std::string dateSeparator;   // "/" or "."
};

// The environment of this process; `argv0` helps only when /proc/self/exe is unreadable.
Environment DetectEnvironment(const char* argv0);

// The separator of a short date written with a strftime pattern: the "." wins over "/"
// when both occur; a pattern with neither gives "/" (dates must stay readable).
std::string DateSeparatorOfPattern(const std::string& pattern);
// The separator of the user's locale (LC_TIME), read without changing the process locale.
std::string SystemDateSeparator();

// A folder path as text, ending in exactly one "/".
std::string FolderText(const fs::path& folder);

}  // namespace kovu3
