#include "loggersim/raw_file_layout.h"

#include <stdexcept>

namespace kovu3::sim {

int FormatFamily(int parameterCount) {
    if (parameterCount == 163 || parameterCount == 166) return 1;
    if (parameterCount == 161 || parameterCount == 164) return 2;
    return 0;
}

const BlockLayout& LayoutOf(int parameterCount) {
    return FormatFamily(parameterCount) == 2 ? kStoppedLayout : kContinuousLayout;
}

bool HasExtension(int parameterCount) { return parameterCount == 164 || parameterCount == 166; }

int UnitsPerCm(std::string_view unitCode) {
    if (unitCode == "001") return 1;
    if (unitCode == "002") return 10;
    if (unitCode == "003") return 5;
    return 0;
}

int StorageUnitsPerCm(std::string_view unitCode) {
    int units = UnitsPerCm(unitCode);
    return units == 0 ? 1 : units;
}

std::string ThreeDigits(int value) {
    if (value < 0 || value > 999) throw std::out_of_range("a logger field holds 000 to 999");
    return {static_cast<char>('0' + value / 100), static_cast<char>('0' + value / 10 % 10),
            static_cast<char>('0' + value % 10)};
}

int Bcd(int number) { return number / 10 * 16 + number % 10; }

int LoggerYear(int year) { return year - 2000; }

void PokeField(std::string& file, size_t offset, int value) {
    if (offset + 3 > file.size()) throw std::out_of_range("field beyond the end of the file");
    file.replace(offset, 3, ThreeDigits(value));
}

void PokeParameter(std::string& file, int parameter, int value) {
    PokeField(file, ParameterOffset(parameter), value);
}

}  // namespace kovu3::sim
