#include "installer/engine_check.h"

#include <unistd.h>

#include <system_error>

#include "installer/process_launch.h"
#include "shell/file_io.h"

namespace kovu3 {

fs::path DatabaseEngineFolder(const SystemLayout& layout) {
    return layout.root / "Program Files" / "Borland" / "InterBase" / "bin";
}

EngineCheckResult CheckDatabaseEngine(const SystemLayout& layout, const fs::path& medium) {
    std::error_code ec;
    const fs::path engine = DatabaseEngineFolder(layout);
    if (fs::is_directory(engine, ec)) {
        return {EngineCheck::EnginePresent, "Database engine found in " + engine.string()};
    }
    std::optional<fs::path> setup;
    if (auto vt = FindIgnoringCase(medium, "vt")) setup = FindIgnoringCase(*vt, "SETUP.EXE");
    if (!setup || !fs::is_regular_file(*setup, ec)) {
        return {EngineCheck::SetupMissing, "Database engine missing (" + engine.string() +
                                               "); no vt/SETUP.EXE on the medium to install it"};
    }
    if (access(setup->c_str(), X_OK) != 0) {
        return {EngineCheck::SetupNotRunnable, setup->string() + " cannot be run: not started"};
    }
    if (std::string error = StartDetached(*setup, medium); !error.empty()) {
        return {EngineCheck::SetupNotRunnable, setup->string() + " did not start: " + error};
    }
    return {EngineCheck::SetupStarted, "Database engine setup started: " + setup->string()};
}

}  // namespace kovu3
