#include "shell/startup.h"

#include <gtest/gtest.h>

#include "shell/ini_values.h"
#include "shell/options.h"
#include "shell/profile_file.h"
#include "shell/text_codec.h"
#include "support/test_folder.h"

namespace kovu3 {
namespace {

namespace fs = std::filesystem;

// A scratch machine: system root and program folder inside one test folder.
struct Machine {
    test::TestFolder folder;
    Environment environment;

    Machine() {
        environment.layout.root = folder / "root";
        environment.programFolder = folder / "program files";
        environment.dateSeparator = "/";
        fs::create_directories(environment.layout.root);
        fs::create_directories(environment.programFolder);
    }
    fs::path Ini() const { return environment.programFolder / "Kovu3.ini"; }
    void WriteIni(const std::string& text) const { folder.Write("program files/Kovu3.ini", text); }
    std::string IniValue(const char* section, const char* key) const {
        return ProfileFile::Load(Ini()).Get(section, key).value_or("<missing>");
    }
};

TEST(Startup, FirstRunWritesDefaultsAndDeletesTheMarker) {
    Machine machine;
    machine.folder.Write("program files/ilk.sil", "");
    StartupResult result = RunStartup(machine.environment);
    const ProgramSettings& s = result.settings;

    EXPECT_TRUE(fs::is_directory(machine.environment.layout.Limdat()));
    EXPECT_FALSE(fs::exists(machine.environment.programFolder / "ilk.sil"));
    EXPECT_EQ(s.DataDirectory, machine.environment.layout.LimdatFolder());
    EXPECT_EQ(machine.IniValue("Genel", "DataDirectory"), s.DataDirectory);
    EXPECT_EQ(machine.IniValue("Genel", "AnahtarDirectory"), machine.environment.layout.RootFolder());
    EXPECT_EQ(s.Options[1], "1");
    EXPECT_EQ(s.Options[2], "-2147483643");
    EXPECT_EQ(s.Options[7], "33023");
    EXPECT_EQ(s.Options[8], "3");
    EXPECT_EQ(s.Options[12], "False");
    EXPECT_EQ(s.Options[21], "TURKCE");
    EXPECT_EQ(machine.IniValue("Options", "08"), "<missing>");  // 8 is derived, not written
    EXPECT_EQ(s.texts.Captions[14], "Tamam");
    EXPECT_EQ(s.calendar.WaterYearStartPrefix, "01/10/");
    EXPECT_EQ(s.CurrentFolder, machine.environment.layout.LimdatFolder());
    EXPECT_EQ(s.IniPath, (machine.environment.programFolder / "Kovu3.ini").string());
}

TEST(Startup, NoDefaultsBesideAProjectFile) {
    Machine machine;
    machine.folder.Write("program files/ilk.sil", "");
    machine.folder.Write("program files/KOVU3.VBP", "");
    StartupResult result = RunStartup(machine.environment);
    EXPECT_TRUE(fs::exists(machine.environment.programFolder / "ilk.sil"));
    EXPECT_EQ(result.settings.Options[21], "");
    EXPECT_EQ(result.settings.texts.Captions[14], "");  // no language: no caption table
    EXPECT_EQ(result.settings.calendar.CalendarKind, 0);
    EXPECT_EQ(machine.IniValue("Options", "01"), "<missing>");
}

TEST(Startup, MissingOrGarbageIniReadsEmpty) {
    for (std::string content : {std::string(), std::string("\x00\xFF garbage [[[ ===\n", 18)}) {
        Machine machine;
        if (!content.empty()) machine.WriteIni(content);
        StartupResult result = RunStartup(machine.environment);
        EXPECT_EQ(result.settings.DataDirectory, machine.environment.layout.RootFolder());
        EXPECT_EQ(machine.IniValue("Genel", "DataDirectory"), machine.environment.layout.RootFolder());
        EXPECT_EQ(result.settings.Options[8], "3");
        EXPECT_EQ(result.settings.DefaultExtremesPolicy, 3);
    }
}

TEST(Startup, ProgrammerMarkerMustMatchExactly) {
    const std::pair<std::string, int> cases[] = {
        {"4KD7WQ28NM31HX85RB02F6T0A9", 1},
        {"4KD7WQ28NM31HX85RB02F6T0A9,anything\r\n", 1},
        {"4KD7WQ28NM31HX85RB02F6T0A9\r\nsecond line", 1},
        {"4kd7wq28nm31hx85rb02f6t0a9", 0},
        {" 4KD7WQ28NM31HX85RB02F6T0A9", 0},
        {"", 0},
    };
    for (const auto& [content, level] : cases) {
        Machine machine;
        machine.folder.Write("root/Mirtask.txt", content);
        EXPECT_EQ(RunStartup(machine.environment).settings.ProgrammerLevel, level) << content;
    }
    Machine noMarker;
    EXPECT_EQ(RunStartup(noMarker.environment).settings.ProgrammerLevel, 0);
}

TEST(Startup, OptionsAndProgrammerValues) {
    Machine machine;
    const std::pair<std::string, std::string> policies[] = {
        {"", "3"}, {"0", "3"}, {"abc", "3"}, {"2", "2"}, {"1", "1"}, {"9", "3"}};
    for (const auto& [stored, expected] : policies) {
        machine.WriteIni("[Options]\r\n08=" + stored + "\r\n21=FARSCA\r\n[Programci]\r\n02=" +
                         "\r\n");
        ProgramSettings settings = RunStartup(machine.environment).settings;
        EXPECT_EQ(settings.Options[8], expected) << stored;
        EXPECT_EQ(settings.DefaultExtremesPolicy, std::stoi(expected));
        EXPECT_EQ(settings.calendar.CalendarKind, 1);
        EXPECT_EQ(settings.texts.LevelTableTemplate, "Sablon1_F.xlsx");
    }
    ProgramSettings settings = RunStartup(machine.environment).settings;
    settings.Programci[2] = "1";
    settings.Programci[3] = "kept";
    ASSERT_EQ(WriteProgrammerValues(settings), "");
    EXPECT_NE(machine.IniValue("Programci", "02"), "1");  // stored scrambled
    settings.Options[8] = "2";
    ASSERT_EQ(WriteOptions(settings), "");
    ProgramSettings reread = RunStartup(machine.environment).settings;
    EXPECT_EQ(reread.Programci[2], "1");
    EXPECT_EQ(reread.Programci[3], "kept");
    EXPECT_EQ(reread.Edition, "ZEY");
    EXPECT_EQ(reread.Options[8], "2");
}

TEST(NormalizeFolder, Cases) {
    test::TestFolder folder;
    SystemLayout layout{folder / "root"};
    fs::create_directories(folder / "Veri ğü");
    const std::string data = (folder / "Veri ğü").string();
    const std::pair<std::string, std::string> cases[] = {
        {data, data + "/"},
        {data + "/", data + "/"},
        {data + "//", data + "/"},
        {data + "///", data + "/"},
        {"/", "/"},
        {"", layout.RootFolder()},
        {data + "/missing", layout.RootFolder()},
        {"C:\\Limdat\\", layout.RootFolder()},
    };
    for (const auto& [input, expected] : cases) EXPECT_EQ(NormalizeFolder(input, layout), expected) << input;
}

TEST(ReadIniValue, DataDirectoryIsNormalisedAndWrittenBack) {
    Machine machine;
    fs::create_directories(machine.folder / "D ata");
    const std::string data = (machine.folder / "D ata").string();
    machine.WriteIni(Utf8ToCp1254("[Genel]\r\nDataDirectory=" + data + "//\r\nOther=(error)\r\n"));
    const SystemLayout& layout = machine.environment.layout;
    EXPECT_EQ(ReadIniValue(machine.Ini(), "Genel", "DataDirectory", layout), data + "/");
    EXPECT_EQ(machine.IniValue("Genel", "DataDirectory"), data + "/");
    EXPECT_EQ(ReadIniValue(machine.Ini(), "Genel", "Other", layout), "");
    EXPECT_EQ(ReadIniValue(machine.Ini(), "Genel", "Missing", layout), "");
}

TEST(ExitProgram, BacksUpTheIniAndRemovesPrintouts) {
    Machine machine;
    machine.folder.Write("program files/ilk.sil", "");
    ProgramSettings settings = RunStartup(machine.environment).settings;
    machine.folder.Write("root/Limdat/#12345678.01M.txt", "printout");
    machine.folder.Write("root/Limdat/12345678.01M", "raw data stays");
    machine.folder.Write("root/Kovu3ini.bak", "old backup");
    EXPECT_TRUE(ExitProgramFiles(settings).empty());
    EXPECT_EQ(machine.folder.Read("root/Kovu3ini.bak"), machine.folder.Read("program files/Kovu3.ini"));
    EXPECT_FALSE(fs::exists(machine.folder / "root/Limdat/#12345678.01M.txt"));
    EXPECT_TRUE(fs::exists(machine.folder / "root/Limdat/12345678.01M"));
}

}  // namespace
}  // namespace kovu3
