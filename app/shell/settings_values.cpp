#include "shell/settings_values.h"

#include <cctype>

#include "shell/file_io.h"

namespace kovu3 {
namespace {

// The first-run defaults of Options 2 to 7.
constexpr std::array<WindowsColour, 6> kDefaultColours = {
    kSystemWindowBackground, 16711680, 0, 0, 16711680, 33023};

constexpr std::string_view kProgrammerPassword = "80613LKPZN";

}  // namespace

const std::array<std::string_view, 3> kPolicyTexts = {
    "Cihazın kaydettiği anlık extremler aynen alınacak.",
    "Cihazın kaydettiği anlık extremler dikkate alınmayacak. Extremler; belirlenmiş zaman "
    "aralıkları için cihaz tarafından kaydetmiş olduğu seviye değerlerinin içerisinden seçilecek",
    "Extremler, cihazın kaydettiği  anlık extrem ve belirli aralıklardaki seviye değerlerinin  "
    "kombinasyonundan seçilecek.",
};

GeneralSettingsValues SettingsFromOptions(const std::array<std::string, 31>& options) {
    GeneralSettingsValues values;
    values.drawExtremes = TrimBlanks(options[1]) != "0";
    for (size_t i = 0; i < values.colours.size(); ++i)
        values.colours[i] = ParseColour(options[i + 2]).value_or(kDefaultColours[i]);
    values.policyText = options[8];
    return values;
}

void StoreSettings(const GeneralSettingsValues& values, std::array<std::string, 31>& options) {
    options[1] = values.drawExtremes ? "1" : "0";
    for (size_t i = 0; i < values.colours.size(); ++i)
        options[i + 2] = ColourText(values.colours[i]);
    options[8] = values.policyText;
    options[9].clear();
}

std::optional<int> PolicyButton(std::string_view policyText) {
    policyText = TrimBlanks(policyText);
    if (policyText.size() != 1 || policyText[0] < '1' || policyText[0] > '3') return std::nullopt;
    return policyText[0] - '1';
}

std::string SettingsWarningText() {
    return "DİKKKAT !!! BU SEÇENEKLERDE YAPACAĞINIZ DEĞİŞİKLİKLER "
           "SADECE BUNDAN SONRA DÖNÜŞTÜRECEĞİNİZ İSTASYONLAR İÇİN "
           "GEÇERLİ OLACAKTIR.\r\n"
           "DAHA ÖNCEDEN DÖNÜŞTÜRMÜŞ OLDUĞUNUZ İSTASYONLAR İÇİN "
           "DÖNÜŞÜM İŞLEMLERİNİ TEKRARLAMANIZ GEREKMEKTEDİR.";
}

std::optional<int> EditionButton(std::string_view editionCode) {
    if (editionCode == "1") return 0;
    if (editionCode == "2") return 1;
    return std::nullopt;
}

bool IsProgrammerPassword(std::string_view entry) {
    std::string capitals(entry);
    for (char& c : capitals) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return capitals == kProgrammerPassword;
}

}  // namespace kovu3
