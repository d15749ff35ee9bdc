#include "shell/scramble.h"

#include <chrono>
#include <random>

#include "shell/file_io.h"
#include "shell/text_codec.h"

namespace kovu3 {

std::string Scramble(std::string_view text) {
    std::mt19937 generator(static_cast<unsigned>(
        std::chrono::steady_clock::now().time_since_epoch().count()));
    std::uniform_int_distribution<int> keys(1, 254);
    return ScrambleWithKey(text, keys(generator));
}

std::string ScrambleWithKey(std::string_view text, int key) {
    std::string codes = Utf8ToCp1254(text);
    std::string out;
    int group = 1;
    auto emit = [&out, &group](int value) {
        int second = 65 + value % 25;
        int first = second + group + value / 25;
        out += static_cast<char>(first);
        out += static_cast<char>(second);
        ++group;
    };
    emit(key);
    for (unsigned char c : codes) emit(c + key);
    return Cp1254ToUtf8(out);
}

std::string Unscramble(std::string_view text) {
    if (TrimBlanks(text).empty()) return {};
    std::string bytes = Utf8ToCp1254(text);
    std::string out;
    int key = 0;
    for (size_t i = 0, group = 1; i + 1 < bytes.size(); i += 2, ++group) {
        int first = static_cast<unsigned char>(bytes[i]);
        int second = static_cast<unsigned char>(bytes[i + 1]);
        int value = 25 * (first - second - static_cast<int>(group)) + (second - 65);
        if (group == 1) {
            key = value;
            continue;
        }
        int code = value - key;
        if (code >= 0 && code <= 255) out += static_cast<char>(code);
    }
    return Cp1254ToUtf8(out);
}

}  // namespace kovu3
