#include "template_texts.h"

namespace kovu3 {
namespace {

constexpr TemplateTexts kTurkish{
    .stationNumber = "İstasyon No:",
    .stationName = "İstasyon Adı:",
    .station = "İstasyon:",
    .waterYear = "Su Yılı:",
    .unit = "Birim:",
    .period = "Dönem:",
    .levelTitle = "GÜNLÜK SEVİYELER (cm)",
    .levelDischargeTitle = "GÜNLÜK SEVİYE VE DEBİLER",
    .monthlyTitle = "AYLIK EN YÜKSEK VE EN DÜŞÜK SEVİYELER",
    .readingsTitle = "ANLIK SEVİYE DEĞERLERİ",
    .date = "Tarih",
    .time = "Saat",
    .level = "H (cm)",
    .discharge = "Q (m3/s)",
    .maximum = "Maksimum",
    .minimum = "Minimum",
    .mean = "Ortalama",
    .day = "Gün",
    .month = "Ay",
    .wholeYear = "SU YILI",
    .summary = "Özet:",
    .monthMean = "Ort. (cm):",
    .monthMeanDischarge = "Ort. Q:",
    .footer = "Sayfa &P / &N",
    .months = {"EKİM", "KASIM", "ARALIK", "OCAK", "ŞUBAT", "MART", "NİSAN", "MAYIS", "HAZİRAN",
               "TEMMUZ", "AĞUSTOS", "EYLÜL"},
};

constexpr TemplateTexts kEnglish{
    .stationNumber = "Station No:",
    .stationName = "Station name:",
    .station = "Station:",
    .waterYear = "Water year:",
    .unit = "Unit:",
    .period = "Period:",
    .levelTitle = "DAILY WATER LEVELS (cm)",
    .levelDischargeTitle = "DAILY LEVELS AND DISCHARGES",
    .monthlyTitle = "MONTHLY HIGHEST AND LOWEST LEVELS",
    .readingsTitle = "INSTANTANEOUS LEVELS",
    .date = "Date",
    .time = "Time",
    .level = "H (cm)",
    .discharge = "Q (m3/s)",
    .maximum = "Maximum",
    .minimum = "Minimum",
    .mean = "Mean",
    .day = "Day",
    .month = "Month",
    .wholeYear = "WATER YEAR",
    .summary = "Summary:",
    .monthMean = "Mean (cm):",
    .monthMeanDischarge = "Mean Q:",
    .footer = "Page &P / &N",
    .months = {"OCTOBER", "NOVEMBER", "DECEMBER", "JANUARY", "FEBRUARY", "MARCH", "APRIL", "MAY",
               "JUNE", "JULY", "AUGUST", "SEPTEMBER"},
};

// Farsi: the English words, and the water year from Mehr to Shahrivar.
constexpr TemplateTexts FarsiTexts() {
    TemplateTexts texts = kEnglish;
    texts.months = {"MEHR",      "ABAN",        "AZAR",    "DEY", "BAHMAN", "ESFAND",
                    "FARVARDIN", "ORDIBEHESHT", "KHORDAD", "TIR", "MORDAD", "SHAHRIVAR"};
    return texts;
}
constexpr TemplateTexts kFarsi = FarsiTexts();

}  // namespace

const TemplateTexts* TemplateTextsFor(std::string_view language) {
    if (language == "TURKCE") return &kTurkish;
    if (language == "ENGLISH") return &kEnglish;
    if (language == "FARSCA") return &kFarsi;
    return nullptr;
}

}  // namespace kovu3
