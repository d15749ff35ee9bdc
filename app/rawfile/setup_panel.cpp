#include "rawfile/setup_panel.h"

#include <charconv>
#include <cstdio>

namespace kovu3 {
namespace {

std::string DateAndTime(const std::string& date, int hour, int minute) {
    char time[32];
    std::snprintf(time, sizeof time, " %02d:%02d", hour, minute);
    return date + time;
}

}  // namespace

std::string PanelNumber(double value) {
    char text[64];
    auto [end, ec] = std::to_chars(text, text + sizeof text, value);
    return ec == std::errc() ? std::string(text, end) : std::string();
}

SetupPanelTexts MakeSetupPanelTexts(const RawFileResult& result, const LanguageTexts& texts) {
    const SetupParameters& setup = result.setup;
    const RawTimeBase& time = result.timeBase;
    SetupPanelTexts box;
    std::string version = setup.VersionMarker;
    for (char& c : version)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    box[0] = version;
    box[1] = setup.StationKey;
    box[2] = setup.RegionCode;
    char years[32];
    if (time.LastWaterYear > time.WaterYear)
        std::snprintf(years, sizeof years, "%04d-%04d", time.WaterYear, time.LastWaterYear);
    else
        std::snprintf(years, sizeof years, "%04d", time.WaterYear);
    box[17] = years;
    box[3] = PanelNumber(setup.SetupLevel);
    box[4] = DateAndTime(setup.SetupDate, setup.SetupHour, setup.SetupMinute);
    box[6] = DateAndTime(time.FirstRecordDate, time.FirstRecordHour, time.FirstRecordMin);
    box[9] = DateAndTime(time.LastRecordDate, time.LastRecordHour, time.LastRecordMin);
    box[8] = std::to_string(time.DayCount);
    box[11] = "x" + PanelNumber(setup.UnitFactor) + " (" + setup.UnitText + ")";
    box[12] = std::to_string(setup.SampleCount);
    box[13] = std::to_string(setup.SampleInterval) + " " + texts.Captions[62];
    box[14] = std::to_string(setup.RecordInterval) + " " + texts.Captions[62];
    const char last = result.fileName.empty() ? '\0' : result.fileName.back();
    box[15] = last == 'R' || last == 'r' ? texts.WordYes : texts.WordNo;
    box[5] = result.panel.parameterCountText;
    box[7] = result.panel.blockCountText;
    box[10] = result.panel.batteryChangedText;
    box[16] = result.panel.loggerTypeText;
    return box;
}

}  // namespace kovu3
