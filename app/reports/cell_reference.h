#pragma once
// Cell positions of a worksheet: 1-based row and column numbers, as the spreadsheet counts
// them, and their "A1" references inside the sheet files.

#include <compare>
#include <optional>
#include <string>
#include <string_view>

namespace kovu3 {

constexpr int kMaxSheetRow = 1048576;
constexpr int kMaxSheetColumn = 16384;

struct CellPosition {
    int row = 0;
    int column = 0;
    auto operator<=>(const CellPosition&) const = default;
};

// True when the position lies on a sheet (rows 1 to 1048576, columns 1 to 16384).
bool IsOnSheet(int row, int column);

// "A", "Z", "AA", ... for columns 1, 26, 27, ...
std::string ColumnLetters(int column);

// "C5" for row 5, column 3.
std::string CellReference(int row, int column);

// "$A$1:$N$253": an absolute range as print areas are written.
std::string AbsoluteRange(CellPosition first, CellPosition last);

// The position of "C5" or "$C$5"; nullopt for anything else or a position off the sheet.
std::optional<CellPosition> ParseCellReference(std::string_view reference);

}  // namespace kovu3
