#include "shell/menu_texts.h"

#include <algorithm>

namespace kovu3 {
namespace {

using enum MenuKind;

// Captions as the menu shows them; the doubled blanks belong to the texts. Where the design
// caption equals the Turkish one, it is written again so the table reads column by column.
constexpr MenuItemText kItems[] = {
    {"Mnu1", TopLevel, "İLETİŞİM / DA&TA", "&COMMUNICATION / DATA", "&İLETİŞİM  / DATA"},
    {"MnuRS232", Command, "İLETİŞİM", "COMMUNICATION", "İLETİŞİM"},
    {"gev1", Separator, "", "", ""},
    {"MnuKontrol", Command, "DATA K&ONTROL VE BİRLEŞTİRME", "&CONTROL / MERGE DATA",
     "DATA &BİRLEŞTİRME / KONTROL"},
    {"q2", Separator, "", "", ""},
    {"MnuExit", Command, "ÇI&KIŞ", "E&XIT", "ÇI&KIŞ"},

    {"Mnu2", TopLevel, "TABLOLAR VE &GRAFİK", "&TABLES AND GRAPHIC", "&TABLO / GRAFİK"},
    {"MnuExcel1", Command, "EXCEL  FORMATINDA  &SEVİYE  TABLOSU  OLUŞTUR",
     "WATER &LEVEL TABLE IN EXCEL FORMAT", "EXCEL  FORMATINDA  &SEVİYE  TABLOSU  OLUŞTUR"},
    {"MnuExcel2", Command, "EXCEL  FORMATINDA  SEVİYE-&DEBİ  TABLOSU  OLUŞTUR",
     "WATER LEVEL AND &DISCARGE TABLE IN EXCEL FORMAT",
     "EXCEL  FORMATINDA  SEVİYE-&DEBİ   TABLOSU  OLUŞTUR", true},
    {"MnuExcAc", Command, "&EXCEL DOSYASINI AÇMAK", "&OPEN EXCEL FILES", "EXCEL  DOSYALARINI  &AÇ"},
    {"Q9", Separator, "", "", ""},
    {"MnuGraf", Command, "&GRAFİK", "&GRAPHIC", "&GRAFİK  ÇİZİMİ"},

    {"Mnu3", TopLevel, "&DİĞER", "&OTHERS", "&DİĞER"},
    {"MnuFlumo", Command, "SEVİYELERİ  &FLUMO'YA  AKTAR", "SEVİYELERİ  &FLUMO'YA  AKTAR",
     "SEVİYELERİ  &FLUMO'YA  AKTAR", true},
    {"MnuFlumoRun", Command, "FLUMO &PROGRAMINI ÇALIŞTIR", "FLUMO &PROGRAMINI ÇALIŞTIR",
     "FLUMO PROGRAMINI ÇALIŞTIR", true},
    {"MnuAra1", Separator, "", "", "", true},
    {"MnuIstAdiGir", Command, "İSTASYON İSİ&MLERİNİN GİRİŞİ", "&INPUT STATION NAMES",
     "İSTASYON  İSİMLERİNİN  &GİRİŞİ"},
    {"MnuGenelSetup", Command, "&SEÇENEKLER", "&OPTIONS", "&SEÇENEKLER"},
    {"Q10", Separator, "", "", ""},
    {"MnuWeb", Command, "&WEB SAYFASI", "CONNECT WEB &PAGE", "&WEB  SAYFASINA  BAĞLAN"},
    {"MnuLogo", Command, "&LOGO VE ADRES", "&LOGO AND ADDRESS", "PROGRAM  &LOGOSU"},
    {"qw", Separator, "", "", ""},
    {"MnuHelp", Command, "&KOVU3 YARDIM MENÜSÜ", "HELP-&KOVU3", "&KOVU3-YARDIM"},
    {"MnuHelpiletisim", Command, "İLETİŞİM PROGRAMI YARDIM MENÜSÜ", "HELP-COMMUNICATION",
     "İLETİŞİM PROGRAMI"},
    {"MnuHelpRamKart", Command, "FLASH CARD KULLANIMI YARDIM MENÜSÜ", "FLASH CARD USER GUIDE",
     "FLASH-CARD KULLANIMI"},

    {"Mnu4", TopLevel, "Dİ&L / LANGUAGE", "&LANGUAGE / DİL", "LANGUAGE"},
    {"Mnutrk", Command, "TÜRKÇE", "TÜRKÇE", "TÜRKÇE"},
    {"MnuIng", Command, "ENGLISH", "ENGLISH", "ENGLISH"},
    {"MnuFars", Command, "FARSI", "FARSI", "FARSI"},
};

struct WorkCommand {
    std::string_view name;
    std::string_view target;
};

// The export to Flumo runs inside the selection window; the logo window stands as its target.
constexpr WorkCommand kWorkCommands[] = {
    {"MnuKontrol", "FormSec"}, {"MnuExcel1", "Form1"},  {"MnuExcel2", "Form1b"},
    {"MnuGraf", "FormGraf"},   {"MnuFlumo", "FrmLogo"},
};

struct LanguageEntry {
    std::string_view name;
    std::string_view language;
};

constexpr LanguageEntry kLanguageEntries[] = {
    {"Mnutrk", "TURKCE"}, {"MnuIng", "ENGLISH"}, {"MnuFars", "FARSCA"}};

bool SpeaksEnglish(std::string_view language) {
    return language == "ENGLISH" || language == "FARSCA";
}

// Byte length of the first `count` UTF-8 characters of `text`.
size_t Utf8Prefix(std::string_view text, size_t count) {
    size_t i = 0;
    for (size_t seen = 0; i < text.size() && seen < count; ++seen) {
        ++i;
        while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) ++i;
    }
    return i;
}

}  // namespace

std::span<const MenuItemText> MainMenuItems() {
    return kItems;
}

const MenuItemText* FindMenuItem(std::string_view name) {
    auto it = std::ranges::find(kItems, name, &MenuItemText::name);
    return it == std::end(kItems) ? nullptr : &*it;
}

std::string MenuCaption(const MenuItemText& item, std::string_view language) {
    std::string caption(language == "TURKCE"      ? item.turkish
                        : SpeaksEnglish(language) ? item.english
                                                  : item.design);
    if (item.kind == TopLevel) caption += kTopLevelPadding;
    return caption;
}

bool MenuVisible(const MenuItemText& item, std::string_view language) {
    return !(item.hiddenInEnglish && SpeaksEnglish(language));
}

std::string_view CheckedLanguageEntry(std::string_view language) {
    auto it = std::ranges::find(kLanguageEntries, language, &LanguageEntry::language);
    return it == std::end(kLanguageEntries) ? std::string_view() : it->name;
}

std::string_view LanguageOfEntry(std::string_view name) {
    auto it = std::ranges::find(kLanguageEntries, name, &LanguageEntry::name);
    return it == std::end(kLanguageEntries) ? std::string_view() : it->language;
}

std::optional<std::string_view> WorkCommandTarget(std::string_view name) {
    auto it = std::ranges::find(kWorkCommands, name, &WorkCommand::name);
    if (it == std::end(kWorkCommands)) return std::nullopt;
    return it->target;
}

std::string TitleWithoutAccessKey(std::string_view caption) {
    size_t amp = caption.find('&');
    if (amp == std::string_view::npos) return std::string(caption);
    std::string_view rest = caption.substr(amp + 1);
    return std::string(caption.substr(0, amp)) + std::string(rest.substr(0, Utf8Prefix(rest, 200)));
}

}  // namespace kovu3
