#include "template_texts.h"

namespace kovu3 {
namespace {

constexpr TemplateTexts kTurkish{
    "İstasyon No:", "İstasyon Adı:", "İstasyon:", "Su Yılı:", "Birim:", "Dönem:",
    "GÜNLÜK SEVİYELER (cm)", "GÜNLÜK SEVİYE VE DEBİLER", "AYLIK EN YÜKSEK VE EN DÜŞÜK SEVİYELER",
    "ANLIK SEVİYE DEĞERLERİ", "Tarih", "Saat", "H (cm)", "Q (m3/s)", "Maksimum", "Minimum",
    "Ortalama", "Gün", "Ay", "SU YILI", "Özet:", "Ort. (cm):", "Ort. Q:", "Sayfa &P / &N",
    {"EKİM", "KASIM", "ARALIK", "OCAK", "ŞUBAT", "MART", "NİSAN", "MAYIS", "HAZİRAN", "TEMMUZ",
     "AĞUSTOS", "EYLÜL"}};

constexpr TemplateTexts kEnglish{
    "Station No:", "Station name:", "Station:", "Water year:", "Unit:", "Period:",
    "DAILY WATER LEVELS (cm)", "DAILY LEVELS AND DISCHARGES", "MONTHLY HIGHEST AND LOWEST LEVELS",
    "INSTANTANEOUS LEVELS", "Date", "Time", "H (cm)", "Q (m3/s)", "Maximum", "Minimum", "Mean",
    "Day", "Month", "WATER YEAR", "Summary:", "Mean (cm):", "Mean Q:", "Page &P / &N",
    {"OCTOBER", "NOVEMBER", "DECEMBER", "JANUARY", "FEBRUARY", "MARCH", "APRIL", "MAY", "JUNE",
     "JULY", "AUGUST", "SEPTEMBER"}};

constexpr TemplateTexts kFarsi{
    kEnglish.stationNumber, kEnglish.stationName, kEnglish.station, kEnglish.waterYear,
    kEnglish.unit, kEnglish.period, kEnglish.levelTitle, kEnglish.levelDischargeTitle,
    kEnglish.monthlyTitle, kEnglish.readingsTitle, kEnglish.date, kEnglish.time,
    kEnglish.level, kEnglish.discharge, kEnglish.maximum, kEnglish.minimum, kEnglish.mean,
    kEnglish.day, kEnglish.month, kEnglish.wholeYear, kEnglish.summary, kEnglish.monthMean,
    kEnglish.monthMeanDischarge, kEnglish.footer,
    {"MEHR", "ABAN", "AZAR", "DEY", "BAHMAN", "ESFAND", "FARVARDIN", "ORDIBEHESHT", "KHORDAD",
     "TIR", "MORDAD", "SHAHRIVAR"}};

}  // namespace

const TemplateTexts* TemplateTextsFor(std::string_view language) {
    if (language == "TURKCE") return &kTurkish;
    if (language == "ENGLISH") return &kEnglish;
    if (language == "FARSCA") return &kFarsi;
    return nullptr;
}

}  // namespace kovu3
