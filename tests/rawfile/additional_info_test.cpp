#include "rawfile/additional_info.h"

#include <gtest/gtest.h>

#include "rawfile/shift_list.h"
#include "shell/text_codec.h"
#include "support/test_folder.h"

namespace kovu3 {
namespace {

TEST(AdditionalInfo, NameBesideTheRawFile) {
    EXPECT_EQ(AdditionalInfoName("12345678001.03M"), "12345678_01.03M.xxx");
    EXPECT_EQ(AdditionalInfoName("12345678R"), "12345678_.xxx");
    EXPECT_EQ(AdditionalInfoName("short"), "short.xxx");
}

TEST(AdditionalInfo, ReadsTrimmedValuesAndErrorAsEmpty) {
    test::TestFolder folder;
    folder.Write("12345678_01.03M.xxx",
                 "[Ek_Bilgiler]\r\nTarih0=  05/10/2005 14:30  \r\nNgun=ERROR\r\nExtremDuzelt=no "
                 "error here\r\n"
                 "Tarih1=(error)\r\n[Other]\r\nAnahtarDirectory=x\r\n");
    const struct {
        const char* key;
        const char* value;
    } cases[] = {
        {"Tarih0", "05/10/2005 14:30"},
        {"tarih0", "05/10/2005 14:30"},
        {"Ngun", ""},
        {"ExtremDuzelt", ""},
        {"Tarih1", ""},
        {"AnahtarDirectory", ""},
        {"Missing", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadAdditionalInfo(c.key, "12345678001.03M", folder.path()), c.value) << c.key;
    EXPECT_EQ(ReadAdditionalInfo("Tarih0", "99999999001.03M", folder.path()), "");
}

TEST(AdditionalInfo, WritesCreatingFileAndSection) {
    test::TestFolder folder;
    const std::string curve = (folder / "E ğrisi.dat").string();
    EXPECT_EQ(
        WriteCurrentAdditionalInfo("AnahtarDirectory", curve, "12345678001.03M", folder.path()),
        "");
    EXPECT_EQ(folder.Read("12345678_01.03M.xxx"),
              "[Ek_Bilgiler]\r\nAnahtarDirectory=" + Utf8ToCp1254(curve) + "\r\n");
    // The curve file does not exist: the current file's AnahtarDirectory reads as empty.
    EXPECT_EQ(ReadAdditionalInfo("AnahtarDirectory", "12345678001.03M", folder.path()), curve);
    EXPECT_EQ(ReadCurrentAdditionalInfo("AnahtarDirectory", "12345678001.03M", folder.path()), "");
    folder.Write("E ğrisi.dat", "curve");
    EXPECT_EQ(ReadCurrentAdditionalInfo("AnahtarDirectory", "12345678001.03M", folder.path()),
              curve);

    // Other lines stay as they were; a second key joins the section.
    folder.Write("12345678_02.03M.xxx", "; note\r\n[Ek_Bilgiler]\r\nNgun=4\r\n");
    EXPECT_EQ(WriteAdditionalInfo("Tarih0", folder / "12345678_02.03M.xxx", "01/10/2005"), "");
    EXPECT_EQ(folder.Read("12345678_02.03M.xxx"),
              "; note\r\n[Ek_Bilgiler]\r\nNgun=4\r\nTarih0=01/10/2005\r\n");
}

TEST(SpecialFiles, FieldsByCommasLineEndsAndQuotes) {
    EXPECT_EQ(ShiftListFields("a.05M,-1\r\n\"b, c.05M\" , 2\n\r\n  d.05M  ,3x,\"e\"junk,f"),
              (std::vector<std::string>{"a.05M", "-1", "b, c.05M", "2", "d.05M", "3x", "e", "f"}));
    EXPECT_EQ(ShiftListFields("a,,b"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(ShiftListFields("\"unclosed"), (std::vector<std::string>{"unclosed"}));
    EXPECT_TRUE(ShiftListFields("").empty());
}

TEST(SpecialFiles, ShiftSumsThePairsOfTheFile) {
    const std::string list = "x.05M,-1\r\n\"x.05M\",3\r\nX.05M,10\r\ny.05M,7\r\nx.05M";
    ShiftListEntry shift = ShiftForFile(list, "x.05M");
    EXPECT_EQ(shift.intervals, 2);
    EXPECT_EQ(shift.pairs, 2);  // the unpaired last name counts for nothing
    EXPECT_EQ(ShiftForFile(list, "z.05M").intervals, 0);
    test::TestFolder folder;
    EXPECT_EQ(ReadSpecialFileShift(folder.path(), "y.05M").intervals, 0);
    folder.Write("ozeldosyalar.TXT", list);
    EXPECT_EQ(ReadSpecialFileShift(folder.path(), "y.05M").intervals, 7);
}

}  // namespace
}  // namespace kovu3
