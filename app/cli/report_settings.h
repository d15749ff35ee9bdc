#pragma once
// Settings of the commands that make products from a processed station-year file.

#include <filesystem>
#include <string>

#include "cli/cli_command.h"
#include "shell/program_settings.h"

namespace kovu3::cli {

struct ReportSettings {
    ProgramSettings settings;
    std::string problem;  // an unknown language
};

// The program's start-up settings, with the processed file's folder as the data folder and
// the language of --language; without it the configured language, else Turkish (a first
// start without a configuration file has none, and the templates need one).
ReportSettings SettingsForReport(const CliContext& context,
                                 const std::filesystem::path& processedFile,
                                 const std::string& language);

}  // namespace kovu3::cli
