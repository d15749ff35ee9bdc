#pragma once
// The main menu as data: every item in display order with its captions in Turkish, in
// English (which Farsi uses too) and at design time (before any language is applied, or
// for good when the configured language is none of the three), which items English and
// Farsi hide, and what the work commands hand over to the selection window.

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace kovu3 {

enum class MenuKind { TopLevel, Command, Separator };

struct MenuItemText {
    std::string_view name;  // the item's control name, e.g. "MnuKontrol"
    MenuKind kind;
    std::string_view turkish;  // "&" marks the access key
    std::string_view english;  // items English hides keep their Turkish caption
    std::string_view design;
    bool hiddenInEnglish = false;  // hidden in English and Farsi
};

// Blanks after every top-level caption.
inline constexpr std::string_view kTopLevelPadding = "               ";

// All items in display order; the items after a top-level menu belong to it.
std::span<const MenuItemText> MainMenuItems();

// The item of that name, or nullptr.
const MenuItemText* FindMenuItem(std::string_view name);

// The caption the item shows with this language ("TURKCE", "ENGLISH", "FARSCA"; anything
// else gives the design caption), top-level captions followed by their 15 blanks.
std::string MenuCaption(const MenuItemText& item, std::string_view language);

bool MenuVisible(const MenuItemText& item, std::string_view language);

// The language entry ("Mnutrk", "MnuIng", "MnuFars") carrying the check mark; empty when
// the language is none of the three.
std::string_view CheckedLanguageEntry(std::string_view language);

// The language a language entry switches to ("TURKCE", ...), or empty for other items.
std::string_view LanguageOfEntry(std::string_view name);

// The window a work command opens after the selection window, or nullopt for items that
// are no work command.
std::optional<std::string_view> WorkCommandTarget(std::string_view name);

// A caption as a window title: the part before the first "&" and up to 200 characters
// after it; a caption without "&" stays whole.
std::string TitleWithoutAccessKey(std::string_view caption);

}  // namespace kovu3
