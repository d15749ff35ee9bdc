#include "shell/startup.h"

#include <system_error>

#include "shell/file_io.h"
#include "shell/ini_values.h"
#include "shell/options.h"
#include "shell/profile_file.h"

namespace kovu3 {
namespace {

int ProgrammerLevelFromMarker(const SystemLayout& layout) {
    auto marker = FindIgnoringCase(layout.root, layout.ProgrammerMarker().filename().string());
    if (!marker) return 0;
    auto bytes = ReadWholeFile(*marker);
    if (!bytes) return 0;
    std::string_view field = *bytes;
    field = field.substr(0, field.find_first_of(",\r\n"));
    return field == kProgrammerAccessText ? 1 : 0;
}

bool HasProjectFile(const fs::path& folder) {
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        std::string name = entry.path().filename().string();
        if (name.size() >= 4 && EqualsIgnoringCase(name.substr(name.size() - 4), ".vbp")) return true;
    }
    return false;
}

// First start after an installation: the program folder carries "ilk.sil".
void WriteFirstRunDefaults(ProgramSettings& settings, std::vector<std::string>& problems) {
    fs::path folder = settings.ProgramFolder;
    auto marker = FindIgnoringCase(folder, "ilk.sil");
    if (!marker || HasProjectFile(folder)) return;
    ProfileFile profile = ProfileFile::Load(settings.IniPath);
    profile.Set("Genel", "DataDirectory", settings.layout.LimdatFolder());
    profile.Set("Genel", "AnahtarDirectory", settings.layout.RootFolder());
    const std::pair<const char*, const char*> defaults[] = {
        {"01", "1"},        {"02", "-2147483643"}, {"03", "16711680"}, {"04", "0"},
        {"05", "0"},        {"06", "16711680"},    {"07", "33023"},    {"11", "3"},
        {"12", "False"},    {"13", "True"},        {"21", "TURKCE"},
    };
    for (const auto& [key, value] : defaults) profile.Set("Options", key, value);
    if (std::string error = profile.Save(settings.IniPath); !error.empty()) {
        problems.push_back(error);
        return;  // keep ilk.sil so the next start tries again
    }
    std::error_code ec;
    fs::remove(*marker, ec);
    if (ec) problems.push_back("Cannot delete " + marker->string() + ": " + ec.message());
}

void ReadProgramLocations(ProgramSettings& settings) {
    const fs::path ini = settings.IniPath;
    auto read = [&](const char* key) {
        return ReadIniValue(ini, "Programlar", key, settings.layout);
    };
    settings.FlumoDir = read("FlumoDir");
    settings.FlumoProg = read("FlumoProg");
    settings.ExcelDir = read("ExcelDir1");
    settings.ExcelProg = read("ExcelProg1");
    std::error_code ec;
    if (!fs::is_regular_file(fs::path(settings.ExcelDir + settings.ExcelProg), ec)) {
        settings.ExcelDir = read("ExcelDir2");
        settings.ExcelProg = read("ExcelProg2");
    }
    settings.NotePadDir = read("NotePadDir");
    settings.NotePadProg = read("NotePadProg");
}

// The station database: copied from the program folder's template when missing. Without a
// template the store creates an empty database when it is first opened.
void PrepareStationDatabase(ProgramSettings& settings, std::vector<std::string>& problems) {
    settings.StationDatabasePath = settings.layout.StationDatabase().string();
    std::error_code ec;
    if (fs::exists(settings.StationDatabasePath, ec)) return;
    fs::path templateFile = fs::path(settings.ProgramFolder) / "Istasyon.db";
    if (!fs::exists(templateFile, ec)) return;
    fs::copy_file(templateFile, settings.StationDatabasePath, ec);
    if (ec) problems.push_back("Cannot copy " + templateFile.string() + ": " + ec.message());
}

}  // namespace

StartupResult RunStartup(const Environment& environment) {
    StartupResult result;
    ProgramSettings& settings = result.settings;
    settings.layout = environment.layout;

    settings.ProgrammerLevel = ProgrammerLevelFromMarker(settings.layout);

    // The scratch files of "the current folder" go to Limdat, created when missing.
    std::error_code ec;
    fs::create_directories(settings.layout.Limdat(), ec);
    if (ec) {
        result.problems.push_back("Cannot create " + settings.layout.Limdat().string() + ": " +
                                  ec.message());
        settings.CurrentFolder = FolderText(fs::current_path(ec));
    } else {
        settings.CurrentFolder = settings.layout.LimdatFolder();
    }

    settings.ListPageSize = 32700;
    settings.ProgramFolder = FolderText(environment.programFolder);
    settings.IniPath = settings.ProgramFolder + "Kovu3.ini";
    settings.calendar.DateSeparator = environment.dateSeparator.empty() ? "/" : environment.dateSeparator;

    WriteFirstRunDefaults(settings, result.problems);

    settings.DataDirectory = ReadIniValue(settings.IniPath, "Genel", "DataDirectory", settings.layout);
    ReadProgramLocations(settings);

    ReadOptions(settings);
    // Without a language value the Gregorian calendar of the defaults stays.
    ApplyCalendar(settings.calendar, settings.Language());

    PrepareStationDatabase(settings, result.problems);

    settings.DataDirectory = ReadIniValue(settings.IniPath, "Genel", "DataDirectory", settings.layout);
    settings.RawFileMasks = {"", "??M", "??N", "??R"};

    ReadOptions(settings);
    ApplyLanguage(settings.texts, settings.Language());
    return result;
}

std::vector<std::string> ExitProgramFiles(const ProgramSettings& settings) {
    std::vector<std::string> problems;
    std::error_code ec;
    if (fs::exists(settings.IniPath, ec)) {
        fs::copy_file(settings.IniPath, settings.layout.IniBackup(),
                      fs::copy_options::overwrite_existing, ec);
        if (ec) problems.push_back("Cannot back up " + settings.IniPath + ": " + ec.message());
    }
    for (const auto& entry : fs::directory_iterator(settings.DataDirectory, ec)) {
        if (!entry.is_regular_file(ec) || !entry.path().filename().string().starts_with('#')) continue;
        std::error_code removeError;
        fs::remove(entry.path(), removeError);
        if (removeError) problems.push_back("Cannot delete " + entry.path().string());
    }
    if (std::string error = WriteIniValue(settings.IniPath, "Genel", "DataDirectory", settings.DataDirectory);
        !error.empty()) {
        problems.push_back(error);
    }
    return problems;
}

}  // namespace kovu3
