#include "processing/processed_file_writer.h"

#include <gtest/gtest.h>

#include "shell/text_codec.h"

namespace kovu3 {
namespace {

Calendar GregorianCalendar() {
    Calendar calendar;
    ApplyCalendar(calendar, "TURKCE");
    return calendar;
}

TEST(ProcessedFileWriter, ExactBytes) {
    std::vector<LevelLineText> series = {
        MakeLevelLine(1, 0, 10, "000100", ' ', "01/10/2003"),
        MakeLevelLine(1, 0, 20, "000200", ' ', "01/10/2003"),
    };
    DayPolicies policies;
    policies.fill(kPolicyCombined);
    YearStatistics stats = ComputeYearStatistics(series, policies);
    ProcessedFileContent content{"ver4", "123-45678", "Çay Köprüsü", 2004,
                                 {"12345678001.03M", "12345678002.04M", "12345678003.04M"}};
    std::string bytes = FormatProcessedFile(content, stats, series, GregorianCalendar());

    std::string expectedStart =
        "[Genel]\r\nVersion,ver4\r\nIstNo,123-45678\r\nIstAdi,\xC7" "ay K\xF6pr\xFCs\xFC\r\nSuYili, 2004 \r\n"
        "IlkKayitTarihi,01/10/2003\r\nIlkKayitZamani,0010\r\nSonKayitTarihi,01/10/2003\r\n"
        "SonKayitZamani,0020\r\nOlcumBirimi,cm\r\nnOrjDosya, 3 \r\n"
        "OrjinalDosya_01,12345678001.03M\r\nOrjinalDosya_02,12345678002.04M\r\n"
        "OrjinalDosya_03,12345678003.04M\r\n\r\n"
        "[Aylik Degerler]\r\nKNoMin_Ay_10, 1 \r\nKnoMax_Ay_10, 2 \r\nHort_Ay_10, 150 \r\n\r\n"
        "KNoMin_Ay_11,-1 \r\nKnoMax_Ay_11,-1 \r\nHort_Ay_11,\r\n\r\n";
    EXPECT_EQ(bytes.substr(0, expectedStart.size()), expectedStart);
    EXPECT_NE(bytes.find("KNoMin_Ay_09,-1 \r\nKnoMax_Ay_09,-1 \r\nHort_Ay_09,\r\n\r\n"
                         "KNoMin_Ay_13, 1 \r\nKnoMax_Ay_13, 2 \r\nHort_Ay_13,\r\n\r\n[Gunluk Degerler]\r\n"
                         "KNoMin_Gun_001, 1 \r\nKnoMax_Gun_001, 2 \r\nHort_Gun_001, 150 \r\n"
                         "KNoMin_Gun_002,-1 \r\n"),
              std::string::npos);
    std::string expectedEnd =
        "Hort_Gun_366,\r\n\r\n[Seviyeler]\r\n001>0010=000100 01/10/2003\r\n001 0020=000200 01/10/2003\r\n";
    ASSERT_GE(bytes.size(), expectedEnd.size());
    EXPECT_EQ(bytes.substr(bytes.size() - expectedEnd.size()), expectedEnd);
}

TEST(ProcessedFileWriter, PersianMonthOrderAndSeparator) {
    Calendar calendar;
    calendar.DateSeparator = ".";
    ApplyCalendar(calendar, "FARSCA");
    std::vector<LevelLineText> series = {MakeLevelLine(1, 0, 10, "000100", ' ', "01.07.1382")};
    DayPolicies policies;
    policies.fill(kPolicyCombined);
    YearStatistics stats = ComputeYearStatistics(series, policies);
    std::string bytes = FormatProcessedFile({"VER4", "123-45678", "", 1383, {}}, stats, series, calendar);
    EXPECT_NE(bytes.find("nOrjDosya, 0 \r\n\r\n[Aylik Degerler]\r\nKNoMin_Ay_07, 1 \r\n"), std::string::npos);
    EXPECT_NE(bytes.find("IlkKayitTarihi,01.07.1382\r\n"), std::string::npos);
}

TEST(PrintForm, SignsAndBlanks) {
    EXPECT_EQ(PrintForm(3), " 3 ");
    EXPECT_EQ(PrintForm(0), " 0 ");
    EXPECT_EQ(PrintForm(-1), "-1 ");
}

}  // namespace
}  // namespace kovu3
