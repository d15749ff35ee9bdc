#pragma once
// The programs and files the main menu and the report-file window start: where Kovu3.ini
// says they are, and the command that starts them. A command is a program with an
// argument list, never a shell line, so paths with blanks stay whole. The windows start it
// and do not wait for it.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "shell/program_settings.h"

namespace kovu3 {

struct LaunchCommand {
    std::string program;  // a path, or a name looked up on PATH
    std::vector<std::string> arguments;
    std::string workingFolder;  // empty: the current folder
    std::string error;          // what is wrong when there is nothing to start
};

// The desktop's program for a file, folder or web address (xdg-open).
LaunchCommand OpenWithDesktop(std::string path);

// A path as Kovu3.ini may hold it, on this machine: "\" becomes "/", a drive ("C:\") stands
// for the system root, and a relative path is taken from the program folder.
std::filesystem::path LocalPath(std::string_view configured, const ProgramSettings& settings);

// The help files of the menu items "MnuHelp", "MnuHelpiletisim" and "MnuHelpRamKart", from
// [YARDIM DOSYALARI] in Turkish, [HELP FILES] otherwise. A bare file name lies in the program
// folder; without a value the program's help shows the program folder.
LaunchCommand HelpCommand(const ProgramSettings& settings, std::string_view menuItem);

// The communication program of [ILETISIM PROGRAMLARI] / [COMMUNICATION PROGRAMS] RS232,
// started in its own folder (the program folder for a bare file name).
LaunchCommand CommunicationCommand(const ProgramSettings& settings);

// Flumo: FlumoDir + FlumoProg.
LaunchCommand FlumoCommand(const ProgramSettings& settings);

// A report workbook in the spreadsheet program ExcelDir + ExcelProg, or in the desktop's
// program for the file type when they are empty or name no file.
LaunchCommand SpreadsheetCommand(const ProgramSettings& settings, const std::string& workbook);

}  // namespace kovu3
