#include "shell/language_texts.h"

namespace kovu3 {
namespace {

struct TextPair {
    const char* turkish;
    const char* english;
};

// Captions 1 to 120. Blanks inside the quotes belong to the texts: the dotted labels of
// 87 to 104 line up in a fixed-width font. The spellings are the program's own.
constexpr TextPair kCaptions[] = {
    {"Excel rapor dosyasını aç", "Open excel report file"},  // 1
    {"Excel dosyasi", "Excel file"},  // 2
    {"Dosya aç", "Open file"},  // 3
    {"Çık", "Exit"},  // 4
    {"Çık", "Exit"},  // 5
    {"Kayıt sil", "Delete record"},  // 6
    {"Başlangıç çizimi", "Initial drawing"},  // 7
    {"Seçilmiş bölgeyi çiz", "Draw selected area"},  // 8
    {"Yazdır", "Print"},  // 9
    {"Çık", "Exit"},  // 10
    {"Seçilmiş bölge", "Selected area"},  // 11
    {"    Tarih        Zaman        Seviye,cm", "    Date         Time         Level(cm)"},  // 12
    {"    Tarih        Zaman        Seviye,cm", "    Date         Time         Level(cm)"},  // 13
    {"Tamam", "Ok."},  // 14
    {"Çık", "Exit"},  // 15
    {"Anlık değerler", "Instantaneous values"},  // 16
    {"Anlık değerler tabloya dahil edilmeyecek.", "Don't write instantaneous values"},  // 17
    {"Tamam", "Ok."},  // 18
    {"Çık", "Exit"},  // 19
    {"Başlangıç ve bitiş tarihleri", "Starting and finishing date"},  // 20
    {"Anlık değerler tabloya dahil edilmeyecek.", "Don't write instantaneous values"},  // 21
    {"Tamam", "Ok."},  // 22
    {"Çıkış", "Exit"},  // 23
    {"Grafik", "Graphic"},  // 24
    {"İstasyonlar", "Stations"},  // 25
    {"Akifer", "Aquifer"},  // 26
    {"Aynı zamanda max. ve min. değerler de çizilsin.", "Show extrem values on graphic"},  // 27
    {"İstasyonların Renkleri", "Color of stations"},  // 28
    {"Renk Seçimi", "Selection of color"},  // 29
    {"Geri planın rengi", "Backcolor"},  // 30
    {"1.İstasyonun rengi", "Color of station-1"},  // 31
    {"Skalanın rengi", "Color of scale"},  // 32
    {"2.İstasyonun rengi", "Color of station-2"},  // 33
    {"3.İstasyonun rengi", "Color of station-3"},  // 34
    {"4.İstasyonun rengi", "Color of station-4"},  // 35
    {"Parametre Sayısı", "Number of Parameters"},  // 36
    {"Atlanan Blok Sayısı", "Skipped Blocks"},  // 37
    {"Geçerli extrem uygulamasının sıra no.su:", "Order number of default extrem-application:"},  // 38
    {"Programcı kodu:", "Programmer Code:"},  // 39
    {"Çıkış", "Exit"},  // 40
    {"Anahtar eğrisinin seçimi", "Selection of rating curve files"},  // 41
    {"Vazgeç", "Cancel"},  // 42
    {"Tamam", "Ok."},  // 43
    {"Çiz", "Draw"},  // 44
    {"Liste kutusunu temizle", "Clear listbox"},  // 45
    {"Liste", "List"},  // 46
    {"Dosyalar", "Files"},  // 47
    {"Çıkış", "Exit"},  // 48
    {"...", "..."},  // 49
    {"Değişiklikleri kaydet", "Save changes"},  // 50
    {"Anahtar eğrisi", "Rating Curve"},  // 51
    {"Sonuçlar", "Results"},  // 52
    {"!", "!"},  // 53
    {"Print setup-par.", "Print Setup Parameters"},  // 54
    {"Setup Değerlerini Göster", "Display Setup Parameters"},  // 55
    {"Max. ve Min. Seçimi", "Selection of Extreme"},  // 56
    {"Ham Data", "Raw Data"},  // 57
    {"Setup Değerlerini Kaydet", "Save Setup Parameters"},  // 58
    {"         Tarih           Zaman    Seviye", "         Date             Time    Wat.Level"},  // 59
    {"Sürücü ve Dizin", "Drive and Directory"},  // 60
    {"İstasyon", "Station"},  // 61
    {"Dak.", "Minutes"},  // 62
    {"No", "Number"},  // 63
    {"Ham data değiştirilmiş.", "Raw data has been changed."},  // 64
    {"Ad", "Name"},  // 65
    {"Version", "Version"},  // 66
    {"Bölge Kodu", "Area Code "},  // 67
    {"SU YILI", "Water Year"},  // 68
    {"Setup seviyesi", "Setup Level"},  // 69
    {"Setup tarihi/Zamanı", "Setup Date/Time"},  // 70
    {"       Tarih           Zaman   Seviye      Debi ", "............................"},  // 71
    {"İlk kaydın tarihi/zamanı", "Date/Time of First Rec."},  // 72
    {"", "Time of First Record"},  // 73
    {"Setup tarihinden sonra geçen gün sayısı", "Days after Last Resetting of Logger"},  // 74
    {"Son kaydın tarihi/zamanı", "Date/Time of Last Rec."},  // 75
    {"Pil Değiştirilmiş mi?", "Battery Changed ?"},  // 76
    {"Birim dönüşüm faktörü", "Unit Conversion Factor"},  // 77
    {"Örnek sayısı", "Number of Sample"},  // 78
    {"2 Örnek arası zaman", "Time Between 2 Samples"},  // 79
    {"2 Kayıt arası zaman", "Time Between 2 Records"},  // 80
    {"Ring? (Evet/Hayır)", "Ring?(Yes/No)"},  // 81
    {"SETUP DEĞERLERİ", "SETUP PARAMETERS"},  // 82
    {"İstasyon no", "Station No"},  // 83
    {"SU YILI", "Water Year"},  // 84
    {"Ham dosyalar", "Raw Files"},  // 85
    {"İstasyon ve su yılının seçimi", "Selection of Station and Water Year"},  // 86
    {" Ham Dosyanın Adı................:", " Raw File Name...................:"},  // 87
    {" Version No......................:", " Version Number..................:"},  // 88
    {" İstasyon No.....................:", " Station Number..................:"},  // 89
    {" Bölge No........................:", " Region Number...................:"},  // 90
    {" Su Yılı.........................:", " Water Year......................:"},  // 91
    {" Setup Seviyesi..................:", " Water Level at Setup Date/Time..:"},  // 92
    {" Setup Tarihi ve Zamanı..........:", " Setup Date......................:"},  // 93
    {"Limnigraf Tipi", "Limnigraph Type"},  // 94
    {" İlk Kayıt Tarihi ve Zamanı.......:", " Date/Time of First Record.......:"},  // 95
    {"Optik Kodlu", "Optical Encoder"},  // 96
    {"Basınç Sensörlü", "Pressure Sensor"},  // 97
    {" Son Kayıt Tarihi................:", " Date of Last Record. ...........:"},  // 98
    {" Son Kayıt Zamanı................:", " Date of Last Record.............:"},  // 99
    {" Cm. Çevirme Katsayısı...........:", " Unit Conversion Factor..........:"},  // 100
    {" Örnek Sayısı....................:", " Number of Samples...............:"},  // 101
    {" 2 Örnek arasındaki süre.........:", " Time between 2 samples..........:"},  // 102
    {" 2 Kayıt arasındaki süre.........:", " Time between 2 records..........:"},  // 103
    {" Ring Yapmış mı?.................:", " Ring File ?.....................:"},  // 104
    {"", ""},  // 105
    {"Başla", "Start"},  // 106
    {"İstasyon Sayısı", "Number:"},  // 107
    {"Dosya Sayısı", "Number:"},  // 108
    {"Zaman", "Time"},  // 109
    {"Seviye, cm.", "Level, cm."},  // 110
    {"", ""},  // 111
    {"Aylık Maks:", "Monthly Max:"},  // 112
    {"Aylık Min:", "Monthly Min:"},  // 113
    {"Aylık Ort:", "Monthly Mean:"},  // 114
    {"İstasyon No-Ad Girişi", "Input Station No.and Name"},  // 115
    {"Bir Önceki", "Previous"},  // 116
    {"Bir Sonraki", "Next"},  // 117
    {"Sayfa", "Page"},  // 118
    {"Seçtiğiniz dil ile dosya birbileri ile uyuşmuyor...", "You just selected wrong calendar system."},  // 119
    {"Ham data dosyasının bu sayfadaki bazı bölümlerinde değişiklikler yaptınız. Ancak kaydetmeden bu sayfadan çıkmak üzeresiniz. Kaydetmek istemediğinizden eminmisiniz ?", "You have chanced raw-data. But you will just cancel that.. Are yo sure ?"},  // 120
};
static_assert(sizeof kCaptions / sizeof kCaptions[0] == 120);

// Messages 1 to 7; callers put a file name or a value before or after them.
constexpr TextPair kMessages[] = {
    {"Setup Tarihinden Sonra Geçen Gün Sayısının Düzeltilmesi Önerilir....\r Önerilen Gün Sayısı:",
     "passing of the day numbers after last resetting logger should be;\r "},
    {" Bölgesel Ayarlara girerek tarih formatını dd/mm/yyyy veya gg/aa/yyyy yapınız",
     " please, set the date-format as dd/mm/yyyy from regional setting"},
    {" Dosyası VER4'den farklı...\r Bu nedenle, bu dosya atlanacak..",
     "'s format is not true version...\r therefore, this file will be skipped .."},
    {"  DOSYASININ  DOSYA İSMİ HATALI\ndosya isminin ilk 5 karakteri istasyon no. ile aynı "
     "olmalıdır.\n DONUSUM İŞLEMİ YAPILAMAZ..",
     "' FILENAME IS FALSE.\nFirst 5 characters of the filename must be same of the station "
     "number.\n DATA-MERGE-PROCESS CAN NOT BE EXECUTED."},
    {"VER4'DEN FARKLI VERSİYONLU DATA DOSYALARINI BU PROGRAMLA OKUTAMAZSINIZ..",
     "This file has different format from version-4. It can not be used."},
    {" Cihazdan okunan ilk data zamanı ile Program tarafından \n tesbit edilen ilk data zamanı "
     "birbirinden farklıdır.\n\n PROGRAM TARAFINDAN TESBİT EDİLMİŞ OLAN AŞAĞIDAKİ DEĞERİN "
     "KULLANILMASI ÖNERİLİR..\n İlk datanın zamanı:",
     "This program calculated different first-record-time.\n It is not the same of the value in "
     "logger.\n The value calculated by program is recommended.\n First-record-time is "},
    {"MAKSİMUM ve/veya MİNİMUM DEĞERLERİN ZAMANLARI HATALI..",
     "The time of extereme values are false.."},
};
static_assert(sizeof kMessages / sizeof kMessages[0] == 7);

void FillTables(LanguageTexts& texts, bool turkish) {
    texts.Captions.fill({});
    texts.Messages.fill({});
    for (size_t i = 0; i < 120; ++i)
        texts.Captions[i + 1] = turkish ? kCaptions[i].turkish : kCaptions[i].english;
    for (size_t i = 0; i < 7; ++i)
        texts.Messages[i + 1] = turkish ? kMessages[i].turkish : kMessages[i].english;
}

void ApplyTurkish(LanguageTexts& texts) {
    texts.Language = "TURKCE";
    texts.LevelTableTemplate = "Sablon1.xlsx";
    texts.LevelDischargeTemplate = "Sablon2.xlsx";
    texts.LogoFile = "Logo.jpg";
    texts.WordDaily = "Gunluk";
    texts.WordMonthly = "Aylik";
    texts.WordAll = "Tamami";
    texts.WordYes = "Evet";
    texts.WordNo = "Hayır";
    texts.WordConvert = "Donustur";
    texts.WordDataControl = "Data Kontrol";
    texts.WordAdd = "Ekle";
    texts.WordConverted = "Dönüşmüş";
    texts.WordAttention = "DİKKAT";
    FillTables(texts, true);
}

void ApplyEnglish(LanguageTexts& texts) {
    texts.Language = "ENGLISH";
    texts.LevelTableTemplate = "Sablon1_E.xlsx";
    texts.LevelDischargeTemplate = "Sablon2_E.xlsx";
    texts.LogoFile = "Logo_E.jpg";
    texts.WordDaily = "Daily";
    texts.WordMonthly = "Monthly";
    texts.WordAll = "All";
    texts.WordYes = "Yes";
    texts.WordNo = "No";
    texts.WordConvert = "Convert";
    texts.WordDataControl = "Data Control";
    texts.WordAdd = "Add";
    texts.WordConverted = "Ok.";
    texts.WordAttention = "Attention";
    FillTables(texts, false);
}

}  // namespace

bool ApplyLanguage(LanguageTexts& texts, std::string_view language) {
    if (language == "TURKCE") {
        ApplyTurkish(texts);
    } else if (language == "ENGLISH") {
        ApplyEnglish(texts);
    } else if (language == "FARSCA") {
        // Farsi speaks English, with its own level-table template and no level-discharge one.
        ApplyEnglish(texts);
        texts.Language = "FARSCA";
        texts.LogoFile = "Logo.jpg";
        texts.LevelTableTemplate = "Sablon1_F.xlsx";
        texts.LevelDischargeTemplate.clear();
        texts.Captions[111].clear();
    } else {
        return false;
    }
    return true;
}

}  // namespace kovu3
