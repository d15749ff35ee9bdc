#pragma once
// The program's own texts in its three interface languages: the numbered caption and
// message tables every window takes its texts from, and the language's words and file
// names. Farsi uses the English texts with its own template and logo. No text is read
// from a file.

#include <array>
#include <string>
#include <string_view>

namespace kovu3 {

struct LanguageTexts {
    std::string Language;                 // "TURKCE", "ENGLISH", "FARSCA" or empty
    std::array<std::string, 151> Captions;  // entries 1 to 120 are filled
    std::array<std::string, 8> Messages;    // entries 1 to 7 are filled
    std::string LevelTableTemplate;
    std::string LevelDischargeTemplate;   // empty in Farsi: there is no such template
    std::string LogoFile;
    std::string WordDaily, WordMonthly, WordAll;
    std::string WordYes, WordNo;
    std::string WordConvert;
    std::string WordDataControl;
    std::string WordAdd;
    std::string WordConverted;
    std::string WordAttention;
};

// Rewrites all texts for "TURKCE", "ENGLISH" or "FARSCA". Any other value leaves the texts
// as they are (empty at start) and returns false.
bool ApplyLanguage(LanguageTexts& texts, std::string_view language);

}  // namespace kovu3
