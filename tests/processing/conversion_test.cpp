#include "processing/conversion.h"

#include <gtest/gtest.h>

#include "loggersim/additional_info_writer.h"
#include "loggersim/raw_file_writer.h"
#include "processing/readings_log.h"
#include "rawfile/bcd.h"
#include "reports/processed_file_reader.h"
#include "support/test_folder.h"

namespace kovu3 {
namespace {

namespace fs = std::filesystem;

// A data folder with raw files made by the simulator, converted as the program does.
class ConversionTest : public ::testing::Test {
protected:
    ConversionTest() : first_(Params(1)), second_(Params(2)) {
        settings_.DataDirectory = data_.path().string() + "/";
        ApplyCalendar(settings_.calendar, "TURKCE");
        ApplyLanguage(settings_.texts, "TURKCE");
        settings_.DefaultExtremesPolicy = 3;
    }

    static sim::HydrographParams Params(int seed) {
        sim::HydrographParams params;
        params.seed = static_cast<std::uint64_t>(seed);
        return params;
    }

    // A normal 10-minute file of station 123-45678 set up at `from` 00:00 (first reading
    // 00:10) and read out at `until` (a 24:00 reading closes that day).
    std::string Raw(int order, DateParts from, DateParts until, int untilMinute = 1440,
                    const sim::Hydrograph* hydrograph = nullptr) {
        sim::LoggerFileRecipe recipe;
        recipe.stationId = "12345678";
        recipe.order = order;
        recipe.setup = {from, 0};
        recipe.readingsUntil = {until, untilMinute};
        std::string name = sim::RawFileName(recipe);
        data_.Write(name, sim::MakeRawFile(recipe, hydrograph ? *hydrograph : first_));
        return name;
    }

    ConversionResult Convert(int year, std::vector<std::string> files) {
        ConversionRequest request;
        request.station = "123-45678";
        request.waterYear = year;
        request.rawFiles = std::move(files);
        request.stationName = "Test Deresi";
        request.readingsLog = data_ / "List3.sil";
        request.rawCopy = data_ / "Gecici.txt";
        return ConvertStationYear(request, settings_);
    }

    std::unique_ptr<ProcessedFileReader> Read(int year) {
        std::string error;
        auto reader = ProcessedFileReader::Open(data_ / ("S" + std::to_string(year) + "123-45678.txt"),
                                                settings_.calendar, error);
        EXPECT_TRUE(reader) << error;
        return reader;
    }

    // The ordinary reading of the series at a date and time, or an empty text.
    static std::string SeriesLevel(const ProcessedFileReader& reader, const std::string& date, const std::string& hhmm) {
        for (const std::string& text : reader.ReadLevelTexts(1, reader.LevelCount())) {
            if (text.substr(16, 10) == date && text.substr(4, 4) == hhmm && text[15] == ' ') return text.substr(9, 6);
        }
        return {};
    }

    int LevelAt(const sim::Hydrograph& hydrograph, DateParts date, int minute) {
        return sim::DecodedLevelCm(sim::SensorValue(hydrograph.LevelCm(sim::Moment{date, minute}), "001"), "001");
    }

    test::TestFolder data_;
    ProgramSettings settings_;
    sim::Hydrograph first_;
    sim::Hydrograph second_;
};

TEST_F(ConversionTest, ConsecutiveFilesMergeWholly) {
    std::string a = Raw(1, {1, 10, 2003}, {5, 10, 2003});
    std::string b = Raw(2, {6, 10, 2003}, {10, 10, 2003}, 12 * 60);
    ConversionResult result = Convert(2004, {a, b});
    ASSERT_TRUE(result.written) << result.error;
    EXPECT_EQ(result.mergedFiles, (std::vector<std::string>{a, b}));
    EXPECT_EQ(result.readingsTaken, 5 * 144 + 4 * 144 + 72);
    EXPECT_EQ(result.firstRecord, "01/10/2003 00:10");
    EXPECT_EQ(result.lastRecord, "10/10/2003 12:00");

    auto reader = Read(2004);
    ASSERT_TRUE(reader);
    // Nine days closed by a day record give an "x" and an "m" line each (policy 3 - 1 = 2).
    EXPECT_EQ(reader->LevelCount(), 1368 + 18);
    EXPECT_EQ(reader->Data().IstAdi, "Test Deresi");
    EXPECT_EQ(reader->Data().Version, "VER4");
    EXPECT_EQ(reader->Data().nOrjDosya, 2);
    EXPECT_EQ(reader->ReadLevelLine(1).Date, "01/10/2003");
    EXPECT_EQ(reader->ReadLevelTexts(1, 1)[0].substr(0, 9), "001>0010=");
    EXPECT_EQ(SeriesLevel(*reader, "04/10/2003", "1200"), FormatLevel(LevelAt(first_, {4, 10, 2003}, 720)));
    for (int day = 1; day <= 10; ++day) {
        EXPECT_GT(reader->Data().Daily[day].KnoMax, 0) << day;
        EXPECT_TRUE(reader->Data().Daily[day].Hort.has_value()) << day;
    }
    EXPECT_EQ(reader->Data().Daily[11].KnoMax, -1);
    EXPECT_FALSE(reader->Data().Daily[11].Hort.has_value());
}

TEST_F(ConversionTest, FilesListedOutOfTimeOrderLoseNoReading) {
    std::string a = Raw(1, {1, 10, 2003}, {5, 10, 2003});
    std::string b = Raw(2, {6, 10, 2003}, {10, 10, 2003}, 12 * 60);
    ConversionResult result = Convert(2004, {b, a});
    ASSERT_TRUE(result.written) << result.error;
    EXPECT_EQ(result.readingsTaken, 5 * 144 + 4 * 144 + 72);
    auto reader = Read(2004);
    ASSERT_TRUE(reader);
    // Sorted into time order all the same.
    std::vector<std::string> texts = reader->ReadLevelTexts(1, reader->LevelCount());
    EXPECT_TRUE(std::is_sorted(texts.begin(), texts.end(), [](const std::string& x, const std::string& y) {
        return x.substr(0, 3) + x.substr(4) < y.substr(0, 3) + y.substr(4);
    }));
    EXPECT_EQ(texts.front().substr(0, 9), "001>0010=");
}

TEST_F(ConversionTest, OverlappingReadOutsKeepTheEarlierListedFile) {
    std::string a = Raw(1, {1, 10, 2003}, {5, 10, 2003});
    std::string c = Raw(2, {4, 10, 2003}, {8, 10, 2003}, 1440, &second_);
    ConversionResult result = Convert(2004, {a, c});
    ASSERT_TRUE(result.written) << result.error;
    EXPECT_EQ(result.readingsTaken, 5 * 144 + 3 * 144);
    auto reader = Read(2004);
    ASSERT_TRUE(reader);
    EXPECT_EQ(SeriesLevel(*reader, "04/10/2003", "1200"), FormatLevel(LevelAt(first_, {4, 10, 2003}, 720)));
    EXPECT_EQ(SeriesLevel(*reader, "06/10/2003", "1200"), FormatLevel(LevelAt(second_, {6, 10, 2003}, 720)));
}

TEST_F(ConversionTest, WaterYearCrossing) {
    std::string d = Raw(1, {25, 9, 2003}, {10, 10, 2003});
    ConversionResult later = Convert(2004, {d});
    ASSERT_TRUE(later.written) << later.error;
    EXPECT_EQ(later.readingsTaken, 10 * 144);
    EXPECT_EQ(later.readingsLogged, 16 * 144);  // September is walked and logged, not merged
    EXPECT_EQ(later.firstRecord, "01/10/2003 00:10");

    ConversionResult earlier = Convert(2003, {d});
    ASSERT_TRUE(earlier.written) << earlier.error;
    EXPECT_EQ(earlier.readingsTaken, 6 * 144);
    EXPECT_EQ(earlier.lastRecord, "30/09/2003 24:00");
    auto reader = Read(2003);
    ASSERT_TRUE(reader);
    EXPECT_EQ(reader->Data().IlkKayitTarihi, "25/09/2003");
    // 25 September is day 360 of water year 2003 (1 October 2002 is day 1).
    EXPECT_EQ(reader->ReadLevelTexts(1, 1)[0].substr(0, 3), "360");
    EXPECT_EQ(reader->Data().Daily[365].KnoMax > 0, true);
}

TEST_F(ConversionTest, ExtremesPolicyOfTheRawFile) {
    struct Case {
        int policy;
        int extraLines;
        char maximumKind;
    };
    for (Case c : {Case{0, 10, 'x'}, Case{1, 0, ' '}, Case{2, 10, 'x'}}) {
        std::string a = Raw(1, {1, 10, 2003}, {5, 10, 2003});
        sim::AdditionalInfo info;
        info.extremesPolicy = c.policy;
        ASSERT_EQ(sim::WriteAdditionalInfo(data_ / a, info), "");
        ConversionResult result = Convert(2004, {a});
        ASSERT_TRUE(result.written) << result.error;
        auto reader = Read(2004);
        ASSERT_TRUE(reader);
        EXPECT_EQ(reader->LevelCount(), 720 + c.extraLines) << c.policy;
        int knoMax = reader->Data().Daily[2].KnoMax;
        ASSERT_GT(knoMax, 0);
        // The simulated logger's maximum is the day's highest sample: under policy 2 the "x"
        // line comes first in series order only if it is strictly higher; it never is lower.
        if (c.policy != 2) {
            EXPECT_EQ(reader->ReadLevelLine(knoMax).Kind[0], c.maximumKind) << c.policy;
        }
    }
}

TEST_F(ConversionTest, ReadingsLogPointsAtTheRawBytes) {
    std::string a = Raw(1, {1, 10, 2003}, {2, 10, 2003});
    ConversionResult result = Convert(2004, {a});
    ASSERT_TRUE(result.written) << result.error;
    std::string error;
    auto log = ReadingsLog::Open(data_ / "List3.sil", error);
    ASSERT_TRUE(log) << error;
    const std::string raw = data_.Read(a);
    EXPECT_EQ(log->Line(0), "01/10/2003 00:10 " + DecodeLevel(raw.substr(517, 6), 1) + "           #D:" + a + "#B:000518");
    // Day 1: 144 readings, then the day record's maximum, minimum and the separator.
    EXPECT_EQ(log->Line(143).substr(0, 17), "01/10/2003 24:00 ");
    std::string maximum = log->Line(144);
    ASSERT_EQ(maximum.substr(0, 11), "Max:       ");
    size_t position = std::stoul(maximum.substr(maximum.find("#B:") + 3)) - 1;
    EXPECT_EQ(position, 517u + 144 * 6);
    EXPECT_EQ(maximum.substr(17, 6), DecodeLevel(raw.substr(position, 6), 1));
    EXPECT_EQ(log->Line(145).substr(0, 4), "Min:");
    EXPECT_EQ(log->Line(146), std::string(61, '-'));
    EXPECT_EQ(log->LineCount(), 2 * (144 + 3));
    EXPECT_EQ(log->PageCount(100), 3);
    EXPECT_EQ(log->Page(3, 100).size(), 94u);
    // Gecici.txt holds the raw characters of the readings and day records taken.
    EXPECT_EQ(data_.Read("Gecici.txt").size(), 2u * (144 * 6 + 24));
}

TEST_F(ConversionTest, DecoderErrorsWriteNothing) {
    std::string a = Raw(1, {1, 10, 2003}, {5, 10, 2003});
    std::string raw = data_.Read(a);
    std::string broken = "12345678002.03M";
    data_.Write(broken, "VER3" + raw.substr(4));
    data_.Write("S2004123-45678.txt", "old product");
    ConversionResult result = Convert(2004, {a, broken});
    EXPECT_FALSE(result.written);
    EXPECT_NE(result.error.find(broken), std::string::npos);
    EXPECT_NE(result.error.find("Version Hatasi"), std::string::npos);
    EXPECT_EQ(data_.Read("S2004123-45678.txt"), "old product");

    // A file whose name lacks its station identifier: the message, and the year's products go.
    std::string misnamed = "12345679003.03M";
    data_.Write(misnamed, raw);
    data_.Write("Q2004123-45678.xlsx", "old table");
    ConversionResult named = Convert(2004, {a, misnamed});
    EXPECT_FALSE(named.written);
    EXPECT_EQ(named.fileNameMessage, misnamed + settings_.texts.Messages[4]);
    EXPECT_FALSE(fs::exists(data_ / "S2004123-45678.txt"));
    EXPECT_FALSE(fs::exists(data_ / "Q2004123-45678.xlsx"));
    EXPECT_TRUE(fs::exists(data_ / a));
}

TEST_F(ConversionTest, YearWithoutReadingsWritesNothing) {
    std::string a = Raw(1, {1, 10, 2003}, {5, 10, 2003});
    ConversionResult result = Convert(2005, {a});
    EXPECT_FALSE(result.written);
    EXPECT_EQ(result.error, "");
    EXPECT_FALSE(fs::exists(data_ / "S2005123-45678.txt"));
}

TEST_F(ConversionTest, SingleFileCheckLogsEveryYear) {
    std::string d = Raw(1, {25, 9, 2003}, {10, 10, 2003});
    SingleFileCheckResult result = CheckSingleFile(d, data_ / "List3.sil", {}, settings_);
    EXPECT_EQ(result.error, "");
    EXPECT_EQ(result.readingsLogged, 16 * 144);
    EXPECT_EQ(result.processedFilePath.filename(), "S2004123-45678.txt");
    EXPECT_FALSE(fs::exists(result.processedFilePath));
    EXPECT_FALSE(fs::exists(data_ / "S2003123-45678.txt"));
}

}  // namespace
}  // namespace kovu3
