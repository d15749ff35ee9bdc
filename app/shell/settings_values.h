#pragma once
// What the settings window and the programmer-options window show and save, taken from
// and put back into the Options and Programci entries of the program settings. Entries
// that are empty or not numbers show their first-run defaults, so the windows always open.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "shell/colour_palette.h"

namespace kovu3 {

struct GeneralSettingsValues {
    bool drawExtremes = true;                // Options 1
    std::array<WindowsColour, 6> colours{};  // Options 2 to 7
    std::string policyText;                  // Options 8, as the number field shows it
};

GeneralSettingsValues SettingsFromOptions(const std::array<std::string, 31>& options);

// Options 1 to 8 from the values, Options 9 emptied. The policy text is stored as typed;
// the next ReadOptions turns a policy that is not 1, 2 or 3 into "3".
void StoreSettings(const GeneralSettingsValues& values, std::array<std::string, 31>& options);

// The option button (0 to 2) of a policy text "1" to "3"; nullopt for anything else.
std::optional<int> PolicyButton(std::string_view policyText);

// The texts of the three extremes policies, in button order.
extern const std::array<std::string_view, 3> kPolicyTexts;

// The warning beside the policy buttons; the same in every language.
std::string SettingsWarningText();

// The option button (0 ZEY, 1 Kovu Elektronik) of an edition code "1" or "2".
std::optional<int> EditionButton(std::string_view editionCode);

// The password window's test: the entry in capitals against the access text.
bool IsProgrammerPassword(std::string_view entry);

}  // namespace kovu3
