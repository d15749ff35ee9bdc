// The simulated raw logger files, read back byte by byte with the format's own rules.

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "loggersim/raw_file_layout.h"
#include "loggersim/raw_file_writer.h"
#include "loggersim_test_fields.h"

namespace kovu3::sim {
namespace {

using fields::BcdParam;
using fields::Field;
using fields::FromBcd;
using fields::Param;
using fields::Param16;
using fields::Reading;

Moment At(int day, int month, int year, int hour, int minute) { return {{day, month, year}, hour * 60 + minute}; }

// Parameter numbers of the two layouts, as the format lists them.
struct LayoutRow {
    int count;
    int year, month, day, hour, minute, region, prefix, numberLow, levelLow, samples, sampleMinutes;
    int lastStamps, ringStamps, pointer, loggerType;
};
const LayoutRow kLayouts[] = {
    {163, 5, 6, 7, 9, 10, 12, 13, 14, 16, 18, 19, 58, 28, 0, 0},
    {166, 5, 6, 7, 9, 10, 12, 13, 14, 16, 18, 19, 58, 28, 0, 166},
    {161, 8, 9, 10, 12, 13, 15, 16, 17, 19, 21, 22, 61, 0, 97, 0},
    {164, 8, 9, 10, 12, 13, 15, 16, 17, 19, 21, 22, 61, 0, 97, 164},
};

struct UnitRow {
    const char* code;
    double setupLevelCm;
    int storedLevel;  // sensor units
};
const UnitRow kUnits[] = {{"001", 123, 123}, {"002", 123.4, 1234}, {"003", 123.4, 617}, {"999", 123, 123}};

TEST(LoggerSimRawFile, HeaderAndSetupBlockOfEveryLayoutUnitAndKind) {
    const Hydrograph river;
    for (const LayoutRow& layout : kLayouts) {
        for (const UnitRow& unit : kUnits) {
            for (FileKind kind : {FileKind::Normal, FileKind::Ring, FileKind::Blok}) {
                LoggerFileRecipe recipe;
                recipe.stationId = "20761234";
                recipe.regionCode = "A7c";
                recipe.parameterCount = layout.count;
                recipe.unitCode = unit.code;
                recipe.kind = kind;
                recipe.blockCount = 12;
                recipe.loggerType = kAquifer;
                recipe.samplesPerRecord = 3;
                recipe.minutesBetweenSamples = 5;
                recipe.setup = At(28, 2, 2008, 23, 47);
                recipe.setupLevelCm = unit.setupLevelCm;
                if (kind != FileKind::Normal) recipe.firstRecord = At(2, 3, 2008, 0, 15);
                recipe.readingsUntil = At(4, 3, 2008, 12, 0);
                const std::string file = MakeRawFile(recipe, river);
                SCOPED_TRACE(std::to_string(layout.count) + " " + unit.code + " " +
                             std::to_string(static_cast<int>(kind)));

                EXPECT_EQ(file.substr(0, 4), "VER4");
                EXPECT_EQ(Field(file, 4), kind == FileKind::Blok ? 12 : 0);
                EXPECT_EQ(Field(file, 7), layout.count);
                EXPECT_EQ(file.substr(10, 3), unit.code);
                // Header first-data time: two intervals (2 x 15 minutes) before the first record.
                const bool normal = kind == FileKind::Normal;
                // Normal: set up 23:47, first record 00:15 of 29/02; ring and blok: 00:15 of 02/03.
                EXPECT_EQ(Field(file, 13), 23);
                EXPECT_EQ(Field(file, 16), 45);
                EXPECT_EQ(Field(file, 19), normal ? 28 : 1);
                EXPECT_EQ(Field(file, 22), normal ? 2 : 3);
                EXPECT_EQ(Field(file, 25), 8);

                EXPECT_EQ(BcdParam(file, layout.year), 8);
                EXPECT_EQ(Param(file, layout.month), 0x02);
                EXPECT_EQ(BcdParam(file, layout.day), 28);
                EXPECT_EQ(Param(file, layout.hour), 0x23);
                EXPECT_EQ(Param(file, layout.minute), 0x47);
                EXPECT_EQ(file.substr(28 + 3 * (layout.region - 1), 3), "A7c");
                EXPECT_EQ(Param(file, layout.prefix), 207);
                EXPECT_EQ(Param16(file, layout.numberLow), 61234);
                EXPECT_EQ(Param16(file, layout.levelLow), unit.storedLevel);
                EXPECT_EQ(Param(file, layout.samples), 3);
                EXPECT_EQ(Param(file, layout.sampleMinutes), 5);
                if (layout.loggerType != 0) {
                    EXPECT_EQ(Param(file, layout.loggerType), 0x25);
                }
                const size_t dataStart = 28 + 3 * static_cast<size_t>(layout.count);
                if (layout.pointer != 0) {
                    long pointer = Param(file, layout.pointer + 2) / 2 * 32768L +
                                   Param(file, layout.pointer + 1) * 256L + Param(file, layout.pointer);
                    EXPECT_EQ(dataStart + 3 * static_cast<size_t>(pointer), file.size());
                }
                // Readings up to 12:00 of 04/03, 96 on every full day.
                const int readings = normal ? 4 * 96 + 48 : 2 * 96 + 48;
                const int dayRecords = normal ? 4 : 2;
                EXPECT_EQ(file.size(), dataStart + 6 * static_cast<size_t>(readings) + 24 * dayRecords);
            }
        }
    }
}

TEST(LoggerSimRawFile, WorkedExampleOfTheTimeBase) {
    // Setup 10:07, 2 samples of 5 minutes: the first reading is 10:20; 83 readings and a day
    // record on the first day, a full day of 144 with its record, 9 readings on the third.
    LoggerFileRecipe recipe;
    recipe.samplesPerRecord = 2;
    recipe.minutesBetweenSamples = 5;
    recipe.setup = At(5, 10, 2004, 10, 7);
    recipe.readingsUntil = At(7, 10, 2004, 1, 39);
    const RawFilePlan plan = DescribeRawFile(recipe);
    EXPECT_EQ(plan.firstRecord.minute, 620);
    EXPECT_EQ(plan.readingCount, 83 + 144 + 9);
    EXPECT_EQ(plan.dayRecordCount, 2);
    EXPECT_EQ(plan.dayCount, 2);
    EXPECT_EQ(plan.decoderLastRecord.minute, 90);
    EXPECT_EQ(MakeRawFile(recipe, Hydrograph()).size(), 1981u);
}

TEST(LoggerSimRawFile, FirstRecordAtTheDayBoundaries) {
    struct Row {
        Moment setup;
        int samples, minutes;
        Moment first;  // reading form: 1440 is 24:00
        int firstDayReadings;
    };
    const Row rows[] = {
        {At(1, 1, 2010, 23, 50), 1, 10, {{1, 1, 2010}, 1440}, 1},  // exactly 24:00 stays on the day
        {At(1, 1, 2010, 23, 55), 1, 15, At(2, 1, 2010, 0, 15), 96},
        {At(1, 1, 2010, 0, 0), 2, 30, At(1, 1, 2010, 1, 0), 24},
        {At(31, 12, 2010, 0, 30), 4, 180, {{31, 12, 2010}, 1440}, 1},
    };
    for (const Row& row : rows) {
        LoggerFileRecipe recipe;
        recipe.samplesPerRecord = row.samples;
        recipe.minutesBetweenSamples = row.minutes;
        recipe.setup = row.setup;
        recipe.readingsUntil = ClockMoment(ToMinutes(row.setup) + 3 * kMinutesPerDay);
        const RawFilePlan plan = DescribeRawFile(recipe);
        EXPECT_EQ(FormatMoment(plan.firstRecord), FormatMoment(row.first));
        // The first day record follows the first day's readings: its maximum is at least the
        // 24:00 reading, its hour a clock hour.
        const std::string file = MakeRawFile(recipe, Hydrograph());
        const size_t record = plan.dataStart + 6 * static_cast<size_t>(row.firstDayReadings);
        EXPECT_LE(FromBcd(Field(file, record + 6)), 23);
        EXPECT_GE(Reading(file, record), Reading(file, record - 6));
        EXPECT_LE(Reading(file, record + 12), Reading(file, record - 6));
    }
}

// Walks the data area as the format lays it out and checks every reading against the river,
// every day record against the day's readings.
void CheckDataArea(const LoggerFileRecipe& recipe, const Hydrograph& river, const std::string& file) {
    const RawFilePlan plan = DescribeRawFile(recipe);
    const int interval = plan.recordInterval;
    size_t at = plan.dataStart;
    long long t = ToMinutes(plan.firstRecord);
    int day = 0;
    int dayMax = -1;
    int dayMin = 1 << 20;
    while (at < plan.dataEnd) {
        const int value = Reading(file, at);
        ASSERT_EQ(value, SensorValue(river.LevelCm(t), recipe.unitCode)) << "at " << at;
        dayMax = std::max(dayMax, value);
        dayMin = std::min(dayMin, value);
        at += 6;
        if (t % kMinutesPerDay == 0 && at < plan.dataEnd) {
            const int max = Reading(file, at);
            const int maxHour = FromBcd(Field(file, at + 6));
            const int min = Reading(file, at + 12);
            const int minMinute = FromBcd(Field(file, at + 21));
            const bool faulty = recipe.faultyDays.empty() ||
                                std::count(recipe.faultyDays.begin(), recipe.faultyDays.end(), day) > 0;
            const DayRecordMode mode = faulty ? recipe.dayRecords : DayRecordMode::Agree;
            const int units = StorageUnitsPerCm(recipe.unitCode);
            switch (mode) {
                case DayRecordMode::Agree:
                    EXPECT_GE(max, dayMax);
                    EXPECT_LE(min, dayMin);
                    if (recipe.samplesPerRecord == 1) {
                        EXPECT_EQ(max, dayMax);
                        EXPECT_EQ(min, dayMin);
                    }
                    EXPECT_LE(maxHour, 23);
                    EXPECT_LE(minMinute, 59);
                    break;
                case DayRecordMode::Disagree:
                    EXPECT_LT(max / units, dayMax / units) << "day " << day;
                    EXPECT_GT(min / units, dayMin / units) << "day " << day;
                    break;
                case DayRecordMode::ImpossibleTime:
                    EXPECT_GT(maxHour, 24) << "day " << day;
                    EXPECT_GT(minMinute, 59) << "day " << day;
                    EXPECT_GE(max, dayMax);
                    break;
            }
            at += 24;
            ++day;
            dayMax = -1;
            dayMin = 1 << 20;
        }
        t += interval;
    }
    EXPECT_EQ(at, plan.dataEnd);
    EXPECT_EQ(t - interval, ToMinutes(plan.lastRecord));
}

TEST(LoggerSimRawFile, ReadingsFollowTheRiverAndDayRecordsFollowEach2400Reading) {
    HydrographParams params;
    params.seed = 7;
    params.stormsPerYear = 40;
    const Hydrograph river(params);
    struct Row {
        const char* unit;
        int samples, minutes;
        DayRecordMode mode;
        std::vector<int> faultyDays;
    };
    const Row rows[] = {
        {"001", 1, 10, DayRecordMode::Agree, {}},
        {"002", 3, 5, DayRecordMode::Agree, {}},
        {"003", 2, 30, DayRecordMode::Disagree, {}},
        {"002", 1, 15, DayRecordMode::Disagree, {1, 3}},
        {"001", 4, 15, DayRecordMode::ImpossibleTime, {}},
        {"003", 1, 20, DayRecordMode::ImpossibleTime, {0, 2, 5}},
    };
    for (const Row& row : rows) {
        LoggerFileRecipe recipe;
        recipe.unitCode = row.unit;
        recipe.samplesPerRecord = row.samples;
        recipe.minutesBetweenSamples = row.minutes;
        recipe.dayRecords = row.mode;
        recipe.faultyDays = row.faultyDays;
        recipe.setup = At(10, 4, 2006, 8, 13);
        recipe.readingsUntil = At(18, 4, 2006, 13, 2);
        SCOPED_TRACE(std::string(row.unit) + " " + std::to_string(row.samples) + "x" + std::to_string(row.minutes));
        CheckDataArea(recipe, river, MakeRawFile(recipe, river));
    }
}

TEST(LoggerSimRawFile, ExtremesAtMidnightReadZeroHoursOnTheLoggerClock) {
    // A smooth river rising 5 cm an hour in early March: each day's maximum is its 24:00
    // sample, which the logger clock stamps 00:00; the minimum is the first reading.
    HydrographParams params;
    params.baseLevelCm = 20000;
    params.seasonalAmplitudeCm = 10000;
    params.meltCycleCm = 0;
    params.stormsPerYear = 0;
    params.noiseCm = 0;
    const Hydrograph rising(params);
    LoggerFileRecipe recipe;
    recipe.minutesBetweenSamples = 60;
    recipe.setup = At(1, 3, 2005, 10, 0);
    recipe.readingsUntil = At(3, 3, 2005, 6, 0);
    const std::string file = MakeRawFile(recipe, rising);
    const size_t record = DescribeRawFile(recipe).dataStart + 6 * 14;  // 11:00 to 24:00
    EXPECT_GT(Reading(file, record - 6), Reading(file, record - 12));
    EXPECT_EQ(Reading(file, record), Reading(file, record - 6));
    EXPECT_EQ(Field(file, record + 6), 0);
    EXPECT_EQ(Field(file, record + 9), 0);
    EXPECT_EQ(Field(file, record + 18), 0x11);
    EXPECT_EQ(Field(file, record + 21), 0);
}

TEST(LoggerSimRawFile, Family2EndPointerAndLeftOverMemory) {
    const Hydrograph river;
    for (bool flags : {false, true}) {
        for (int count : {161, 164}) {
            LoggerFileRecipe recipe;
            recipe.parameterCount = count;
            recipe.minutesBetweenSamples = 1;  // 2888 logger bytes a day: the page byte is used
            recipe.setup = At(1, 1, 2007, 0, 0);
            recipe.readingsUntil = At(25, 1, 2007, 7, 7);
            recipe.leftoverBytes = 301;
            recipe.pointerFlagBits = flags;
            const std::string file = MakeRawFile(recipe, river);
            const RawFilePlan plan = DescribeRawFile(recipe);
            const long pointer = (Param(file, 99) & 14) / 2 * 32768L + (Param(file, 98) & 127) * 256L +
                                 Param(file, 97);
            EXPECT_EQ(plan.dataStart + 3 * static_cast<size_t>(pointer), plan.dataEnd);
            EXPECT_GT(pointer, 32768);
            EXPECT_EQ(Param(file, 98) >= 128, flags);
            EXPECT_EQ(Param(file, 99) % 2 == 1, flags);
            EXPECT_EQ(file.size(), plan.dataEnd + 3 * 301);
            for (size_t at = plan.dataEnd; at < file.size(); at += 3) ASSERT_LE(Field(file, at), 255);
        }
    }
}

TEST(LoggerSimRawFile, TimeStampListsAndEmptyEntries) {
    const Hydrograph river;
    LoggerFileRecipe recipe;
    recipe.parameterCount = 166;
    recipe.kind = FileKind::Ring;
    recipe.setup = At(1, 3, 2009, 9, 0);
    recipe.firstRecord = At(20, 3, 2009, 6, 0);
    recipe.readingsUntil = At(26, 3, 2009, 0, 0);  // last reading 24:00, 00:00 on the clock
    std::string file = MakeRawFile(recipe, river);
    // Ring entry 1: year, month, day, -, hour, minute.
    EXPECT_EQ(BcdParam(file, 28), 9);
    EXPECT_EQ(BcdParam(file, 29), 3);
    EXPECT_EQ(BcdParam(file, 30), 20);
    EXPECT_EQ(BcdParam(file, 32), 6);
    EXPECT_EQ(BcdParam(file, 33), 0);
    // Last-record entry 1: day, month, year, -, hour, minute.
    EXPECT_EQ(BcdParam(file, 58), 26);
    EXPECT_EQ(BcdParam(file, 59), 3);
    EXPECT_EQ(BcdParam(file, 60), 9);
    EXPECT_EQ(BcdParam(file, 62), 0);
    EXPECT_EQ(BcdParam(file, 63), 0);
    for (int entry = 2; entry <= 5; ++entry) {
        EXPECT_EQ(Param(file, 28 + 6 * (entry - 1)), 255);
        EXPECT_EQ(Param(file, 58 + 6 * (entry - 1)), 255);
    }

    recipe.kind = FileKind::Normal;
    recipe.firstRecord.reset();
    recipe.parameterCount = 161;
    recipe.lastRecordStamps = std::vector<Moment>{At(1, 1, 2009, 1, 2), At(2, 2, 2010, 3, 4), At(3, 3, 2011, 5, 6)};
    file = MakeRawFile(recipe, river);
    EXPECT_EQ(BcdParam(file, 61 + 12), 3);
    EXPECT_EQ(BcdParam(file, 61 + 12 + 2), 11);
    EXPECT_EQ(BcdParam(file, 61 + 12 + 5), 6);
    EXPECT_EQ(Param(file, 61 + 18), 255);
}

TEST(LoggerSimRawFile, FileEnds) {
    const Hydrograph river;
    LoggerFileRecipe recipe;
    recipe.setup = At(1, 6, 2005, 10, 0);
    // Only the setup block: read out before the first reading.
    recipe.readingsUntil = At(1, 6, 2005, 10, 5);
    EXPECT_EQ(MakeRawFile(recipe, river).size(), 28u + 3 * 163);
    EXPECT_EQ(FormatMoment(DescribeRawFile(recipe).decoderLastRecord), "01/06/2005 10:00");
    // Ending on a 24:00 reading with its day record, and without it.
    recipe.readingsUntil = At(2, 6, 2005, 0, 5);
    RawFilePlan plan = DescribeRawFile(recipe);
    EXPECT_EQ(plan.dayRecordCount, 1);
    EXPECT_EQ(FormatMoment(plan.lastRecord), "01/06/2005 24:00");
    EXPECT_EQ(FormatMoment(plan.decoderLastRecord), "02/06/2005 00:00");
    EXPECT_EQ(plan.dayCount, 1);
    recipe.dayRecordAfterLastReading = false;
    plan = DescribeRawFile(recipe);
    EXPECT_EQ(plan.dayRecordCount, 0);
    EXPECT_EQ(plan.dayCount, 0);
    EXPECT_EQ(MakeRawFile(recipe, river).size(), 28u + 3 * 163 + 6 * 84);
}

TEST(LoggerSimRawFile, FaultsOfTheHeaderAndTheBlock) {
    const Hydrograph river;
    LoggerFileRecipe recipe;
    recipe.kind = FileKind::Blok;
    recipe.setup = At(1, 6, 2005, 10, 0);
    recipe.firstRecord = At(3, 6, 2005, 12, 0);
    recipe.readingsUntil = At(4, 6, 2005, 12, 0);
    recipe.headerDateUnknown = true;
    recipe.versionMarker = "VER3";
    recipe.storedSetup = At(9, 9, 2009, 9, 9);
    std::string file = MakeRawFile(recipe, river);
    EXPECT_EQ(file.substr(0, 4), "VER3");
    EXPECT_EQ(file.substr(13, 15), std::string(15, '0'));
    EXPECT_EQ(BcdParam(file, 7), 9);
    EXPECT_EQ(BcdParam(file, 10), 9);

    // A count that is none of the four gets filler and no layout, and the data follow.
    recipe = LoggerFileRecipe();
    recipe.parameterCount = 150;
    file = MakeRawFile(recipe, river);
    EXPECT_EQ(Field(file, 7), 150);
    EXPECT_EQ(DescribeRawFile(recipe).dataStart, 28u + 3 * 150);
    for (int n = 1; n <= 150; ++n) EXPECT_LT(Param(file, n), 255);

    // A late start: the data begin two intervals after the time the setup implies.
    recipe = LoggerFileRecipe();
    recipe.firstRecordShift = 2;
    EXPECT_EQ(DescribeRawFile(recipe).firstRecord.minute, 10 * 60 + 40);

    // Poking a field the simulator would not write.
    PokeParameter(file, 5, 101);
    EXPECT_EQ(Param(file, 5), 101);
    EXPECT_THROW(PokeField(file, file.size() - 2, 1), std::out_of_range);
}

TEST(LoggerSimRawFile, SpecsTheLoggerCannotWriteAreRefused) {
    struct Row {
        const char* what;
        void (*change)(LoggerFileRecipe&);
    };
    const Row rows[] = {
        {"interval 7", [](LoggerFileRecipe& s) { s.minutesBetweenSamples = 7; }},
        {"prefix 300", [](LoggerFileRecipe& s) { s.stationId = "30012345"; }},
        {"number 70000", [](LoggerFileRecipe& s) { s.stationId = "12370000"; }},
        {"year 1999", [](LoggerFileRecipe& s) { s.setup = At(1, 1, 1999, 0, 0); }},
        {"31 April", [](LoggerFileRecipe& s) { s.setup = At(31, 4, 2005, 0, 0); }},
        {"leftover in family 1", [](LoggerFileRecipe& s) { s.leftoverBytes = 3; }},
        {"ring without first", [](LoggerFileRecipe& s) { s.kind = FileKind::Ring; }},
        {"first off grid",
         [](LoggerFileRecipe& s) {
             s.kind = FileKind::Blok;
             s.firstRecord = At(6, 10, 2004, 10, 5);
         }},
        {"first before setup",
         [](LoggerFileRecipe& s) {
             s.kind = FileKind::Ring;
             s.firstRecord = At(1, 10, 2004, 10, 0);
         }},
        {"pointer overflow",
         [](LoggerFileRecipe& s) {
             s.parameterCount = 164;
             s.minutesBetweenSamples = 1;
             s.readingsUntil = At(1, 3, 2005, 0, 0);
         }},
        {"six stamps", [](LoggerFileRecipe& s) { s.lastRecordStamps = std::vector<Moment>(6, s.setup); }},
        {"setup level", [](LoggerFileRecipe& s) { s.setupLevelCm = 7000, s.unitCode = "002"; }},
    };
    for (const Row& row : rows) {
        LoggerFileRecipe recipe;
        row.change(recipe);
        EXPECT_NE(CheckRecipe(recipe), "") << row.what;
        EXPECT_THROW(MakeRawFile(recipe, Hydrograph()), std::invalid_argument) << row.what;
    }
    EXPECT_EQ(CheckRecipe(LoggerFileRecipe()), "");
}

TEST(LoggerSimRawFile, Names) {
    LoggerFileRecipe recipe;
    EXPECT_EQ(RawFileName(recipe), "12345678001.04M");
    recipe.order = 12;
    recipe.kind = FileKind::Ring;
    recipe.readingsUntil = At(31, 12, 2004, 23, 59);
    EXPECT_EQ(RawFileName(recipe), "12345678012.04R");
    recipe.kindLetter = 'r';
    recipe.readout = At(2, 1, 2005, 10, 0);  // a stopped logger read out in the new year
    EXPECT_EQ(RawFileName(recipe), "12345678012.05r");
}

TEST(LoggerSimRawFile, SameSeedSameBytesAndOverlappingFilesAgree) {
    HydrographParams params;
    params.seed = 42;
    const Hydrograph river(params);
    const Hydrograph sameRiver(params);
    params.seed = 43;
    const Hydrograph otherRiver(params);
    LoggerFileRecipe shorter;
    shorter.setup = At(3, 3, 2003, 11, 11);
    shorter.readingsUntil = At(20, 3, 2003, 9, 0);
    LoggerFileRecipe longer = shorter;
    longer.readingsUntil = At(2, 5, 2003, 9, 0);
    const std::string a = MakeRawFile(shorter, river);
    EXPECT_EQ(a, MakeRawFile(shorter, sameRiver));
    EXPECT_NE(a, MakeRawFile(shorter, otherRiver));
    // The file read out later repeats the earlier one's memory byte for byte (the setup
    // block differs only in its last-record stamp).
    const std::string b = MakeRawFile(longer, river);
    const size_t dataStart = DescribeRawFile(shorter).dataStart;
    EXPECT_EQ(b.compare(dataStart, a.size() - dataStart, a, dataStart), 0);
}

}  // namespace
}  // namespace kovu3::sim
