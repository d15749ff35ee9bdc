#include "reports/rating_curve.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/test_folder.h"

namespace kovu3 {
namespace {

// A rating curve file: the 561-byte header, then one 5-byte entry per centimetre. Entry h
// holds `entries[h]` in its 4 discharge bytes and a marker byte that is never read.
std::string CurveFile(const std::vector<std::string>& entries) {
    std::string bytes(561, 'H');
    for (const std::string& entry : entries) bytes += entry.substr(0, 4) + "|";
    return bytes;
}

TEST(RatingCurve, ReadsTheEntryOfTheWholeCentimetre) {
    // Entries 0..200 hold their own number, so every answer shows which bytes were read.
    std::vector<std::string> entries;
    for (int h = 0; h <= 200; ++h) {
        std::string text = std::to_string(h);
        entries.push_back(std::string(4 - text.size(), ' ') + text);
    }
    entries[0] = "0.10";
    entries[7] = "    ";
    entries[8] = "0.00";
    entries[9] = " 1.5";
    entries[10] = "-1.2";
    entries[11] = "abcd";
    entries[12] = "1.5x";
    entries[13] = "0000";
    entries[14] = ".5  ";
    RatingCurve curve = RatingCurve::FromBytes(CurveFile(entries));
    EXPECT_EQ(curve.EntryCount(), 201);

    struct Case {
        std::string level;
        std::string discharge;
    };
    const Case cases[] = {
        {"0", "0.10"},        // bytes 562-565
        {"100", " 100"},      // bytes 1062-1065
        {"123.9", " 123"},    // the centimetre at or below
        {" 123", " 123"},     // a level as the processed file writes it
        {"000123", " 123"},
        {"200", " 200"},      // the last entry
        {"200.99", " 200"},
        {"201", "-"},         // beyond the last entry
        {"-0.5", "-"},        // below 0 cm
        {"-1", "-"},
        {"1e300", "-"},
        {"", "-"},            // no level at all
        {"abc", "-"},
        {"7", "-"},           // four blanks
        {"8", "0.00"},        // a discharge of zero written with its leading 0
        {"9", " 1.5"},        // returned as it stands
        {"10", "-"},          // negative
        {"11", "-"},          // text where a number belongs
        {"12", "-"},
        {"13", "0000"},
        {"14", ".5  "},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(curve.DischargeForLevel(c.level), c.discharge) << "level \"" << c.level << "\"";
    }
    EXPECT_EQ(curve.DischargeForLevel(123.9), " 123");
    EXPECT_EQ(curve.DischargeForLevel(std::nan("")), "-");
}

TEST(RatingCurve, TheEntryAtByte562IsTheFirst) {
    std::string bytes(561, ' ');
    bytes += "4.25|9.75";
    RatingCurve curve = RatingCurve::FromBytes(bytes);
    EXPECT_EQ(curve.DischargeForLevel("0"), "4.25");
    EXPECT_EQ(curve.DischargeForLevel("1"), "9.75");  // the last entry needs no fifth byte
    EXPECT_EQ(curve.DischargeForLevel("2"), "-");
}

TEST(RatingCurve, ShortFilesAnswerOnlyWhatTheyHold) {
    struct Case {
        size_t size;
        long long entries;
    };
    const Case cases[] = {{0, 0}, {100, 0}, {561, 0}, {564, 0}, {565, 1}, {569, 1}, {570, 2}};
    for (const Case& c : cases) {
        std::string bytes(c.size, '1');
        RatingCurve curve = RatingCurve::FromBytes(bytes);
        EXPECT_EQ(curve.EntryCount(), c.entries) << c.size;
        EXPECT_EQ(curve.DischargeForLevel("0"), c.entries > 0 ? "1111" : "-") << c.size;
        EXPECT_EQ(curve.DischargeForLevel(static_cast<double>(c.entries)), "-") << c.size;
    }
}

TEST(RatingCurve, IsReadOnceFromItsFile) {
    test::TestFolder folder;
    std::filesystem::path path = folder.Write("Eğri 1/E12345.DAT", CurveFile({"1.00", "2.00"}));
    LoadedRatingCurve loaded = RatingCurve::Load(path);
    ASSERT_TRUE(loaded.curve) << loaded.error;
    std::filesystem::remove(path);
    EXPECT_EQ(loaded.curve->DischargeForLevel("1"), "2.00");

    LoadedRatingCurve missing = RatingCurve::Load(path);
    EXPECT_FALSE(missing.curve);
    EXPECT_NE(missing.error.find(path.string()), std::string::npos) << missing.error;
}

}  // namespace
}  // namespace kovu3
