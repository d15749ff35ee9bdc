#include "shell/text_codec.h"

#include <gtest/gtest.h>

namespace kovu3 {
namespace {

TEST(TextCodec, TurkishLettersBothWays) {
    const std::string utf8 = "ÇĞİÖŞÜçğıöşü €";
    const std::string cp1254 = "\xC7\xD0\xDD\xD6\xDE\xDC\xE7\xF0\xFD\xF6\xFE\xFC \x80";
    EXPECT_EQ(Utf8ToCp1254(utf8), cp1254);
    EXPECT_EQ(Cp1254ToUtf8(cp1254), utf8);
}

TEST(TextCodec, EveryByteSurvivesARoundTrip) {
    std::string bytes;
    for (int b = 0; b < 256; ++b) bytes += static_cast<char>(b);
    EXPECT_EQ(Utf8ToCp1254(Cp1254ToUtf8(bytes)), bytes);
}

TEST(TextCodec, UnrepresentableAndInvalidInput) {
    EXPECT_EQ(Utf8ToCp1254("a\xE4\xB8\xAD" "b"), "a?b");  // a CJK letter has no CP1254 code
    EXPECT_EQ(Utf8ToCp1254("a\xFF" "b"), "a\xFF" "b");    // not UTF-8: the byte passes
}

TEST(TextCodec, SplitLinesAcceptsEveryLineEnd) {
    auto lines = SplitLines("a\r\nb\rc\nd\r\n");
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "a");
    EXPECT_EQ(lines[1], "b");
    EXPECT_EQ(lines[2], "c");
    EXPECT_EQ(lines[3], "d");
    EXPECT_EQ(SplitLines("a\n\nb").size(), 3u);
    EXPECT_EQ(ToCp1254Lines({"ş", ""}), "\xFE\r\n\r\n");
}

}  // namespace
}  // namespace kovu3
