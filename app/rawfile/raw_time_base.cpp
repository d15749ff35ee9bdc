// Decoder steps for the time base: record interval, first record (with the corrections
// kept beside the file), water year, last record and day numbers, policies.

#include "rawfile/correction_date.h"
#include "rawfile/raw_decoding.h"
#include "rawfile/raw_problems.h"
#include "shell/calendar.h"
#include "shell/options.h"

namespace kovu3::detail {
namespace {

constexpr int kDay = raw::kMinutesPerDay;
// Shifts from OzelDosyalar.txt beyond a year are typing errors, not corrections.
constexpr long kLargestShiftMinutes = 366L * kDay;

long FloorDiv(long a, long b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

std::string ShownCorrection(const CorrectionDate& value, const std::string& sep, bool persian) {
    std::string date = FormatDate(value.date, sep);
    if (persian && value.date.year > 1900) return GregorianToPersian(date, sep).text;
    return date;
}

}  // namespace

bool Decoding::ComputeTimeBase() {
    SetupParameters& setup = result_.setup;
    RawTimeBase& time = result_.timeBase;

    // Record interval: the readings sit on a grid of it anchored at midnight.
    const int interval = setup.RecordInterval;
    time.RecordInterval = interval;
    if (interval <= 0 || kDay % interval != 0) {
        SetError(problem::kRecordInterval, true,
                 Detail(std::to_string(setup.SampleCount) + " örnek x " +
                        std::to_string(setup.SampleInterval) + " dakika"));
        return false;
    }
    time.SetupMinuteOfDay = setup.SetupHour * 60 + setup.SetupMinute;
    alignment_ = (kDay - time.SetupMinuteOfDay) % interval;
    offset_ = interval;
    if (corrections_.specialShift != 0) {
        const long shift = corrections_.specialShift * interval;
        if (shift > kLargestShiftMinutes || shift < -kLargestShiftMinutes) {
            Important(problem::kShiftTooLarge,
                      Detail(std::to_string(corrections_.specialShift) + " aralık"));
        } else {
            offset_ += static_cast<int>(shift);
        }
    }

    if (!ApplySetupCorrection()) return false;
    if (!PlaceFirstRecord()) return false;
    if (!ApplyFirstRecordCorrection()) return false;

    time.WaterYear = WaterYearOf(time.FirstRecordDate, settings_.calendar);
    time.WaterYearStart = WaterYearFirstDay(time.WaterYear, settings_.calendar);

    PlaceLastRecord();
    ApplyDayCountCorrection();
    NumberDays();

    const std::string& policy = corrections_.ExtremDuzelt;
    time.ExtremesPolicy = policy.empty() ? settings_.DefaultExtremesPolicy - 1
                                         : static_cast<int>(LeadingNumber(policy));
    time.MidnightStart = time.FirstRecordMinute == kDay && setup.SampleInterval == 1 ? 1 : 0;
    return true;
}

std::optional<CorrectionDate> Decoding::Correction(const char* key, const std::string& text) {
    if (text.empty()) return std::nullopt;
    auto value = ParseCorrectionDate(text);
    if (!value) Important(key + (problem::kBadCorrection + text));
    return value;
}

bool Decoding::ApplySetupCorrection() {
    auto value = Correction("Tarih0", corrections_.Tarih0);
    if (!value) return true;
    SetupParameters& setup = result_.setup;
    RawTimeBase& time = result_.timeBase;
    const std::string date = ShownCorrection(*value, Sep(), Persian());
    if (date == setup.SetupDate && (!value->hasTime || value->minuteOfDay == time.SetupMinuteOfDay))
        return true;
    SetSetupDate(date);
    setup.SetupHour = value->minuteOfDay / 60;
    setup.SetupMinute = value->minuteOfDay % 60;
    result_.panel.setupDateRed = true;
    time.SetupMinuteOfDay = value->minuteOfDay;
    alignment_ = (kDay - time.SetupMinuteOfDay) % time.RecordInterval;
    return true;
}

bool Decoding::PlaceFirstRecord() {
    const SetupParameters& setup = result_.setup;
    RawTimeBase& time = result_.timeBase;
    const int interval = time.RecordInterval;
    long first = 0;
    std::string date;
    if (setup.RecordKind == "Normal") {
        if (!IsRealDate(DateParts{setup.SetupDay, setup.SetupMonth, setup.SetupYear}))
            return StopFirstRecordUnknown("setup tarihi " + setup.SetupDate);
        first = long{time.SetupMinuteOfDay} + alignment_ + offset_;
        date = setup.SetupDate;
    } else {
        first = long{headerMinuteOfDay_} + 2L * interval;
        date = setup.HeaderFirstDate;
    }
    if (first % interval != 0) {
        return StopFirstRecordUnknown("ilk kayıt " + std::to_string(first) + ". dakika, " +
                                      std::to_string(interval) + " dakikalık aralıkta değil");
    }
    // Into the day it belongs to: 1 to 1440 after a later day, 0 stays 00:00.
    long days = 0;
    if (first > kDay)
        days = (first - 1) / kDay;
    else if (first < 0)
        days = FloorDiv(first, kDay);
    first -= days * kDay;
    date = AddDays(date, days, Sep());

    SetFirstRecord(date, static_cast<int>(first));
    return true;
}

void Decoding::SetFirstRecord(const std::string& date, int minuteOfDay) {
    RawTimeBase& time = result_.timeBase;
    time.FirstRecordDate = date;
    time.FirstRecordMinute = minuteOfDay;
    time.FirstRecordHour = minuteOfDay / 60;
    time.FirstRecordMin = minuteOfDay % 60;
    if (auto parts = ParseDate(date)) {
        time.FirstRecordDay = parts->day;
        time.FirstRecordMonth = parts->month;
        time.FirstRecordYear = parts->year;
    }
}

bool Decoding::ApplyFirstRecordCorrection() {
    auto value = Correction("Tarih1", corrections_.Tarih1);
    if (!value) return true;
    RawTimeBase& time = result_.timeBase;
    const std::string date = ShownCorrection(*value, Sep(), Persian());
    if (date == time.FirstRecordDate &&
        (!value->hasTime || value->minuteOfDay == time.FirstRecordMinute))
        return true;
    if (value->minuteOfDay % time.RecordInterval != 0) {
        return StopFirstRecordUnknown("Tarih1 " + corrections_.Tarih1 + ", " +
                                      std::to_string(time.RecordInterval) +
                                      " dakikalık aralıkta değil");
    }
    SetFirstRecord(date, value->minuteOfDay);
    result_.panel.firstRecordRed = true;
    return true;
}

void Decoding::PlaceLastRecord() {
    const SetupParameters& setup = result_.setup;
    RawTimeBase& time = result_.timeBase;
    const long interval = time.RecordInterval;
    // The first day takes F + 6 characters with its day record, a full day B, the last day
    // six characters per reading.
    const long firstDay = 24 + 6 * (kDay - time.FirstRecordMinute) / interval;
    const long fullDay = 24 + 6 * kDay / interval;
    const long rest =
        static_cast<long>(setup.DataEnd) - static_cast<long>(setup.DataStart) - firstDay;
    const long dayCount = 1 + FloorDiv(rest, fullDay);
    const long lastDay = rest - (dayCount - 1) * fullDay;
    time.DayCount = static_cast<int>(dayCount);
    time.LastRecordDate = AddDays(time.FirstRecordDate, dayCount, Sep());
    time.LastRecordMinute = static_cast<int>(interval * (lastDay / 6 - 1));
    const int wrapped = ((time.LastRecordMinute % kDay) + kDay) % kDay;
    time.LastRecordHour = wrapped / 60;
    time.LastRecordMin = wrapped % 60;
}

void Decoding::ApplyDayCountCorrection() {
    const std::string& text = corrections_.Ngun;
    if (text.empty()) return;
    const long value = LeadingNumber(text);
    if (value == result_.timeBase.DayCount) return;
    result_.timeBase.DayCount = static_cast<int>(value);
    result_.panel.dayCountRed = true;
}

void Decoding::NumberDays() {
    RawTimeBase& time = result_.timeBase;
    auto dayNo = [&time](const std::string& date) {
        return static_cast<int>(DaysBetween(time.WaterYearStart, date) + 1);
    };
    time.SetupDayNo = dayNo(result_.setup.SetupDate);
    time.FirstDayNo = dayNo(time.FirstRecordDate);
    time.LastDayNo = dayNo(time.LastRecordDate);
    time.LastWaterYear = WaterYearOf(time.LastRecordDate, settings_.calendar);
}

}  // namespace kovu3::detail
