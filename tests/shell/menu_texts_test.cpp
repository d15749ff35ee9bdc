#include "shell/menu_texts.h"

#include <gtest/gtest.h>

namespace kovu3 {
namespace {

std::string Caption(std::string_view name, std::string_view language) {
    const MenuItemText* item = FindMenuItem(name);
    return item ? MenuCaption(*item, language) : "<no item " + std::string(name) + ">";
}

TEST(MenuTexts, CaptionsPerLanguageWithTopLevelPadding) {
    struct Row {
        const char* name;
        const char* turkish;
        const char* english;
        const char* design;
    };
    const std::string pad(15, ' ');
    const Row rows[] = {
        {"MnuKontrol", "DATA K&ONTROL VE BİRLEŞTİRME", "&CONTROL / MERGE DATA",
         "DATA &BİRLEŞTİRME / KONTROL"},
        {"MnuExcel1", "EXCEL  FORMATINDA  &SEVİYE  TABLOSU  OLUŞTUR",
         "WATER &LEVEL TABLE IN EXCEL FORMAT", "EXCEL  FORMATINDA  &SEVİYE  TABLOSU  OLUŞTUR"},
        {"MnuExcel2", "EXCEL  FORMATINDA  SEVİYE-&DEBİ  TABLOSU  OLUŞTUR",
         "WATER LEVEL AND &DISCARGE TABLE IN EXCEL FORMAT",
         "EXCEL  FORMATINDA  SEVİYE-&DEBİ   TABLOSU  OLUŞTUR"},
        {"MnuExit", "ÇI&KIŞ", "E&XIT", "ÇI&KIŞ"},
        {"MnuWeb", "&WEB SAYFASI", "CONNECT WEB &PAGE", "&WEB  SAYFASINA  BAĞLAN"},
        {"MnuHelpRamKart", "FLASH CARD KULLANIMI YARDIM MENÜSÜ", "FLASH CARD USER GUIDE",
         "FLASH-CARD KULLANIMI"},
        {"MnuFlumoRun", "FLUMO &PROGRAMINI ÇALIŞTIR", "FLUMO &PROGRAMINI ÇALIŞTIR",
         "FLUMO PROGRAMINI ÇALIŞTIR"},
        {"MnuIng", "ENGLISH", "ENGLISH", "ENGLISH"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(Caption(row.name, "TURKCE"), row.turkish);
        EXPECT_EQ(Caption(row.name, "ENGLISH"), row.english);
        EXPECT_EQ(Caption(row.name, "FARSCA"), row.english);
        EXPECT_EQ(Caption(row.name, ""), row.design);
        EXPECT_EQ(Caption(row.name, "DEUTSCH"), row.design);
    }
    EXPECT_EQ(Caption("Mnu1", "TURKCE"), "İLETİŞİM / DA&TA" + pad);
    EXPECT_EQ(Caption("Mnu2", "ENGLISH"), "&TABLES AND GRAPHIC" + pad);
    EXPECT_EQ(Caption("Mnu3", "FARSCA"), "&OTHERS" + pad);
    EXPECT_EQ(Caption("Mnu4", "TURKCE"), "Dİ&L / LANGUAGE" + pad);
    EXPECT_EQ(Caption("Mnu4", ""), "LANGUAGE" + pad);
    EXPECT_EQ(Caption("Mnu1", ""), "&İLETİŞİM  / DATA" + pad);
}

TEST(MenuTexts, DisplayOrderAndSeparators) {
    std::string order;
    for (const MenuItemText& item : MainMenuItems()) {
        order += item.kind == MenuKind::TopLevel    ? "|"
                 : item.kind == MenuKind::Separator ? "-"
                                                    : "";
        if (item.kind != MenuKind::Separator) order += std::string(item.name) + " ";
    }
    EXPECT_EQ(order,
              "|Mnu1 MnuRS232 -MnuKontrol -MnuExit "
              "|Mnu2 MnuExcel1 MnuExcel2 MnuExcAc -MnuGraf "
              "|Mnu3 MnuFlumo MnuFlumoRun -MnuIstAdiGir MnuGenelSetup -MnuWeb MnuLogo -MnuHelp "
              "MnuHelpiletisim MnuHelpRamKart "
              "|Mnu4 Mnutrk MnuIng MnuFars ");
}

TEST(MenuTexts, EnglishAndFarsiHideTheLevelDischargeAndFlumoItems) {
    std::vector<std::string> hidden;
    for (const MenuItemText& item : MainMenuItems()) {
        EXPECT_TRUE(MenuVisible(item, "TURKCE")) << item.name;
        EXPECT_TRUE(MenuVisible(item, "")) << item.name;
        EXPECT_EQ(MenuVisible(item, "ENGLISH"), MenuVisible(item, "FARSCA")) << item.name;
        if (!MenuVisible(item, "ENGLISH")) hidden.emplace_back(item.name);
    }
    EXPECT_EQ(hidden,
              (std::vector<std::string>{"MnuExcel2", "MnuFlumo", "MnuFlumoRun", "MnuAra1"}));
}

TEST(MenuTexts, WorkCommandsAndLanguageEntries) {
    EXPECT_EQ(WorkCommandTarget("MnuKontrol"), "FormSec");
    EXPECT_EQ(WorkCommandTarget("MnuExcel1"), "Form1");
    EXPECT_EQ(WorkCommandTarget("MnuExcel2"), "Form1b");
    EXPECT_EQ(WorkCommandTarget("MnuGraf"), "FormGraf");
    EXPECT_EQ(WorkCommandTarget("MnuFlumo"), "FrmLogo");
    EXPECT_EQ(WorkCommandTarget("MnuExcAc"), std::nullopt);
    EXPECT_EQ(CheckedLanguageEntry("FARSCA"), "MnuFars");
    EXPECT_EQ(CheckedLanguageEntry("TURKCE"), "Mnutrk");
    EXPECT_EQ(CheckedLanguageEntry("turkce"), "");
    EXPECT_EQ(LanguageOfEntry("MnuIng"), "ENGLISH");
    EXPECT_EQ(LanguageOfEntry("MnuExit"), "");
}

TEST(MenuTexts, TitleWithoutAccessKey) {
    EXPECT_EQ(TitleWithoutAccessKey("WATER &LEVEL TABLE IN EXCEL FORMAT"),
              "WATER LEVEL TABLE IN EXCEL FORMAT");
    EXPECT_EQ(TitleWithoutAccessKey("DATA K&ONTROL VE BİRLEŞTİRME"), "DATA KONTROL VE BİRLEŞTİRME");
    EXPECT_EQ(TitleWithoutAccessKey("FLUMO PROGRAMINI ÇALIŞTIR"), "FLUMO PROGRAMINI ÇALIŞTIR");
    EXPECT_EQ(TitleWithoutAccessKey("&A&B"), "A&B");  // only the first "&" goes
    // Up to 200 characters after the "&", counted as letters, never cutting one in half.
    std::string longTail;
    for (int i = 0; i < 210; ++i) longTail += "Ş";
    std::string cut;
    for (int i = 0; i < 200; ++i) cut += "Ş";
    EXPECT_EQ(TitleWithoutAccessKey("X&" + longTail), "X" + cut);
}

}  // namespace
}  // namespace kovu3
