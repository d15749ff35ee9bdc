#include "processing/raw_data_corrections.h"

#include <gtest/gtest.h>

#include "loggersim/raw_file_writer.h"
#include "processing/conversion.h"
#include "processing/readings_log.h"
#include "rawfile/raw_decoder.h"
#include "support/test_folder.h"

namespace kovu3 {
namespace {

namespace fs = std::filesystem;

const std::string kReading = "01/10/2003 00:10 000152          #D:12345678001.03M#B:000520";
const std::string kMaximum = "Max:       14:30 000160           #D:12345678001.03M#B:001390";
const std::string kImpossible = "Min:Zm.Ht099:153 000140!!!!!          #D:12345678001.03M#B:001402";

TEST(RawDataCorrections, KindsAndFieldsOfLogLines) {
    struct Case {
        std::string line;
        LogLineKind kind;
        std::string field;
    };
    const Case cases[] = {
        {kReading, LogLineKind::Reading, "000152"},
        {kMaximum, LogLineKind::Maximum, "14:30 000160"},
        {kImpossible, LogLineKind::Minimum, "9:153 000140"},
        {std::string(61, '-'), LogLineKind::Separator, ""},
        {"01/10/2003 00:10", LogLineKind::Reading, ""},  // too short for its field
    };
    for (const Case& c : cases) {
        EXPECT_EQ(KindOfLogLine(c.line), c.kind) << c.line;
        EXPECT_EQ(EditableField(c.line, c.kind), c.field) << c.line;
    }
}

TEST(RawDataCorrections, TypedValuesTakeTheFieldsLayout) {
    struct Case {
        const std::string* line;
        LogLineKind kind;
        const char* typed;
        std::optional<std::string> field;  // columns 12 to 23 of the edited line
    };
    const Case cases[] = {
        {&kReading, LogLineKind::Reading, "123", "00:10 000123"},
        {&kReading, LogLineKind::Reading, "12.6", "00:10 000013"},
        {&kReading, LogLineKind::Reading, "4567890", "00:10 456789"},  // six characters at most
        {&kReading, LogLineKind::Reading, "ab", "00:10 ab0152"},       // put in as typed
        {&kMaximum, LogLineKind::Maximum, "7:5 145", "07:05 000145"},
        {&kMaximum, LogLineKind::Maximum, "7:45 1234567", "07:45 123456"},
        {&kMaximum, LogLineKind::Maximum, "7:5", std::nullopt},  // no level yet
        {&kMaximum, LogLineKind::Maximum, "75 145", std::nullopt},
        {&kMaximum, LogLineKind::Separator, "1", std::nullopt},
    };
    for (const Case& c : cases) {
        auto edited = EditLogLine(*c.line, c.kind, c.typed);
        ASSERT_EQ(edited.has_value(), c.field.has_value()) << c.typed;
        if (!edited) continue;
        EXPECT_EQ(edited->substr(11, 12), *c.field) << c.typed;
        EXPECT_EQ(edited->size(), c.line->size() + kCorrectionMark.size()) << c.typed;
        EXPECT_EQ(edited->substr(c.line->size()), kCorrectionMark);
        // Editing again adds the mark again and keeps the source readable.
        auto again = EditLogLine(*edited, c.kind, c.typed);
        ASSERT_TRUE(again);
        auto source = SourceOfLogLine(*again);
        ASSERT_TRUE(source);
        EXPECT_EQ(source->rawFile, "12345678001.03M");
    }
}

TEST(RawDataCorrections, SourcesAndEncodings) {
    auto source = SourceOfLogLine(kMaximum + "#Degisti#Degisti");
    ASSERT_TRUE(source);
    EXPECT_EQ(source->position, 1390u);
    EXPECT_FALSE(SourceOfLogLine("01/10/2003 00:10 000152"));
    EXPECT_FALSE(SourceOfLogLine("x #D:12345678001.03M#B:12a"));

    EXPECT_EQ(EncodeRawLevel(123, 1.0), "000123");
    EXPECT_EQ(EncodeRawLevel(300, 1.0), "001044");
    EXPECT_EQ(EncodeRawLevel(123, 0.2), "002103");  // 615 sensor units of 2 mm
    EXPECT_EQ(EncodeRawLevel(6553, 0.1), "255250");
    EXPECT_EQ(EncodeRawLevel(6554, 0.1), "");  // 65540 needs more than 16 bits
    EXPECT_EQ(EncodeRawLevel(10, 0.0), "");
}

// Two raw files of one station with different units, converted into a readings log as the
// window does, then corrected on the page.
class PageCorrectionTest : public ::testing::Test {
  protected:
    PageCorrectionTest() : river_(sim::HydrographParams{}) {
        settings_.DataDirectory = data_.path().string() + "/";
        ApplyCalendar(settings_.calendar, "ENGLISH");
        ApplyLanguage(settings_.texts, "ENGLISH");
        settings_.Options[21] = "ENGLISH";
        centimetres_ = Raw(1, "001", {1, 10, 2003}, {5, 10, 2003});
        twoMillimetres_ = Raw(2, "003", {6, 10, 2003}, {10, 10, 2003});
        ConversionRequest request;
        request.station = "123-45678";
        request.waterYear = 2004;
        request.rawFiles = {centimetres_, twoMillimetres_};
        request.readingsLog = data_ / "List3.sil";
        ConversionResult result = ConvertStationYear(request, settings_);
        EXPECT_TRUE(result.written) << result.error;
        std::string error;
        auto log = ReadingsLog::Open(data_ / "List3.sil", error);
        EXPECT_TRUE(log) << error;
        if (log) lines_ = log->Page(1, 32700);
    }

    std::string Raw(int order, const char* unit, DateParts from, DateParts until) {
        sim::LoggerFileRecipe recipe;
        recipe.order = order;
        recipe.unitCode = unit;
        recipe.setup = {from, 0};
        recipe.readingsUntil = {until, 1440};
        std::string name = sim::RawFileName(recipe);
        data_.Write(name, sim::MakeRawFile(recipe, river_));
        return name;
    }

    // Index of the first line of that kind from that raw file.
    size_t Find(const std::string& rawFile, LogLineKind kind) const {
        for (size_t i = 0; i < lines_.size(); ++i)
            if (KindOfLogLine(lines_[i]) == kind &&
                lines_[i].find("#D:" + rawFile + "#B:") != std::string::npos)
                return i;
        ADD_FAILURE() << "no such line of " << rawFile;
        return 0;
    }

    void Edit(size_t index, const char* typed) {
        auto edited = EditLogLine(lines_[index], KindOfLogLine(lines_[index]), typed);
        ASSERT_TRUE(edited) << typed;
        lines_[index] = *edited;
    }

    // Offsets where the two files differ.
    static std::vector<size_t> Differences(const std::string& a, const std::string& b) {
        std::vector<size_t> at;
        for (size_t i = 0; i < std::min(a.size(), b.size()); ++i)
            if (a[i] != b[i]) at.push_back(i);
        return at;
    }

    test::TestFolder data_;
    ProgramSettings settings_;
    sim::Hydrograph river_;
    std::string centimetres_, twoMillimetres_;
    std::vector<std::string> lines_;
};

TEST_F(PageCorrectionTest, EachLineIsWrittenWithItsOwnFilesUnitFactor) {
    const size_t reading = Find(centimetres_, LogLineKind::Reading);
    const size_t maximum = Find(centimetres_, LogLineKind::Maximum);
    const size_t other = Find(twoMillimetres_, LogLineKind::Reading);
    Edit(reading, "123");
    Edit(maximum, "7:5 145");
    Edit(other, "123");
    const size_t readingAt = SourceOfLogLine(lines_[reading])->position - 1;
    const size_t maximumAt = SourceOfLogLine(lines_[maximum])->position - 1;
    const size_t otherAt = SourceOfLogLine(lines_[other])->position - 1;
    data_.Write("S2004123-45678.xlsx", "table");
    data_.Write("Q2004123-45678.xlsx", "discharge table");

    const std::string before1 = data_.Read(centimetres_);
    const std::string before2 = data_.Read(twoMillimetres_);
    PageCorrectionResult result = SavePageCorrections(lines_, settings_);
    ASSERT_EQ(result.error, "");
    EXPECT_EQ(result.correctedFiles, (std::vector<std::string>{centimetres_, twoMillimetres_}));
    EXPECT_EQ(result.changedFields, 5);  // three values and two version markers
    EXPECT_EQ(result.deletedProducts,
              (std::vector<std::string>{"S2004123-45678.txt", "S2004123-45678.xlsx"}));
    EXPECT_TRUE(fs::exists(data_ / "Q2004123-45678.xlsx"));

    const std::string after1 = data_.Read(centimetres_);
    const std::string after2 = data_.Read(twoMillimetres_);
    EXPECT_EQ(after1.substr(0, 4), "ver4");
    EXPECT_EQ(after1.substr(readingAt, 6), "000123");
    EXPECT_EQ(after1.substr(maximumAt, 12), "000145007005");
    EXPECT_EQ(after2.substr(0, 4), "ver4");
    EXPECT_EQ(after2.substr(otherAt, 6), "002103");  // 123 cm in 2 mm units
    // Nothing else moved, and the originals are kept.
    EXPECT_EQ(data_.Read("yedek/" + centimetres_), before1);
    EXPECT_EQ(data_.Read("yedek/" + twoMillimetres_), before2);
    for (size_t at : Differences(before1, after1))
        EXPECT_TRUE(at < 4 || (at >= readingAt && at < readingAt + 6) ||
                    (at >= maximumAt && at < maximumAt + 12))
            << at;
    for (size_t at : Differences(before2, after2))
        EXPECT_TRUE(at < 4 || (at >= otherAt && at < otherAt + 6)) << at;
    EXPECT_NE(data_.Read("yedek/Duzeltmeler.txt").find(twoMillimetres_), std::string::npos);

    // The corrected values read back as typed.
    CheckSingleFile(twoMillimetres_, data_ / "check.sil", {}, settings_);
    const std::string source = lines_[other].substr(lines_[other].find("          #D:"));
    const std::string check = data_.Read("check.sil");
    const size_t line = check.find(source.substr(0, source.size() - kCorrectionMark.size()));
    ASSERT_NE(line, std::string::npos);
    EXPECT_EQ(check.substr(line - 7, 7), "000123 ");
}

TEST_F(PageCorrectionTest, ABadLineLeavesEveryFileUntouched) {
    struct Case {
        const char* name;
        const char* typed;
        bool extreme;
        std::string expected;  // part of the message
    };
    const Case cases[] = {
        {"not a number", "12x", false, "the level must be six digits"},
        {"beyond 16 bits", "70000", false, "cannot be stored in the logger's format"},
        {"impossible time", "25:10 100", true, "from 00:00 to 24:00"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> lines = lines_;
        lines[Find(twoMillimetres_, LogLineKind::Reading)] = *EditLogLine(
            lines_[Find(twoMillimetres_, LogLineKind::Reading)], LogLineKind::Reading, "200");
        const size_t bad =
            Find(centimetres_, c.extreme ? LogLineKind::Maximum : LogLineKind::Reading);
        lines[bad] = *EditLogLine(lines_[bad], KindOfLogLine(lines_[bad]), c.typed);
        const std::string before = data_.Read(twoMillimetres_);
        PageCorrectionResult result = SavePageCorrections(lines, settings_);
        EXPECT_NE(result.error.find(c.expected), std::string::npos)
            << c.name << ": " << result.error;
        EXPECT_EQ(data_.Read(twoMillimetres_), before) << c.name;
        EXPECT_FALSE(fs::exists(data_ / "yedek")) << c.name;
        EXPECT_TRUE(fs::exists(data_ / "S2004123-45678.txt")) << c.name;
    }
}

TEST_F(PageCorrectionTest, APositionOutsideTheDataAreaIsRefused) {
    // A log line pointing into the setup block must not overwrite it.
    std::string forged = "01/10/2003 00:10 000100          #D:" + centimetres_ + "#B:000029";
    forged += std::string(kCorrectionMark);
    const std::string before = data_.Read(centimetres_);
    PageCorrectionResult result = SavePageCorrections({forged}, settings_);
    EXPECT_NE(result.error.find("outside the data area"), std::string::npos) << result.error;
    EXPECT_EQ(data_.Read(centimetres_), before);
    // A page without marks saves nothing.
    EXPECT_EQ(SavePageCorrections(lines_, settings_).changedFields, 0);
    EXPECT_EQ(data_.Read(centimetres_), before);
}

TEST(RawFileRemoval, DeletedFilesAreKeptApartFromTheOriginals) {
    test::TestFolder data;
    data.Write("12345678001.03M", "first");
    data.Write("yedek/12345678001.03M", "original before corrections");
    RawFileRemoval first = MoveRawFileToBackup(data.path(), "12345678001.03m");
    ASSERT_EQ(first.error, "");
    EXPECT_EQ(first.movedTo, data / "yedek/silinen/12345678001.03M");
    EXPECT_FALSE(fs::exists(data / "12345678001.03M"));
    EXPECT_EQ(data.Read("yedek/12345678001.03M"), "original before corrections");

    data.Write("12345678001.03M", "read out again");
    RawFileRemoval second = MoveRawFileToBackup(data.path(), "12345678001.03M");
    ASSERT_EQ(second.error, "");
    EXPECT_EQ(second.movedTo, data / "yedek/silinen/12345678001.03M.1");
    EXPECT_EQ(data.Read("yedek/silinen/12345678001.03M"), "first");
    EXPECT_EQ(data.Read("yedek/silinen/12345678001.03M.1"), "read out again");

    EXPECT_NE(MoveRawFileToBackup(data.path(), "12345678009.03M").error, "");
}

}  // namespace
}  // namespace kovu3
