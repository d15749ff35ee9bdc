// kovu3-cli graph: the picture and the page of converted station-years, a zoom typed as
// day.month, and the messages of wrong words and unreadable files.

#include <gtest/gtest.h>

#include "graph_fixture.h"

namespace kovu3 {
namespace {

class GraphCliTest : public ::testing::Test {
  protected:
    test::ProgramRun Graph(const std::string& arguments) {
        return test::RunProgram(
            "KOVU3_SYSTEM_ROOT=" + test::ShellQuote((fixture_.data / "sys").string()) +
            " QT_QPA_PLATFORM=xcb DISPLAY= " +
            test::ShellQuote((test::BinaryFolder() / "kovu3-cli").string()) + " graph " +
            arguments);
    }
    std::string Path(const std::string& name) {
        return test::ShellQuote((fixture_.data / name).string());
    }

    test::GraphFixture fixture_;
};

TEST_F(GraphCliTest, PictureAndPageWithoutADisplay) {
    std::string a = fixture_.Raw("12345678", {1, 10, 2003}, {10, 10, 2003});
    std::string b =
        fixture_.Raw("12345679", {3, 10, 2003}, {8, 10, 2003}, sim::kOpticalEncoder, 1, 5);
    const std::string first = fixture_.Convert("123-45678", 2004, {a});
    const std::string second = fixture_.Convert("123-45679", 2004, {b});
    test::ProgramRun run =
        Graph(Path(first) + " " + Path(second) + " --png " + Path("grafik 1.png") + " --pdf " +
              Path("grafik 1.pdf") + " --size 800x500");
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_NE(run.output.find("2 station-year(s), 01/10/2003  00:00  -  01/10/2004  00:00"),
              std::string::npos)
        << run.output;
    EXPECT_EQ(fixture_.data.Read("grafik 1.png").substr(1, 3), "PNG");
    EXPECT_EQ(fixture_.data.Read("grafik 1.pdf").substr(0, 4), "%PDF");

    run = Graph(Path(first) + " --png " + Path("week.png") + " --from 3.10 --to 9.10");
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_NE(run.output.find("03/10/2003  00:00  -  10/10/2003  00:00"), std::string::npos)
        << run.output;
}

TEST_F(GraphCliTest, WrongWordsAndUnreadableFiles) {
    std::string a = fixture_.Raw("12345678", {1, 10, 2003}, {3, 10, 2003});
    const std::string name = fixture_.Convert("123-45678", 2004, {a});
    struct Case {
        std::string arguments;
        int status;
        const char* message;
    };
    const Case cases[] = {
        {Path(name), 2, "--png or --pdf is needed"},
        {"--png x.png", 2, "PROCESSED is missing"},
        {Path(name) + " --png x.png --size 10x10", 2, "--size needs"},
        {Path(name) + " --png x.png --from 31.2", 2,
         "--from 31.2 is no day.month of water year 2004"},
        {Path(name) + " --png x.png --from 9.10 --to 3.10", 2, "lies before"},
        {Path("S2004999-99999.txt") + " --png x.png", 1, "no station-year to draw"},
        {Path(name) + " --png " + Path("no folder/x.png"), 1, "cannot write"},
    };
    for (const Case& c : cases) {
        test::ProgramRun run = Graph(c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments << "\n" << run.output;
        EXPECT_NE(run.output.find(c.message), std::string::npos) << c.arguments << "\n"
                                                                 << run.output;
    }
}

}  // namespace
}  // namespace kovu3
