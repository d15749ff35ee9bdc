#include "rawfile/raw_decoder.h"

#include <gtest/gtest.h>

#include <random>

#include "rawfile/raw_image_builder.h"
#include "rawfile/raw_problems.h"
#include "support/test_folder.h"

namespace kovu3 {
namespace {

using test::RawImageBuilder;

constexpr const char* kName = "12345678001.05M";

RawFileResult Decode(const test::TestFolder& folder, const std::string& bytes,
                     const std::string& name = kName, std::string_view language = "TURKCE") {
    folder.Write(name, bytes);
    return ReadRawFile(name, test::SettingsFor(folder.path(), language));
}

bool Lists(const std::vector<std::string>& list, const std::string& text) {
    return std::find(list.begin(), list.end(), text) != list.end();
}

// Setup at 10:07, 2 samples of 5 minutes, 163 parameters: 83 readings on the first day
// (10:20 to 24:00) with the day record, one full day, 9 readings on the third day.
TEST(RawDecoder, WorkedExample) {
    test::TestFolder folder;
    std::string bytes = RawImageBuilder(163).Walk(620, 10, 83 + 144 + 9).Bytes();
    ASSERT_EQ(bytes.size(), 1981u);
    RawFileResult r = Decode(folder, bytes);
    const SetupParameters& s = r.setup;
    const RawTimeBase& t = r.timeBase;
    EXPECT_EQ(r.errorText, "");
    EXPECT_TRUE(r.ListOnemliHatalar.empty());
    EXPECT_FALSE(r.showImportantProblems);
    EXPECT_EQ(s.VersionMarker, "VER4");
    EXPECT_EQ(s.RecordKind, "Normal");
    EXPECT_EQ(s.FormatFamily, 1);
    EXPECT_EQ(s.StationKey, "123-45678");
    EXPECT_EQ(s.UnitText, "1cm");
    EXPECT_EQ(s.SetupLevel, 500);
    EXPECT_EQ(s.SetupDate, "01/10/2005");
    EXPECT_EQ(s.BatteryChanged, "Hayır");
    EXPECT_EQ(s.LoggerType, "Optik Kodlu");
    EXPECT_EQ(s.DataStart, 517u);
    EXPECT_EQ(s.DataEnd, 1981u);
    EXPECT_EQ(t.RecordInterval, 10);
    EXPECT_EQ(t.SetupMinuteOfDay, 607);
    EXPECT_EQ(t.FirstRecordDate, "01/10/2005");
    EXPECT_EQ(t.FirstRecordMinute, 620);
    EXPECT_EQ(t.DayCount, 2);
    EXPECT_EQ(t.LastRecordDate, "03/10/2005");
    EXPECT_EQ(t.LastRecordMinute, 90);
    EXPECT_EQ(t.LastRecordHour, 1);
    EXPECT_EQ(t.LastRecordMin, 30);
    EXPECT_EQ(t.WaterYear, 2006);
    EXPECT_EQ(t.LastWaterYear, 2006);
    EXPECT_EQ(t.WaterYearStart, "01/10/2005");
    EXPECT_EQ(t.SetupDayNo, 1);
    EXPECT_EQ(t.FirstDayNo, 1);
    EXPECT_EQ(t.LastDayNo, 3);
    EXPECT_EQ(t.ExtremesPolicy, 2);  // settings default 3, minus 1
    EXPECT_EQ(t.MidnightStart, 0);
    EXPECT_EQ(r.panel.parameterCountText, "163");
    EXPECT_EQ(r.panel.blockCountText, "0");
    EXPECT_EQ(r.panel.batteryChangedText, "Hayır");
    EXPECT_FALSE(r.panel.showCorrectedNote);
    ASSERT_TRUE(r.image);
    EXPECT_EQ(*r.image, bytes);
}

// Where the first record falls: setup time, interval, shift from OzelDosyalar.txt.
TEST(RawDecoder, FirstRecordOnTheGrid) {
    struct Case {
        int hour, minute, samples, between;
        const char* special;  // OzelDosyalar.txt, or nullptr
        const char* date;
        int firstMinute;
    } const cases[] = {
        {23, 55, 3, 5, nullptr, "02/10/2005", 15},    // 1455 > 1440: next day
        {23, 50, 2, 5, nullptr, "01/10/2005", 1440},  // exactly 24:00 stays on the setup date
        {10, 7, 2, 5, "12345678001.05M,-1\r\n", "01/10/2005", 610},
        {10, 7, 2, 5, "\"12345678001.05M\",2\r\nother.05M,5\r\n", "01/10/2005", 640},
        {10, 7, 2, 5, "12345678001.05m,2\r\n", "01/10/2005", 620},    // case counts
        {0, 0, 1, 10, "12345678001.05M,-1\r\n", "01/10/2005", 0},     // 00:00 stays on its day
        {0, 0, 1, 10, "12345678001.05M,-2\r\n", "30/09/2005", 1430},  // back a day
        {10, 7, 2, 5, "12345678001.05M,300\r\n", "03/10/2005", 740},  // forward two days
        {10, 7, 1, 1, nullptr, "01/10/2005", 608},
    };
    for (const auto& c : cases) {
        test::TestFolder folder;
        if (c.special) folder.Write("OzelDosyalar.txt", c.special);
        RawFileResult r = Decode(folder, RawImageBuilder(163)
                                             .Setup(5, 10, 1, c.hour, c.minute)
                                             .Sampling(c.samples, c.between)
                                             .Bytes());
        SCOPED_TRACE(std::to_string(c.hour) + ":" + std::to_string(c.minute));
        EXPECT_EQ(r.errorText, problem::kOnlySetup);
        EXPECT_EQ(r.timeBase.FirstRecordDate, c.date);
        EXPECT_EQ(r.timeBase.FirstRecordMinute, c.firstMinute);
        EXPECT_EQ(r.timeBase.FirstRecordHour * 60 + r.timeBase.FirstRecordMin, c.firstMinute);
        // Holding only setup parameters: no day, the last record one interval before the first.
        EXPECT_EQ(r.timeBase.DayCount, 0);
        EXPECT_EQ(r.timeBase.LastRecordMinute, c.firstMinute - c.samples * c.between);
    }
}

TEST(RawDecoder, MidnightStartAtOneMinutePerSample) {
    test::TestFolder folder;
    RawFileResult r =
        Decode(folder, RawImageBuilder(163).Setup(5, 10, 1, 23, 59).Sampling(1, 1).Bytes());
    EXPECT_EQ(r.timeBase.FirstRecordMinute, 1440);
    EXPECT_EQ(r.timeBase.MidnightStart, 1);
}

TEST(RawDecoder, LastRecordFromTheDataLength) {
    struct Case {
        int readings;  // from 10:20 at 10 minutes
        int dayCount;
        const char* lastDate;
        int lastMinute;
    } const cases[] = {
        {5, 0, "01/10/2005", 660},  // ends on the first day, no day record
        {83, 1, "02/10/2005", 0},   // ends right after the first day record
        {84, 1, "02/10/2005", 10},
        {83 + 144, 2, "03/10/2005", 0},
    };
    for (const auto& c : cases) {
        test::TestFolder folder;
        RawFileResult r = Decode(folder, RawImageBuilder(163).Walk(620, 10, c.readings).Bytes());
        SCOPED_TRACE(c.readings);
        EXPECT_EQ(r.errorText, "");
        EXPECT_EQ(r.timeBase.DayCount, c.dayCount);
        EXPECT_EQ(r.timeBase.LastRecordDate, c.lastDate);
        EXPECT_EQ(r.timeBase.LastRecordMinute, c.lastMinute);
    }
}

TEST(RawDecoder, RecordKindsTakeTheFirstRecordFromTheHeader) {
    struct Case {
        const char* name;
        int blockCount;
        const char* kind;
    } const cases[] = {
        {"12345678001.05R", 0, "Ring"},
        {"12345678001.05r", 0, "Ring"},
        {"12345678001.05r", 1, "Blok"},
        {"12345678001.05M", 2, "Blok"},
    };
    for (const auto& c : cases) {
        test::TestFolder folder;
        RawFileResult r = Decode(folder,
                                 RawImageBuilder(163)
                                     .BlockCount(c.blockCount)
                                     .HeaderFirst(9, 30, 5, 10, 5)
                                     .Walk(630, 10, 3)
                                     .Bytes(),
                                 c.name);
        SCOPED_TRACE(c.name);
        EXPECT_EQ(r.errorText, "");
        EXPECT_EQ(r.setup.RecordKind, c.kind);
        EXPECT_EQ(r.setup.HeaderFirstDate, "05/10/2005");
        EXPECT_EQ(r.setup.HeaderFirstHour, 9);
        EXPECT_EQ(r.setup.HeaderFirstMinute, 30);
        EXPECT_EQ(r.timeBase.FirstRecordDate, "05/10/2005");
        EXPECT_EQ(r.timeBase.FirstRecordMinute, 590);  // header time + 2 intervals
        EXPECT_EQ(r.panel.blockCountText, std::to_string(c.blockCount));
    }
}

TEST(RawDecoder, UnknownFirstRecordStopsWithTheCriticalMessage) {
    struct Case {
        const char* why;
        RawImageBuilder image;
        const char* name;
        const char* kind;
    } const cases[] = {
        {"ring header day 0", RawImageBuilder(163).HeaderFirst(9, 30, 0, 10, 5), "12345678001.05R",
         "Ring"},
        {"block header month 0", RawImageBuilder(163).BlockCount(1).HeaderFirst(9, 30, 5, 0, 5),
         kName, "Blok"},
        {"ring header month 13", RawImageBuilder(163).HeaderFirst(9, 30, 5, 13, 5),
         "12345678001.05R", "Ring"},
        {"ring header 31 November", RawImageBuilder(163).HeaderFirst(9, 30, 31, 11, 5),
         "12345678001.05R", "Ring"},
        {"ring header off the grid", RawImageBuilder(163).HeaderFirst(9, 33, 5, 10, 5),
         "12345678001.05R", "Ring"},
        {"normal setup month 13", RawImageBuilder(163).Setup(5, 13, 1, 10, 7), kName, "Normal"},
        {"normal setup day 0", RawImageBuilder(163).Setup(5, 10, 0, 10, 7), kName, "Normal"},
    };
    for (const auto& c : cases) {
        test::TestFolder folder;
        RawFileResult r = Decode(folder, RawImageBuilder(c.image).Walk(600, 10, 3).Bytes(), c.name);
        SCOPED_TRACE(c.why);
        EXPECT_EQ(r.errorText, problem::kFirstRecordUnknown);
        EXPECT_EQ(r.criticalMessage,
                  std::string("Kayıt Tipi:") + c.kind +
                      "  ve İlk verinin zaman ve tarihi belirsiz.. İŞLEM YAPILAMAYACAK...");
        EXPECT_EQ(r.timeBase.FirstRecordDate, "");
        EXPECT_FALSE(r.problemDetails.empty());
    }
    // A normal file does not use the header's date.
    test::TestFolder folder;
    RawFileResult r =
        Decode(folder, RawImageBuilder(163).HeaderFirst(99, 99, 0, 0, 0).Walk(620, 10, 3).Bytes());
    EXPECT_EQ(r.errorText, "");
    EXPECT_EQ(r.setup.HeaderFirstDate, "");
}

TEST(RawDecoder, RecordIntervalMustDivideTheDay) {
    for (auto [samples, between] : {std::pair{0, 5}, {2, 0}, {7, 1}, {10, 200}}) {
        test::TestFolder folder;
        RawFileResult r = Decode(
            folder, RawImageBuilder(163).Sampling(samples, between).Walk(620, 10, 3).Bytes());
        EXPECT_EQ(r.errorText, problem::kRecordInterval) << samples << "x" << between;
        EXPECT_TRUE(Lists(r.ListOnemliHatalar, problem::kRecordInterval));
        EXPECT_EQ(r.timeBase.FirstRecordDate, "");
    }
}

TEST(RawDecoder, LayoutsAndLoggerTypes) {
    struct Case {
        int count;
        int type;  // -1: no extension value written
        int family;
        const char* battery;
        const char* loggerType;
    } const cases[] = {
        {163, -1, 1, "Hayır", "Optik Kodlu"},    {166, 20, 1, "Hayır", "Basınç Sensörlü"},
        {166, 25, 1, "Hayır", "Akifer"},         {166, 99, 1, "Hayır", "Optik Kodlu"},
        {161, -1, 2, "Evet", "Optik Kodlu"},     {164, 10, 2, "Evet", "Optik Kodlu"},
        {164, 20, 2, "Evet", "Basınç Sensörlü"},
    };
    for (const auto& c : cases) {
        test::TestFolder folder;
        RawImageBuilder image(c.count);
        if (c.type >= 0) image.LoggerType(c.type);
        if (c.family == 2) image.Pointer((83 * 6 + 24 + 17 * 6) / 3);
        RawFileResult r =
            Decode(folder, image.Walk(620, 10, 100).Raw(std::string(90, '7')).Bytes());
        SCOPED_TRACE(c.count);
        EXPECT_EQ(r.errorText, "");
        EXPECT_EQ(r.setup.FormatFamily, c.family);
        EXPECT_EQ(r.setup.BatteryChanged, c.battery);
        EXPECT_EQ(r.setup.LoggerType, c.loggerType);
        EXPECT_EQ(r.panel.loggerTypeText, c.loggerType);
        EXPECT_EQ(r.setup.StationKey, "123-45678");
        EXPECT_EQ(r.setup.SetupDate, "01/10/2005");
        EXPECT_EQ(r.timeBase.FirstRecordMinute, 620);
        EXPECT_EQ(Lists(r.ListOnemliHatalar, problem::kStoppedLogger), c.family == 2);
        // Family 2 ends at its pointer, before the left-over memory; family 1 at the file end.
        const size_t dataEnd = r.setup.DataStart + 83 * 6 + 24 + 17 * 6;
        EXPECT_EQ(r.setup.DataEnd, c.family == 2 ? dataEnd : dataEnd + 90);
    }
}

TEST(RawDecoder, StoppedLoggerPointer) {
    test::TestFolder folder;
    RawFileResult zero = Decode(folder, RawImageBuilder(161).Pointer(0).Walk(620, 10, 5).Bytes());
    EXPECT_EQ(zero.setup.DataEnd, zero.setup.DataStart);
    EXPECT_EQ(zero.errorText, "");

    // Only bits 1 to 3 of the page and bits 0 to 6 of the middle byte count: 017 is page 0,
    // 129 is middle 1.
    std::string wild = RawImageBuilder(161)
                           .Parameter(97, "010")
                           .Parameter(98, "129")
                           .Parameter(99, "017")
                           .Raw(std::string(900, '0'))
                           .Bytes();
    RawFileResult masked = Decode(folder, wild);
    EXPECT_EQ(masked.setup.DataEnd, masked.setup.DataStart + 3 * (1 * 256 + 10));
    EXPECT_TRUE(masked.ListOnemliHatalar == std::vector<std::string>{problem::kStoppedLogger});

    RawFileResult beyond =
        Decode(folder, RawImageBuilder(161).Pointer(100000).Walk(620, 10, 5).Bytes());
    EXPECT_EQ(beyond.setup.DataEnd, beyond.fileLength);
    EXPECT_TRUE(Lists(beyond.ListOnemliHatalar, problem::kPointerBeyondEnd));
    EXPECT_EQ(beyond.errorText, "");
}

TEST(RawDecoder, TimeStampListsFromEntryFiveDown) {
    test::TestFolder folder;
    RawFileResult r = Decode(folder, RawImageBuilder(163)
                                         .RingStamp(1, 5, 10, 1, 10, 7)
                                         .RingStamp(4, 6, 2, 28, 23, 59)
                                         .LastRecordStamp(2, 3, 10, 5, 1, 30)
                                         .LastRecordStamp(5, 9, 12, 101, 0, 0)
                                         .Parameter(58 + 6 * 2, "255")  // entry 3 stays empty
                                         .Parameter(58 + 6 * 2 + 1, "037")
                                         .Walk(620, 10, 3)
                                         .Bytes());
    EXPECT_EQ(r.ListRing(), (std::vector<std::string>{"2006/02/28 23:59", "2005/10/01 10:07"}));
    EXPECT_EQ(r.ListSonTarih(), (std::vector<std::string>{"0863/12/09 00:00", "2005/10/03 01:30"}));
    RawFileResult stopped =
        Decode(folder, RawImageBuilder(161).LastRecordStamp(1, 3, 10, 5, 1, 30).Bytes());
    EXPECT_TRUE(stopped.ListRing().empty());
    EXPECT_EQ(stopped.ListSonTarih(), (std::vector<std::string>{"2005/10/03 01:30"}));
}

TEST(RawDecoder, VersionMarkers) {
    test::TestFolder folder;
    RawFileResult corrected =
        Decode(folder, RawImageBuilder(163).Version("ver4").Walk(620, 10, 3).Bytes());
    EXPECT_EQ(corrected.errorText, "");
    EXPECT_TRUE(corrected.panel.showCorrectedNote);
    RawFileResult mixed =
        Decode(folder, RawImageBuilder(163).Version("Ver4").Walk(620, 10, 3).Bytes());
    EXPECT_EQ(mixed.errorText, "");
    EXPECT_FALSE(mixed.panel.showCorrectedNote);
    for (const char* marker : {"VER3", "ABCD", "VER "}) {
        RawFileResult r = Decode(folder, RawImageBuilder(163).Version(marker).Bytes());
        EXPECT_EQ(r.errorText, problem::kVersion) << marker;
        EXPECT_EQ(r.ListOnemliHatalar, std::vector<std::string>{problem::kVersion});
        EXPECT_TRUE(r.panel.showVersionMessage);
        EXPECT_EQ(r.panel.versionMessage,
                  "VER4'DEN FARKLI VERSİYONLU DATA DOSYALARINI BU PROGRAMLA OKUTAMAZSINIZ..");
    }
    RawFileResult english =
        Decode(folder, RawImageBuilder(163).Version("VER5").Bytes(), kName, "ENGLISH");
    EXPECT_EQ(english.panel.versionMessage,
              "This file has different format from version-4. It can not be used.");
}

TEST(RawDecoder, ParameterCountNotKnown) {
    test::TestFolder folder;
    for (int count : {0, 162, 165, 170, 999}) {
        RawFileResult r = Decode(folder, RawImageBuilder(count).Raw(std::string(600, '0')).Bytes());
        EXPECT_EQ(r.errorText, problem::kParameterCount) << count;
        EXPECT_EQ(r.Listhata, std::vector<std::string>{problem::kParameterCountProgrammer});
        EXPECT_TRUE(Lists(r.ListOnemliHatalar, problem::kParameterCountImportant));
        EXPECT_EQ(r.setup.FormatFamily, 0);
        EXPECT_EQ(r.panel.parameterCountText, std::to_string(count));
        EXPECT_FALSE(r.showProgrammerProblems);  // programmer level 0
    }
}

TEST(RawDecoder, StationIdentifierMustBeInTheName) {
    test::TestFolder folder;
    RawFileResult r =
        Decode(folder, RawImageBuilder(163).Walk(620, 10, 3).Bytes(), "99945678001.05M");
    EXPECT_EQ(r.errorText, problem::kFileName);
    EXPECT_EQ(r.ListOnemliHatalar, std::vector<std::string>{problem::kFileName});
    EXPECT_EQ(r.timeBase.FirstRecordMinute, 620);  // decoding went on
    // A later condition replaces the errorText of an earlier one.
    RawFileResult both = Decode(folder, RawImageBuilder(163).Bytes(), "setup.05M");
    EXPECT_EQ(both.errorText, problem::kFileName);
    EXPECT_EQ(both.ListOnemliHatalar,
              (std::vector<std::string>{problem::kOnlySetup, problem::kFileName}));
    // The identifier may stand anywhere in the name.
    EXPECT_EQ(
        Decode(folder, RawImageBuilder(163).Walk(620, 10, 3).Bytes(), "x12345678.dat").errorText,
        "");
}

TEST(RawDecoder, CorrectionsFromTheAdditionalInformation) {
    struct Case {
        const char* keys;  // lines of [Ek_Bilgiler]
        const char* setupDate;
        int setupMinute;
        const char* firstDate;
        int firstMinute;
        int dayCount;
        int policy;
        bool setupRed, firstRed, dayRed;
    } const cases[] = {
        {"", "01/10/2005", 607, "01/10/2005", 620, 2, 2, false, false, false},
        {"Tarih0=01/10/2005", "01/10/2005", 607, "01/10/2005", 620, 2, 2, false, false, false},
        {"Tarih0=02.10.2005 08:00", "02/10/2005", 480, "02/10/2005", 490, 1, 2, true, false, false},
        {"Tarih0=1/10/2005", "01/10/2005", 607, "01/10/2005", 620, 2, 2, false, false, false},
        {"Tarih0=01/10/2005 10:07", "01/10/2005", 607, "01/10/2005", 620, 2, 2, false, false,
         false},
        {"Tarih1=01/10/2005", "01/10/2005", 607, "01/10/2005", 620, 2, 2, false, false, false},
        {"Tarih1=02/10/2005 06:00", "01/10/2005", 607, "02/10/2005", 360, 1, 2, false, true, false},
        {"Tarih1=02/10/2005", "01/10/2005", 607, "02/10/2005", 0, 1, 2, false, true, false},
        {"Ngun=7", "01/10/2005", 607, "01/10/2005", 620, 7, 2, false, false, true},
        {"Ngun=2", "01/10/2005", 607, "01/10/2005", 620, 2, 2, false, false, false},
        {"ExtremDuzelt=0", "01/10/2005", 607, "01/10/2005", 620, 2, 0, false, false, false},
        {"ExtremDuzelt=Error 1", "01/10/2005", 607, "01/10/2005", 620, 2, 2, false, false, false},
    };
    for (const auto& c : cases) {
        test::TestFolder folder;
        folder.Write("12345678_01.05M.xxx", std::string("[Ek_Bilgiler]\r\n") + c.keys + "\r\n");
        RawFileResult r = Decode(folder, RawImageBuilder(163).Walk(620, 10, 83 + 144 + 9).Bytes());
        SCOPED_TRACE(c.keys);
        EXPECT_EQ(r.errorText, "");
        EXPECT_EQ(r.setup.SetupDate, c.setupDate);
        EXPECT_EQ(r.timeBase.SetupMinuteOfDay, c.setupMinute);
        EXPECT_EQ(r.setup.SetupHour * 60 + r.setup.SetupMinute, c.setupMinute);
        EXPECT_EQ(r.timeBase.FirstRecordDate, c.firstDate);
        EXPECT_EQ(r.timeBase.FirstRecordMinute, c.firstMinute);
        EXPECT_EQ(r.timeBase.DayCount, c.dayCount);
        EXPECT_EQ(r.timeBase.ExtremesPolicy, c.policy);
        EXPECT_EQ(r.panel.setupDateRed, c.setupRed);
        EXPECT_EQ(r.panel.firstRecordRed, c.firstRed);
        EXPECT_EQ(r.panel.dayCountRed, c.dayRed);
        EXPECT_TRUE(r.ListOnemliHatalar.empty());
    }
}

TEST(RawDecoder, CorrectionsThatAreNoDateAreListedAndIgnored) {
    for (const char* key : {"Tarih0", "Tarih1"}) {
        for (const char* value :
             {"yesterday", "21790001800107100107200107", "31/02/2005", "05/10/05",
              "05/10/2005 25:00", "05/10/2005 14:3", "05/10/2005 x"}) {
            test::TestFolder folder;
            folder.Write("12345678_01.05M.xxx",
                         std::string("[Ek_Bilgiler]\r\n") + key + "=" + value + "\r\n");
            RawFileResult r = Decode(folder, RawImageBuilder(163).Walk(620, 10, 236).Bytes());
            SCOPED_TRACE(std::string(key) + "=" + value);
            EXPECT_EQ(r.errorText, "");
            EXPECT_EQ(r.ListOnemliHatalar,
                      std::vector<std::string>{std::string(key) + problem::kBadCorrection + value});
            EXPECT_EQ(r.setup.SetupDate, "01/10/2005");
            EXPECT_EQ(r.timeBase.FirstRecordMinute, 620);
            EXPECT_FALSE(r.panel.setupDateRed || r.panel.firstRecordRed);
        }
    }
}

TEST(RawDecoder, FirstRecordCorrectionOffTheGridStops) {
    test::TestFolder folder;
    folder.Write("12345678_01.05M.xxx", "[Ek_Bilgiler]\r\nTarih1=02/10/2005 06:05\r\n");
    RawFileResult r = Decode(folder, RawImageBuilder(163).Walk(620, 10, 90).Bytes());
    EXPECT_EQ(r.errorText, problem::kFirstRecordUnknown);
    EXPECT_FALSE(r.criticalMessage.empty());
}

TEST(RawDecoder, CorrectedFirstRecordDrivesTheLastRecord) {
    // Tarih1 moves the first record to 00:10 of the next day: the first day now holds 144
    // readings, so 236 readings reach 01:30 (9 readings) a day later than the first day.
    test::TestFolder folder;
    folder.Write("12345678_01.05M.xxx", "[Ek_Bilgiler]\r\nTarih1=02/10/2005 00:10\r\n");
    RawFileResult r = Decode(folder, RawImageBuilder(163).Walk(10, 10, 144 + 9).Bytes());
    EXPECT_EQ(r.timeBase.FirstRecordMinute, 10);
    EXPECT_EQ(r.timeBase.DayCount, 1);
    EXPECT_EQ(r.timeBase.LastRecordDate, "03/10/2005");
    EXPECT_EQ(r.timeBase.LastRecordMinute, 90);
    EXPECT_EQ(r.timeBase.WaterYear, 2006);
}

TEST(RawDecoder, WaterYearsAcrossTheBoundary) {
    // From 29/09/2005 10:20 for three days: water years 2005 to 2006.
    test::TestFolder folder;
    RawFileResult r = Decode(
        folder,
        RawImageBuilder(163).Setup(5, 9, 29, 10, 7).Walk(620, 10, 83 + 144 + 144 + 5).Bytes());
    EXPECT_EQ(r.timeBase.WaterYear, 2005);
    EXPECT_EQ(r.timeBase.LastWaterYear, 2006);
    EXPECT_EQ(r.timeBase.WaterYearStart, "01/10/2004");
    EXPECT_EQ(r.timeBase.FirstDayNo, 364);
    EXPECT_EQ(r.timeBase.LastDayNo, 367);
    EXPECT_EQ(r.timeBase.LastRecordDate, "02/10/2005");
}

TEST(RawDecoder, PersianCalendar) {
    test::TestFolder folder;
    RawFileResult r =
        Decode(folder, RawImageBuilder(163).Walk(620, 10, 83 + 144 + 9).Bytes(), kName, "FARSCA");
    EXPECT_EQ(r.errorText, "");
    EXPECT_EQ(r.setup.SetupDate, "09/07/1384");  // 1 October 2005
    EXPECT_EQ(r.setup.SetupYear, 1384);
    EXPECT_EQ(r.timeBase.FirstRecordDate, "09/07/1384");
    EXPECT_EQ(r.timeBase.LastRecordDate, "11/07/1384");
    EXPECT_EQ(r.timeBase.WaterYear, 1385);
    EXPECT_EQ(r.timeBase.WaterYearStart, "01/07/1384");
    EXPECT_EQ(r.timeBase.FirstDayNo, 9);
    EXPECT_EQ(r.setup.BatteryChanged, "No");
    EXPECT_EQ(r.setup.LoggerType, "Optical Encoder");
    // A year the logger kept in the Persian calendar is shown as it is.
    RawFileResult persian =
        Decode(folder, RawImageBuilder(163).Setup(619, 7, 9, 10, 7).Walk(620, 10, 3).Bytes(), kName,
               "FARSCA");
    EXPECT_EQ(persian.setup.SetupDate, "09/07/1381");
    EXPECT_EQ(persian.timeBase.WaterYear, 1382);
}

TEST(RawDecoder, NonDigitFieldsAreReadByLeadingDigitsAndNamed) {
    test::TestFolder folder;
    // Parameter 18 (samples per record) starts at byte 28 + 3 * 17 = 79.
    RawFileResult r = Decode(
        folder,
        RawImageBuilder(163).Parameter(18, "2x ").Parameter(19, "5  ").Walk(620, 10, 3).Bytes());
    EXPECT_EQ(r.setup.SampleCount, 2);
    EXPECT_EQ(r.setup.SampleInterval, 5);
    EXPECT_EQ(r.errorText, "");
    EXPECT_EQ(r.ListOnemliHatalar,
              std::vector<std::string>{std::string(problem::kNonDigit) + "79"});
    ASSERT_EQ(r.problemDetails.size(), 1u);
    EXPECT_NE(r.problemDetails[0].find(kName), std::string::npos);
    // Not-interpreted parameters and the region code are not read as numbers.
    RawFileResult quiet = Decode(
        folder,
        RawImageBuilder(163).Parameter(1, "abc").Parameter(12, "A-7").Walk(620, 10, 3).Bytes());
    EXPECT_TRUE(quiet.ListOnemliHatalar.empty());
    EXPECT_EQ(quiet.setup.RegionCode, "A-7");
    // A header field: the hour at byte 13.
    RawFileResult header =
        Decode(folder, RawImageBuilder(163).Raw("").Bytes().replace(13, 3, "1?0"));
    EXPECT_TRUE(Lists(header.ListOnemliHatalar, std::string(problem::kNonDigit) + "13"));
}

TEST(RawDecoder, MissingAndTruncatedFiles) {
    test::TestFolder folder;
    ProgramSettings settings = test::SettingsFor(folder.path());
    RawFileResult missing = ReadRawFile("12345678001.05M", settings);
    EXPECT_EQ(missing.errorText, problem::kFileMissing);
    EXPECT_EQ(ReadRawFile("", settings).errorText, problem::kFileMissing);

    const std::string whole = RawImageBuilder(163).Walk(620, 10, 100).Bytes();
    for (size_t length = 0; length <= whole.size(); ++length) {
        RawFileResult r = Decode(folder, whole.substr(0, length));
        SCOPED_TRACE(length);
        if (length < 28) {
            EXPECT_EQ(r.errorText, problem::kHeaderTooShort);
        } else if (length < 517) {
            EXPECT_EQ(r.errorText, problem::kBlockTooShort);
        } else if (length < 520) {
            EXPECT_EQ(r.errorText, problem::kOnlySetup);
        } else {
            EXPECT_EQ(r.errorText, "");
            EXPECT_EQ(r.setup.DataEnd, length);
        }
        EXPECT_EQ(r.showImportantProblems, !r.errorText.empty());
    }
}

TEST(RawDecoder, HostileBytesNeverCrash) {
    test::TestFolder folder;
    std::mt19937 random(1234);
    const std::string valid = RawImageBuilder(164).Walk(620, 10, 400).Bytes();
    for (int round = 0; round < 300; ++round) {
        std::string bytes = valid;
        const int flips = 1 + static_cast<int>(random() % 40);
        for (int i = 0; i < flips; ++i) {
            size_t at = random() % (round % 3 == 0 ? 40 : bytes.size());
            bytes[at] = static_cast<char>(round % 2 ? random() % 256 : '0' + random() % 10);
        }
        bytes.resize(random() % (bytes.size() + 1));
        RawFileResult r = Decode(folder, bytes);
        EXPECT_LE(r.setup.DataEnd, bytes.size());
        if (!r.errorText.empty() || r.showImportantProblems) {
            EXPECT_FALSE(r.problemDetails.empty());
        }
    }
    // A header of letters, and absurd counts.
    EXPECT_EQ(Decode(folder, std::string(28, 'Q')).errorText, problem::kVersion);
    EXPECT_EQ(Decode(folder, "VER4QQQQQQQQQQQQQQQQQQQQQQQQ").errorText, problem::kParameterCount);
    EXPECT_EQ(Decode(folder, "VER4000999001000000000000000" + std::string(600, '9')).errorText,
              problem::kParameterCount);
}

TEST(RawDecoder, DecodeLevelUsesTheFileUnit) {
    test::TestFolder folder;
    RawFileResult r =
        Decode(folder, RawImageBuilder(163).Unit("003").Level(617).Walk(620, 10, 3).Bytes());
    EXPECT_EQ(r.setup.UnitText, "2mm");
    EXPECT_DOUBLE_EQ(r.setup.SetupLevel, 123.4);
    EXPECT_EQ(DecodeLevel("002105", r.setup), "000123");
    RawFileResult unknown =
        Decode(folder, RawImageBuilder(163).Unit("004").Walk(620, 10, 3).Bytes());
    EXPECT_EQ(unknown.setup.UnitText, "");
    EXPECT_EQ(unknown.setup.UnitFactor, 0);
    EXPECT_EQ(DecodeLevel("002105", unknown.setup), "000000");
}

}  // namespace
}  // namespace kovu3
