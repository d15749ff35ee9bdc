#include "installer/install_procedure.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "archive_fixture.h"
#include "installer/desktop_shortcut.h"
#include "installer/engine_check.h"
#include "installer/setup_text.h"

namespace kovu3 {
namespace {

namespace fs = std::filesystem;
using test::ArchiveBytes;
using test::Member;

// A fresh machine (system root, desktop) and an installation medium in one test folder.
struct Machine {
    test::TestFolder folder;
    InstallRequest request;
    std::vector<InstallEvent> events;

    Machine() {
        request =
            test::ScratchInstall(folder, "kovu3\r\nKOVU3 İstasyon\r\nC:\\kovuprg\r\n", "Masaüstü");
        WriteProgram({Member("kovu3", "#!/bin/sh\n"), Member("ilk.sil", ""),
                      Member("versionno.txt", "3.8.0\r\n")});
        WriteData({Member("12345678.23M", "raw data"), Member("Istasyon.txt", "")});
    }
    void WriteProgram(const std::vector<test::MemberSource>& members) const {
        folder.Write("medium/prog.dsk", ArchiveBytes(members));
    }
    void WriteData(const std::vector<test::MemberSource>& members) const {
        folder.Write("medium/veri.dsk", ArchiveBytes(members, true));
    }
    fs::path Install() const { return request.layout.root / "kovuprg"; }
    InstallResult Run() {
        events.clear();
        return RunInstall(request, [this](const InstallEvent& event) { events.push_back(event); });
    }
};

TEST(Install, UnpacksBothArchivesMakesTheFoldersAndTheShortcut) {
    Machine machine;
    InstallResult result = machine.Run();
    ASSERT_TRUE(result.ok) << result.message << "\n" << result.detail;
    EXPECT_EQ(result.message, "Setup successfully complemented");
    const fs::path install = machine.Install();
    EXPECT_EQ(result.installFolder, install);
    EXPECT_EQ(test::FilesBelow(install),
              (std::vector<std::string>{"dat/12345678.23M", "dat/Istasyon.txt", "kovueng/ilk.sil",
                                        "kovueng/kovu3", "kovueng/versionno.txt"}));
    EXPECT_TRUE(fs::is_directory(install / "yedek"));
    // The archives carry no modes: the script is made a program, the text stays text.
    auto executable = [](const fs::path& file) {
        return (fs::status(file).permissions() & fs::perms::owner_exec) != fs::perms::none;
    };
    EXPECT_TRUE(executable(install / "kovueng" / "kovu3"));
    EXPECT_FALSE(executable(install / "kovueng" / "versionno.txt"));
    EXPECT_FALSE(executable(install / "dat" / "12345678.23M"));

    const fs::path shortcut = machine.folder / "Masaüstü" / "KOVU3 İstasyon.desktop";
    EXPECT_EQ(result.shortcut, shortcut);
    EXPECT_EQ(machine.folder.Read("Masaüstü/KOVU3 İstasyon.desktop"),
              DesktopEntryText("KOVU3 İstasyon", install / "kovueng" / "kovu3"));
    EXPECT_NE(fs::status(shortcut).permissions() & fs::perms::owner_exec, fs::perms::none);

    // The stages in their order; every file reported as it is extracted.
    std::vector<InstallStage> stages;
    std::vector<std::string> files;
    for (const InstallEvent& event : machine.events) {
        if (event.kind == InstallEventKind::StageStarted) stages.push_back(event.stage);
        if (event.kind == InstallEventKind::FileExtracted)
            files.push_back(fs::path(event.message).filename());
    }
    EXPECT_EQ(stages,
              (std::vector<InstallStage>{InstallStage::Folders, InstallStage::ProgramArchive,
                                         InstallStage::DataArchive, InstallStage::Shortcut,
                                         InstallStage::EngineCheck}));
    EXPECT_EQ(files, (std::vector<std::string>{"kovu3", "ilk.sil", "versionno.txt", "12345678.23M",
                                               "Istasyon.txt"}));
}

TEST(Install, SecondRunReplacesTheArchivesFilesAndKeepsOthers) {
    Machine machine;
    ASSERT_TRUE(machine.Run().ok);
    const fs::path install = machine.Install();
    machine.folder.Write("root/kovuprg/kovueng/Kovu3.ini", "[Genel]\r\n");
    machine.folder.Write("root/kovuprg/dat/12345678.23M", "corrected by the operator");
    machine.folder.Write("root/kovuprg/dat/S202312345678.txt", "processed");
    fs::remove(install / "kovueng" / "ilk.sil");  // the first start took it away
    machine.WriteProgram({Member("kovu3", "#!/bin/sh\n# 3.8.1\n"), Member("ilk.sil", ""),
                          Member("versionno.txt", "3.8.1\r\n")});

    ASSERT_TRUE(machine.Run().ok);
    EXPECT_EQ(machine.folder.Read("root/kovuprg/kovueng/versionno.txt"), "3.8.1\r\n");
    EXPECT_TRUE(fs::exists(install / "kovueng" / "ilk.sil"));
    EXPECT_EQ(machine.folder.Read("root/kovuprg/kovueng/Kovu3.ini"), "[Genel]\r\n");
    EXPECT_EQ(machine.folder.Read("root/kovuprg/dat/12345678.23M"), "raw data");
    EXPECT_EQ(machine.folder.Read("root/kovuprg/dat/S202312345678.txt"), "processed");
}

TEST(Install, FailuresStopTheStepAndKeepWhatWasDone) {
    {
        Machine machine;
        fs::remove(machine.request.medium / "setup.txt");
        InstallResult result = machine.Run();
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.message, "Cannot read " + (machine.request.medium / "setup.txt").string());
        EXPECT_FALSE(fs::exists(machine.Install()));
    }
    {
        Machine machine;
        machine.folder.Write("medium/setup.txt", "kovu3\r\nKOVU3\r\n   \r\n");
        InstallResult result = machine.Run();
        EXPECT_EQ(result.message, (machine.request.medium / "setup.txt").string() +
                                      ": line 3 (the installation folder) is empty");
    }
    {
        Machine machine;
        fs::remove(machine.request.medium / "prog.dsk");
        InstallResult result = machine.Run();
        EXPECT_EQ(result.message, "Archive file not found");
        EXPECT_TRUE(fs::is_directory(machine.Install() / "yedek"));  // done before the failure
    }
    {
        Machine machine;
        std::string bytes = machine.folder.Read("medium/veri.dsk");
        bytes[0] ^= 1;
        machine.folder.Write("medium/veri.dsk", bytes);
        InstallResult result = machine.Run();
        EXPECT_EQ(result.message, "The archive file appears to be corrupted");
        EXPECT_NE(result.detail.find("veri.dsk"), std::string::npos) << result.detail;
        EXPECT_TRUE(fs::exists(machine.Install() / "kovueng" / "kovu3"));
        EXPECT_FALSE(fs::exists(machine.folder / "Masaüstü"));  // the shortcut comes after both
    }
    {
        Machine machine;
        machine.folder.Write("root/kovuprg", "a file where the folder should be");
        InstallResult result = machine.Run();
        EXPECT_EQ(result.message,
                  "Cannot create the folder " + (machine.Install() / "kovueng").string());
    }
}

TEST(Install, TargetGivenReplacesTheFolderOfSetupText) {
    Machine machine;
    machine.request.target = machine.folder / "başka yer";
    ASSERT_TRUE(machine.Run().ok);
    EXPECT_TRUE(fs::exists(machine.folder / "başka yer" / "kovueng" / "kovu3"));
    EXPECT_FALSE(fs::exists(machine.Install()));
}

TEST(SetupText, LinesAreCutTo72CharactersThenTrimmed) {
    const std::string seventy(70, 'x');
    struct Row {
        std::string line3;
        std::string folder;
    } rows[] = {
        {"C:\\kovuprg", "C:\\kovuprg"},
        {"   C:\\kovuprg  \t", "C:\\kovuprg"},
        {"C:\\" + seventy + "yz", "C:\\" + seventy.substr(0, 69)},  // 74 characters
        {seventy + "  tail", seventy},                              // the cut leaves blanks
        {"C:\\ğ" + std::string(67, 'a') + "BCD",
         "C:\\ğ" + std::string(67, 'a') + "B"},  // ğ counts as one
    };
    for (const Row& row : rows) {
        SetupText text = ParseSetupText("kovu3\r\nKOVU3\r\n" + row.line3 + "\r\n");
        EXPECT_EQ(text.klasad, row.folder) << row.line3;
        EXPECT_EQ(text.progad, "kovu3");
        // The same line in the Windows Turkish code page gives the same field.
        EXPECT_EQ(ParseSetupText("a\nb\n" + Utf8ToCp1254(row.line3)).klasad, row.folder)
            << row.line3;
    }
}

TEST(SetupText, InstallationFolderOnThisMachine) {
    SystemLayout layout{"/home/ayşe"};
    const std::pair<const char*, const char*> rows[] = {
        {"C:\\kovuprg", "/home/ayşe/kovuprg"},      {"C:\\kovuprg\\", "/home/ayşe/kovuprg"},
        {"d:/Kovu 3/prg", "/home/ayşe/Kovu 3/prg"}, {"C:\\", "/home/ayşe"},
        {"kovuprg", "/home/ayşe/kovuprg"},          {"/opt/kovu3/", "/opt/kovu3"},
        {"C:\\a\\\\b", "/home/ayşe/a/b"},
    };
    for (const auto& [text, folder] : rows)
        EXPECT_EQ(InstallFolderOf(text, layout), fs::path(folder)) << text;
}

TEST(Shortcut, LauncherQuotesThePathAndFollowsTheUserDesktop) {
    EXPECT_EQ(DesktopEntryText("KOVU3", "/home/a b/say \"hi\" $5 100%/kovu3"),
              "[Desktop Entry]\nType=Application\nVersion=1.0\nName=KOVU3\n"
              "Exec=\"/home/a b/say \\\\\"hi\\\\\" \\\\$5 100%%/kovu3\"\n"
              "Path=/home/a b/say \"hi\" $5 100%\nTerminal=false\n");

    test::TestFolder home;
    test::ScopedEnvironment homeVariable("HOME", home.path().string());
    test::ScopedEnvironment config("XDG_CONFIG_HOME", (home / ".config").string());
    EXPECT_EQ(FindDesktopFolder(), home / "Desktop");
    home.Write(".config/user-dirs.dirs", "XDG_DESKTOP_DIR=\"$HOME/Masaüstü\"\n");
    EXPECT_EQ(FindDesktopFolder(), home / "Masaüstü");

    ShortcutResult written = WriteDesktopShortcut(home / "Masaüstü", "a/b", "/x/kovu3");
    EXPECT_EQ(written.error, "");
    EXPECT_EQ(written.file, home / "Masaüstü" / "a-b.desktop");
}

// The engine's folder present, or missing with the medium's setup program in each state.
TEST(EngineCheck, StartsTheSetupProgramOnlyWhenNeededAndRunnable) {
    test::TestFolder folder;
    SystemLayout layout{folder / "root"};
    const fs::path medium = folder / "medium";
    const fs::path marker = folder / "started";
    const std::string script = "#!/bin/sh\necho \"$PWD\" > '" + marker.string() + "'\n";

    EXPECT_EQ(CheckDatabaseEngine(layout, medium).outcome, EngineCheck::SetupMissing);

    folder.Write("medium/VT/setup.exe", script);  // names as a Windows medium may carry them
    EXPECT_EQ(CheckDatabaseEngine(layout, medium).outcome, EngineCheck::SetupNotRunnable);

    fs::permissions(folder / "medium/VT/setup.exe", fs::perms::owner_exec, fs::perm_options::add);
    fs::create_directories(DatabaseEngineFolder(layout));
    EXPECT_EQ(CheckDatabaseEngine(layout, medium).outcome, EngineCheck::EnginePresent);
    fs::remove_all(layout.root / "Program Files");

    EXPECT_EQ(CheckDatabaseEngine(layout, medium).outcome, EngineCheck::SetupStarted);
    for (int i = 0; i < 400 && folder.Read("started").empty(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    EXPECT_EQ(folder.Read("started"), medium.string() + "\n");  // run in the medium folder
}

}  // namespace
}  // namespace kovu3
