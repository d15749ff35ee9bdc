#pragma once
// Keeps the programmer values of Kovu3.ini unreadable at a glance. Each character becomes
// two letters; a random key makes the same value look different each time it is saved.

#include <string>
#include <string_view>

namespace kovu3 {

// Scrambles a text of up to 145 characters (longer texts would need codes beyond the code
// page). Texts are UTF-8; the arithmetic is on their CP1254 codes.
std::string Scramble(std::string_view text);
// The same with a given key 1 to 254, for reproducible results.
std::string ScrambleWithKey(std::string_view text, int key);
// The inverse; empty for a blank text. Garbage unscrambles to whatever it encodes, never
// to a crash.
std::string Unscramble(std::string_view text);

}  // namespace kovu3
