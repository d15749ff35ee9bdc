#pragma once
// Colours as the configuration stores them: the decimal text of a Windows colour value,
// red in the low byte, blue in the third; a value with the top bit set names a system
// colour by its low byte. And the 78-cell palette of the settings window.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kovu3 {

using WindowsColour = std::uint32_t;

// The system colour of window backgrounds, stored as "-2147483643".
inline constexpr WindowsColour kSystemWindowBackground = 0x80000005;

inline constexpr int kPaletteRows = 6;
inline constexpr int kPaletteColumns = 13;
inline constexpr int kPaletteCells = kPaletteRows * kPaletteColumns;

// The colour of palette cell 0 to 77. Row r belongs to colour field r; rows 0, 3 and 4
// hold the thirteen colours in one order, rows 1, 2 and 5 in the reverse order.
WindowsColour PaletteColour(int cell);

// The colour field (0 background, 1 station 1, 2 scale, 3 station 2, 4 station 3,
// 5 station 4) a palette cell gives its colour to.
inline constexpr int ColourFieldOfCell(int cell) {
    return cell / kPaletteColumns;
}

// A stored colour: a whole decimal number, negative for system colours ("-2147483643").
// Nullopt for an empty text, a text that is not a number or a number outside 32 bits.
std::optional<WindowsColour> ParseColour(std::string_view text);

// The decimal text the configuration stores ("-2147483643" for the system background).
std::string ColourText(WindowsColour colour);

struct Rgb {
    int red = 0, green = 0, blue = 0;
    bool operator==(const Rgb&) const = default;
};

// The colour to draw: plain colours as they are, system colours as `systemColour` says
// (it gets the system colour's index, e.g. 5 for window backgrounds).
Rgb ToRgb(WindowsColour colour, Rgb (*systemColour)(int index));

}  // namespace kovu3
