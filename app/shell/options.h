#pragma once
// The [Options] and [Programci] sections of Kovu3.ini.

#include <string>

#include "shell/program_settings.h"

namespace kovu3 {

// Loads Options 1 to 21 and the unscrambled Programci 1 to 3, then derives
// DefaultExtremesPolicy (an entry 8 that reads as 0 becomes "3") and Edition.
void ReadOptions(ProgramSettings& settings);

// Writes Options 1 to 21 under keys "01" to "21"; returns an error message, empty on success.
std::string WriteOptions(const ProgramSettings& settings);

// Writes Programci 1 to 3 scrambled; returns an error message, empty on success.
std::string WriteProgrammerValues(const ProgramSettings& settings);

// The leading number of a text as the original's Val() reads it (0 when there is none).
long LeadingNumber(std::string_view text);

}  // namespace kovu3
