#include "rawfile/raw_reading.h"

#include <gtest/gtest.h>

#include "rawfile/raw_decoder.h"
#include "rawfile/raw_image_builder.h"
#include "support/test_folder.h"

namespace kovu3 {
namespace {

using test::RawImageBuilder;

RawFileResult Decode(const test::TestFolder& folder, const std::string& bytes) {
    folder.Write("12345678001.05M", bytes);
    return ReadRawFile("12345678001.05M", test::SettingsFor(folder.path()));
}

std::vector<RawReading> WalkAll(const RawFileResult& file, bool* endedInside = nullptr) {
    RawReadingWalker walker(file);
    std::vector<RawReading> readings;
    RawReading reading;
    while (walker.Next(reading)) readings.push_back(reading);
    if (endedInside) *endedInside = walker.EndedInsideRecord();
    EXPECT_EQ(walker.Position(), file.setup.DataEnd);
    return readings;
}

TEST(RawReadingWalker, WalksTheWorkedExample) {
    test::TestFolder folder;
    RawFileResult file = Decode(folder, RawImageBuilder(163).Walk(620, 10, 236).Bytes());
    bool endedInside = true;
    std::vector<RawReading> all = WalkAll(file, &endedInside);
    EXPECT_FALSE(endedInside);
    ASSERT_EQ(all.size(), 236u + 4u);  // two day records of two extremes each

    EXPECT_EQ(all[0].kind, RawReadingKind::Ordinary);
    EXPECT_EQ(all[0].dayOffset, 0);
    EXPECT_EQ(all[0].minuteOfDay, 620);
    EXPECT_EQ(all[0].hour, 10);
    EXPECT_EQ(all[0].minute, 20);
    EXPECT_EQ(all[0].level, 100);
    EXPECT_EQ(all[0].position, 517u);

    const RawReading& closing = all[82];
    EXPECT_EQ(closing.minuteOfDay, 1440);
    EXPECT_EQ(closing.hour, 24);
    EXPECT_EQ(closing.minute, 0);
    EXPECT_EQ(all[83].kind, RawReadingKind::DayMaximum);
    EXPECT_EQ(all[83].level, 100 + 82 + 50);
    EXPECT_EQ(all[83].minuteOfDay, 13 * 60 + 5);
    EXPECT_EQ(all[83].dayOffset, 0);
    EXPECT_EQ(all[83].position, 517u + 83 * 6);
    EXPECT_EQ(all[84].kind, RawReadingKind::DayMinimum);
    EXPECT_EQ(all[84].level, 100);
    EXPECT_EQ(all[84].hour, 2);
    EXPECT_EQ(all[84].minute, 30);
    EXPECT_EQ(all[84].position, 517u + 83 * 6 + 12);
    EXPECT_EQ(all[85].dayOffset, 1);
    EXPECT_EQ(all[85].minuteOfDay, 10);
    EXPECT_EQ(all[85].position, 517u + 83 * 6 + 24);

    const RawReading& last = all.back();
    EXPECT_EQ(last.dayOffset, file.timeBase.DayCount);
    EXPECT_EQ(last.minuteOfDay, file.timeBase.LastRecordMinute);
    EXPECT_EQ(last.level, 100 + 235);
}

TEST(RawReadingWalker, AgreesWithTheDecodersLastRecord) {
    struct Case {
        int samples, between, hour, minute;  // setup time; first record near midnight
    } const cases[] = {{2, 5, 23, 35}, {1, 60, 22, 0}, {2, 720, 0, 0}, {3, 5, 0, 0}};
    for (const auto& c : cases) {
        const int interval = c.samples * c.between;
        for (int count = 1; count <= 3 * 1440 / interval + 3; count += interval < 60 ? 7 : 1) {
            test::TestFolder folder;
            RawImageBuilder image(163);
            image.Setup(5, 10, 1, c.hour, c.minute).Sampling(c.samples, c.between);
            const int first = Decode(folder, image.Bytes()).timeBase.FirstRecordMinute;
            RawFileResult file = Decode(folder, image.Walk(first, interval, count).Bytes());
            SCOPED_TRACE(std::to_string(interval) + " min from " + std::to_string(first) + ", " +
                         std::to_string(count) + " readings");
            ASSERT_EQ(file.errorText, "");
            int ordinary = 0;
            RawReading last;
            for (const RawReading& r : WalkAll(file)) {
                if (r.kind != RawReadingKind::Ordinary) continue;
                ++ordinary;
                last = r;
            }
            ASSERT_EQ(ordinary, count);
            // Data ending after a day record: 24:00 of one day is 00:00 of the next.
            EXPECT_EQ(last.dayOffset * 1440 + last.minuteOfDay,
                      file.timeBase.DayCount * 1440 + file.timeBase.LastRecordMinute);
        }
    }
}

TEST(RawReadingWalker, StopsAtAPieceOfARecord) {
    test::TestFolder folder;
    const std::string whole = RawImageBuilder(163).Walk(620, 10, 90).Bytes();
    struct Case {
        size_t cut;  // characters removed from the end
        size_t ordinary;
        size_t extremes;
        bool endedInside;
    } const cases[] = {
        {0, 90, 2, false},          {3, 89, 2, true},  // half a reading
        {7 * 6, 83, 2, false},                         // right after the day record
        {7 * 6 + 10, 83, 0, true},                     // inside the day record
        {7 * 6 + 24, 83, 0, false},                    // right after the 24:00 reading
    };
    for (const auto& c : cases) {
        RawFileResult file = Decode(folder, whole.substr(0, whole.size() - c.cut));
        bool endedInside = false;
        std::vector<RawReading> all = WalkAll(file, &endedInside);
        size_t ordinary = 0;
        for (const RawReading& r : all) ordinary += r.kind == RawReadingKind::Ordinary;
        EXPECT_EQ(ordinary, c.ordinary) << c.cut;
        EXPECT_EQ(all.size() - ordinary, c.extremes) << c.cut;
        EXPECT_EQ(endedInside, c.endedInside) << c.cut;
    }
}

TEST(RawReadingWalker, StoppedLoggerEndsAtItsPointer) {
    test::TestFolder folder;
    RawFileResult file = Decode(
        folder,
        RawImageBuilder(161).Walk(620, 10, 10).Pointer(5 * 2).Raw(std::string(300, '1')).Bytes());
    EXPECT_EQ(WalkAll(file).size(), 5u);
}

TEST(RawReadingWalker, UnitsAndAnUnusableTimeBase) {
    test::TestFolder folder;
    RawFileResult file =
        Decode(folder, RawImageBuilder(163).Unit("003").Walk(620, 10, 0).Reading(617).Bytes());
    std::vector<RawReading> all = WalkAll(file);
    ASSERT_EQ(all.size(), 1u);
    EXPECT_EQ(all[0].value, 617);
    EXPECT_EQ(all[0].level, 123);

    RawFileResult stopped =
        Decode(folder, RawImageBuilder(163).Sampling(0, 5).Walk(620, 10, 5).Bytes());
    RawReadingWalker walker(stopped);
    RawReading reading;
    EXPECT_FALSE(walker.Next(reading));
}

}  // namespace
}  // namespace kovu3
