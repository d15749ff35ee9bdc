// The two programs from a terminal: `setup --silent` for scripted installations and `mkdsk`,
// the archive writer that makes installation media.

#include <gtest/gtest.h>

#include "archive_fixture.h"

namespace kovu3 {
namespace {

namespace fs = std::filesystem;
using test::ArchiveBytes;
using test::Member;
using test::ShellQuote;

fs::path Program(const char* name) {
    return test::BinaryFolder() / name;
}

// A medium and a fresh machine; runs setup with the machine's root and home.
struct Machine {
    test::TestFolder folder;
    fs::path medium = folder / "kurulum ortamı";

    Machine() {
        fs::create_directories(folder / "root");
        fs::create_directories(folder / "home");
        folder.Write("kurulum ortamı/setup.txt", "kovu3\r\nKOVU3\r\nC:\\kovu prg\r\n");
        folder.Write("kurulum ortamı/prog.dsk",
                     ArchiveBytes({Member("kovu3", "#!/bin/sh\n"), Member("ilk.sil", "")}));
        folder.Write("kurulum ortamı/veri.dsk",
                     ArchiveBytes({Member("12345678.23M", "raw")}, true));
    }
    test::ProgramRun Setup(const std::string& arguments,
                           const fs::path& program = Program("setup")) const {
        return test::RunProgram(
            "cd / && KOVU3_SYSTEM_ROOT=" + ShellQuote((folder / "root").string()) +
            " HOME=" + ShellQuote((folder / "home").string()) +
            " XDG_CONFIG_HOME= " + ShellQuote(program.string()) + " " + arguments);
    }
    fs::path Install() const { return folder / "root" / "kovu prg"; }
};

TEST(SetupSilent, InstallsAndSaysWhatItDid) {
    Machine machine;
    test::ProgramRun run =
        machine.Setup("--silent --medium " + ShellQuote(machine.medium.string()));
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_NE(run.output.find("Setup successfully complemented"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find((machine.Install() / "dat" / "12345678.23M").string()),
              std::string::npos);
    EXPECT_EQ(test::FilesBelow(machine.Install()),
              (std::vector<std::string>{"dat/12345678.23M", "kovueng/ilk.sil", "kovueng/kovu3"}));
    EXPECT_TRUE(fs::exists(machine.folder / "home" / "Desktop" / "KOVU3.desktop"));
}

TEST(SetupSilent, TargetOptionAndMediumBesideTheProgram) {
    Machine machine;
    // Without --medium the medium is the folder setup was started from.
    fs::copy_file(Program("setup"), machine.medium / "setup");
    fs::permissions(machine.medium / "setup", fs::perms::owner_all);
    test::ProgramRun run =
        machine.Setup("--silent --target " + ShellQuote((machine.folder / "başka").string()),
                      machine.medium / "setup");
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_TRUE(fs::exists(machine.folder / "başka" / "kovueng" / "kovu3"));
    EXPECT_FALSE(fs::exists(machine.Install()));
}

TEST(SetupSilent, FailuresEndWithTheirMessageAndStatus) {
    struct Row {
        const char* what;
        std::string veri;
        const char* message;
    } rows[] = {
        {"damaged archive", "not an archive at all, not even a trailer",
         "setup: The archive file appears to be corrupted"},
        {"escaping member", ArchiveBytes({Member("ok", "1"), Member("..\\..\\..\\evil", "x")}),
         "setup: File (1) is corrupt"},
        {"missing archive", "", "setup: Archive file not found"},
    };
    for (const Row& row : rows) {
        Machine machine;
        if (row.veri.empty())
            fs::remove(machine.medium / "veri.dsk");
        else
            machine.folder.Write("kurulum ortamı/veri.dsk", row.veri);
        test::ProgramRun run =
            machine.Setup("--silent --medium " + ShellQuote(machine.medium.string()));
        EXPECT_EQ(run.status, 1) << row.what << "\n" << run.output;
        EXPECT_NE(run.output.find(row.message), std::string::npos) << row.what << "\n"
                                                                   << run.output;
        EXPECT_EQ(run.output.find("Setup successfully complemented"), std::string::npos)
            << row.what;
        EXPECT_FALSE(fs::exists(machine.folder / "evil"));
        EXPECT_FALSE(fs::exists(machine.folder / "home" / "Desktop"));
    }
}

TEST(SetupSilent, WrongWordsGiveTheUsage) {
    Machine machine;
    for (const char* words : {"--silent --bogus", "--silent --target"}) {
        test::ProgramRun run = machine.Setup(words);
        EXPECT_EQ(run.status, 2) << words;
        EXPECT_NE(run.output.find("usage:"), std::string::npos) << run.output;
    }
}

TEST(Mkdsk, WritesFoldersPackedOrStoredAndTheReaderGetsThemBack) {
    test::TestFolder folder;
    folder.Write("kaynak/a.txt", std::string(5000, 'a'));
    folder.Write("kaynak/alt klasör/ğüş.bin", test::NoiseBytes(10000, 9));
    folder.Write("kaynak/alt klasör/boş", "");
    const std::string source = ShellQuote((folder / "kaynak").string());
    struct Row {
        const char* options;
        bool stored;
        bool listStored;
    } rows[] = {{"", false, false},
                {"--store", true, false},
                {"--store-list --level fcMaximum", false, true},
                {"--store --store-list", true, true}};
    for (const Row& row : rows) {
        const fs::path archivePath = folder / "çıktı.dsk";
        test::ProgramRun run =
            test::RunProgram(ShellQuote(Program("mkdsk").string()) + " " + row.options + " " +
                             ShellQuote(archivePath.string()) + " " + source);
        ASSERT_EQ(run.status, 0) << run.output;
        TZLBArchive archive;
        archive.ExtractWithPath = true;
        archive.CheckCRC = true;
        archive.OpenArchive(archivePath);
        ASSERT_EQ(archive.FileCount(), 3u);
        EXPECT_EQ(archive.GetFileEntry(1).Folder(), Utf8ToCp1254("\\alt klasör"));
        EXPECT_EQ(archive.GetFileEntry(1).Stored(), row.stored) << row.options;
        EXPECT_EQ(archive.Trailer()[dsk::trailer::kListPacked] == 0, row.listStored) << row.options;
        const fs::path out = folder / ("out " + std::string(row.options));
        archive.ExtractAll(out.string());
        EXPECT_EQ(test::FilesBelow(out), test::FilesBelow(folder / "kaynak"));
        EXPECT_EQ(folder.Read(("out " + std::string(row.options) + "/alt klasör/ğüş.bin")),
                  folder.Read("kaynak/alt klasör/ğüş.bin"));
    }
    test::ProgramRun list = test::RunProgram(ShellQuote(Program("mkdsk").string()) + " --list " +
                                             ShellQuote((folder / "çıktı.dsk").string()));
    EXPECT_EQ(list.status, 0);
    EXPECT_NE(list.output.find("\\alt klasör\\ğüş.bin"), std::string::npos) << list.output;
}

TEST(Mkdsk, RefusesWhatTheArchiveCannotHold) {
    test::TestFolder folder;
    folder.Write("a/日本.txt", "x");
    folder.Write("b/x.txt", "1");
    folder.Write("b/sub/x.txt", "2");
    const std::string mkdsk = ShellQuote(Program("mkdsk").string());
    const std::string archive = ShellQuote((folder / "o.dsk").string());
    struct Row {
        std::string words;
        int status;
        const char* message;
    } rows[] = {
        {archive + " " + ShellQuote((folder / "a").string()), 1, "Windows Turkish code page"},
        {"--flat " + archive + " " + ShellQuote((folder / "b").string()), 1,
         "two members would be"},
        {archive + " " + ShellQuote((folder / "none").string()), 1, "no file or folder"},
        {"--level fcHuge " + archive + " x", 2, "unknown level"},
        {archive, 2, "usage:"},
    };
    for (const Row& row : rows) {
        test::ProgramRun run = test::RunProgram(mkdsk + " " + row.words);
        EXPECT_EQ(run.status, row.status) << row.words << "\n" << run.output;
        EXPECT_NE(run.output.find(row.message), std::string::npos) << run.output;
    }
    EXPECT_FALSE(fs::exists(folder / "o.dsk"));
}

}  // namespace
}  // namespace kovu3
