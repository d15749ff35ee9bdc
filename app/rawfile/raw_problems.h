#pragma once
// The decoder's problem texts. The first group are the system's own texts, which callers
// compare (errorText) and operators know; the second group names faults of damaged files.

namespace kovu3::problem {

inline constexpr const char* kVersion = "Version Hatasi";
inline constexpr const char* kFirstRecordUnknown = "İlk verinin zamanı ve tarihi belirsiz.";
inline constexpr const char* kOnlySetup = "Dosyada Sadece SETUP PAR. var";
inline constexpr const char* kParameterCount = "Parametre Sayısı Hatalı";
inline constexpr const char* kParameterCountImportant =
    "Parametre Sayısı 161,164,163 veya 166 değil";
inline constexpr const char* kParameterCountProgrammer =
    "Parametre sayısı 161,164,163 veya 166 değil";
inline constexpr const char* kFileName = "Hatali Dosya Adi";
inline constexpr const char* kStoppedLogger = "Cihazın Kaydı belli bir tarihte Durmuş.";
inline constexpr const char* kRecordInterval = "Kayıt Aralığı Hatalı";

inline constexpr const char* kFileMissing = "Dosya bulunamadı";
inline constexpr const char* kFileUnreadable = "Dosya okunamadı";
inline constexpr const char* kHeaderTooShort = "Dosya 28 karakterlik başlıktan kısa";
inline constexpr const char* kBlockTooShort = "Dosya setup parametrelerinden kısa";
inline constexpr const char* kNonDigit = "Sayısal alanda rakam olmayan karakter, bayt ";
inline constexpr const char* kPointerBeyondEnd = "Veri sonu işaretçisi dosyanın sonunu aşıyor";
inline constexpr const char* kShiftTooLarge =
    "OzelDosyalar.txt kaydırması bir yıldan büyük, kullanılmadı";
inline constexpr const char* kBadCorrection =
    " değeri tarih değil, kullanılmadı: ";  // after the key

// The critical message of a first record whose date or time is unknown.
inline constexpr const char* kFirstRecordMessageHead = "Kayıt Tipi:";
inline constexpr const char* kFirstRecordMessageTail =
    "  ve İlk verinin zaman ve tarihi belirsiz.. İŞLEM YAPILAMAYACAK...";

// The note shown over the setup panel of a file corrected before, on two lines.
inline constexpr const char* kCorrectedNoteLine1 = "Bu orjinal veri dosyasında bazı ";
inline constexpr const char* kCorrectedNoteLine2 = "düzeltmeler yapılmış.";

}  // namespace kovu3::problem
