#pragma once
// What the selection window is opened for, and the rules its action button applies before
// it starts any work.

#include <string_view>

namespace kovu3 {

enum class SelectionPurpose { ControlAndMerge, LevelTable, LevelDischargeTable, Graph, Export };

// The purpose of the work command whose caption (as the menu showed it, with its "&") the
// main menu handed over, compared with the captions MnuKontrol, MnuExcel1, MnuExcel2,
// MnuGraf and MnuFlumo show in `language`. Any other caption means control and merge.
SelectionPurpose PurposeOfOperation(std::string_view caption, std::string_view language);

// True when the chosen water year belongs to the other calendar than the interface's: a
// Gregorian year (above 1900) with the Farsi interface, a Persian one with the others.
bool CalendarMismatch(std::string_view language, int waterYear);

}  // namespace kovu3
