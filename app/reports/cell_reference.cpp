#include "reports/cell_reference.h"

namespace kovu3 {

bool IsOnSheet(int row, int column) {
    return row >= 1 && row <= kMaxSheetRow && column >= 1 && column <= kMaxSheetColumn;
}

std::string ColumnLetters(int column) {
    std::string letters;
    while (column > 0) {
        int digit = (column - 1) % 26;
        letters.insert(letters.begin(), static_cast<char>('A' + digit));
        column = (column - 1) / 26;
    }
    return letters;
}

std::string CellReference(int row, int column) {
    return ColumnLetters(column) + std::to_string(row);
}

std::string AbsoluteRange(CellPosition first, CellPosition last) {
    return "$" + ColumnLetters(first.column) + "$" + std::to_string(first.row) + ":$" +
           ColumnLetters(last.column) + "$" + std::to_string(last.row);
}

std::optional<CellPosition> ParseCellReference(std::string_view reference) {
    size_t i = 0;
    if (i < reference.size() && reference[i] == '$') ++i;
    long column = 0;
    size_t letters = 0;
    for (; i < reference.size() && letters < 4; ++i, ++letters) {
        char c = reference[i];
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (c < 'A' || c > 'Z') break;
        column = column * 26 + (c - 'A' + 1);
    }
    if (letters == 0) return std::nullopt;
    if (i < reference.size() && reference[i] == '$') ++i;
    long row = 0;
    size_t digits = 0;
    for (; i < reference.size() && digits < 8; ++i, ++digits) {
        char c = reference[i];
        if (c < '0' || c > '9') break;
        row = row * 10 + (c - '0');
    }
    if (digits == 0 || i != reference.size()) return std::nullopt;
    if (!IsOnSheet(static_cast<int>(row), static_cast<int>(column))) return std::nullopt;
    return CellPosition{static_cast<int>(row), static_cast<int>(column)};
}

}  // namespace kovu3
