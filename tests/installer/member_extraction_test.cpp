// Extraction of single members: damaged members under a fitting checksum, names that would
// leave the target folder, target folder texts, replacing existing files.

#include <gtest/gtest.h>

#include <cctype>
#include <optional>

#include "archive_fixture.h"
#include "installer/member_path.h"
#include "installer/zlb_archive.h"

namespace kovu3 {
namespace {

namespace fs = std::filesystem;
using test::ArchiveBytes;
using test::Member;
using test::MessageOf;

// Member 1 of three is damaged through its entry; the checksum is made to fit again, so
// only the extraction can find the damage.
struct MemberDamage {
    const char* what;
    bool stored;
    std::function<void(std::string& bytes, size_t entry)> apply;
    bool fileLeft;  // a partly written file stays (nothing when refused beforehand)
    std::optional<std::string> left = std::nullopt;  // its content, when it is known
    bool checkCrc = false;
};

class DamagedMember : public ::testing::TestWithParam<MemberDamage> {};

const std::string kData = test::NoiseBytes(9000, 11);

TEST_P(DamagedMember, IsRefusedWithoutWritingPastWhatWasRead) {
    const MemberDamage& damage = GetParam();
    test::TestFolder folder;
    std::string bytes =
        ArchiveBytes({Member("first.txt", "1"), Member("second.bin", kData, damage.stored),
                      Member("third.txt", "3")},
                     true);
    damage.apply(bytes, test::EntryStart(bytes, 1));
    dsk::SealArchive(bytes);

    TZLBArchive archive;
    archive.CheckCRC = damage.checkCrc;
    ASSERT_TRUE(archive.OpenArchive(folder.Write("m.dsk", bytes)));
    const fs::path out = folder / "out";
    EXPECT_EQ(MessageOf([&] { archive.ExtractAll(out.string()); }), "File (1) is corrupt");
    EXPECT_EQ(folder.Read("out/first.txt"), "1");
    EXPECT_FALSE(fs::exists(out / "third.txt"));  // the step stops at the failure
    ASSERT_EQ(fs::exists(out / "second.bin"), damage.fileLeft);
    if (damage.left) {
        EXPECT_EQ(folder.Read("out/second.bin"), *damage.left);
    }
    if (damage.fileLeft) {
        EXPECT_LE(fs::file_size(out / "second.bin"), kData.size());
    }
    EXPECT_EQ(archive.FileCount(), 3u);  // the archive stays open
}

void AddToSize(std::string& bytes, size_t entry, int delta) {
    test::SetLe32At(bytes, entry + dsk::entry::kSize,
                    static_cast<uint32_t>(static_cast<int>(kData.size()) + delta));
}

INSTANTIATE_TEST_SUITE_P(
    Entries, DamagedMember,
    ::testing::Values(
        MemberDamage{"packed stream inflates to less than the size", false,
                     [](std::string& b, size_t e) { AddToSize(b, e, 5000); }, true, kData},
        MemberDamage{"packed stream goes on past the size", false,
                     [](std::string& b, size_t e) { AddToSize(b, e, -1); }, true,
                     kData.substr(0, 8999)},
        MemberDamage{"stored size runs past the archive", true,
                     [](std::string& b, size_t e) { AddToSize(b, e, 1 << 20); }, false},
        MemberDamage{"offset beyond the archive", false,
                     [](std::string& b, size_t e) {
                         test::SetLe32At(b, e + dsk::entry::kOffset, 0x7FFFFFF0);
                     },
                     false},
        MemberDamage{"packed data damaged", false,
                     [](std::string& b, size_t e) {
                         size_t offset = test::Le32At(b, e + dsk::entry::kOffset);
                         for (size_t i = 4000; i < 4100; ++i) b[offset + i] = 0;
                     },
                     true},
        MemberDamage{
            "offset into another member's stream", false,
            [](std::string& b, size_t e) { test::SetLe32At(b, e + dsk::entry::kOffset, 0); }, true,
            "1"},
        MemberDamage{"stored flag taken for packed", true,
                     [](std::string& b, size_t e) { b[e + dsk::entry::kStored] = 0; }, true, ""},
        MemberDamage{"CRC differs with CheckCRC", false,
                     [](std::string& b, size_t e) { b[e + dsk::entry::kCrc] ^= 1; }, true, kData,
                     true}),
    [](const auto& info) {
        std::string name = info.param.what;
        for (char& c : name) {
            if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
        }
        return name;
    });

TEST(Extraction, CrcIsNotComparedByDefault) {
    test::TestFolder folder;
    std::string bytes = ArchiveBytes({Member("a.txt", "abc")}, true);
    bytes[test::EntryStart(bytes, 0) + dsk::entry::kCrc] ^= 1;
    dsk::SealArchive(bytes);
    TZLBArchive archive;
    archive.OpenArchive(folder.Write("a.dsk", bytes));
    archive.ExtractAll(folder.path().string());
    EXPECT_EQ(folder.Read("a.txt"), "abc");
}

// Names and folders as they stand in the archive (CP1254 bytes).
struct Escape {
    std::string name;
    std::string folder;
    bool withFolder;
};

void PrintTo(const Escape& escape, std::ostream* out) {
    *out << "name \"" << escape.name << "\", folder \"" << escape.folder << "\""
         << (escape.withFolder ? " (used)" : " (not used)");
}

class EscapingMember : public ::testing::TestWithParam<Escape> {};

TEST_P(EscapingMember, IsRefusedAndNothingIsWrittenForIt) {
    const Escape& escape = GetParam();
    test::TestFolder folder;
    fs::create_directories(folder / "sandbox" / "target");
    test::MemberSource hostile{escape.name, escape.folder, "evil", false};
    fs::path path = folder.Write("h.dsk", ArchiveBytes({Member("good.txt", "good"), hostile}));
    TZLBArchive archive;
    archive.ExtractWithPath = escape.withFolder;
    archive.OpenArchive(path);
    const fs::path target = folder / "sandbox" / "target";
    EXPECT_EQ(MessageOf([&] { archive.ExtractAll(target.string()); }), "File (1) is corrupt");
    EXPECT_EQ(test::FilesBelow(folder / "sandbox"), std::vector<std::string>{"target/good.txt"});
    EXPECT_FALSE(fs::exists("/tmp/evil.txt") && fs::file_size("/tmp/evil.txt") == 4);
}

INSTANTIATE_TEST_SUITE_P(
    Names, EscapingMember,
    ::testing::Values(Escape{"..\\evil.txt", "", false}, Escape{"../evil.txt", "", false},
                      Escape{"..", "", false}, Escape{".", "", false},
                      Escape{"sub\\..\\..\\evil.txt", "", false}, Escape{"\\evil.txt", "", false},
                      Escape{"/tmp/evil.txt", "", false}, Escape{"C:\\evil.txt", "", false},
                      Escape{"c:evil.txt", "", false}, Escape{"", "", false},
                      Escape{"dir\\", "", false}, Escape{std::string("ok\0.txt", 7), "", false},
                      Escape{"evil.txt", "..", true}, Escape{"evil.txt", "\\..\\..", true},
                      Escape{"evil.txt", "sub\\..\\..\\x", true}, Escape{"evil.txt", "/tmp", true},
                      Escape{"evil.txt", "D:\\x", true},
                      // Not used without folders, but only a hostile archive holds it.
                      Escape{"evil.txt", "..\\..", false}));

TEST(Extraction, NamesThatStayInsideTheTarget) {
    test::TestFolder folder;
    std::vector<test::MemberSource> members = {
        {"x.txt", "\\sub\\", "1", false},        // the archive's own folder form
        {"y.txt", "sub\\\\deeper", "2", false},  // doubled separators
        {"in\\z.txt", "", "3", true},            // a folder inside the name
        {"..dots", ".\\", "4", false},           // dots that climb nowhere
    };
    TZLBArchive archive;
    archive.ExtractWithPath = true;
    archive.OpenArchive(folder.Write("a.dsk", ArchiveBytes(members)));
    archive.ExtractAll((folder / "t").string());
    EXPECT_EQ(test::FilesBelow(folder / "t"),
              (std::vector<std::string>{"..dots", "in/z.txt", "sub/deeper/y.txt", "sub/x.txt"}));
}

TEST(Extraction, TargetWithTrailingOrDoubledSeparators) {
    test::TestFolder folder;
    fs::path path = folder.Write("a.dsk", ArchiveBytes({Member("a.txt", "abc")}));
    const std::string base = (folder / "hedef").string();
    for (const std::string& target : {base, base + "\\", base + "\\\\", base + "/", base + "//"}) {
        TZLBArchive archive;
        archive.OpenArchive(path);
        archive.ExtractAll(target);
        EXPECT_EQ(test::FilesBelow(folder / "hedef"), std::vector<std::string>{"a.txt"}) << target;
    }
    for (const std::string& target : {base + "\\\\alt\\", base + "//alt", base + "\\\\\\alt\\\\"}) {
        TZLBArchive archive;
        archive.OpenArchive(path);
        archive.ExtractAll(target);
        EXPECT_EQ(test::FilesBelow(folder / "hedef"),
                  (std::vector<std::string>{"a.txt", "alt/a.txt"}))
            << target;
    }
    EXPECT_EQ(dsk::NormalizeTargetFolder("C:\\\\\\kovuprg\\\\kovueng\\"), "C:/kovuprg/kovueng");
}

TEST(Extraction, ReplaceQuestionDecides) {
    test::TestFolder folder;
    fs::path path =
        folder.Write("a.dsk", ArchiveBytes({Member("a.txt", "new"), Member("b.txt", "new")}));
    folder.Write("t/a.txt", "old");
    folder.Write("t/b.txt", "old");
    std::vector<fs::path> asked;
    TZLBArchive archive;
    archive.OnReplaceFile = [&](const fs::path& file) {
        asked.push_back(file);
        return file.filename() == "b.txt";
    };
    archive.OpenArchive(path);
    archive.ExtractAll((folder / "t").string());
    EXPECT_EQ(asked.size(), 2u);
    EXPECT_EQ(folder.Read("t/a.txt"), "old");
    EXPECT_EQ(folder.Read("t/b.txt"), "new");

    archive.OnReplaceFile = nullptr;  // without a handler existing files are replaced
    archive.ExtractAll((folder / "t").string());
    EXPECT_EQ(folder.Read("t/a.txt"), "new");
}

TEST(Extraction, LinkAtAMembersPlaceIsReplacedNotFollowed) {
    test::TestFolder folder;
    folder.Write("outside.txt", "keep");
    fs::create_directories(folder / "t");
    fs::create_symlink(folder / "outside.txt", folder / "t" / "a.txt");
    TZLBArchive archive;
    archive.OpenArchive(folder.Write("a.dsk", ArchiveBytes({Member("a.txt", "new")})));
    archive.ExtractAll((folder / "t").string());
    EXPECT_EQ(folder.Read("outside.txt"), "keep");
    EXPECT_FALSE(fs::is_symlink(folder / "t" / "a.txt"));
    EXPECT_EQ(folder.Read("t/a.txt"), "new");
}

TEST(Extraction, TargetThatCannotBeCreated) {
    test::TestFolder folder;
    folder.Write("a file", "x");
    TZLBArchive archive;
    archive.OpenArchive(folder.Write("a.dsk", ArchiveBytes({Member("a.txt", "abc")})));
    EXPECT_EQ(MessageOf([&] { archive.ExtractAll((folder / "a file" / "sub").string()); }),
              "Unable to create destination path");
    EXPECT_EQ(MessageOf([&] { archive.ExtractAll(""); }), "Unable to create destination path");
}

}  // namespace
}  // namespace kovu3
