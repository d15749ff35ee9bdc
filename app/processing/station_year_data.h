#pragma once
// The content of one processed station-year file: header, monthly and daily summaries.
// The level lines themselves stay in the file and are read by record number.

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace kovu3 {

struct SummaryEntry {
    int KNoMin = -1;
    int KnoMax = -1;
    std::optional<long> Hort;
};

struct StationYearData {
    std::string Version;
    std::string IstNo;
    std::string IstAdi;
    int SuYili = 0;
    std::string IlkKayitTarihi;
    std::string IlkKayitZamani;
    std::string SonKayitTarihi;
    std::string SonKayitZamani;
    std::string OlcumBirimi;
    int nOrjDosya = 0;
    std::vector<std::string> OrjinalDosya;  // in merge order
    std::string WaterYearStartDate;
    std::array<SummaryEntry, 14> Monthly;  // 1..12 in water-year order, 13 the whole year
    std::array<SummaryEntry, 367> Daily;   // DayNo 1..366
};

// "S" + water year + station number + ".txt"; the workbooks replace "S"/"Q" and ".xlsx".
std::string ProcessedFileName(int waterYear, const std::string& station);

}  // namespace kovu3
