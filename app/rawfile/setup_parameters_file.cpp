#include "rawfile/setup_parameters_file.h"

#include <cmath>
#include <cstdio>
#include <optional>

#include "rawfile/bcd.h"
#include "rawfile/correction_date.h"
#include "rawfile/raw_decoder.h"
#include "rawfile/raw_format.h"
#include "rawfile/setup_panel.h"
#include "shell/file_io.h"
#include "shell/text_codec.h"

namespace kovu3 {
namespace {

namespace fs = std::filesystem;

constexpr int kLargestSensorValue = 65535;  // two logger bytes

std::string Say(const ProgramSettings& settings, const std::string& turkish,
                const std::string& english) {
    return settings.Language() == "TURKCE" || settings.Language().empty() ? turkish : english;
}

// A level as the operator types it: digits with an optional "." or "," and decimals.
std::optional<double> ParseLevel(std::string_view text) {
    text = TrimBlanks(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    double value = 0, scale = 0;
    bool digits = false;
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            digits = true;
            if (scale == 0)
                value = value * 10 + (c - '0');
            else
                value += (c - '0') * (scale /= 10);
        } else if ((c == '.' || c == ',') && scale == 0) {
            scale = 1;
        } else {
            return std::nullopt;
        }
        if (value > 1e9) return std::nullopt;
    }
    return digits ? std::optional<double>(value) : std::nullopt;
}

// The printout's lines after the file name: a label, sometimes " :", then a panel box.
struct PrintedBox {
    int caption;
    const char* between;
    int box;
};
constexpr PrintedBox kPrintedBoxes[] = {
    {88, "", 0},   {89, "", 1},   {90, "", 2},   {91, "", 17},  {92, "", 3},   {93, "", 4},
    {95, "", 6},   {74, " :", 8}, {98, "", 9},   {100, "", 11}, {101, "", 12}, {102, "", 13},
    {103, "", 14}, {104, "", 15}, {36, " :", 5}, {37, " :", 7},
};

std::string ThreeDigits(int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%03d", value);
    return text;
}

}  // namespace

SetupSaveOutcome SaveSetupParameters(std::string_view fileName, std::string_view levelText,
                                     std::string_view dateTimeText,
                                     const SetupParameters& lastDecoding,
                                     const ProgramSettings& settings) {
    SetupSaveOutcome outcome;
    const std::string name(fileName);
    auto refuse = [&](const std::string& turkish, const std::string& english) {
        outcome.message = name + ": " + Say(settings, turkish, english);
        return outcome;
    };
    const raw::BlockLayout* layout = raw::LayoutOf(lastDecoding.ParameterCount);
    if (layout == nullptr)
        return refuse(
            "Parametre sayısı 161, 163, 164 veya 166 değil; setup değerleri kaydedilmedi.",
            "The parameter count is not 161, 163, 164 or 166; nothing was saved.");
    if (lastDecoding.UnitFactor == 0)
        return refuse(
            "Ölçüm birimi tanınmıyor (birim dönüşüm faktörü 0); setup değerleri kaydedilmedi.",
            "Unknown unit (conversion factor 0); the setup parameters were not saved.");

    auto level = ParseLevel(levelText);
    const double units = level ? std::round(*level / lastDecoding.UnitFactor) : -1;
    if (!level || units > kLargestSensorValue)
        return refuse("Setup seviyesi 0 ile " +
                          PanelNumber(kLargestSensorValue * lastDecoding.UnitFactor) +
                          " cm arasında bir sayı olmalı: \"" + std::string(levelText) + "\"",
                      "The setup level must be a number from 0 to " +
                          PanelNumber(kLargestSensorValue * lastDecoding.UnitFactor) + " cm: \"" +
                          std::string(levelText) + "\"");
    auto when = ParseCorrectionDate(dateTimeText);
    if (!when || !when->hasTime || when->minuteOfDay >= raw::kMinutesPerDay)
        return refuse("Setup tarihi/zamanı gg/aa/yyyy ss:dd biçiminde gerçek bir tarih olmalı: \"" +
                          std::string(dateTimeText) + "\"",
                      "The setup date/time must be a real date as dd/mm/yyyy hh:mm: \"" +
                          std::string(dateTimeText) + "\"");
    const int year = when->date.year;
    if (year > 1900 && year < 2000)
        return refuse(
            "2000 yılından önceki setup tarihi cihaz biçiminde saklanamaz: " + std::to_string(year),
            "A setup date before 2000 cannot be stored in the logger's format: " +
                std::to_string(year));
    const int storedYear = LoggerYearOf(year);
    if (storedYear < 0)
        return refuse("Bu yıl cihaz biçiminde saklanamaz: " + std::to_string(year),
                      "This year cannot be stored in the logger's format: " + std::to_string(year));

    // The file may have been replaced since it was shown.
    auto path = FindIgnoringCase(settings.DataDirectory, fileName);
    auto header = path ? ReadWholeFile(*path) : std::nullopt;
    if (!header || header->size() < raw::kHeaderLength ||
        FieldValue(std::string_view(*header).substr(raw::kParameterCountOffset, 3)) !=
            lastDecoding.ParameterCount)
        return refuse("Dosya gösterildiğinden beri değişmiş ya da okunamıyor; tekrar seçiniz.",
                      "The file changed since it was shown or cannot be read; select it again.");

    const int sensorUnits = static_cast<int>(units);
    auto field = [](int parameter, std::string bytes) {
        return RawFileEdit{raw::ParameterOffset(parameter), std::move(bytes)};
    };
    const std::vector<RawFileEdit> edits{
        field(layout->setupYear, EncodeBcd(storedYear)),
        field(layout->setupMonth, EncodeBcd(when->date.month)),
        field(layout->setupDay, EncodeBcd(when->date.day)),
        field(layout->setupHour, EncodeBcd(when->minuteOfDay / 60)),
        field(layout->setupMinute, EncodeBcd(when->minuteOfDay % 60)),
        field(layout->levelLow, ThreeDigits(sensorUnits % 256)),
        field(layout->levelHigh, ThreeDigits(sensorUnits / 256)),
    };
    outcome.edit =
        ApplyRawFileEdits(settings.DataDirectory, fileName, edits, settings.DateSeparator());
    outcome.message = outcome.edit.error;
    return outcome;
}

PrintOutcome PrintSetupParameters(const std::vector<std::string>& fileNames,
                                  const ProgramSettings& settings) {
    const std::array<std::string, 151>& caption = settings.texts.Captions;
    std::vector<std::string> lines;
    std::string stationKey;
    for (const std::string& name : fileNames) {
        RawFileResult result = ReadRawFile(name, settings);
        if (stationKey.empty()) stationKey = result.setup.StationKey;
        SetupPanelTexts box = MakeSetupPanelTexts(result, settings.texts);
        lines.push_back(caption[87] + name);
        for (const PrintedBox& row : kPrintedBoxes)
            lines.push_back(caption[row.caption] + row.between + box[row.box]);
        lines.push_back(caption[105]);
        lines.push_back(" -----------------------------------------------");
    }
    PrintOutcome outcome;
    outcome.output = fs::path(settings.DataDirectory) / (stationKey + "_setupPar.txt");
    outcome.error = WriteFileReplacing(outcome.output, ToCp1254Lines(lines));
    return outcome;
}

PrintOutcome DumpRawFile(std::string_view fileName, const ProgramSettings& settings) {
    PrintOutcome outcome;
    outcome.output = fs::path(settings.DataDirectory) / ("#" + std::string(fileName) + ".txt");
    auto path = FindIgnoringCase(settings.DataDirectory, fileName);
    auto bytes = path ? ReadWholeFile(*path) : std::nullopt;
    if (!bytes) {
        outcome.error = "Cannot read " + (fs::path(settings.DataDirectory) / fileName).string();
        return outcome;
    }
    std::string_view rest = *bytes;
    auto take = [&rest](size_t count) {
        std::string_view piece = rest.substr(0, count);
        rest.remove_prefix(piece.size());
        return piece;
    };
    static constexpr std::pair<const char*, size_t> kHeaderFields[] = {
        {"Version No.         : ", 4}, {"Blok No.            : ", 3}, {"Setup Param. Bytes  : ", 3},
        {"Ölçüm Birimi        :", 3},  {"İlk Verinin Saati   :", 3},  {"İlk Verinin Dakikası: ", 3},
        {"İlk Verinin Günü    : ", 3}, {"İlk Verinin Ayı     : ", 3}, {"İlk Verinin Yılı    : ", 3},
    };
    // Labels are UTF-8 here; the file's own characters go out as they are.
    std::string out;
    out.reserve(bytes->size() / 3 * 27 + 512);
    int parameterCount = 0;
    for (const auto& [label, count] : kHeaderFields) {
        std::string_view value = take(count);
        if (std::string_view(label).starts_with("Setup Param.")) parameterCount = FieldValue(value);
        out += Utf8ToCp1254(label);
        out += value;
        out += "\r\n";
    }
    char number[32];
    for (int i = 1; i <= 999999 && !rest.empty(); ++i) {
        std::snprintf(number, sizeof number, "%17s%03d: ", "", i);
        out += number;
        out += take(raw::kFieldLength);
        out += "\r\n";
        if (i == parameterCount) out += " ----------------------------------\r\n";
    }
    outcome.error = WriteFileReplacing(outcome.output, out);
    return outcome;
}

}  // namespace kovu3
