#pragma once
// The texts of the setup-parameter panel, TextSetup(0) to TextSetup(17), made from one
// decoding. The window shows them; the setup printout writes them.

#include <array>
#include <string>

#include "rawfile/raw_decoder.h"
#include "shell/language_texts.h"

namespace kovu3 {

using SetupPanelTexts = std::array<std::string, 18>;

SetupPanelTexts MakeSetupPanelTexts(const RawFileResult& result, const LanguageTexts& texts);

// A number as the panel shows it: no leading blanks, no needless decimals ("123.4", "617").
std::string PanelNumber(double value);

}  // namespace kovu3
