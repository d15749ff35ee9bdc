// Simulated files of every layout, unit and kind, decoded by the program's decoder: what it
// reports must be what the simulator was told to write.

#include <gtest/gtest.h>

#include <cstdio>
#include <map>

#include "loggersim/additional_info_writer.h"
#include "loggersim/raw_file_writer.h"
#include "rawfile/raw_decoder.h"
#include "rawfile/raw_reading.h"
#include "shell/language_texts.h"
#include "support/test_folder.h"

namespace kovu3::sim {
namespace {

Moment At(int day, int month, int year, int hour, int minute) { return {{day, month, year}, hour * 60 + minute}; }

ProgramSettings TurkishSettings(const std::filesystem::path& dataFolder) {
    ProgramSettings settings;
    settings.DataDirectory = dataFolder.string() + "/";
    settings.Options[21] = "TURKCE";
    ApplyCalendar(settings.calendar, "TURKCE");
    ApplyLanguage(settings.texts, "TURKCE");
    return settings;
}

std::string Stamp(const Moment& moment) {
    const Moment clock = ClockMoment(ToMinutes(moment));
    char text[32];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d %02d:%02d", clock.date.year, clock.date.month,
                  clock.date.day, clock.minute / 60, clock.minute % 60);
    return text;
}

// Writes the file and decodes it; the name is the simulator's.
RawFileResult Decode(const test::TestFolder& folder, const LoggerFileRecipe& recipe, const Hydrograph& river) {
    folder.Write(RawFileName(recipe), MakeRawFile(recipe, river));
    return ReadRawFile(RawFileName(recipe), TurkishSettings(folder.path()));
}

void ExpectTimeBase(const RawFileResult& decoded, const RawFilePlan& plan) {
    const RawTimeBase& time = decoded.timeBase;
    EXPECT_EQ(time.RecordInterval, plan.recordInterval);
    EXPECT_EQ(time.FirstRecordDate, FormatDateOnly(plan.firstRecord.date));
    EXPECT_EQ(time.FirstRecordMinute, plan.firstRecord.minute);
    EXPECT_EQ(time.LastRecordDate, FormatDateOnly(plan.decoderLastRecord.date));
    EXPECT_EQ(time.LastRecordMinute, plan.decoderLastRecord.minute);
    EXPECT_EQ(time.DayCount, plan.dayCount);
    EXPECT_EQ(decoded.setup.DataStart, plan.dataStart);
    EXPECT_EQ(decoded.setup.DataEnd, plan.dataEnd);
}

// Every ordinary reading the decoder's walk hands out is the river's stage at its time; a
// day record follows every closing 24:00 reading.
void ExpectReadings(const RawFileResult& decoded, const LoggerFileRecipe& recipe, const RawFilePlan& plan,
                    const Hydrograph& river) {
    RawReadingWalker walker(decoded);
    RawReading reading;
    const long long firstDay = DaysFromGregorian(plan.firstRecord.date);
    int ordinary = 0;
    int maxima = 0;
    int dayMax = -1;
    while (walker.Next(reading)) {
        if (reading.kind == RawReadingKind::Ordinary) {
            const long long minute = (firstDay + reading.dayOffset) * kMinutesPerDay + reading.minuteOfDay;
            const int expected = SensorValue(river.LevelCm(minute), recipe.unitCode);
            ASSERT_EQ(reading.value, expected) << "reading " << ordinary;
            EXPECT_EQ(reading.level, DecodedLevelCm(expected, recipe.unitCode));
            dayMax = std::max(dayMax, reading.value);
            ++ordinary;
        } else if (reading.kind == RawReadingKind::DayMaximum) {
            EXPECT_GE(reading.value, dayMax);
            EXPECT_LT(reading.minuteOfDay, kMinutesPerDay);
            dayMax = -1;
            ++maxima;
        }
    }
    EXPECT_FALSE(walker.EndedInsideRecord());
    EXPECT_EQ(ordinary, plan.readingCount);
    EXPECT_EQ(maxima, plan.dayRecordCount);
}

struct UnitRow {
    const char* code;
    const char* text;
    double factor;
};
const UnitRow kUnits[] = {{"001", "1cm", 1}, {"002", "1mm", 0.1}, {"003", "2mm", 0.2}, {"999", "", 0}};

TEST(LoggerSimRoundTrip, EveryLayoutUnitAndKindDecodesAsGenerated) {
    test::TestFolder folder;
    HydrographParams params;
    params.seed = 11;
    const Hydrograph river(params);
    const std::pair<int, int> intervals[] = {{1, 10}, {2, 5}, {3, 5}, {1, 30}};
    const std::map<int, std::string> loggerTypes{{kOpticalEncoder, "Optik Kodlu"},
                                                 {kPressureSensor, "Basınç Sensörlü"},
                                                 {kAquifer, "Akifer"}};
    int variant = 0;
    for (int count : {161, 163, 164, 166}) {
        for (const UnitRow& unit : kUnits) {
            for (FileKind kind : {FileKind::Normal, FileKind::Ring, FileKind::Blok}) {
                ++variant;
                LoggerFileRecipe recipe;
                recipe.stationId = "10400321";
                recipe.order = variant;
                recipe.parameterCount = count;
                recipe.unitCode = unit.code;
                recipe.kind = kind;
                recipe.blockCount = 3;
                recipe.regionCode = "017";
                recipe.loggerType = variant % 3 == 0 ? kOpticalEncoder : variant % 3 == 1 ? kPressureSensor : kAquifer;
                recipe.samplesPerRecord = intervals[variant % 4].first;
                recipe.minutesBetweenSamples = intervals[variant % 4].second;
                recipe.setup = At(25, 9, 2004, 8 + variant % 5, 7 * variant % 60);
                recipe.setupLevelCm = 87.6;
                if (kind != FileKind::Normal) recipe.firstRecord = At(27, 9, 2004, 23, 30);
                recipe.readingsUntil = At(4, 10, 2004, 9, 41);
                if (count == 161 || count == 164) {
                    recipe.leftoverBytes = 100 + variant;
                    recipe.pointerFlagBits = variant % 2 == 0;
                }
                SCOPED_TRACE(RawFileName(recipe) + " " + std::to_string(count) + " " + unit.code);
                const RawFilePlan plan = DescribeRawFile(recipe);
                const RawFileResult decoded = Decode(folder, recipe, river);
                ASSERT_EQ(decoded.errorText, "");
                const SetupParameters& setup = decoded.setup;
                EXPECT_EQ(setup.VersionMarker, "VER4");
                EXPECT_EQ(setup.ParameterCount, count);
                EXPECT_EQ(setup.FormatFamily, plan.family);
                EXPECT_EQ(setup.BlockCount, kind == FileKind::Blok ? 3 : 0);
                EXPECT_EQ(setup.RecordKind,
                          kind == FileKind::Normal ? "Normal" : kind == FileKind::Ring ? "Ring" : "Blok");
                EXPECT_EQ(setup.UnitText, unit.text);
                EXPECT_DOUBLE_EQ(setup.UnitFactor, unit.factor);
                EXPECT_EQ(setup.RegionCode, "017");
                EXPECT_EQ(setup.StationKey, "104-00321");
                EXPECT_EQ(setup.SetupLevelUnits, SensorValue(87.6, unit.code));
                EXPECT_EQ(setup.SetupDate, FormatDateOnly(recipe.setup.date));
                EXPECT_EQ(setup.SetupHour * 60 + setup.SetupMinute, recipe.setup.minute);
                EXPECT_EQ(setup.SampleCount, recipe.samplesPerRecord);
                EXPECT_EQ(setup.SampleInterval, recipe.minutesBetweenSamples);
                EXPECT_EQ(setup.BatteryChanged, plan.family == 2 ? "Evet" : "Hayır");
                EXPECT_EQ(setup.LoggerType,
                          count == 164 || count == 166 ? loggerTypes.at(recipe.loggerType) : "Optik Kodlu");
                EXPECT_EQ(setup.LastRecordStamps, std::vector<std::string>{Stamp(plan.lastRecord)});
                const bool ringList = kind == FileKind::Ring && plan.family == 1;
                EXPECT_EQ(setup.RingStamps,
                          ringList ? std::vector<std::string>{Stamp(plan.firstRecord)} : std::vector<std::string>{});
                if (kind != FileKind::Normal) {
                    EXPECT_EQ(setup.HeaderFirstDate, "27/09/2004");
                }
                ExpectTimeBase(decoded, plan);
                EXPECT_EQ(decoded.timeBase.WaterYear, 2004);
                EXPECT_EQ(decoded.timeBase.LastWaterYear, 2005);
                ExpectReadings(decoded, recipe, plan, river);
            }
        }
    }
}

TEST(LoggerSimRoundTrip, FileEndsAndDayBoundaries) {
    test::TestFolder folder;
    const Hydrograph river;
    struct Row {
        Moment setup;
        int minutes;
        Moment until;
        bool dayRecordAfterLast;
    };
    const Row rows[] = {
        {At(1, 1, 2010, 23, 50), 10, At(3, 1, 2010, 4, 0), true},     // first record 24:00
        {At(1, 1, 2010, 23, 55), 15, At(3, 1, 2010, 4, 0), true},     // first record 00:15 next day
        {At(1, 1, 2010, 10, 0), 10, At(2, 1, 2010, 0, 0), true},      // ends after a day record
        {At(1, 1, 2010, 10, 0), 10, At(2, 1, 2010, 0, 0), false},     // ends on the 24:00 reading
        {At(1, 1, 2010, 10, 0), 10, At(1, 1, 2010, 17, 3), true},     // ends on its first day
        {At(30, 9, 2010, 22, 0), 1, At(1, 10, 2010, 1, 0), true},     // across a water year
    };
    int order = 0;
    for (const Row& row : rows) {
        LoggerFileRecipe recipe;
        recipe.order = ++order;
        recipe.minutesBetweenSamples = row.minutes;
        recipe.setup = row.setup;
        recipe.readingsUntil = row.until;
        recipe.dayRecordAfterLastReading = row.dayRecordAfterLast;
        SCOPED_TRACE(order);
        const RawFileResult decoded = Decode(folder, recipe, river);
        ASSERT_EQ(decoded.errorText, "");
        ExpectTimeBase(decoded, DescribeRawFile(recipe));
        ExpectReadings(decoded, recipe, DescribeRawFile(recipe), river);
    }
}

TEST(LoggerSimRoundTrip, FaultsAndTheirCorrections) {
    test::TestFolder folder;
    const Hydrograph river;
    auto decode = [&](const LoggerFileRecipe& recipe) { return Decode(folder, recipe, river); };
    LoggerFileRecipe recipe;

    // Only the setup block.
    recipe.readingsUntil = At(5, 10, 2004, 10, 15);
    EXPECT_EQ(decode(recipe).errorText, "Dosyada Sadece SETUP PAR. var");
    ExpectTimeBase(decode(recipe), DescribeRawFile(recipe));

    recipe = LoggerFileRecipe();
    recipe.versionMarker = "VER3";
    EXPECT_EQ(decode(recipe).errorText, "Version Hatasi");

    recipe = LoggerFileRecipe();
    recipe.parameterCount = 150;
    EXPECT_EQ(decode(recipe).errorText, "Parametre Sayısı Hatalı");

    recipe = LoggerFileRecipe();
    recipe.kind = FileKind::Blok;
    recipe.firstRecord = At(7, 10, 2004, 6, 0);
    recipe.headerDateUnknown = true;
    EXPECT_EQ(decode(recipe).errorText, "İlk verinin zamanı ve tarihi belirsiz.");

    // A wrong logger clock, put right by Tarih0 with the true setup date and time.
    recipe = LoggerFileRecipe();
    recipe.order = 7;
    recipe.storedSetup = At(1, 1, 2004, 0, 0);
    const std::filesystem::path raw = folder / RawFileName(recipe);
    folder.Write(RawFileName(recipe), MakeRawFile(recipe, river));
    AdditionalInfo info;
    info.setupCorrection = FormatMoment(recipe.setup);
    ASSERT_EQ(WriteAdditionalInfo(raw, info), "");
    RawFileResult decoded = ReadRawFile(RawFileName(recipe), TurkishSettings(folder.path()));
    EXPECT_TRUE(decoded.panel.setupDateRed);
    ExpectTimeBase(decoded, DescribeRawFile(recipe));

    // A late start, put right by a line of OzelDosyalar.txt.
    recipe = LoggerFileRecipe();
    recipe.order = 8;
    recipe.firstRecordShift = -1;
    ASSERT_EQ(WriteShiftList(folder.path(), {{RawFileName(recipe), -1}}), "");
    decoded = decode(recipe);
    ExpectTimeBase(decoded, DescribeRawFile(recipe));
    ExpectReadings(decoded, recipe, DescribeRawFile(recipe), river);

    // Ngun replaces the day count; ExtremDuzelt the policy.
    recipe = LoggerFileRecipe();
    recipe.order = 9;
    folder.Write(RawFileName(recipe), MakeRawFile(recipe, river));
    info = AdditionalInfo();
    info.dayCount = 40;
    info.extremesPolicy = 0;
    ASSERT_EQ(WriteAdditionalInfo(folder / RawFileName(recipe), info), "");
    decoded = ReadRawFile(RawFileName(recipe), TurkishSettings(folder.path()));
    EXPECT_EQ(decoded.timeBase.DayCount, 40);
    EXPECT_TRUE(decoded.panel.dayCountRed);
    EXPECT_EQ(decoded.timeBase.ExtremesPolicy, 0);

    // A file name without the station identifier.
    recipe = LoggerFileRecipe();
    folder.Write("99999999001.04M", MakeRawFile(recipe, river));
    EXPECT_EQ(ReadRawFile("99999999001.04M", TurkishSettings(folder.path())).errorText, "Hatali Dosya Adi");
}

}  // namespace
}  // namespace kovu3::sim
