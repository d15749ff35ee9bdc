#include "shell/profile_file.h"

#include <gtest/gtest.h>

#include "support/test_folder.h"

namespace kovu3 {
namespace {

TEST(ProfileFile, ReadsLikeTheProfileService) {
    ProfileFile profile = ProfileFile::FromBytes(
        "\xEF\xBB\xBF[Genel]\r\n"
        "  DataDirectory =  /data/  \r\n"
        "no equals sign here\n"
        "Quoted=\"a b\"\r"
        "[genel]\r\n"
        "DataDirectory=second section loses\r\n"
        "[Options]\n"
        "01=1\n"
        "01=duplicate loses\n"
        "21=TURKCE");
    EXPECT_EQ(profile.Get("GENEL", "datadirectory"), "/data/");
    EXPECT_EQ(profile.Get("Genel", "Quoted"), "a b");
    EXPECT_EQ(profile.Get("Options", "01"), "1");
    EXPECT_EQ(profile.Get("Options", "21"), "TURKCE");
    EXPECT_EQ(profile.Get("Options", "22"), std::nullopt);
    EXPECT_EQ(profile.Get("Missing", "01"), std::nullopt);
}

TEST(ProfileFile, LongValuesAreCutAndCp1254IsDecoded) {
    std::string value(300, 'x');
    ProfileFile profile = ProfileFile::FromBytes("[S]\r\nlong=" + value + "\r\nname=\xDD\xFE\xF0\r\n");
    EXPECT_EQ(profile.Get("S", "long")->size(), 254u);
    EXPECT_EQ(profile.Get("S", "name"), "İşğ");
}

TEST(ProfileFile, AFileEditedInUtf8StaysUtf8) {
    ProfileFile profile = ProfileFile::FromBytes("[Genel]\nDataDirectory=/veri/İstasyon ğ/\n");
    EXPECT_EQ(profile.Get("Genel", "DataDirectory"), "/veri/İstasyon ğ/");
    profile.Set("Genel", "Yeni", "ş");
    EXPECT_EQ(profile.Bytes(), "[Genel]\nDataDirectory=/veri/İstasyon ğ/\nYeni=ş\r\n");
}

TEST(ProfileFile, WritesKeepEveryOtherByte) {
    const std::string original =
        "; comment\r\n[Genel]\r\nDataDirectory=/old/\r\n\r\n[Options]\n01=1\n\n[Last]\r\nx=1";
    ProfileFile profile = ProfileFile::FromBytes(original);
    profile.Set("genel", "DATADIRECTORY", "/new/");
    profile.Set("Options", "02", "Türkçe");
    profile.Set("Yeni", "k", "v");
    EXPECT_EQ(profile.Bytes(),
              "; comment\r\n[Genel]\r\nDataDirectory=/new/\r\n\r\n[Options]\n01=1\n02=T\xFCrk\xE7" "e\r\n\n"
              "[Last]\r\nx=1\r\n[Yeni]\r\nk=v\r\n");
}

TEST(ProfileFile, MissingOrGarbageFilesReadEmpty) {
    test::TestFolder folder;
    EXPECT_EQ(ProfileFile::Load(folder / "nothing.ini").Get("Genel", "DataDirectory"), std::nullopt);
    std::string garbage;
    for (int i = 0; i < 4096; ++i) garbage += static_cast<char>((i * 7919) % 256);
    ProfileFile profile = ProfileFile::Load(folder.Write("garbage.ini", garbage));
    EXPECT_EQ(profile.Get("Genel", "DataDirectory"), std::nullopt);
    profile.Set("Genel", "DataDirectory", "/x/");
    EXPECT_EQ(profile.Get("Genel", "DataDirectory"), "/x/");
}

TEST(ProfileFile, SaveReplacesTheFile) {
    test::TestFolder folder;
    auto path = folder / "Kovu3.ini";
    ProfileFile profile = ProfileFile::Load(path);
    profile.Set("Genel", "DataDirectory", "/ğ ü/");
    ASSERT_EQ(profile.Save(path), "");
    EXPECT_EQ(folder.Read("Kovu3.ini"), "[Genel]\r\nDataDirectory=/\xF0 \xFC/\r\n");
    EXPECT_NE(profile.Save(folder / "no such folder" / "x.ini"), "");
}

}  // namespace
}  // namespace kovu3
