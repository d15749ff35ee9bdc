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
                LoggerFileSpec spec;
                spec.stationId = "20761234";
                spec.regionCode = "A7c";
                spec.parameterCount = layout.count;
                spec.unitCode = unit.code;
                spec.kind = kind;
                spec.blockCount = 12;
                spec.loggerType = kAquifer;
                spec.samplesPerRecord = 3;
                spec.minutesBetweenSamples = 5;
                spec.setup = At(28, 2, 2008, 23, 47);
                spec.setupLevelCm = unit.setupLevelCm;
                if (kind != FileKind::Normal) spec.firstRecord = At(2, 3, 2008, 0, 15);
                spec.readingsUntil = At(4, 3, 2008, 12, 0);
                const std::string file = MakeRawFile(spec, river);
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
    LoggerFileSpec spec;
    spec.samplesPerRecord = 2;
    spec.minutesBetweenSamples = 5;
    spec.setup = At(5, 10, 2004, 10, 7);
    spec.readingsUntil = At(7, 10, 2004, 1, 39);
    const RawFilePlan plan = DescribeRawFile(spec);
    EXPECT_EQ(plan.firstRecord.minute, 620);
    EXPECT_EQ(plan.readingCount, 83 + 144 + 9);
    EXPECT_EQ(plan.dayRecordCount, 2);
    EXPECT_EQ(plan.dayCount, 2);
    EXPECT_EQ(plan.decoderLastRecord.minute, 90);
    EXPECT_EQ(MakeRawFile(spec, Hydrograph()).size(), 1981u);
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
        LoggerFileSpec spec;
        spec.samplesPerRecord = row.samples;
        spec.minutesBetweenSamples = row.minutes;
        spec.setup = row.setup;
        spec.readingsUntil = ClockMoment(ToMinutes(row.setup) + 3 * kMinutesPerDay);
        const RawFilePlan plan = DescribeRawFile(spec);
        EXPECT_EQ(FormatMoment(plan.firstRecord), FormatMoment(row.first));
        // The first day record follows the first day's readings: its maximum is at least the
        // 24:00 reading, its hour a clock hour.
        const std::string file = MakeRawFile(spec, Hydrograph());
        const size_t record = plan.dataStart + 6 * static_cast<size_t>(row.firstDayReadings);
        EXPECT_LE(FromBcd(Field(file, record + 6)), 23);
        EXPECT_GE(Reading(file, record), Reading(file, record - 6));
        EXPECT_LE(Reading(file, record + 12), Reading(file, record - 6));
    }
}

// Walks the data area as the format lays it out and checks every reading against the river,
// every day record against the day's readings.
void CheckDataArea(const LoggerFileSpec& spec, const Hydrograph& river, const std::string& file) {
    const RawFilePlan plan = DescribeRawFile(spec);
    const int interval = plan.recordInterval;
    size_t at = plan.dataStart;
    long long t = ToMinutes(plan.firstRecord);
    int day = 0;
    int dayMax = -1;
    int dayMin = 1 << 20;
    while (at < plan.dataEnd) {
        const int value = Reading(file, at);
        ASSERT_EQ(value, SensorValue(river.LevelCm(t), spec.unitCode)) << "at " << at;
        dayMax = std::max(dayMax, value);
        dayMin = std::min(dayMin, value);
        at += 6;
        if (t % kMinutesPerDay == 0 && at < plan.dataEnd) {
            const int max = Reading(file, at);
            const int maxHour = FromBcd(Field(file, at + 6));
            const int min = Reading(file, at + 12);
            const int minMinute = FromBcd(Field(file, at + 21));
            const bool faulty = spec.faultyDays.empty() ||
                                std::count(spec.faultyDays.begin(), spec.faultyDays.end(), day) > 0;
            const DayRecordMode mode = faulty ? spec.dayRecords : DayRecordMode::Agree;
            const int units = StorageUnitsPerCm(spec.unitCode);
            switch (mode) {
                case DayRecordMode::Agree:
                    EXPECT_GE(max, dayMax);
                    EXPECT_LE(min, dayMin);
                    if (spec.samplesPerRecord == 1) {
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
        LoggerFileSpec spec;
        spec.unitCode = row.unit;
        spec.samplesPerRecord = row.samples;
        spec.minutesBetweenSamples = row.minutes;
        spec.dayRecords = row.mode;
        spec.faultyDays = row.faultyDays;
        spec.setup = At(10, 4, 2006, 8, 13);
        spec.readingsUntil = At(18, 4, 2006, 13, 2);
        SCOPED_TRACE(std::string(row.unit) + " " + std::to_string(row.samples) + "x" + std::to_string(row.minutes));
        CheckDataArea(spec, river, MakeRawFile(spec, river));
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
    LoggerFileSpec spec;
    spec.minutesBetweenSamples = 60;
    spec.setup = At(1, 3, 2005, 10, 0);
    spec.readingsUntil = At(3, 3, 2005, 6, 0);
    const std::string file = MakeRawFile(spec, rising);
    const size_t record = DescribeRawFile(spec).dataStart + 6 * 14;  // 11:00 to 24:00
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
            LoggerFileSpec spec;
            spec.parameterCount = count;
            spec.minutesBetweenSamples = 1;  // 2888 logger bytes a day: the page byte is used
            spec.setup = At(1, 1, 2007, 0, 0);
            spec.readingsUntil = At(25, 1, 2007, 7, 7);
            spec.leftoverBytes = 301;
            spec.pointerFlagBits = flags;
            const std::string file = MakeRawFile(spec, river);
            const RawFilePlan plan = DescribeRawFile(spec);
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
    LoggerFileSpec spec;
    spec.parameterCount = 166;
    spec.kind = FileKind::Ring;
    spec.setup = At(1, 3, 2009, 9, 0);
    spec.firstRecord = At(20, 3, 2009, 6, 0);
    spec.readingsUntil = At(26, 3, 2009, 0, 0);  // last reading 24:00, 00:00 on the clock
    std::string file = MakeRawFile(spec, river);
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

    spec.kind = FileKind::Normal;
    spec.firstRecord.reset();
    spec.parameterCount = 161;
    spec.lastRecordStamps = std::vector<Moment>{At(1, 1, 2009, 1, 2), At(2, 2, 2010, 3, 4), At(3, 3, 2011, 5, 6)};
    file = MakeRawFile(spec, river);
    EXPECT_EQ(BcdParam(file, 61 + 12), 3);
    EXPECT_EQ(BcdParam(file, 61 + 12 + 2), 11);
    EXPECT_EQ(BcdParam(file, 61 + 12 + 5), 6);
    EXPECT_EQ(Param(file, 61 + 18), 255);
}

TEST(LoggerSimRawFile, FileEnds) {
    const Hydrograph river;
    LoggerFileSpec spec;
    spec.setup = At(1, 6, 2005, 10, 0);
    // Only the setup block: read out before the first reading.
    spec.readingsUntil = At(1, 6, 2005, 10, 5);
    EXPECT_EQ(MakeRawFile(spec, river).size(), 28u + 3 * 163);
    EXPECT_EQ(FormatMoment(DescribeRawFile(spec).decoderLastRecord), "01/06/2005 10:00");
    // Ending on a 24:00 reading with its day record, and without it.
    spec.readingsUntil = At(2, 6, 2005, 0, 5);
    RawFilePlan plan = DescribeRawFile(spec);
    EXPECT_EQ(plan.dayRecordCount, 1);
    EXPECT_EQ(FormatMoment(plan.lastRecord), "01/06/2005 24:00");
    EXPECT_EQ(FormatMoment(plan.decoderLastRecord), "02/06/2005 00:00");
    EXPECT_EQ(plan.dayCount, 1);
    spec.dayRecordAfterLastReading = false;
    plan = DescribeRawFile(spec);
    EXPECT_EQ(plan.dayRecordCount, 0);
    EXPECT_EQ(plan.dayCount, 0);
    EXPECT_EQ(MakeRawFile(spec, river).size(), 28u + 3 * 163 + 6 * 84);
}

TEST(LoggerSimRawFile, FaultsOfTheHeaderAndTheBlock) {
    const Hydrograph river;
    LoggerFileSpec spec;
    spec.kind = FileKind::Blok;
    spec.setup = At(1, 6, 2005, 10, 0);
    spec.firstRecord = At(3, 6, 2005, 12, 0);
    spec.readingsUntil = At(4, 6, 2005, 12, 0);
    spec.headerDateUnknown = true;
    spec.versionMarker = "VER3";
    spec.storedSetup = At(9, 9, 2009, 9, 9);
    std::string file = MakeRawFile(spec, river);
    EXPECT_EQ(file.substr(0, 4), "VER3");
    EXPECT_EQ(file.substr(13, 15), std::string(15, '0'));
    EXPECT_EQ(BcdParam(file, 7), 9);
    EXPECT_EQ(BcdParam(file, 10), 9);

    // A count that is none of the four gets filler and no layout, and the data follow.
    spec = LoggerFileSpec();
    spec.parameterCount = 150;
    file = MakeRawFile(spec, river);
    EXPECT_EQ(Field(file, 7), 150);
    EXPECT_EQ(DescribeRawFile(spec).dataStart, 28u + 3 * 150);
    for (int n = 1; n <= 150; ++n) EXPECT_LT(Param(file, n), 255);

    // A late start: the data begin two intervals after the time the setup implies.
    spec = LoggerFileSpec();
    spec.firstRecordShift = 2;
    EXPECT_EQ(DescribeRawFile(spec).firstRecord.minute, 10 * 60 + 40);

    // Poking a field the simulator would not write.
    PokeParameter(file, 5, 101);
    EXPECT_EQ(Param(file, 5), 101);
    EXPECT_THROW(PokeField(file, file.size() - 2, 1), std::out_of_range);
}

TEST(LoggerSimRawFile, SpecsTheLoggerCannotWriteAreRefused) {
    struct Row {
        const char* what;
        void (*change)(LoggerFileSpec&);
    };
    const Row rows[] = {
        {"interval 7", [](LoggerFileSpec& s) { s.minutesBetweenSamples = 7; }},
        {"prefix 300", [](LoggerFileSpec& s) { s.stationId = "30012345"; }},
        {"number 70000", [](LoggerFileSpec& s) { s.stationId = "12370000"; }},
        {"year 1999", [](LoggerFileSpec& s) { s.setup = At(1, 1, 1999, 0, 0); }},
        {"31 April", [](LoggerFileSpec& s) { s.setup = At(31, 4, 2005, 0, 0); }},
        {"leftover in family 1", [](LoggerFileSpec& s) { s.leftoverBytes = 3; }},
        {"ring without first", [](LoggerFileSpec& s) { s.kind = FileKind::Ring; }},
        {"first off grid",
         [](LoggerFileSpec& s) {
             s.kind = FileKind::Blok;
             s.firstRecord = At(6, 10, 2004, 10, 5);
         }},
        {"first before setup",
         [](LoggerFileSpec& s) {
             s.kind = FileKind::Ring;
             s.firstRecord = At(1, 10, 2004, 10, 0);
         }},
        {"pointer overflow",
         [](LoggerFileSpec& s) {
             s.parameterCount = 164;
             s.minutesBetweenSamples = 1;
             s.readingsUntil = At(1, 3, 2005, 0, 0);
         }},
        {"six stamps", [](LoggerFileSpec& s) { s.lastRecordStamps = std::vector<Moment>(6, s.setup); }},
        {"setup level", [](LoggerFileSpec& s) { s.setupLevelCm = 7000, s.unitCode = "002"; }},
    };
    for (const Row& row : rows) {
        LoggerFileSpec spec;
        row.change(spec);
        EXPECT_NE(CheckSpec(spec), "") << row.what;
        EXPECT_THROW(MakeRawFile(spec, Hydrograph()), std::invalid_argument) << row.what;
    }
    EXPECT_EQ(CheckSpec(LoggerFileSpec()), "");
}

TEST(LoggerSimRawFile, Names) {
    LoggerFileSpec spec;
    EXPECT_EQ(RawFileName(spec), "12345678001.04M");
    spec.order = 12;
    spec.kind = FileKind::Ring;
    spec.readingsUntil = At(31, 12, 2004, 23, 59);
    EXPECT_EQ(RawFileName(spec), "12345678012.04R");
    spec.kindLetter = 'r';
    spec.readout = At(2, 1, 2005, 10, 0);  // a stopped logger read out in the new year
    EXPECT_EQ(RawFileName(spec), "12345678012.05r");
}

TEST(LoggerSimRawFile, SameSeedSameBytesAndOverlappingFilesAgree) {
    HydrographParams params;
    params.seed = 42;
    const Hydrograph river(params);
    const Hydrograph sameRiver(params);
    params.seed = 43;
    const Hydrograph otherRiver(params);
    LoggerFileSpec shorter;
    shorter.setup = At(3, 3, 2003, 11, 11);
    shorter.readingsUntil = At(20, 3, 2003, 9, 0);
    LoggerFileSpec longer = shorter;
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
