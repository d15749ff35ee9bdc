#include "reports/report_cells.h"

#include <gtest/gtest.h>

#include "support/test_folder.h"

namespace kovu3 {
namespace {

TEST(ReportCells, NumbersAsTheSpreadsheetShowsThem) {
    struct Case {
        std::optional<double> value;
        int decimals;
        const char* shown;
    };
    for (Case c : {Case{150.903225806452, 0, "151"}, Case{2.5, 0, "3"}, Case{-2.5, 0, "-3"},
                   Case{1.005, 2, "1.01"}, Case{1.92, 2, "1.92"}, Case{0.5, 2, "0.50"},
                   Case{-0.004, 2, "0.00"}, Case{12345.678, 2, "12345.68"}, Case{std::nullopt, 2, ""}}) {
        EXPECT_EQ(FormatFixed(c.value, c.decimals), c.shown) << c.value.value_or(-1);
    }
    EXPECT_EQ(SignedText(123), " 123");
    EXPECT_EQ(SignedText(0), " 0");
    EXPECT_EQ(SignedText(-5), "-5");
}

TEST(ReportCells, StationCodeAndTexts) {
    EXPECT_EQ(StationCode("123-45678"), "123-45678");
    EXPECT_EQ(StationCode("12345678"), "123-45678");
    EXPECT_EQ(StationCode("42"), "42-42");
    EXPECT_EQ(CharacterCount("Ç"), 1u);
    EXPECT_EQ(CharacterCount("Köprü"), 5u);
    LevelLine line = ParseLevelLine("005>0630=000123 05/10/2003");
    EXPECT_EQ(TimeText(line), "'06:30");
    EXPECT_EQ(DayOfMonth(line), "05");
    EXPECT_EQ(LevelEntry(line), " 123");
    line.Level = "-99";
    EXPECT_EQ(LevelEntry(line), "");
}

TEST(ReportCells, ProductNamesStayInTheirFolder) {
    test::TestFolder folder;
    EXPECT_EQ(ProductFile(folder.path(), "S2004123-45678.xlsx").path, folder / "S2004123-45678.xlsx");
    for (const char* name : {"S2004../../x.xlsx", "", "..", "a\\b"}) {
        ProductPath product = ProductFile(folder.path(), name);
        EXPECT_TRUE(product.path.empty()) << name;
        EXPECT_NE(product.error.find(folder.path().string()), std::string::npos) << product.error;
    }
}

}  // namespace
}  // namespace kovu3
