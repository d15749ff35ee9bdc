#include "shell/scramble.h"

#include <gtest/gtest.h>

namespace kovu3 {
namespace {

TEST(Scramble, RoundTripsForEveryKeyAndLength) {
    std::string text;
    for (int n = 0; n <= 145; ++n) {
        for (int key : {1, 37, 128, 254}) {
            std::string scrambled = ScrambleWithKey(text, key);
            ASSERT_EQ(Unscramble(scrambled), text) << "length " << n << " key " << key;
        }
        text += static_cast<char>('0' + n % 75);
    }
    EXPECT_EQ(Unscramble(Scramble("Şifre ğ")), "Şifre ğ");
}

TEST(Scramble, ShapeOfTheResult) {
    std::string scrambled = ScrambleWithKey("1", 100);
    EXPECT_EQ(scrambled.size(), 4u);  // two letters a character, key included
    EXPECT_EQ(ScrambleWithKey("", 5).size(), 2u);
    EXPECT_EQ(Unscramble(ScrambleWithKey("", 5)), "");
    EXPECT_EQ(Unscramble("   "), "");
    EXPECT_NE(ScrambleWithKey("2", 1), ScrambleWithKey("2", 2));
}

TEST(Scramble, GarbageGivesNoImpossibleCharacters) {
    EXPECT_EQ(Unscramble("a"), "");           // no pair at all
    EXPECT_EQ(Unscramble("AAAAAAAAAA"), "");  // every code negative
    EXPECT_EQ(Unscramble("\x01\x02\x03\x04"), "");
}

}  // namespace
}  // namespace kovu3
