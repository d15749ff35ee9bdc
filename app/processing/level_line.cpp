#include "processing/level_line.h"

#include <algorithm>

namespace kovu3 {
namespace {

void PutDigits(char* out, int width, long value) {
    for (int i = width - 1; i >= 0; --i) {
        out[i] = static_cast<char>('0' + value % 10);
        value /= 10;
    }
}

void PutText(char* out, size_t width, std::string_view text) {
    std::fill(out, out + width, ' ');
    std::copy_n(text.data(), std::min(width, text.size()), out);
}

}  // namespace

LevelLineText MakeLevelLine(int dayNo, int hour, int minute, std::string_view level, char kind,
                            std::string_view date) {
    LevelLineText line;
    PutDigits(&line[0], 3, std::clamp(dayNo, 0, 999));
    line[3] = ' ';
    PutDigits(&line[4], 2, std::clamp(hour, 0, 99));
    PutDigits(&line[6], 2, std::clamp(minute, 0, 99));
    line[8] = '=';
    PutText(&line[9], 6, level);
    line[15] = kind;
    PutText(&line[16], 10, date);
    return line;
}

long FieldNumber(std::string_view field) {
    long value = 0;
    for (char c : field) {
        if (c < '0' || c > '9') break;
        value = value * 10 + (c - '0');
    }
    return value;
}

int LineDayNo(const LevelLineText& line) { return static_cast<int>(FieldNumber(View(line).substr(0, 3))); }
int LineHour(const LevelLineText& line) { return static_cast<int>(FieldNumber(View(line).substr(4, 2))); }
int LineMinute(const LevelLineText& line) { return static_cast<int>(FieldNumber(View(line).substr(6, 2))); }
long LineLevel(const LevelLineText& line) { return FieldNumber(View(line).substr(9, 6)); }

}  // namespace kovu3
