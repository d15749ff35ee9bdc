#include "shell/launch_commands.h"

#include <gtest/gtest.h>

#include "shell/profile_file.h"
#include "shell/report_files.h"
#include "shell/version_file.h"
#include "support/test_folder.h"

namespace kovu3 {
namespace {

namespace fs = std::filesystem;

struct Installation {
    test::TestFolder folder;
    ProgramSettings settings;

    explicit Installation(const char* language) {
        settings.layout.root = folder / "kök";
        settings.ProgramFolder = (folder / "program files/KOVU3").string() + "/";
        settings.IniPath = settings.ProgramFolder + "Kovu3.ini";
        settings.Options[21] = language;
        fs::create_directories(settings.layout.root);
        fs::create_directories(settings.ProgramFolder);
    }
    void Configure(const char* section, const char* key, const std::string& value) {
        ProfileFile profile = ProfileFile::Load(settings.IniPath);
        profile.Set(section, key, value);
        ASSERT_EQ(profile.Save(settings.IniPath), "");
    }
    fs::path Program(const std::string& relative) {
        fs::path file = folder.Write("program files/KOVU3/" + relative, "#!/bin/sh\n");
        fs::permissions(file, fs::perms::owner_all);
        return file;
    }
};

TEST(LaunchCommands, HelpFilesByLanguageSectionAndFolderPart) {
    Installation turkish("TURKCE");
    turkish.folder.Write("program files/KOVU3/Help/yardım kılavuzu.pdf", "%PDF");
    turkish.folder.Write("program files/KOVU3/guide.pdf", "%PDF");
    turkish.Configure("YARDIM DOSYALARI", "KOVU3", "Help\\yardım kılavuzu.pdf");
    turkish.Configure("YARDIM DOSYALARI", "iletisim", "guide.pdf");
    turkish.Configure("HELP FILES", "KOVU3", "guide.pdf");

    LaunchCommand help = HelpCommand(turkish.settings, "MnuHelp");
    EXPECT_EQ(help.error, "");
    EXPECT_EQ(help.program, "xdg-open");
    EXPECT_EQ(help.arguments, std::vector<std::string>{turkish.settings.ProgramFolder +
                                                       "Help/yardım kılavuzu.pdf"});
    EXPECT_EQ(HelpCommand(turkish.settings, "MnuHelpiletisim").arguments,
              std::vector<std::string>{turkish.settings.ProgramFolder + "guide.pdf"});
    // Nothing set for the flash card: a message instead of a silent nothing.
    EXPECT_NE(
        HelpCommand(turkish.settings, "MnuHelpRamKart").error.find("[YARDIM DOSYALARI] Flashcard"),
        std::string::npos);

    turkish.settings.Options[21] = "FARSCA";
    EXPECT_EQ(HelpCommand(turkish.settings, "MnuHelp").arguments,
              std::vector<std::string>{turkish.settings.ProgramFolder + "guide.pdf"});
    EXPECT_NE(
        HelpCommand(turkish.settings, "MnuHelpiletisim").error.find("[HELP FILES] Communication"),
        std::string::npos);
}

TEST(LaunchCommands, ProgramHelpWithoutValueOpensTheProgramFolderAndMissingFilesAreNamed) {
    Installation english("ENGLISH");
    EXPECT_EQ(HelpCommand(english.settings, "MnuHelp").arguments,
              std::vector<std::string>{english.settings.ProgramFolder});
    english.Configure("HELP FILES", "Flashcard", "C:\\Kovu3\\Flash.chm");
    LaunchCommand missing = HelpCommand(english.settings, "MnuHelpRamKart");
    EXPECT_EQ(missing.program, "");
    EXPECT_NE(missing.error.find((english.settings.layout.root / "Kovu3/Flash.chm").string()),
              std::string::npos)
        << missing.error;
}

TEST(LaunchCommands, CommunicationProgramRunsInItsFolder) {
    Installation turkish("TURKCE");
    fs::path program = turkish.Program("İletişim/rs232 okuma");
    turkish.Configure("ILETISIM PROGRAMLARI", "RS232", "İletişim\\rs232 okuma");
    LaunchCommand command = CommunicationCommand(turkish.settings);
    EXPECT_EQ(command.error, "");
    EXPECT_EQ(command.program, program.string());
    EXPECT_TRUE(command.arguments.empty());
    EXPECT_EQ(command.workingFolder, program.parent_path().string());

    turkish.Configure("ILETISIM PROGRAMLARI", "RS232", "bare");
    fs::path bare = turkish.Program("bare");
    EXPECT_EQ(CommunicationCommand(turkish.settings).workingFolder, bare.parent_path().string());

    turkish.settings.Options[21] = "ENGLISH";  // [COMMUNICATION PROGRAMS] is empty
    EXPECT_NE(CommunicationCommand(turkish.settings).error.find("[COMMUNICATION PROGRAMS] RS232"),
              std::string::npos);
}

TEST(LaunchCommands, FlumoAndProgramsThatCannotRun) {
    Installation turkish("TURKCE");
    EXPECT_NE(FlumoCommand(turkish.settings).error.find("FlumoProg"), std::string::npos);
    turkish.settings.FlumoDir = "C:\\Flumo\\";
    turkish.settings.FlumoProg = "FLUMO.EXE";
    EXPECT_NE(FlumoCommand(turkish.settings).error.find("no such program file"), std::string::npos);
    turkish.folder.Write("kök/Flumo/FLUMO.EXE", "MZ");  // present, but no program of this system
    EXPECT_NE(FlumoCommand(turkish.settings).error.find("not a program"), std::string::npos);
    fs::permissions(turkish.folder / "kök/Flumo/FLUMO.EXE", fs::perms::owner_all);
    EXPECT_EQ(FlumoCommand(turkish.settings).program,
              (turkish.settings.layout.root / "Flumo/FLUMO.EXE").string());
}

TEST(LaunchCommands, SpreadsheetProgramOrTheDesktopsOne) {
    Installation turkish("TURKCE");
    const std::string workbook = "/data/Limdat klasörü/S2004123-45678.xlsx";
    LaunchCommand desktop = SpreadsheetCommand(turkish.settings, workbook);
    EXPECT_EQ(desktop.program, "xdg-open");
    EXPECT_EQ(desktop.arguments, std::vector<std::string>{workbook});

    turkish.settings.ExcelDir = "C:\\Program Files\\Office\\";
    turkish.settings.ExcelProg = "EXCEL.EXE";  // names no file here
    EXPECT_EQ(SpreadsheetCommand(turkish.settings, workbook).program, "xdg-open");

    fs::path calc = turkish.Program("tablo programı");
    turkish.settings.ExcelDir = calc.parent_path().string() + "/";
    turkish.settings.ExcelProg = calc.filename().string();
    LaunchCommand own = SpreadsheetCommand(turkish.settings, workbook);
    EXPECT_EQ(own.program, calc.string());
    EXPECT_EQ(own.arguments, std::vector<std::string>{workbook});  // one argument, blanks and all
}

TEST(ReportFiles, ListsWorkbooksOnlyAndDeletesInsideTheFolder) {
    test::TestFolder folder;
    folder.Write("veri/S2004123-45678.xls", "");
    folder.Write("veri/Q2004123-45678.xlsx", "");
    folder.Write("veri/ESKI.XLS", "");
    folder.Write("veri/S2004123-45678.txt", "");
    folder.Write("veri/notxls", "");
    fs::create_directories(folder / "veri/klasör.xls");
    ReportFileList list = ListReportFiles(folder / "veri");
    EXPECT_EQ(list.error, "");
    EXPECT_EQ(list.names,
              (std::vector<std::string>{"ESKI.XLS", "Q2004123-45678.xlsx", "S2004123-45678.xls"}));

    EXPECT_EQ(DeleteReportFile(folder / "veri", "Q2004123-45678.xlsx"), "");
    EXPECT_FALSE(fs::exists(folder / "veri/Q2004123-45678.xlsx"));
    folder.Write("outside.xls", "keep");
    EXPECT_NE(DeleteReportFile(folder / "veri", "../outside.xls"), "");
    EXPECT_NE(DeleteReportFile(folder / "veri", "S2004123-45678.txt"), "");
    EXPECT_NE(DeleteReportFile(folder / "veri", "gone.xls"), "");
    EXPECT_TRUE(fs::exists(folder / "outside.xls"));
    EXPECT_NE(ListReportFiles(folder / "yok").error, "");
}

TEST(VersionFile, FirstLineOrZeros) {
    test::TestFolder folder;
    EXPECT_EQ(ReadVersionText(folder.path()), "0.0.0");
    folder.Write("versionno.txt", "3.8.1\r\nrest\r\n");
    EXPECT_EQ(ReadVersionText(folder.path()), "3.8.1");
    folder.Write("versionno.txt", "");
    EXPECT_EQ(ReadVersionText(folder.path()), "0.0.0");
    EXPECT_EQ(ReadVersionText(test::BinaryFolder()), KOVU3_VERSION);  // the build's own file
}

}  // namespace
}  // namespace kovu3
