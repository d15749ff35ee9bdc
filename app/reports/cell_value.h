#pragma once
// What a cell holds, as read back from a worksheet, and the number texts of sheet files.
// Sheet files always write numbers with a decimal point, whatever the locale of the machine.

#include <optional>
#include <string>
#include <string_view>

namespace kovu3 {

enum class CellKind { Empty, Number, Text, Boolean, Error };

struct CellValue {
    CellKind kind = CellKind::Empty;
    double number = 0;    // Number; 0 or 1 for Boolean
    std::string text;     // Text; the error code ("#DIV/0!") for Error
    std::string formula;  // without the leading "="; empty when the cell has none

    // The number of a Number cell, nullopt for every other kind.
    std::optional<double> Number() const;
};

// The shortest text that reads back as exactly `value`, with "." as decimal point ("12.5",
// "1e-07"). Never depends on the locale.
std::string FormatSheetNumber(double value);

// The number of a sheet file's number text (blanks around it allowed); nullopt for anything
// else, including "inf" and "nan".
std::optional<double> ParseSheetNumber(std::string_view text);

}  // namespace kovu3
