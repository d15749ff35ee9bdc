// Decoder steps for the header and the setup-parameter block: version, counts, unit, the
// header's first-data time, the block of the file's layout and the station identifier.

#include <cstdio>

#include "rawfile/bcd.h"
#include "rawfile/correction_date.h"
#include "rawfile/raw_decoding.h"
#include "rawfile/raw_problems.h"
#include "shell/calendar.h"
#include "shell/text_codec.h"

namespace kovu3::detail {
namespace {

std::string Uppercase(std::string_view text) {
    std::string upper(text);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return upper;
}

std::string Stamp(int year, int month, int day, int hour, int minute, const std::string& sep) {
    char text[64];
    std::snprintf(text, sizeof text, "%04d%s%02d%s%02d %02d:%02d", year, sep.c_str(), month,
                  sep.c_str(), day, hour, minute);
    return text;
}

// Centimetres of a stored setup level, exact to the tenth the unit allows.
double SetupLevelOf(int units, int unitCode) {
    switch (unitCode) {
        case 1:
            return units;
        case 2:
            return units / 10.0;
        case 3:
            return units * 2 / 10.0;
        default:
            return 0;
    }
}

}  // namespace

int Decoding::Bcd(int parameter) {
    return DecodeBcdValue(Parameter(parameter));
}

std::string Decoding::ShownDate(int day, int month, int year) const {
    std::string date = FormatDate(DateParts{day, month, year}, Sep());
    // Dates the logger kept in Gregorian years are shown in the active calendar.
    if (Persian() && year > 1900 && IsRealDate(DateParts{day, month, year}))
        return GregorianToPersian(date, Sep()).text;
    return date;
}

void Decoding::SetSetupDate(const std::string& date) {
    SetupParameters& setup = result_.setup;
    setup.SetupDate = date;
    if (auto parts = ParseDate(date)) {
        setup.SetupDay = parts->day;
        setup.SetupMonth = parts->month;
        setup.SetupYear = parts->year;
    }
}

bool Decoding::DecodeHeaderAndBlock() {
    SetupParameters& setup = result_.setup;
    const size_t length = image_.size();

    // Version.
    if (length < raw::kVersionLength) {
        SetError(problem::kHeaderTooShort, true, Detail(std::to_string(length) + " karakter"));
        return false;
    }
    std::string_view marker = image_.substr(raw::kVersionOffset, raw::kVersionLength);
    setup.VersionMarker = Cp1254ToUtf8(marker);
    result_.panel.showCorrectedNote = marker == "ver4";
    if (Uppercase(marker) != "VER4") {
        result_.panel.showVersionMessage = true;
        result_.panel.versionMessage = settings_.texts.Messages[5];
        SetError(problem::kVersion, true, Detail("bayt 0: \"" + setup.VersionMarker + "\""));
        return false;
    }
    if (length < raw::kHeaderLength) {
        SetError(problem::kHeaderTooShort, true, Detail(std::to_string(length) + " karakter"));
        return false;
    }

    // Header fields, plain decimal.
    setup.BlockCount = Field(raw::kBlockCountOffset);
    result_.panel.blockCountText = std::to_string(setup.BlockCount);
    setup.ParameterCount = Field(raw::kParameterCountOffset);
    result_.panel.parameterCountText = std::to_string(setup.ParameterCount);
    setup.DataStart = raw::DataStartFor(setup.ParameterCount);
    if (setup.BlockCount > 0) setup.RecordKind = "Blok";
    setup.UnitCode = UnitCodeOf(image_.substr(raw::kUnitCodeOffset, raw::kFieldLength));
    setup.UnitText = UnitTextOf(setup.UnitCode);
    setup.UnitFactor = UnitFactorOf(setup.UnitCode);
    setup.HeaderFirstHour = Field(raw::kFirstHourOffset);
    setup.HeaderFirstMinute = Field(raw::kFirstMinuteOffset);
    const int day = Field(raw::kFirstDayOffset);
    const int month = Field(raw::kFirstMonthOffset);
    const int year = YearFromLogger(Field(raw::kFirstYearOffset));

    // Block and ring files take their first record from the header.
    if (setup.RecordKind != "Normal") {
        if (day * month * year == 0 || !IsRealDate(DateParts{day, month, year})) {
            return StopFirstRecordUnknown("bayt 19: başlık tarihi " + std::to_string(day) + "." +
                                          std::to_string(month) + "." + std::to_string(year));
        }
        headerMinuteOfDay_ = setup.HeaderFirstHour * 60 + setup.HeaderFirstMinute;
        setup.HeaderFirstDate = ShownDate(day, month, year);
    }

    // Size and parameter count.
    if ((length - raw::kHeaderLength) / raw::kFieldLength ==
        static_cast<size_t>(setup.ParameterCount)) {
        SetError(problem::kOnlySetup, true, Detail(std::to_string(length) + " karakter"));
    }
    setup.FormatFamily = raw::FormatFamilyOf(setup.ParameterCount);
    const raw::BlockLayout* layout = raw::LayoutOf(setup.ParameterCount);
    if (layout == nullptr) {
        const std::string read = Detail("bayt 7: " + std::to_string(setup.ParameterCount));
        Programmer(problem::kParameterCountProgrammer, read);
        Important(problem::kParameterCountImportant, read);
        SetError(problem::kParameterCount, false);
        return false;
    }
    if (setup.FormatFamily == 2) Important(problem::kStoppedLogger);
    if (length < setup.DataStart) {
        SetError(problem::kBlockTooShort, true,
                 Detail(std::to_string(length) + " karakter, " + std::to_string(setup.DataStart) +
                        " gerekli"));
        return false;
    }

    // Setup-parameter block of the file's layout.
    setup.RegionCode = Cp1254ToUtf8(image_.substr(raw::ParameterOffset(layout->regionCode), 3));
    setup.StationPrefix = Parameter(layout->stationPrefix);
    setup.StationNumber = Parameter(layout->stationLow) + 256 * Parameter(layout->stationHigh);
    setup.SetupLevelUnits = Parameter(layout->levelLow) + 256 * Parameter(layout->levelHigh);
    setup.SetupLevel = SetupLevelOf(setup.SetupLevelUnits, setup.UnitCode);
    setup.SetupYear = YearFromLogger(Bcd(layout->setupYear));
    setup.SetupMonth = Bcd(layout->setupMonth);
    setup.SetupDay = Bcd(layout->setupDay);
    setup.SetupHour = Bcd(layout->setupHour);
    setup.SetupMinute = Bcd(layout->setupMinute);
    SetSetupDate(ShownDate(setup.SetupDay, setup.SetupMonth, setup.SetupYear));
    setup.SampleCount = Parameter(layout->sampleCount);
    setup.SampleInterval = Parameter(layout->sampleInterval);
    setup.RecordInterval = setup.SampleCount * setup.SampleInterval;

    const LanguageTexts& texts = settings_.texts;
    setup.BatteryChanged = setup.FormatFamily == 1 ? texts.WordNo : texts.WordYes;
    result_.panel.batteryChangedText = setup.BatteryChanged;
    const int typeParameter = raw::LoggerTypeParameter(setup.ParameterCount);
    const int type = typeParameter ? Bcd(typeParameter) : 0;
    setup.LoggerType = type == raw::kTypePressureSensor ? texts.Captions[97]
                       : type == raw::kTypeAquifer      ? texts.Captions[26]
                                                        : texts.Captions[96];
    result_.panel.loggerTypeText = setup.LoggerType;

    DecodeStamps(layout->lastRecordStamps, false, setup.LastRecordStamps);
    if (layout->ringStamps) DecodeStamps(layout->ringStamps, true, setup.RingStamps);
    DecodeDataEnd(*layout);
    return CheckStationInName();
}

void Decoding::DecodeStamps(int firstParameter, bool yearFirst, std::vector<std::string>& list) {
    for (int entry = raw::kStampEntries; entry >= 1; --entry) {
        const int base = firstParameter + raw::kStampFields * (entry - 1);
        if (Parameter(base) == raw::kEmptySlot) continue;
        const int first = Bcd(base), second = Bcd(base + 1), third = Bcd(base + 2);
        const int year = YearFromLogger(yearFirst ? first : third);
        const int day = yearFirst ? third : first;
        list.push_back(Stamp(year, second, day, Bcd(base + 4), Bcd(base + 5), Sep()));
    }
}

void Decoding::DecodeDataEnd(const raw::BlockLayout& layout) {
    SetupParameters& setup = result_.setup;
    setup.DataEnd = image_.size();
    if (setup.FormatFamily != 2) return;
    const size_t page = static_cast<size_t>(Parameter(layout.pointerPage) & 14) / 2;
    const size_t middle = static_cast<size_t>(Parameter(layout.pointerMiddle) & 127);
    const size_t low = static_cast<size_t>(Parameter(layout.pointerLow));
    const size_t end = setup.DataStart + raw::kFieldLength * (page * 32768 + middle * 256 + low);
    if (end > image_.size()) {
        // Left-over memory may be cut off, but data the pointer promises must be there.
        Important(problem::kPointerBeyondEnd,
                  Detail("bayt " + std::to_string(raw::ParameterOffset(layout.pointerLow)) + ": " +
                         std::to_string(end) + " > " + std::to_string(image_.size())));
        return;
    }
    setup.DataEnd = end;
}

bool Decoding::CheckStationInName() {
    SetupParameters& setup = result_.setup;
    char identifier[32];
    std::snprintf(identifier, sizeof identifier, "%03d%05d", setup.StationPrefix,
                  setup.StationNumber);
    if (fileName_.find(identifier) == std::string_view::npos)
        SetError(problem::kFileName, true, Detail(std::string("istasyon ") + identifier));
    char key[32];
    std::snprintf(key, sizeof key, "%03d-%05d", setup.StationPrefix, setup.StationNumber);
    setup.StationKey = key;
    return true;
}

}  // namespace kovu3::detail
