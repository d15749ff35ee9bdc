#include "processing/selection_purpose.h"

#include "shell/menu_texts.h"

namespace kovu3 {

SelectionPurpose PurposeOfOperation(std::string_view caption, std::string_view language) {
    struct Entry {
        std::string_view item;
        SelectionPurpose purpose;
    };
    static constexpr Entry kEntries[] = {
        {"MnuKontrol", SelectionPurpose::ControlAndMerge},
        {"MnuExcel1", SelectionPurpose::LevelTable},
        {"MnuExcel2", SelectionPurpose::LevelDischargeTable},
        {"MnuGraf", SelectionPurpose::Graph},
        {"MnuFlumo", SelectionPurpose::Export},
    };
    for (const Entry& entry : kEntries) {
        const MenuItemText* item = FindMenuItem(entry.item);
        if (item && MenuCaption(*item, language) == caption) return entry.purpose;
    }
    return SelectionPurpose::ControlAndMerge;
}

bool CalendarMismatch(std::string_view language, int waterYear) {
    return language == "FARSCA" ? waterYear > 1900 : waterYear < 1900;
}

}  // namespace kovu3
