// Start-up, exit and unload as the room and the settings file see them: the banner lines
// byte for byte, the prompts, the file's bytes, and what the two ways of ending leave behind.
#include <gtest/gtest.h>

#include "tests/native/sim_run.h"

namespace kn::test {
namespace {

const std::string kMark = "\xE2\x80\xBA";
const std::string kHead = "</b><font color=#c0c0c0 face=\"tahoma\">            " + kMark + " ";

std::string UserBanner(const std::string& handle) {
    return kHead + "<font color=#99ccff>k<font color=#c0c0c0>elvar <font color=#99ccff>" + kMark +
           "<font color=#c0c0c0> user<font color=#99ccff>   " + kMark + "<font color=#c0c0c0> " +
           handle;
}
const std::string kLoaded = kHead + "<font color=#99ccff>n<font color=#c0c0c0>ook      " +
                            "<font color=#99ccff>" + kMark + "<font color=#c0c0c0> status" +
                            "<font color=#99ccff> " + kMark + "<font color=#c0c0c0> loaded";
const std::string kUnloaded = kHead + "<font color=#99ccff>n<font color=#c0c0c0>ook      " +
                              "<font color=#99ccff>" + kMark + "<font color=#c0c0c0> status" +
                              "<font color=#99ccff> " + kMark +
                              "<font color=#c0c0c0> <font color=#c0c0c0>unloaded";
const std::string kPrompt = "prompt input your handle in lowercase letters please";

TEST(StartUp, FirstStartAsksOnceAnnouncesAndCreatesTheFile) {
    TempDir dir;
    const SimRun run = RunScript(dir, "answer abc\n");
    const std::vector<std::string> expected = {
        "0.00 " + kPrompt,
        "0.00 post " + UserBanner("abc"),
        "0.51 post " + kLoaded,
        "0.51 window Form1 shown",
    };
    EXPECT_EQ(run.record, expected);
    EXPECT_EQ(dir.Read("kelvarnook.ini"), SettingsAfterFirstStart("abc"));
}

TEST(StartUp, CancelledPromptIsAskedOnceMoreAfterTheLoadedLine) {
    TempDir dir;
    const SimRun run = RunScript(dir, "cancel\n@1 answer bob\n");
    const std::vector<std::string> expected = {
        "0.00 " + kPrompt, "0.00 post " + UserBanner(""), "0.51 post " + kLoaded,
        "0.51 " + kPrompt, "1.00 window Form1 shown",
    };
    EXPECT_EQ(run.record, expected);
    EXPECT_EQ(dir.Read("kelvarnook.ini"), SettingsAfterFirstStart("bob"));
}

TEST(StartUp, SecondEmptyAnswerIsStoredAndNotAskedAgain) {
    TempDir dir;
    const SimRun run = RunScript(dir, "cancel\n@1 cancel\n@5 dump\n");
    EXPECT_EQ(Lines(run, "prompt").size(), 2u);
    EXPECT_EQ(dir.Read("kelvarnook.ini"), SettingsAfterFirstStart(""));
}

struct LaterStart {
    const char* name;
    std::string file;
    std::vector<std::string> prompts;  // times of the prompts shown
    std::string first_post;
    std::vector<std::string> state;  // dump lines Form1.Text1, Label5, Form2.Text1, Text2
    std::string file_after;
};

void PrintTo(const LaterStart& c, std::ostream* os) {
    *os << c.name;
}

class LaterStarts : public testing::TestWithParam<LaterStart> {};

TEST_P(LaterStarts, ReadTheFileAndWriteTheColoursBack) {
    const LaterStart& c = GetParam();
    TempDir dir;
    dir.Write("kelvarnook.ini", c.file);
    const SimRun run =
        RunScript(dir, c.prompts.empty() ? "@1 dump\n" : "@0.6 answer zed\n@1 dump\n");
    std::vector<std::string> prompts;
    for (const std::string& line : Lines(run, "prompt")) prompts.push_back(line.substr(0, 4));
    EXPECT_EQ(prompts, c.prompts);
    ASSERT_FALSE(Texts(run, "post").empty());
    EXPECT_EQ(Texts(run, "post").front(), c.first_post);
    const std::vector<std::string> state = Texts(run, "state");
    ASSERT_EQ(state.size(), 12u);
    EXPECT_EQ((std::vector<std::string>{state[0], state[1], state[6], state[7]}), c.state);
    EXPECT_EQ(dir.Read("kelvarnook.ini"), c.file_after);
}

INSTANTIATE_TEST_SUITE_P(
    Files, LaterStarts,
    testing::Values(
        LaterStart{
            "stored_values",
            "[prefs]\r\nHANDLE=abc\r\nCOLOR1=112233\r\nCOLOR2=445566\r\nREASON=lunch\r\n",
            {},
            "</b><font color=#112233 face=\"tahoma\">            " + kMark +
                " <font color=#445566>k<font color=#112233>elvar <font color=#445566>" + kMark +
                "<font color=#112233> user<font color=#445566>   " + kMark +
                "<font color=#112233> abc",
            {"Form1.Text1=lunch", "Form1.Label5=abc", "Form2.Text1=112233", "Form2.Text2=445566"},
            "[prefs]\r\nHANDLE=abc\r\nCOLOR1=112233\r\nCOLOR2=445566\r\nREASON=lunch\r\n"},
        LaterStart{
            "lower_case_keys_and_empty_handle",
            "[Prefs]\r\nreason=tea\r\nhandle=\r\ncolor1=c0c0c0\r\ncolor2=99ccff\r\n",
            {"0.51"},
            UserBanner(""),
            {"Form1.Text1=tea", "Form1.Label5=zed", "Form2.Text1=c0c0c0", "Form2.Text2=99ccff"},
            "[Prefs]\r\nreason=tea\r\nhandle=zed\r\ncolor1=c0c0c0\r\ncolor2=99ccff\r\n"},
        LaterStart{"missing_colour_stays_empty",
                   "[prefs]\r\nHANDLE=abc\r\nCOLOR2=99ccff\r\n",
                   {},
                   "</b><font color=# face=\"tahoma\">            " + kMark +
                       " <font color=#99ccff>k<font color=#>elvar <font color=#99ccff>" + kMark +
                       "<font color=#> user<font color=#99ccff>   " + kMark + "<font color=#> abc",
                   {"Form1.Text1=", "Form1.Label5=abc", "Form2.Text1=", "Form2.Text2=99ccff"},
                   "[prefs]\r\nHANDLE=abc\r\nCOLOR2=99ccff\r\nCOLOR1=\r\n"},
        LaterStart{"garbage_without_the_section",
                   std::string("\x00\xff\xfe junk\n=\n[other]\nHANDLE=x\n", 28),
                   {"0.51"},
                   "</b><font color=# face=\"tahoma\">            " + kMark +
                       " <font color=#>k<font color=#>elvar <font color=#>" + kMark +
                       "<font color=#> user<font color=#>   " + kMark + "<font color=#> ",
                   {"Form1.Text1=", "Form1.Label5=zed", "Form2.Text1=", "Form2.Text2="},
                   std::string("\x00\xff\xfe junk\n=\n[other]\nHANDLE=x\n", 28) +
                       "[prefs]\r\nCOLOR1=\r\nCOLOR2=\r\nHANDLE=zed\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StartUp, LongReasonReadsBackWhole) {
    TempDir dir;
    const std::string reason(1000, 'r');
    dir.Write("kelvarnook.ini", "[prefs]\r\nHANDLE=abc\r\nREASON=" + reason + "\r\n");
    const SimRun run = RunScript(dir, "@1 dump\n");
    EXPECT_EQ(Texts(run, "state").at(0), "Form1.Text1=" + reason);
}

TEST(StartUp, HugeSettingsFileStillStarts) {
    TempDir dir;
    std::string file = "[prefs]\r\nHANDLE=abc\r\n";
    file += std::string(10 << 20, 'x');
    dir.Write("kelvarnook.ini", file);
    const SimRun run = RunScript(dir, "@1 dump\n");
    EXPECT_EQ(Texts(run, "state").at(1), "Form1.Label5=abc");
}

TEST(StartUp, LineSaidDuringTheAnnouncementIsHandledInsideThePause) {
    TempDir dir;
    dir.Write("kelvarnook.ini", SettingsAfterFirstStart("abc") + "REASON=nap\r\n");
    const SimRun run = RunScript(dir, "@0.2 owner reason?\n");
    const std::vector<std::string> posts = Lines(run, "post");
    ASSERT_EQ(posts.size(), 3u);
    EXPECT_EQ(posts[1], "0.20 post " + kHead2 + "> idle reason <font color=#c0c0c0>nap");
    EXPECT_EQ(posts[2].substr(0, 5), "0.51 ");
}

struct Ending {
    const char* name;
    std::string script;
};

void PrintTo(const Ending& c, std::ostream* os) {
    *os << c.name;
}

class Endings : public testing::TestWithParam<Ending> {};

// The exit sequence and the window closed from outside both keep the reason and post the
// two unload lines exactly once.
TEST_P(Endings, SaveTheReasonAnnounceOnceAndExit) {
    TempDir dir;
    dir.Write("kelvarnook.ini", SettingsAfterFirstStart("abc"));
    const SimRun run = RunScript(
        dir, "@1 owner reason gone fishing\n@2 " + GetParam().script + "\n@9 owner reason?\n");
    const std::vector<std::string> tail(run.record.end() - 3, run.record.end());
    const std::vector<std::string> expected = {"2.00 post " + UserBanner("abc"),
                                               "2.51 post " + kUnloaded, "2.51 exit"};
    EXPECT_EQ(tail, expected);
    EXPECT_EQ(dir.Read("kelvarnook.ini"),
              SettingsAfterFirstStart("abc") + "REASON=gone fishing\r\n");
}

INSTANTIATE_TEST_SUITE_P(Ways, Endings,
                         testing::Values(Ending{"end_command", "owner end"},
                                         Ending{"menu_exit", "click mnuexit"},
                                         Ending{"skin_x", "click Picture5"},
                                         Ending{"closed_from_outside", "close Form1"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(StartUp, SecondExitInsideTheFirstPausePostsTwoUserBanners) {
    TempDir dir;
    dir.Write("kelvarnook.ini", SettingsAfterFirstStart("abc"));
    const SimRun run = RunScript(dir, "@2 click mnuexit\n@2.2 click Picture5\n");
    const std::vector<std::string> posts = Texts(run, "post");
    ASSERT_EQ(posts.size(), 5u);
    EXPECT_EQ(posts[2], UserBanner("abc"));
    EXPECT_EQ(posts[3], UserBanner("abc"));
    EXPECT_EQ(posts[4], kUnloaded);
    EXPECT_EQ(Lines(run, "exit"), std::vector<std::string>{"2.71 exit"});
}

}  // namespace
}  // namespace kn::test
