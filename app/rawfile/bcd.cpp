#include "rawfile/bcd.h"

#include <cstdio>

namespace kovu3 {

std::string EncodeBcd(int n) {
    if (n < 0) return {};
    int stored = n / 10 * 16 + n % 10;
    if (stored > 999) return {};
    char text[16];
    std::snprintf(text, sizeof text, "%03d", stored);
    return text;
}

int LoggerYearOf(int year) {
    if (year >= 2000 && year <= 2100) return year - 2000;
    // Above 100 the rule adds 762; the field's BCD tops out at 627 (stored 999).
    if (year >= 863 && year <= 762 + 627) return year - 762;
    return -1;
}

int UnitCodeOf(std::string_view field) {
    if (field == "001") return 1;
    if (field == "002") return 2;
    if (field == "003") return 3;
    return 0;
}

const char* UnitTextOf(int unitCode) {
    switch (unitCode) {
        case 1:
            return "1cm";
        case 2:
            return "1mm";
        case 3:
            return "2mm";
        default:
            return "";
    }
}

double UnitFactorOf(int unitCode) {
    switch (unitCode) {
        case 1:
            return 1.0;
        case 2:
            return 0.1;
        case 3:
            return 0.2;
        default:
            return 0.0;
    }
}

std::string FormatLevel(int centimetres) {
    char text[16];
    std::snprintf(text, sizeof text, "%06d", centimetres);
    return text;
}

std::string DecodeLevel(std::string_view six, int unitCode) {
    return FormatLevel(LevelCentimetres(ReadingValue(six), unitCode));
}

}  // namespace kovu3
