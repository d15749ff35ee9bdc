#pragma once
// The program's configuration and shared settings: made once at start-up, then passed by
// reference to whatever needs it. Names follow the configuration file's keys.

#include <array>
#include <string>

#include "shell/calendar.h"
#include "shell/language_texts.h"
#include "shell/platform.h"

namespace kovu3 {

struct ProgramSettings {
    SystemLayout layout;
    std::string ProgramFolder;  // ends in "/"
    std::string IniPath;        // ProgramFolder + "Kovu3.ini"
    std::string CurrentFolder;  // where scratch files of the current folder go (Limdat)
    std::string DataDirectory;  // ends in "/" after normalisation

    std::string FlumoDir, FlumoProg;
    std::string ExcelDir, ExcelProg;
    std::string NotePadDir, NotePadProg;

    std::array<std::string, 31> Options;   // entries 1 to 21 from [Options] "01" to "21"
    std::array<std::string, 6> Programci;  // entries 1 to 3 from [Programci], unscrambled
    int DefaultExtremesPolicy = 3;         // Options entry 8: 1, 2 or 3
    std::string Edition;                   // "ZEY", "Kovu Elektronik" or empty
    int ProgrammerLevel = 0;

    std::string StationDatabasePath;
    std::string WebPageAddress = "https://www.example.org/kovu3/";
    std::array<std::string, 4> RawFileMasks{"", "??M", "??N", "??R"};
    int ListPageSize = 32700;

    // Hand-over from the main menu to the selection window.
    std::string SelectedOperation;
    std::string TargetWindow;

    Calendar calendar;  // holds DateSeparator too
    LanguageTexts texts;

    const std::string& DateSeparator() const { return calendar.DateSeparator; }
    const std::string& Language() const { return Options[21]; }
};

}  // namespace kovu3
