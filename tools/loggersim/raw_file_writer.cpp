#include "loggersim/raw_file_writer.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

#include "loggersim/raw_file_layout.h"

namespace kovu3::sim {
namespace {

constexpr int kEmptyField = 255;  // erased logger memory; marks an empty time-stamp entry

// Parameters the format leaves uninterpreted hold a fixed pattern that is never 255 and
// differs from its neighbours, so a decoder reading the wrong parameter shows it.
int Filler(int parameter) { return (parameter * 37 + 11) % 250; }

class SetupBlock final {
public:
    explicit SetupBlock(int count) {
        for (int n = 1; n <= count; ++n) text_ += ThreeDigits(Filler(n));
    }
    void Put(int parameter, int value) { text_.replace(Offset(parameter), 3, ThreeDigits(value)); }
    void PutText(int parameter, const std::string& value) { text_.replace(Offset(parameter), 3, value); }
    void Put16(int lowParameter, int value) {
        Put(lowParameter, value & 0xFF);
        Put(lowParameter + 1, value >> 8);
    }
    const std::string& text() const { return text_; }

private:
    static size_t Offset(int parameter) { return 3 * static_cast<size_t>(parameter - 1); }
    std::string text_;
};

// BCD date and time of a clock instant; 24:00 is 00:00 of the next day on the logger clock.
struct ClockFields {
    int year, month, day, hour, minute;
};
ClockFields ClockFieldsOf(const Moment& moment) {
    Moment clock = ClockMoment(ToMinutes(moment));
    return {Bcd(LoggerYear(clock.date.year)), Bcd(clock.date.month), Bcd(clock.date.day),
            Bcd(clock.minute / 60), Bcd(clock.minute % 60)};
}

// Five entries of six fields; the unused fourth field of an entry holds 0.
void PutStamps(SetupBlock& block, int firstParameter, const std::vector<Moment>& stamps, bool yearFirst) {
    for (int entry = 0; entry < 5; ++entry) {
        const int p = firstParameter + 6 * entry;
        if (entry >= static_cast<int>(stamps.size())) {
            for (int field = 0; field < 6; ++field) block.Put(p + field, kEmptyField);
            continue;
        }
        ClockFields f = ClockFieldsOf(stamps[static_cast<size_t>(entry)]);
        block.Put(p, yearFirst ? f.year : f.day);
        block.Put(p + 1, f.month);
        block.Put(p + 2, yearFirst ? f.day : f.year);
        block.Put(p + 3, 0);
        block.Put(p + 4, f.hour);
        block.Put(p + 5, f.minute);
    }
}

// Normal files carry the same first-data time as Ring and Blok files, though nothing reads
// it there.
std::string Header(const LoggerFileRecipe& recipe, const RawFilePlan& plan) {
    std::string header = recipe.versionMarker;
    header += ThreeDigits(recipe.kind == FileKind::Blok ? recipe.blockCount : 0);
    header += ThreeDigits(recipe.parameterCount);
    header += recipe.unitCode;
    if (recipe.headerDateUnknown) return header + std::string(15, '0');
    const Moment& first = plan.headerFirstData;
    header += ThreeDigits(first.minute / 60) + ThreeDigits(first.minute % 60);
    header += ThreeDigits(first.date.day) + ThreeDigits(first.date.month);
    return header + ThreeDigits(LoggerYear(first.date.year));
}

std::string Block(const LoggerFileRecipe& recipe, const RawFilePlan& plan, const Hydrograph& hydrograph) {
    SetupBlock block(recipe.parameterCount);
    if (plan.family == 0) return block.text();
    const BlockLayout& layout = LayoutOf(recipe.parameterCount);
    ClockFields setup = ClockFieldsOf(recipe.storedSetup.value_or(recipe.setup));
    block.Put(layout.setupYear, setup.year);
    block.Put(layout.setupMonth, setup.month);
    block.Put(layout.setupDay, setup.day);
    block.Put(layout.setupHour, setup.hour);
    block.Put(layout.setupMinute, setup.minute);
    block.PutText(layout.regionCode, recipe.regionCode);
    block.Put(layout.stationPrefix, std::stoi(recipe.stationId.substr(0, 3)));
    block.Put16(layout.stationNumberLow, std::stoi(recipe.stationId.substr(3)));
    const double setupLevel = recipe.setupLevelCm.value_or(hydrograph.LevelCm(recipe.setup));
    block.Put16(layout.setupLevelLow, SensorValue(setupLevel, recipe.unitCode));
    block.Put(layout.samplesPerRecord, recipe.samplesPerRecord);
    block.Put(layout.minutesBetweenSamples, recipe.minutesBetweenSamples);

    std::vector<Moment> lastStamps;
    if (plan.readingCount > 0) lastStamps.push_back(plan.lastRecord);
    PutStamps(block, layout.lastRecordStamps, recipe.lastRecordStamps.value_or(lastStamps), false);
    if (layout.ringStamps != 0) {
        std::vector<Moment> ringStamps;
        if (recipe.kind == FileKind::Ring) ringStamps.push_back(plan.firstRecord);
        PutStamps(block, layout.ringStamps, recipe.ringStamps.value_or(ringStamps), true);
    }
    if (layout.pointerLow != 0) {
        const long long pointer = plan.endPointer;
        const int flags = recipe.pointerFlagBits ? 1 : 0;
        block.Put(layout.pointerLow, static_cast<int>(pointer & 0xFF));
        block.Put(layout.pointerLow + 1, static_cast<int>((pointer >> 8) & 0x7F) | flags * 0x80);
        block.Put(layout.pointerLow + 2, static_cast<int>(pointer >> 15) * 2 | flags * 0xF1);
    }
    if (HasExtension(recipe.parameterCount)) block.Put(layout.baseCount + 3, Bcd(recipe.loggerType));
    return block.text();
}

void AppendValue(std::string& out, int value) { out += ThreeDigits(value >> 8) + ThreeDigits(value & 0xFF); }

// One extreme of a day: a sensor value and the minute of the day it was sampled at.
struct Extreme {
    int value = -1;
    int minute = 0;
};

// The extremes of one day, over the logger's samples and over its recorded readings.
struct DayExtremes {
    Extreme sampleMax, sampleMin, readingMax, readingMin;

    static void Take(Extreme& max, Extreme& min, int value, int minute) {
        if (max.value < 0 || value > max.value) max = {value, minute};
        if (min.value < 0 || value < min.value) min = {value, minute};
    }
};

// Hour and minute of a logger time stamp; the 24:00 sample reads 00:00 on the logger clock.
int HourField(int minuteOfDay) { return Bcd(minuteOfDay % kMinutesPerDay / 60); }
int MinuteField(int minuteOfDay) { return Bcd(minuteOfDay % 60); }

void AppendDayRecord(std::string& out, const LoggerFileRecipe& recipe, const DayExtremes& day, int dayIndex) {
    const bool faulty = recipe.dayRecords != DayRecordMode::Agree &&
                        (recipe.faultyDays.empty() ||
                         std::find(recipe.faultyDays.begin(), recipe.faultyDays.end(), dayIndex) !=
                             recipe.faultyDays.end());
    Extreme max = day.sampleMax;
    Extreme min = day.sampleMin;
    int maxHour = HourField(max.minute);
    int minMinute = MinuteField(min.minute);
    if (faulty && recipe.dayRecords == DayRecordMode::Disagree) {
        // 3 cm inside the readings, in whole centimetres of the unit, so any decoder sees it.
        const int units = StorageUnitsPerCm(recipe.unitCode);
        max = {std::max(0, day.readingMax.value / units - 3) * units, day.readingMax.minute};
        min = {std::min(65535 / units, day.readingMin.value / units + 3) * units, day.readingMin.minute};
        maxHour = HourField(max.minute);
        minMinute = MinuteField(min.minute);
    } else if (faulty) {
        // Every third faulty day holds erased bytes, the others out-of-range BCD values.
        const bool erased = dayIndex % 3 == 2;
        maxHour = erased ? kEmptyField : Bcd(25 + dayIndex % 75);
        minMinute = erased ? kEmptyField : Bcd(60 + dayIndex % 40);
    }
    AppendValue(out, max.value);
    out += ThreeDigits(maxHour) + ThreeDigits(MinuteField(max.minute));
    AppendValue(out, min.value);
    out += ThreeDigits(HourField(min.minute)) + ThreeDigits(minMinute);
}

// Readings on the grid from the first record; after each 24:00 reading the day record with
// the day's extremes. A logger taking several samples per record stores the record's last
// sample and keeps the extremes over all samples of the day's records, so the day record may
// lie beyond the readings but never inside them. Of equal samples the first one counts.
void AppendData(std::string& out, const LoggerFileRecipe& recipe, const RawFilePlan& plan,
                const Hydrograph& hydrograph) {
    if (plan.readingCount == 0) return;
    const int interval = plan.recordInterval;
    const long long first = ToMinutes(plan.firstRecord);
    const long long last = ToMinutes(plan.lastRecord);
    const long long firstDay = FloorDiv(first - 1, kMinutesPerDay);
    DayExtremes day;
    for (long long t = first; t <= last; t += interval) {
        const int minuteOfDay = static_cast<int>(t - FloorDiv(t - 1, kMinutesPerDay) * kMinutesPerDay);
        for (int k = recipe.samplesPerRecord - 1; k >= 0; --k) {
            const long long sampleTime = t - static_cast<long long>(k) * recipe.minutesBetweenSamples;
            const int value = SensorValue(hydrograph.LevelCm(sampleTime), recipe.unitCode);
            DayExtremes::Take(day.sampleMax, day.sampleMin, value,
                              minuteOfDay - k * recipe.minutesBetweenSamples);
            if (k == 0) {
                AppendValue(out, value);
                DayExtremes::Take(day.readingMax, day.readingMin, value, minuteOfDay);
            }
        }
        if (minuteOfDay != kMinutesPerDay) continue;
        if (t == last && !recipe.dayRecordAfterLastReading) break;
        AppendDayRecord(out, recipe, day, static_cast<int>(FloorDiv(t - 1, kMinutesPerDay) - firstDay));
        day = DayExtremes{};
    }
}

// Left-over memory after a family-2 end pointer: readings of an older recording, a year
// before this one, as a logger's memory holds them until they are overwritten.
void AppendLeftover(std::string& out, const LoggerFileRecipe& recipe, const RawFilePlan& plan,
                    const Hydrograph& hydrograph) {
    const int interval = plan.recordInterval > 0 ? plan.recordInterval : 10;
    const long long start = ToMinutes(plan.firstRecord) - 365LL * kMinutesPerDay;
    for (int i = 0; i < recipe.leftoverBytes; ++i) {
        const int value =
            SensorValue(hydrograph.LevelCm(start + static_cast<long long>(i / 2) * interval), recipe.unitCode);
        out += ThreeDigits(i % 2 == 0 ? value >> 8 : value & 0xFF);
    }
}

}  // namespace

int SensorValue(double levelCm, const std::string& unitCode) {
    const double units = std::round(levelCm * StorageUnitsPerCm(unitCode));
    return static_cast<int>(std::clamp(units, 0.0, 65535.0));
}

int DecodedLevelCm(int sensorValue, const std::string& unitCode) {
    const int units = UnitsPerCm(unitCode);
    return units == 0 ? 0 : sensorValue / units;
}

std::string MakeRawFile(const LoggerFileRecipe& recipe, const Hydrograph& hydrograph) {
    const RawFilePlan plan = DescribeRawFile(recipe);
    std::string file = Header(recipe, plan);
    file.reserve(plan.fileLength);
    file += Block(recipe, plan, hydrograph);
    AppendData(file, recipe, plan, hydrograph);
    AppendLeftover(file, recipe, plan, hydrograph);
    if (file.size() != plan.fileLength) throw std::logic_error("simulated file length differs from its plan");
    return file;
}

std::string RawFileName(const LoggerFileRecipe& recipe) {
    const int year = ClockMoment(ToMinutes(recipe.readout.value_or(recipe.readingsUntil))).date.year;
    char letter = recipe.kindLetter != 0 ? recipe.kindLetter : (recipe.kind == FileKind::Ring ? 'R' : 'M');
    std::string yy = ThreeDigits(((year % 100) + 100) % 100).substr(1);
    return recipe.stationId + ThreeDigits(recipe.order) + "." + yy + letter;
}

}  // namespace kovu3::sim
