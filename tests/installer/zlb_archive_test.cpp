#include "installer/zlb_archive.h"

#include <gtest/gtest.h>

#include "archive_fixture.h"

namespace kovu3 {
namespace {

namespace fs = std::filesystem;
using test::ArchiveBytes;
using test::Member;
using test::MessageOf;

// What the events of one archive reported.
struct Recorder {
    std::vector<std::pair<std::string, int>> progress;
    std::vector<fs::path> extracted;
    int opened = 0;

    void Attach(TZLBArchive& archive) {
        archive.OnProgress = [this](const std::string& message, int percent) {
            progress.emplace_back(message, percent);
        };
        archive.OnArchiveOpened = [this] { ++opened; };
        archive.OnFileExtracted = [this](const fs::path& file) { extracted.push_back(file); };
    }
    std::vector<int> PercentsOf(const std::string& message) const {
        std::vector<int> percents;
        for (const auto& [text, percent] : progress) {
            if (text == message) percents.push_back(percent);
        }
        return percents;
    }
};

// Members packed or stored, member list packed or stored: the four kinds of archive.
struct Layout {
    bool membersStored;
    bool listStored;
};

class ArchiveRoundTrip : public ::testing::TestWithParam<Layout> {};

TEST_P(ArchiveRoundTrip, ExtractsEveryMemberByteForByteWithItsEvents) {
    const Layout layout = GetParam();
    test::TestFolder folder;
    const std::string big = test::NoiseBytes(10000, 7);
    std::vector<test::MemberSource> members = {
        Member("a.txt", "hello\r\n", layout.membersStored),
        Member("boş.txt", "", layout.membersStored),
        Member("büyük.bin", big, layout.membersStored, "\\alt klasör"),
    };
    for (int i = 0; i < 7; ++i)
        members.push_back(Member("f" + std::to_string(i), "x", layout.membersStored));
    fs::path path = folder.Write("medium/prog.dsk", ArchiveBytes(members, layout.listStored));

    TZLBArchive archive;
    Recorder events;
    events.Attach(archive);
    archive.ExtractWithPath = true;
    archive.CheckCRC = true;
    ASSERT_TRUE(archive.OpenArchive(path));
    EXPECT_EQ(archive.ArchiveName(), path);
    EXPECT_EQ(events.opened, 1);
    ASSERT_EQ(archive.FileCount(), 10u);
    // 10 entries are 5320 bytes: two steps of the packed list.
    EXPECT_EQ(events.PercentsOf("Extracting archive registry"),
              layout.listStored ? std::vector<int>{} : std::vector<int>({77, 100}));
    EXPECT_EQ(events.progress.back(), std::make_pair(path.string(), 0));

    const fs::path out = folder / "çıktı";
    archive.ExtractAll(out.string());
    EXPECT_EQ(folder.Read("çıktı/a.txt"), "hello\r\n");
    EXPECT_TRUE(fs::is_regular_file(out / "boş.txt"));
    EXPECT_EQ(fs::file_size(out / "boş.txt"), 0u);
    EXPECT_EQ(folder.Read("çıktı/alt klasör/büyük.bin"), big);
    EXPECT_EQ(events.PercentsOf("Extracting büyük.bin"), std::vector<int>({41, 82, 100}));
    EXPECT_EQ(events.PercentsOf("Extracting boş.txt"), std::vector<int>{});  // no step at all
    ASSERT_EQ(events.extracted.size(), 10u);
    EXPECT_EQ(events.extracted[2], out / "alt klasör" / "büyük.bin");
    EXPECT_EQ(events.progress.back(), std::make_pair(path.string(), 0));

    // Without folders every member lands in the target folder itself.
    archive.ExtractWithPath = false;
    archive.ExtractAll((folder / "flat").string());
    EXPECT_EQ(folder.Read("flat/büyük.bin"), big);
}

INSTANTIATE_TEST_SUITE_P(Layouts, ArchiveRoundTrip,
                         ::testing::Values(Layout{false, false}, Layout{false, true},
                                           Layout{true, false}, Layout{true, true}));

TEST(Archive, StoredMemberIsTheArchiveBytesThemselves) {
    test::TestFolder folder;
    const std::string data = test::NoiseBytes(5000, 3);
    std::string bytes = ArchiveBytes({Member("raw.bin", data, true)}, true);
    EXPECT_EQ(bytes.substr(0, data.size()), data);
    TZLBArchive archive;
    archive.OpenArchive(folder.Write("a.dsk", bytes));
    EXPECT_TRUE(archive.GetFileEntry(0).Stored());
    archive.ExtractAll(folder.path().string());
    EXPECT_EQ(folder.Read("raw.bin"), data);
}

TEST(Archive, EmptyArchiveOpensAndExtractsNothing) {
    test::TestFolder folder;
    // Ours with an empty packed or stored list, and a bare trailer with no list bytes at all.
    std::string bare(dsk::kTrailerSize, '\0');
    bare[dsk::trailer::kListPacked] = 1;
    dsk::SealArchive(bare);
    for (const std::string& bytes : {ArchiveBytes({}, false), ArchiveBytes({}, true), bare}) {
        TZLBArchive archive;
        ASSERT_TRUE(archive.OpenArchive(folder.Write("empty.dsk", bytes)));
        EXPECT_EQ(archive.FileCount(), 0u);
        archive.ExtractAll((folder / "out").string());
        EXPECT_TRUE(test::FilesBelow(folder / "out").empty());
    }
}

TEST(Archive, StatesWithoutAnArchiveAndIndexes) {
    test::TestFolder folder;
    TZLBArchive archive;
    EXPECT_EQ(MessageOf([&] { archive.FileCount(); }), "No archive is currently open");
    EXPECT_EQ(MessageOf([&] { archive.ExtractAll(folder.path().string()); }),
              "No archive is currently open");
    EXPECT_FALSE(archive.OpenArchive(""));

    archive.OpenArchive(folder.Write("a.dsk", ArchiveBytes({Member("a", "1"), Member("b", "22")})));
    EXPECT_EQ(archive.GetFileEntry(1).FileName(), "b");
    EXPECT_EQ(archive.GetFileEntry(1).Size(), 2u);
    EXPECT_EQ(MessageOf([&] { archive.GetFileEntry(2); }), "Index out of bounds");
    EXPECT_EQ(MessageOf([&] { archive.GetFileEntry(-1); }), "Index out of bounds");

    archive.CloseArchive();
    EXPECT_TRUE(archive.ArchiveName().empty());
    EXPECT_EQ(MessageOf([&] { archive.GetFileEntry(0); }), "No archive is currently open");
}

TEST(Archive, MissingOrUnopenableFile) {
    test::TestFolder folder;
    TZLBArchive archive;
    EXPECT_EQ(MessageOf([&] { archive.OpenArchive(folder / "none.dsk"); }),
              "Archive file not found");
    fs::create_directories(folder / "a folder.dsk");
    EXPECT_EQ(MessageOf([&] { archive.OpenArchive(folder / "a folder.dsk"); }),
              "Unable to open file (" + (folder / "a folder.dsk").string() + ")");
}

// A damaged archive, by the region that was damaged. Bytes before the trailer are covered by
// its checksum; the trailer's own fields show as a member list that does not fit.
struct Damage {
    const char* region;
    std::function<void(std::string&)> apply;
    const char* message;
};

void PrintTo(const Damage& damage, std::ostream* out) {
    *out << damage.region;
}

class DamagedArchive : public ::testing::TestWithParam<Damage> {};

TEST_P(DamagedArchive, IsRefusedOnOpening) {
    const Damage& damage = GetParam();
    test::TestFolder folder;
    for (bool listStored : {false, true}) {
        std::string bytes = ArchiveBytes({Member("a.txt", test::NoiseBytes(3000, 1)),
                                          Member("b.txt", "bbbb", true), Member("c.txt", "cc")},
                                         listStored);
        damage.apply(bytes);
        TZLBArchive archive;
        fs::path path = folder.Write("damaged.dsk", bytes);
        EXPECT_EQ(MessageOf([&] { archive.OpenArchive(path); }), damage.message)
            << damage.region << (listStored ? ", stored list" : ", packed list");
        EXPECT_EQ(MessageOf([&] { archive.FileCount(); }), "No archive is currently open");
    }
}

constexpr const char* kCorrupted = "The archive file appears to be corrupted";
constexpr const char* kNoList = "Unable to read archive file list";

void Flip(std::string& bytes, size_t position) {
    bytes[position] = static_cast<char>(bytes[position] ^ 0x40);
}
size_t Trailer(const std::string& bytes) {
    return test::TrailerStart(bytes);
}
size_t ListStart(const std::string& bytes) {
    return test::Le32At(bytes, Trailer(bytes) + dsk::trailer::kListOffset);
}

INSTANTIATE_TEST_SUITE_P(
    Regions, DamagedArchive,
    ::testing::Values(
        Damage{"first member byte", [](std::string& b) { Flip(b, 0); }, kCorrupted},
        Damage{"member data", [](std::string& b) { Flip(b, 100); }, kCorrupted},
        Damage{"member list", [](std::string& b) { Flip(b, ListStart(b) + 3); }, kCorrupted},
        Damage{"last byte before the trailer", [](std::string& b) { Flip(b, Trailer(b) - 1); },
               kCorrupted},
        Damage{"trailer checksum", [](std::string& b) { Flip(b, Trailer(b)); }, kCorrupted},
        Damage{"one byte cut off", [](std::string& b) { b.pop_back(); }, kCorrupted},
        Damage{"a byte added", [](std::string& b) { b += 'x'; }, kCorrupted},
        Damage{"shorter than a trailer", [](std::string& b) { b.resize(20); }, kCorrupted},
        Damage{"member count one more", [](std::string& b) { b[Trailer(b) + 4] += 1; }, kNoList},
        Damage{"member count one less", [](std::string& b) { b[Trailer(b) + 4] -= 1; }, kNoList},
        Damage{"member count huge",
               [](std::string& b) { test::SetLe32At(b, Trailer(b) + 4, 0xFFFFFFFF); }, kNoList},
        Damage{"list offset shifted", [](std::string& b) { b[Trailer(b) + 16] += 1; }, kNoList},
        Damage{"list offset beyond the file",
               [](std::string& b) { test::SetLe32At(b, Trailer(b) + 16, 0x7FFFFFFF); }, kNoList},
        Damage{"list packing flag flipped",
               [](std::string& b) { b[Trailer(b) + 20] = b[Trailer(b) + 20] ? 0 : 1; }, kNoList}));

TEST(Archive, PackedListDamagedUnderAFittingChecksum) {
    test::TestFolder folder;
    std::string bytes = ArchiveBytes({Member("a.txt", "abc"), Member("b.txt", "def")});
    Flip(bytes, ListStart(bytes) + 4);
    dsk::SealArchive(bytes);
    TZLBArchive archive;
    EXPECT_EQ(MessageOf([&] { archive.OpenArchive(folder.Write("a.dsk", bytes)); }), kNoList);
    EXPECT_TRUE(archive.ArchiveName().empty());
}

TEST(Archive, TrailerBytesThatAreNotReadChangeNothing) {
    test::TestFolder folder;
    std::string bytes = ArchiveBytes({Member("a.txt", "abc")});
    for (size_t i : {8, 12, 15, 21, 30, 35}) bytes[Trailer(bytes) + i] = '\x5A';
    TZLBArchive archive;
    ASSERT_TRUE(archive.OpenArchive(folder.Write("a.dsk", bytes)));
    archive.ExtractAll(folder.path().string());
    EXPECT_EQ(folder.Read("a.txt"), "abc");
}

TEST(Archive, ChecksumFailureForgetsTheArchive) {
    test::TestFolder folder;
    TZLBArchive archive;
    std::string good = ArchiveBytes({Member("a.txt", "abc")});
    archive.OpenArchive(folder.Write("good.dsk", good));
    std::string bad = good;
    Flip(bad, 1);
    fs::path path = folder.Write("bad.dsk", bad);
    try {
        archive.OpenArchive(path);
        FAIL() << "no error";
    } catch (const ArchiveError& error) {
        EXPECT_STREQ(error.what(), kCorrupted);
        EXPECT_NE(error.detail().find(path.string()), std::string::npos) << error.detail();
    }
    EXPECT_TRUE(archive.ArchiveName().empty());
    EXPECT_EQ(archive.Trailer(), dsk::TrailerBytes{});
}

}  // namespace
}  // namespace kovu3
