#pragma once
// The three kinds of logger values built from three-digit fields: plain bytes, BCD bytes of
// the logger's clock and 16-bit readings. Fields are read by the leading-digits rule: the
// number the field's leading digits form, 0 when it starts with anything else.

#include <cstddef>
#include <string>
#include <string_view>

namespace kovu3 {

// The value of a three-character field (leading digits; 0 when none). Shorter texts are
// read as they are.
constexpr int FieldValue(std::string_view field) {
    int value = 0;
    for (size_t i = 0; i < field.size() && i < 3; ++i) {
        char c = field[i];
        if (c < '0' || c > '9') break;
        value = value * 10 + (c - '0');
    }
    return value;
}

// True when all three characters are digits.
constexpr bool IsDigitField(std::string_view field) {
    if (field.size() < 3) return false;
    for (size_t i = 0; i < 3; ++i)
        if (field[i] < '0' || field[i] > '9') return false;
    return true;
}

// BCD: v means (v div 16) * 10 + (v mod 16); 037 (0x25) is 25.
constexpr int DecodeBcdValue(int value) {
    return value / 16 * 10 + value % 16;
}
constexpr int DecodeBcd(std::string_view field) {
    return DecodeBcdValue(FieldValue(field));
}

// The three characters that store n (0 to 627) as BCD: the first two digits of n in three
// digits times 16 plus its last digit (25 becomes 037). Empty when n does not fit.
std::string EncodeBcd(int n);

// The logger's year rule: 762 + y when y > 100, else 2000 + y (101 is 863, 100 is 2100).
constexpr int YearFromLogger(int y) {
    return y > 100 ? 762 + y : 2000 + y;
}
// The stored value y that the year rule turns into `year`; -1 when no y in 0 to 627 does
// (Gregorian years 2000 to 2100, other years 863 to 1389).
int LoggerYearOf(int year);

// A 16-bit reading of the data area: six characters, high byte first.
constexpr int ReadingValue(std::string_view six) {
    return FieldValue(six.substr(0, 3)) * 256 + FieldValue(six.size() > 3 ? six.substr(3) : "");
}

// Unit codes of the level sensor: "001" 1 cm, "002" 1 mm, "003" 2 mm, anything else 0.
int UnitCodeOf(std::string_view field);
const char* UnitTextOf(int unitCode);
double UnitFactorOf(int unitCode);

// Whole centimetres of a sensor value: the integer part of value * unit factor, computed
// exactly (0.1 and 0.2 have no exact binary form).
constexpr int LevelCentimetres(int value, int unitCode) {
    switch (unitCode) {
        case 1:
            return value;
        case 2:
            return value / 10;
        case 3:
            return value / 5;
        default:
            return 0;
    }
}

// Six characters of the data area as a level text of six digits ("000123" for 123 cm).
std::string DecodeLevel(std::string_view six, int unitCode);
// A level in whole centimetres with six digits.
std::string FormatLevel(int centimetres);

}  // namespace kovu3
