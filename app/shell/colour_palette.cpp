#include "shell/colour_palette.h"

#include <charconv>

#include "shell/file_io.h"

namespace kovu3 {
namespace {

// System window background, light orange, light yellow, light cyan, light blue, lilac,
// blue, orange, light orange, yellow, dark red, teal, black.
constexpr WindowsColour kPaletteOrder[kPaletteColumns] = {
    kSystemWindowBackground,
    0xC0E0FF,
    0xC0FFFF,
    0xFFFFC0,
    0xFFC0C0,
    0xFF8080,
    0xFF0000,
    0x0080FF,
    0x80C0FF,
    0x80FFFF,
    0x0000C0,
    0x808000,
    0x000000,
};

constexpr bool kReversedRow[kPaletteRows] = {false, true, true, false, false, true};

}  // namespace

WindowsColour PaletteColour(int cell) {
    if (cell < 0 || cell >= kPaletteCells) return kSystemWindowBackground;
    int column = cell % kPaletteColumns;
    if (kReversedRow[ColourFieldOfCell(cell)]) column = kPaletteColumns - 1 - column;
    return kPaletteOrder[column];
}

std::optional<WindowsColour> ParseColour(std::string_view text) {
    text = TrimBlanks(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    long long value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    if (value < -2147483648LL || value > 4294967295LL) return std::nullopt;
    return static_cast<WindowsColour>(value);
}

std::string ColourText(WindowsColour colour) {
    // Colours travel as signed 32-bit numbers, so system colours are negative.
    return std::to_string(static_cast<std::int32_t>(colour));
}

Rgb ToRgb(WindowsColour colour, Rgb (*systemColour)(int index)) {
    if (colour & 0x80000000u) return systemColour(static_cast<int>(colour & 0xFF));
    return {static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
            static_cast<int>((colour >> 16) & 0xFF)};
}

}  // namespace kovu3
