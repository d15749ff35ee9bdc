// kovu3-cli decode run as a program.

#include <gtest/gtest.h>

#include "rawfile/raw_image_builder.h"
#include "support/test_folder.h"

namespace kovu3 {
namespace {

using test::RawImageBuilder;

test::ProgramRun RunCli(const test::TestFolder& folder, const std::string& arguments) {
    return test::RunProgram(
        "cd " + test::ShellQuote(folder.path().string()) +
        " && KOVU3_SYSTEM_ROOT=" + test::ShellQuote((folder / "sys").string()) +
        " KOVU3_PROGRAM_FOLDER=" + test::ShellQuote((folder / "prog").string()) + " LC_ALL=C " +
        test::ShellQuote((test::BinaryFolder() / "kovu3-cli").string()) + " " + arguments);
}

bool Has(const std::string& text, const std::string& piece) {
    return text.find(piece) != std::string::npos;
}

TEST(DecodeCommand, JsonLinesWithTheRecordFields) {
    test::TestFolder folder;
    folder.Write("raw files/12345678001.05M", RawImageBuilder(163).Walk(620, 10, 236).Bytes());
    folder.Write("raw files/12345678_01.05M.xxx", "[Ek_Bilgiler]\r\nNgun=5\r\n");
    test::ProgramRun run = RunCli(folder, "decode --json 'raw files/12345678001.05M'");
    EXPECT_EQ(run.status, 0) << run.output;
    for (const char* piece :
         {"{\"file\":\"raw files/12345678001.05M\",\"VersionMarker\":\"VER4\"",
          "\"ParameterCount\":163", "\"FirstRecordDate\":\"01/10/2005\"",
          "\"FirstRecordMinute\":620", "\"DayCount\":5", "\"LastRecordDate\":\"03/10/2005\"",
          "\"LastRecordMinute\":90", "\"WaterYear\":2006", "\"LastWaterYear\":2006",
          "\"DataStart\":517", "\"DataEnd\":1981", "\"errorText\":\"\"", "\"importantProblems\":[]",
          "\"programmerProblems\":[]", "\"TextSetup8Red\":true", "\"BatteryChanged\":\"Hayır\""})
        EXPECT_TRUE(Has(run.output, piece)) << piece << "\n" << run.output;
    EXPECT_EQ(std::count(run.output.begin(), run.output.end(), '\n'), 1);

    test::ProgramRun english =
        RunCli(folder, "decode --json --language ENGLISH --policy 1 'raw files/12345678001.05M'");
    EXPECT_TRUE(Has(english.output, "\"BatteryChanged\":\"No\"")) << english.output;
    EXPECT_TRUE(Has(english.output, "\"ExtremesPolicy\":0")) << english.output;
}

TEST(DecodeCommand, DamagedFilesEachGiveAProblem) {
    test::TestFolder folder;
    const std::string good = RawImageBuilder(164).Walk(620, 10, 300).Bytes();
    const std::pair<const char*, std::string> damaged[] = {
        {"12345678001.05M", good.substr(0, 20)},
        {"12345678002.05M", good.substr(0, 400)},
        {"12345678003.05M", std::string(600, 'x')},
        {"12345678004.05M", "VER4000999001" + std::string(700, '1')},
        {"12345678005.05M", RawImageBuilder(161).Pointer(200000).Walk(620, 10, 5).Bytes()},
        {"12345678006.05M", RawImageBuilder(163).Sampling(0, 0).Bytes()},
        {"00000000007.05M", good},
        {"12345678008.05R", RawImageBuilder(163).HeaderFirst(10, 0, 0, 0, 0).Bytes()},
    };
    std::string names;
    for (const auto& [name, bytes] : damaged) {
        folder.Write(std::string("d/") + name, bytes);
        names += std::string(" d/") + name;
    }
    test::ProgramRun run = RunCli(folder, "decode --json" + names + " d/missing.05M");
    EXPECT_EQ(run.status, 1);
    std::vector<std::string> lines;
    for (size_t start = 0, end; (end = run.output.find('\n', start)) != std::string::npos;
         start = end + 1)
        lines.push_back(run.output.substr(start, end - start));
    ASSERT_EQ(lines.size(), 9u) << run.output;
    for (const std::string& line : lines) EXPECT_FALSE(Has(line, "\"problemDetails\":[]")) << line;
    EXPECT_TRUE(Has(lines[0], "\"errorText\":\"Dosya 28 karakterlik başlıktan kısa\""));
    EXPECT_TRUE(Has(lines[1], "\"errorText\":\"Dosya setup parametrelerinden kısa\""));
    EXPECT_TRUE(Has(lines[2], "\"errorText\":\"Version Hatasi\""));
    EXPECT_TRUE(Has(lines[3], "\"errorText\":\"Parametre Sayısı Hatalı\""));
    EXPECT_TRUE(Has(lines[4], "Veri sonu işaretçisi dosyanın sonunu aşıyor"));
    EXPECT_TRUE(Has(lines[5], "\"errorText\":\"Kayıt Aralığı Hatalı\""));
    EXPECT_TRUE(Has(lines[6], "\"errorText\":\"Hatali Dosya Adi\""));
    EXPECT_TRUE(Has(lines[7], "\"errorText\":\"İlk verinin zamanı ve tarihi belirsiz.\""));
    EXPECT_TRUE(Has(lines[8], "\"errorText\":\"Dosya bulunamadı\""));

    test::ProgramRun readable = RunCli(folder, "decode d/12345678004.05M");
    EXPECT_EQ(readable.status, 1);
    EXPECT_TRUE(Has(readable.output, "errorText: Parametre Sayısı Hatalı")) << readable.output;
    EXPECT_TRUE(Has(readable.output, "12345678004.05M: bayt 7: 999")) << readable.output;
}

TEST(DecodeCommand, WrongWords) {
    test::TestFolder folder;
    for (const char* arguments : {"decode", "decode --json", "decode --policy 4 x",
                                  "decode --bogus x", "decode --language KLINGON x"}) {
        test::ProgramRun run = RunCli(folder, arguments);
        EXPECT_EQ(run.status, 2) << arguments;
        EXPECT_TRUE(Has(run.output, "usage")) << arguments;
    }
}

}  // namespace
}  // namespace kovu3
