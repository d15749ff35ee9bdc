// kovu3-cli settings: the effective settings after the program's start-up.

#include <ostream>

#include "cli/cli_command.h"
#include "shell/startup.h"

namespace kovu3::cli {

const Command kSettingsCommand{"settings", "  kovu3-cli settings\n", RunSettings};

int RunSettings(const CliContext& context, Arguments args) {
    if (!args.empty()) return UsageError(context, kSettingsCommand, "takes no arguments");
    StartupResult startup = RunStartup(context.environment);
    const ProgramSettings& s = startup.settings;
    std::ostream& out = context.out;
    auto line = [&out](std::string_view key, const auto& value) { out << key << ": " << value << "\n"; };

    line("SystemRoot", s.layout.RootFolder());
    line("ProgramFolder", s.ProgramFolder);
    line("IniPath", s.IniPath);
    line("CurrentFolder", s.CurrentFolder);
    line("DataDirectory", s.DataDirectory);
    line("StationDatabasePath", s.StationDatabasePath);
    line("Language", s.Language());
    line("ProgrammerLevel", s.ProgrammerLevel);
    line("Edition", s.Edition);
    line("DefaultExtremesPolicy", s.DefaultExtremesPolicy);
    line("DateSeparator", s.DateSeparator());
    line("CalendarKind", s.calendar.CalendarKind);
    line("WaterYearLastMonth", s.calendar.WaterYearLastMonth);
    line("WaterYearStartPrefix", s.calendar.WaterYearStartPrefix);
    line("WaterYearEndPrefix", s.calendar.WaterYearEndPrefix);
    std::string lengths;
    for (int m = 1; m <= 12; ++m) lengths += (m > 1 ? "," : "") + std::to_string(s.calendar.MonthLengths[m]);
    line("MonthLengths", lengths);
    std::string months;
    for (int m = 1; m <= 12; ++m) months += (m > 1 ? "," : "") + std::to_string(s.calendar.WaterYearMonths[m]);
    line("WaterYearMonths", months);
    line("FlumoDir", s.FlumoDir);
    line("FlumoProg", s.FlumoProg);
    line("ExcelDir", s.ExcelDir);
    line("ExcelProg", s.ExcelProg);
    line("NotePadDir", s.NotePadDir);
    line("NotePadProg", s.NotePadProg);
    line("ListPageSize", s.ListPageSize);
    for (int i = 1; i <= 21; ++i) {
        char key[32];
        std::snprintf(key, sizeof key, "Options.%02d", i);
        line(key, s.Options[i]);
    }
    for (int i = 1; i <= 3; ++i) line("Programci." + std::to_string(i), s.Programci[i]);
    for (const std::string& problem : startup.problems) context.err << "problem: " << problem << "\n";
    return kExitOk;
}

}  // namespace kovu3::cli
