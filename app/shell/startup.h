#pragma once
// Start-up and exit of the program: the steps the desktop program's main window runs when
// it loads, and the file work of its exit command. The command-line program runs the same
// start-up, so both always see the same settings.

#include <string>
#include <vector>

#include "shell/platform.h"
#include "shell/program_settings.h"

namespace kovu3 {

struct StartupResult {
    ProgramSettings settings;
    std::vector<std::string> problems;  // what went wrong on the way, for the operator
};

// Programmer marker, the Limdat folder, first-run defaults, the configuration, calendar,
// station database file and language, in the program's order.
StartupResult RunStartup(const Environment& environment);

// The exit command's file steps: back Kovu3.ini up under the system root, delete the "#"
// printouts of the data folder, write the data folder back. Returns the problems met.
std::vector<std::string> ExitProgramFiles(const ProgramSettings& settings);

// The access text of the programmer marker file.
inline constexpr const char* kProgrammerAccessText = "4KD7WQ28NM31HX85RB02F6T0A9";

}  // namespace kovu3
