#include "shell/settings_values.h"

#include <gtest/gtest.h>

namespace kovu3 {
namespace {

Rgb GreySystemColour(int index) {
    return {index, index, index};
}

TEST(ColourPalette, RowsInTheirOrders) {
    EXPECT_EQ(PaletteColour(0), kSystemWindowBackground);
    EXPECT_EQ(PaletteColour(12), 0x000000u);
    EXPECT_EQ(PaletteColour(13), 0x000000u);  // row 1 reversed
    EXPECT_EQ(PaletteColour(14), 0x808000u);  // cell 14: row 1, column 1
    EXPECT_EQ(ColourFieldOfCell(14), 1);
    EXPECT_EQ(PaletteColour(25), kSystemWindowBackground);
    EXPECT_EQ(PaletteColour(26 + 1), 0x808000u);  // row 2 reversed: column 1 is teal
    EXPECT_EQ(PaletteColour(39 + 7), 0x0080FFu);  // row 3 in order: orange
    EXPECT_EQ(PaletteColour(52 + 6), 0xFF0000u);  // row 4 in order: blue
    EXPECT_EQ(PaletteColour(65), 0x000000u);      // row 5 reversed
    EXPECT_EQ(PaletteColour(77), kSystemWindowBackground);
    for (int row = 0; row < kPaletteRows; ++row)
        for (int column = 0; column < kPaletteColumns; ++column)
            EXPECT_EQ(ColourFieldOfCell(row * kPaletteColumns + column), row);
}

TEST(ColourPalette, StoredColours) {
    EXPECT_EQ(ParseColour("-2147483643"), kSystemWindowBackground);
    EXPECT_EQ(ParseColour(" 16711680 "), 0xFF0000u);
    EXPECT_EQ(ParseColour("33023"), 0x0080FFu);
    for (const char* bad : {"", " ", "abc", "12abc", "1.5", "99999999999", "-2147483649"})
        EXPECT_EQ(ParseColour(bad), std::nullopt) << bad;
    EXPECT_EQ(ColourText(kSystemWindowBackground), "-2147483643");
    EXPECT_EQ(ColourText(0x808000), "8421376");
    EXPECT_EQ(ToRgb(0x0080FF, GreySystemColour), (Rgb{255, 128, 0}));
    EXPECT_EQ(ToRgb(kSystemWindowBackground, GreySystemColour), (Rgb{5, 5, 5}));
}

TEST(SettingsValues, BadEntriesShowTheirDefaults) {
    std::array<std::string, 31> options;
    options[1] = "x";
    options[2] = "";
    options[3] = "not a colour";
    options[4] = "255";
    options[8] = "7";
    GeneralSettingsValues values = SettingsFromOptions(options);
    EXPECT_TRUE(values.drawExtremes);
    EXPECT_EQ(values.colours[0], kSystemWindowBackground);
    EXPECT_EQ(values.colours[1], 16711680u);
    EXPECT_EQ(values.colours[2], 255u);
    EXPECT_EQ(values.colours[5], 33023u);
    EXPECT_EQ(values.policyText, "7");
    EXPECT_EQ(PolicyButton(values.policyText), std::nullopt);
    options[1] = "0";
    EXPECT_FALSE(SettingsFromOptions(options).drawExtremes);
}

TEST(SettingsValues, StoreWritesEntriesOneToNine) {
    std::array<std::string, 31> options;
    options[9] = "old";
    options[21] = "ENGLISH";
    GeneralSettingsValues values;
    values.drawExtremes = false;
    values.colours = {kSystemWindowBackground, 0x808000, 0, 1, 2, 3};
    values.policyText = "0";
    StoreSettings(values, options);
    EXPECT_EQ(options[1], "0");
    EXPECT_EQ(options[2], "-2147483643");
    EXPECT_EQ(options[3], "8421376");
    EXPECT_EQ(options[7], "3");
    EXPECT_EQ(options[8], "0");  // stored as typed; the next read makes it 3
    EXPECT_EQ(options[9], "");
    EXPECT_EQ(options[21], "ENGLISH");
}

TEST(SettingsValues, ButtonsAndPassword) {
    EXPECT_EQ(PolicyButton("1"), 0);
    EXPECT_EQ(PolicyButton(" 3 "), 2);
    EXPECT_EQ(PolicyButton("0"), std::nullopt);
    EXPECT_EQ(PolicyButton("12"), std::nullopt);
    EXPECT_EQ(EditionButton("2"), 1);
    EXPECT_EQ(EditionButton(""), std::nullopt);
    EXPECT_TRUE(IsProgrammerPassword("80613LKPZN"));
    EXPECT_TRUE(IsProgrammerPassword("80613lkpzn"));
    EXPECT_FALSE(IsProgrammerPassword("80613LKPZ"));
    EXPECT_FALSE(IsProgrammerPassword(" 80613LKPZN"));
    EXPECT_TRUE(SettingsWarningText().starts_with("DİKKKAT !!! BU SEÇENEKLERDE"));
    EXPECT_NE(SettingsWarningText().find("OLACAKTIR.\r\nDAHA ÖNCEDEN"), std::string::npos);
}

}  // namespace
}  // namespace kovu3
