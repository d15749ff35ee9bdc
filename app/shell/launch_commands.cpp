#include "shell/launch_commands.h"

#include <cctype>
#include <system_error>

#include "shell/ini_values.h"

namespace kovu3 {
namespace {

bool Turkish(const ProgramSettings& settings) {
    return settings.Language() == "TURKCE";
}

LaunchCommand Failed(std::string error) {
    LaunchCommand command;
    command.error = std::move(error);
    return command;
}

std::string ConfiguredValue(const ProgramSettings& settings, std::string_view section,
                            std::string_view key) {
    return ReadIniValue(settings.IniPath, section, key, settings.layout);
}

// A program file that exists and may be run, or the reason it cannot be.
std::string ProgramProblem(const std::filesystem::path& program) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(program, ec))
        return program.string() + ": no such program file";
    auto permissions = std::filesystem::status(program, ec).permissions();
    using std::filesystem::perms;
    if ((permissions & (perms::owner_exec | perms::group_exec | perms::others_exec)) == perms::none)
        return program.string() + ": the file is not a program that can be run here";
    return {};
}

}  // namespace

LaunchCommand OpenWithDesktop(std::string path) {
    LaunchCommand command;
    command.program = "xdg-open";
    command.arguments.push_back(std::move(path));
    return command;
}

std::filesystem::path LocalPath(std::string_view configured, const ProgramSettings& settings) {
    std::string text(configured);
    for (char& c : text)
        if (c == '\\') c = '/';
    if (text.size() >= 2 && std::isalpha(static_cast<unsigned char>(text[0])) && text[1] == ':') {
        std::string rest = text.substr(2);
        while (!rest.empty() && rest.front() == '/') rest.erase(0, 1);
        return settings.layout.root / rest;
    }
    std::filesystem::path path(text);
    if (path.is_relative()) path = std::filesystem::path(settings.ProgramFolder) / path;
    return path.lexically_normal();
}

LaunchCommand HelpCommand(const ProgramSettings& settings, std::string_view menuItem) {
    std::string_view section = Turkish(settings) ? "YARDIM DOSYALARI" : "HELP FILES";
    std::string_view key = menuItem == "MnuHelp"          ? "KOVU3"
                           : menuItem == "MnuHelpRamKart" ? "Flashcard"
                           : Turkish(settings)            ? "iletisim"
                                                          : "Communication";
    std::string value = ConfiguredValue(settings, section, key);
    if (value.empty()) {
        if (menuItem == "MnuHelp") return OpenWithDesktop(settings.ProgramFolder);
        return Failed("No help file is set in " + settings.IniPath + " [" + std::string(section) +
                      "] " + std::string(key));
    }
    std::filesystem::path path = LocalPath(value, settings);
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) return Failed(path.string() + ": no such help file");
    return OpenWithDesktop(path.string());
}

LaunchCommand CommunicationCommand(const ProgramSettings& settings) {
    std::string_view section =
        Turkish(settings) ? "ILETISIM PROGRAMLARI" : "COMMUNICATION PROGRAMS";
    std::string value = ConfiguredValue(settings, section, "RS232");
    if (value.empty())
        return Failed("No communication program is set in " + settings.IniPath + " [" +
                      std::string(section) + "] RS232");
    std::filesystem::path program = LocalPath(value, settings);
    if (std::string problem = ProgramProblem(program); !problem.empty()) return Failed(problem);
    LaunchCommand command;
    command.program = program.string();
    command.workingFolder = program.parent_path().string();
    return command;
}

LaunchCommand FlumoCommand(const ProgramSettings& settings) {
    if (settings.FlumoProg.empty())
        return Failed("Flumo is not set in " + settings.IniPath +
                      " [Programlar] FlumoDir, FlumoProg");
    std::filesystem::path program = LocalPath(settings.FlumoDir + settings.FlumoProg, settings);
    if (std::string problem = ProgramProblem(program); !problem.empty()) return Failed(problem);
    LaunchCommand command;
    command.program = program.string();
    return command;
}

LaunchCommand SpreadsheetCommand(const ProgramSettings& settings, const std::string& workbook) {
    std::string configured = settings.ExcelDir + settings.ExcelProg;
    if (!settings.ExcelProg.empty()) {
        std::filesystem::path program = LocalPath(configured, settings);
        if (ProgramProblem(program).empty()) {
            LaunchCommand command;
            command.program = program.string();
            command.arguments.push_back(workbook);
            return command;
        }
    }
    return OpenWithDesktop(workbook);
}

}  // namespace kovu3
