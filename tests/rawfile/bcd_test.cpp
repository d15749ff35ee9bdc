#include "rawfile/bcd.h"

#include <gtest/gtest.h>

namespace kovu3 {
namespace {

TEST(Bcd, FieldsReadByTheirLeadingDigits) {
    const std::pair<const char*, int> cases[] = {
        {"000", 0},
        {"037", 37},
        {"255", 255},
        {"999", 999},
        {"12x", 12},
        {"x12", 0},
        {" 12", 0},
        {"", 0},
        {"7", 7},
        {"1\0"
         "2",
         1},
    };
    for (const auto& [field, value] : cases) EXPECT_EQ(FieldValue(field), value) << field;
    EXPECT_TRUE(IsDigitField("037"));
    EXPECT_FALSE(IsDigitField("03 "));
    EXPECT_FALSE(IsDigitField("03"));
}

TEST(Bcd, DecodesAndEncodesClockBytes) {
    const std::pair<const char*, int> cases[] = {
        {"037", 25}, {"000", 0}, {"009", 9}, {"016", 10}, {"089", 59}, {"153", 99}, {"985", 619},
    };
    for (const auto& [field, value] : cases) {
        EXPECT_EQ(DecodeBcd(field), value) << field;
        EXPECT_EQ(EncodeBcd(value), field) << value;
    }
    EXPECT_EQ(EncodeBcd(627), "999");
    EXPECT_EQ(EncodeBcd(628), "");  // would need four characters
    EXPECT_EQ(EncodeBcd(-1), "");
}

TEST(Bcd, YearRuleAndItsInverse) {
    const std::pair<int, int> cases[] = {{5, 2005},  {100, 2100}, {101, 863},
                                         {120, 882}, {619, 1381}, {0, 2000}};
    for (const auto& [field, year] : cases) {
        EXPECT_EQ(YearFromLogger(field), year) << field;
        EXPECT_EQ(LoggerYearOf(year), field) << year;
    }
    for (int year : {1999, 1950, 2101, 862, 1390, 1900}) EXPECT_EQ(LoggerYearOf(year), -1) << year;
    for (int year = 1370; year <= 1389; ++year)  // every Persian year a logger can hold
        EXPECT_EQ(YearFromLogger(DecodeBcd(EncodeBcd(LoggerYearOf(year)))), year);
}

TEST(Bcd, LevelsInWholeCentimetres) {
    struct Case {
        const char* six;
        int unitCode;
        const char* level;
    } const cases[] = {
        {"000123", 1, "000123"}, {"002105", 1, "000617"}, {"002105", 3, "000123"},
        {"002105", 2, "000061"}, {"000003", 2, "000000"}, {"000005", 3, "000001"},
        {"004230", 1, "001254"}, {"255255", 1, "065535"}, {"001000", 4, "000000"},
        {"999999", 1, "256743"},
    };
    for (const auto& c : cases) EXPECT_EQ(DecodeLevel(c.six, c.unitCode), c.level) << c.six;
    // The integer part of value * factor, with no binary rounding below it.
    for (int value = 0; value < 70000; ++value) {
        ASSERT_EQ(LevelCentimetres(value, 2), value / 10);
        ASSERT_EQ(LevelCentimetres(value, 3), value * 2 / 10);
    }
    EXPECT_EQ(ReadingValue("002105"), 617);
}

TEST(Bcd, UnitCodes) {
    EXPECT_EQ(UnitCodeOf("001"), 1);
    EXPECT_EQ(UnitCodeOf("003"), 3);
    EXPECT_EQ(UnitCodeOf("004"), 0);
    EXPECT_STREQ(UnitTextOf(2), "1mm");
    EXPECT_STREQ(UnitTextOf(0), "");
    EXPECT_DOUBLE_EQ(UnitFactorOf(3), 0.2);
    EXPECT_DOUBLE_EQ(UnitFactorOf(0), 0.0);
}

}  // namespace
}  // namespace kovu3
