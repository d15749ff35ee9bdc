#pragma once
// The database engine of the station database: when its folder is missing
// below the system root, the engine's own setup program from the medium is started.

#include <filesystem>
#include <string>

#include "shell/platform.h"

namespace kovu3 {

namespace fs = std::filesystem;

// "C:\Program Files\Borland\InterBase\bin" below the system root.
fs::path DatabaseEngineFolder(const SystemLayout& layout);

enum class EngineCheck {
    EnginePresent,     // nothing to do
    SetupStarted,      // vt/SETUP.EXE runs on its own
    SetupMissing,      // no vt/SETUP.EXE on the medium
    SetupNotRunnable,  // it is there but cannot be run (not executable, or exec failed)
};

struct EngineCheckResult {
    EngineCheck outcome = EngineCheck::EnginePresent;
    std::string note;  // one line for the operator
};

// Starts vt/SETUP.EXE (names matched ignoring case) of the medium, in the medium folder and
// without waiting, when the engine's folder is missing and the file can be run.
EngineCheckResult CheckDatabaseEngine(const SystemLayout& layout, const fs::path& medium);

}  // namespace kovu3
