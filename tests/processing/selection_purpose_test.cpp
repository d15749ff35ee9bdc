#include "processing/selection_purpose.h"

#include <gtest/gtest.h>

namespace kovu3 {
namespace {

TEST(SelectionPurpose, TheMenuCaptionDecides) {
    struct Case {
        const char* caption;
        const char* language;
        SelectionPurpose purpose;
    };
    const Case cases[] = {
        {"DATA K&ONTROL VE BİRLEŞTİRME", "TURKCE", SelectionPurpose::ControlAndMerge},
        {"EXCEL  FORMATINDA  &SEVİYE  TABLOSU  OLUŞTUR", "TURKCE", SelectionPurpose::LevelTable},
        {"EXCEL  FORMATINDA  SEVİYE-&DEBİ  TABLOSU  OLUŞTUR", "TURKCE",
         SelectionPurpose::LevelDischargeTable},
        {"&GRAPHIC", "ENGLISH", SelectionPurpose::Graph},
        {"&GRAPHIC", "FARSCA", SelectionPurpose::Graph},
        {"SEVİYELERİ  &FLUMO'YA  AKTAR", "TURKCE", SelectionPurpose::Export},
        {"WATER &LEVEL TABLE IN EXCEL FORMAT", "ENGLISH", SelectionPurpose::LevelTable},
        // Design captions, when no language is applied.
        {"&GRAFİK  ÇİZİMİ", "", SelectionPurpose::Graph},
        // The English caption is no Turkish command: control and merge, the default.
        {"&GRAPHIC", "TURKCE", SelectionPurpose::ControlAndMerge},
        {"", "TURKCE", SelectionPurpose::ControlAndMerge},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PurposeOfOperation(c.caption, c.language), c.purpose) << c.caption;
}

TEST(SelectionPurpose, CalendarOfTheYearMustMatchTheLanguage) {
    EXPECT_TRUE(CalendarMismatch("FARSCA", 2004));
    EXPECT_FALSE(CalendarMismatch("FARSCA", 1383));
    EXPECT_TRUE(CalendarMismatch("TURKCE", 1383));
    EXPECT_TRUE(CalendarMismatch("ENGLISH", 0));
    EXPECT_FALSE(CalendarMismatch("ENGLISH", 2004));
    EXPECT_FALSE(CalendarMismatch("TURKCE", 1900));
    EXPECT_FALSE(CalendarMismatch("FARSCA", 1900));
}

}  // namespace
}  // namespace kovu3
