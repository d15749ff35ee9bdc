#include "shell/language_texts.h"

#include <gtest/gtest.h>

namespace kovu3 {
namespace {

TEST(LanguageTexts, TablesOfEachLanguage) {
    LanguageTexts texts;
    ASSERT_TRUE(ApplyLanguage(texts, "ENGLISH"));
    EXPECT_EQ(texts.Captions[89], " Station Number..................:");
    EXPECT_EQ(texts.Captions[99], " Date of Last Record.............:");
    EXPECT_EQ(texts.Captions[67], "Area Code ");
    EXPECT_EQ(texts.Captions[73], "Time of First Record");
    EXPECT_EQ(texts.Captions[120], "You have chanced raw-data. But you will just cancel that.. Are yo sure ?");
    EXPECT_EQ(texts.Messages[1], "passing of the day numbers after last resetting logger should be;\r ");
    EXPECT_EQ(texts.LevelDischargeTemplate, "Sablon2_E.xlsx");
    EXPECT_EQ(texts.WordConverted, "Ok.");

    ASSERT_TRUE(ApplyLanguage(texts, "TURKCE"));
    EXPECT_EQ(texts.Captions[12], "    Tarih        Zaman        Seviye,cm");
    EXPECT_EQ(texts.Captions[73], "");
    EXPECT_EQ(texts.Captions[18], texts.Captions[14]);
    EXPECT_EQ(texts.Captions[21], texts.Captions[17]);
    EXPECT_TRUE(texts.Messages[4].starts_with("  DOSYASININ  DOSYA İSMİ HATALI\ndosya"));
    EXPECT_EQ(texts.WordConverted, "Dönüşmüş");
    EXPECT_EQ(texts.WordNo, "Hayır");
    for (int i = 121; i <= 150; ++i) EXPECT_EQ(texts.Captions[i], "");

    ASSERT_TRUE(ApplyLanguage(texts, "FARSCA"));
    EXPECT_EQ(texts.Language, "FARSCA");
    EXPECT_EQ(texts.Captions[14], "Ok.");
    EXPECT_EQ(texts.LevelTableTemplate, "Sablon1_F.xlsx");
    EXPECT_EQ(texts.LevelDischargeTemplate, "");
    EXPECT_EQ(texts.LogoFile, "Logo.jpg");

    EXPECT_FALSE(ApplyLanguage(texts, "DEUTSCH"));
    EXPECT_EQ(texts.Language, "FARSCA");  // unchanged
}

}  // namespace
}  // namespace kovu3
