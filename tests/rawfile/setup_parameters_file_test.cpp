#include "rawfile/setup_parameters_file.h"

#include <gtest/gtest.h>

#include "rawfile/raw_decoder.h"
#include "rawfile/raw_format.h"
#include "rawfile/raw_image_builder.h"
#include "shell/text_codec.h"
#include "support/test_folder.h"

namespace kovu3 {
namespace {

using test::RawImageBuilder;

constexpr const char* kName = "12345678001.05M";

std::string FieldAt(const std::string& bytes, int parameter) {
    return bytes.substr(raw::ParameterOffset(parameter), 3);
}

struct SavedFile {
    test::TestFolder folder;
    ProgramSettings settings;
    std::string original;
    RawFileResult decoded;

    explicit SavedFile(const std::string& bytes, std::string_view language = "TURKCE")
        : settings(test::SettingsFor(folder.path(), language)), original(bytes) {
        folder.Write(kName, bytes);
        decoded = ReadRawFile(kName, settings);
    }
    std::string Now() const { return folder.Read(kName); }
};

TEST(SaveSetupParameters, WritesBcdDateLevelAndTheMarker) {
    SavedFile file(RawImageBuilder(163).Unit("003").Walk(620, 10, 236).Bytes());
    SetupSaveOutcome outcome =
        SaveSetupParameters(kName, "123.4", "05/10/2005 14:30", file.decoded.setup, file.settings);
    ASSERT_EQ(outcome.message, "");
    const std::string now = file.Now();
    EXPECT_EQ(now.substr(0, 4), "ver4");
    EXPECT_EQ(FieldAt(now, 5), "005");
    EXPECT_EQ(FieldAt(now, 6), "016");
    EXPECT_EQ(FieldAt(now, 7), "005");
    EXPECT_EQ(FieldAt(now, 9), "020");
    EXPECT_EQ(FieldAt(now, 10), "048");
    EXPECT_EQ(FieldAt(now, 16), "105");  // 617 sensor units at 2 mm: low 105, high 2
    EXPECT_EQ(FieldAt(now, 17), "002");
    // Nothing else moved.
    ASSERT_EQ(now.size(), file.original.size());
    auto written = [](size_t at) {
        if (at < 4) return true;
        for (int parameter : {5, 6, 7, 9, 10, 16, 17})
            if (at >= raw::ParameterOffset(parameter) && at < raw::ParameterOffset(parameter) + 3)
                return true;
        return false;
    };
    for (size_t i = 0; i < now.size(); ++i) {
        if (now[i] != file.original[i]) {
            EXPECT_TRUE(written(i)) << "byte " << i;
        }
    }

    RawFileResult again = ReadRawFile(kName, file.settings);
    EXPECT_EQ(again.setup.SetupDate, "05/10/2005");
    EXPECT_EQ(again.setup.SetupHour, 14);
    EXPECT_EQ(again.setup.SetupMinute, 30);
    EXPECT_DOUBLE_EQ(again.setup.SetupLevel, 123.4);
    EXPECT_TRUE(again.panel.showCorrectedNote);

    // The original is kept once, and every changed field is journalled.
    EXPECT_EQ(file.folder.Read("yedek/" + std::string(kName)), file.original);
    const std::string journal = Cp1254ToUtf8(file.folder.Read("yedek/Duzeltmeler.txt"));
    EXPECT_EQ(outcome.edit.changedFields, 6);  // year and month were already right
    ASSERT_EQ(outcome.edit.journalLines.size(), 6u);
    EXPECT_NE(journal.find(";12345678001.05M;46;001;005\r\n"), std::string::npos) << journal;
    EXPECT_NE(journal.find(";12345678001.05M;0;VER4;ver4\r\n"), std::string::npos) << journal;

    // Saving the same values again changes nothing and adds no journal line.
    SetupSaveOutcome same =
        SaveSetupParameters(kName, "123.4", "05/10/2005 14:30", again.setup, file.settings);
    EXPECT_EQ(same.message, "");
    EXPECT_EQ(same.edit.changedFields, 0);
    EXPECT_EQ(Cp1254ToUtf8(file.folder.Read("yedek/Duzeltmeler.txt")), journal);
    // A later correction keeps the first backup, the original.
    SaveSetupParameters(kName, "100", "06/10/2005 08:00", again.setup, file.settings);
    EXPECT_EQ(file.folder.Read("yedek/" + std::string(kName)), file.original);
}

TEST(SaveSetupParameters, StoppedLayoutAndPersianYears) {
    SavedFile stopped(RawImageBuilder(164).Walk(620, 10, 20).Bytes());
    ASSERT_EQ(SaveSetupParameters(kName, "1000", "01/07/1381 09:05", stopped.decoded.setup,
                                  stopped.settings)
                  .message,
              "");
    const std::string now = stopped.Now();
    EXPECT_EQ(FieldAt(now, 8), "985");  // BCD of 619: the year rule gives 762 + 619 = 1381
    EXPECT_EQ(FieldAt(now, 9), "007");
    EXPECT_EQ(FieldAt(now, 10), "001");
    EXPECT_EQ(FieldAt(now, 12), "009");
    EXPECT_EQ(FieldAt(now, 13), "005");
    EXPECT_EQ(FieldAt(now, 19), "232");  // 1000 = 3 * 256 + 232
    EXPECT_EQ(FieldAt(now, 20), "003");
    RawFileResult again = ReadRawFile(kName, stopped.settings);
    EXPECT_EQ(again.setup.SetupDate, "01/07/1381");

    for (int year : {1370, 1385, 1389}) {
        SavedFile persian(RawImageBuilder(163).Walk(620, 10, 5).Bytes(), "FARSCA");
        const std::string date = "01/07/" + std::to_string(year) + " 10:00";
        ASSERT_EQ(SaveSetupParameters(kName, "500", date, persian.decoded.setup, persian.settings)
                      .message,
                  "");
        EXPECT_EQ(ReadRawFile(kName, persian.settings).setup.SetupDate, date.substr(0, 10));
    }
}

TEST(SaveSetupParameters, RefusesWhatTheFileCannotHold) {
    struct Case {
        const char* unit;
        const char* level;
        const char* when;
        const char* says;
    } const cases[] = {
        {"004", "100", "05/10/2005 14:30", "faktörü 0"},
        {"001", "abc", "05/10/2005 14:30", "Setup seviyesi"},
        {"001", "-5", "05/10/2005 14:30", "Setup seviyesi"},
        {"001", "", "05/10/2005 14:30", "Setup seviyesi"},
        {"001", "65536", "05/10/2005 14:30", "Setup seviyesi"},
        {"002", "6553.6", "05/10/2005 14:30", "Setup seviyesi"},
        {"001", "100", "31/02/2005 14:30", "Setup tarihi"},
        {"001", "100", "05/10/2005", "Setup tarihi"},
        {"001", "100", "05/10/2005 24:00", "Setup tarihi"},
        {"001", "100", "05/10/05 14:30", "Setup tarihi"},
        {"001", "100", "05/10/1999 14:30", "2000 yılından önceki"},
        {"001", "100", "05/10/2101 14:30", "saklanamaz"},
        {"001", "100", "01/07/1390 14:30", "saklanamaz"},
    };
    for (const auto& c : cases) {
        SavedFile file(RawImageBuilder(163).Unit(c.unit).Walk(620, 10, 5).Bytes());
        SetupSaveOutcome outcome =
            SaveSetupParameters(kName, c.level, c.when, file.decoded.setup, file.settings);
        SCOPED_TRACE(std::string(c.level) + " " + c.when);
        EXPECT_NE(outcome.message.find(c.says), std::string::npos) << outcome.message;
        EXPECT_NE(outcome.message.find(kName), std::string::npos);
        EXPECT_EQ(file.Now(), file.original);
        EXPECT_FALSE(std::filesystem::exists(file.folder / "yedek"));
    }
    SavedFile english(RawImageBuilder(163).Unit("004").Walk(620, 10, 5).Bytes(), "ENGLISH");
    EXPECT_NE(
        SaveSetupParameters(kName, "1", "05/10/2005 14:30", english.decoded.setup, english.settings)
            .message.find("conversion factor 0"),
        std::string::npos);
    // The file was replaced by one of another layout since it was shown.
    SavedFile replaced(RawImageBuilder(163).Walk(620, 10, 5).Bytes());
    replaced.folder.Write(kName, RawImageBuilder(161).Bytes());
    EXPECT_FALSE(SaveSetupParameters(kName, "1", "05/10/2005 14:30", replaced.decoded.setup,
                                     replaced.settings)
                     .message.empty());
}

TEST(RawFileEditor, RefusesEditsOutsideTheFile) {
    test::TestFolder folder;
    folder.Write(kName, "VER4000163");
    RawFileEditOutcome outcome =
        ApplyRawFileEdits(folder.path(), kName, {{2, "xx"}, {9, "12"}}, "/");
    EXPECT_NE(outcome.error.find("nothing was changed"), std::string::npos);
    EXPECT_EQ(folder.Read(kName), "VER4000163");
    EXPECT_FALSE(std::filesystem::exists(folder / "yedek"));
    EXPECT_NE(ApplyRawFileEdits(folder.path(), "none.05M", {{0, "x"}}, "/").error, "");
    outcome = ApplyRawFileEdits(folder.path(), kName, {{8, "99"}}, ".");
    EXPECT_EQ(outcome.error, "");
    EXPECT_EQ(folder.Read(kName), "ver4000199");
    EXPECT_EQ(outcome.journalLines.size(), 2u);
    EXPECT_EQ(outcome.journalLines[0].substr(2, 1), ".");  // the date uses the separator given
    EXPECT_EQ(folder.Read("yedek/Duzeltmeler.txt").substr(0, 44),
              "Tarih Saat;Ham Dosya;Bayt (0'dan);Eski;Yeni\r");
}

TEST(PrintSetupParameters, LabelsAndValuesOfEveryListedFile) {
    test::TestFolder folder;
    ProgramSettings settings = test::SettingsFor(folder.path());
    folder.Write(kName, RawImageBuilder(163).Walk(620, 10, 236).Bytes());
    folder.Write("12345678002.05R",
                 RawImageBuilder(163).HeaderFirst(9, 30, 5, 10, 5).Walk(590, 10, 3).Bytes());
    PrintOutcome outcome = PrintSetupParameters({kName, "12345678002.05R"}, settings);
    ASSERT_EQ(outcome.error, "");
    EXPECT_EQ(outcome.output, folder / "123-45678_setupPar.txt");
    const std::string text = Cp1254ToUtf8(folder.Read("123-45678_setupPar.txt"));
    const std::string first =
        " Ham Dosyanın Adı................:12345678001.05M\r\n"
        " Version No......................:VER4\r\n"
        " İstasyon No.....................:123-45678\r\n"
        " Bölge No........................:000\r\n"
        " Su Yılı.........................:2006\r\n"
        " Setup Seviyesi..................:500\r\n"
        " Setup Tarihi ve Zamanı..........:01/10/2005 10:07\r\n"
        " İlk Kayıt Tarihi ve Zamanı.......:01/10/2005 10:20\r\n"
        "Setup tarihinden sonra geçen gün sayısı :2\r\n"
        " Son Kayıt Tarihi................:03/10/2005 01:30\r\n"
        " Cm. Çevirme Katsayısı...........:x1 (1cm)\r\n"
        " Örnek Sayısı....................:2\r\n"
        " 2 Örnek arasındaki süre.........:5 Dak.\r\n"
        " 2 Kayıt arasındaki süre.........:10 Dak.\r\n"
        " Ring Yapmış mı?.................:Hayır\r\n"
        "Parametre Sayısı :163\r\n"
        "Atlanan Blok Sayısı :0\r\n"
        "\r\n"
        " -----------------------------------------------\r\n";
    ASSERT_GE(text.size(), first.size());
    EXPECT_EQ(text.substr(0, first.size()), first);
    EXPECT_NE(text.find(" Ring Yapmış mı?.................:Evet\r\n"), std::string::npos);
    EXPECT_NE(text.find(" İlk Kayıt Tarihi ve Zamanı.......:05/10/2005 09:50\r\n"),
              std::string::npos);

    ProgramSettings english = test::SettingsFor(folder.path(), "ENGLISH");
    PrintSetupParameters({kName}, english);
    const std::string englishText = Cp1254ToUtf8(folder.Read("123-45678_setupPar.txt"));
    EXPECT_EQ(englishText.substr(0, 51), " Raw File Name...................:12345678001.05M\r\n");
    EXPECT_NE(englishText.find("Days after Last Resetting of Logger :2\r\n"), std::string::npos);
}

TEST(DumpRawFile, NumberedFieldsAfterTheHeader) {
    test::TestFolder folder;
    ProgramSettings settings = test::SettingsFor(folder.path());
    const std::string setupOnly = RawImageBuilder(163).Bytes();
    folder.Write(kName, setupOnly);
    PrintOutcome outcome = DumpRawFile(kName, settings);
    ASSERT_EQ(outcome.error, "");
    EXPECT_EQ(outcome.output, folder / "#12345678001.05M.txt");
    const std::string text = Cp1254ToUtf8(folder.Read("#12345678001.05M.txt"));
    std::vector<std::string_view> lines = SplitLines(text);
    ASSERT_EQ(lines.size(), 9u + 163 + 1);
    EXPECT_EQ(lines[0], "Version No.         : VER4");
    EXPECT_EQ(lines[1], "Blok No.            : 000");
    EXPECT_EQ(lines[2], "Setup Param. Bytes  : 163");
    EXPECT_EQ(lines[3], "Ölçüm Birimi        :001");
    EXPECT_EQ(lines[4], "İlk Verinin Saati   :000");
    EXPECT_EQ(lines[8], "İlk Verinin Yılı    : 000");
    EXPECT_EQ(lines[9], "                 001: 000");
    EXPECT_EQ(lines[9 + 17], "                 018: 002");
    EXPECT_EQ(lines[9 + 162], "                 163: 000");
    EXPECT_EQ(lines[9 + 163], " ----------------------------------");
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");

    folder.Write(kName, setupOnly + "00110");  // data bytes go on counting; a piece is kept
    DumpRawFile(kName, settings);
    const std::string longer = Cp1254ToUtf8(folder.Read("#12345678001.05M.txt"));
    lines = SplitLines(longer);
    ASSERT_EQ(lines.size(), 9u + 163 + 1 + 2);
    EXPECT_EQ(lines[9 + 164], "                 164: 001");
    EXPECT_EQ(lines[9 + 165], "                 165: 10");

    EXPECT_NE(DumpRawFile("missing.05M", settings).error, "");
}

}  // namespace
}  // namespace kovu3
