// The idle session in virtual time: the minute clock across the hour and past a day, the two
// lines of every tick, and what other events do when they arrive inside a tick's pause.
#include <gtest/gtest.h>

#include "tests/native/sim_run.h"

namespace kn::test {
namespace {

const std::string kMark = "\xE2\x80\xBA";
const std::string kFace = "</b><font color=#c0c0c0 face=\"tahoma\">            " + kMark;

std::string IdleLine(const std::string& hours, const std::string& minutes) {
    return kFace + " <font color=#99ccff>abc <font color=#c0c0c0>is idle. H <font color=#99ccff>" +
           hours + "<font color=#c0c0c0>  M <font color=#99ccff>" + minutes;
}
std::string TimedReason(const std::string& r) {
    return kFace + " <font color=#c0c0c0>reason: <font color=#99ccff>" + r;
}

SimRun Idle(const std::string& script, const std::string& reason = "lunch") {
    TempDir dir;
    dir.Write("kelvarnook.ini", SettingsAfterFirstStart("abc") + "REASON=" + reason + "\r\n");
    return RunScript(dir, script);
}

TEST(IdleClock, FirstTickIsAMinuteAfterTheStartAndPostsBothLines) {
    const SimRun run = Idle("@10 click mnuon\n@75 dump\n");
    const std::vector<std::string> posts = Lines(run, "post");
    ASSERT_EQ(posts.size(), 6u);
    EXPECT_EQ(posts[4], "70.00 post " + IdleLine("0", "1"));
    EXPECT_EQ(posts[5], "70.51 post " + TimedReason("lunch"));
}

struct Crossing {
    const char* name;
    std::string minutes, hours;  // typed into the counters before the tick
    std::string posted_hours, posted_minutes;
};

void PrintTo(const Crossing& c, std::ostream* os) {
    *os << c.name;
}

class Crossings : public testing::TestWithParam<Crossing> {};

TEST_P(Crossings, AdvanceTheHourAndNeverWrap) {
    const Crossing& c = GetParam();
    TempDir dir;
    dir.Write("kelvarnook.ini", SettingsAfterFirstStart("abc") + "REASON=x\r\n");
    // The counters are labels, not typable; start from the state after that many ticks.
    std::string script = "@1 click mnuon\n";
    const int ticks = std::stoi(c.hours) * 60 + std::stoi(c.minutes);
    script += "@" + std::to_string(1 + 60 * (ticks + 1)) + ".6 dump\n";
    const SimRun run = RunScript(dir, script);
    const std::vector<std::string> posts = Texts(run, "post");
    ASSERT_GE(posts.size(), 4u);
    EXPECT_EQ(posts[posts.size() - 2], IdleLine(c.posted_hours, c.posted_minutes));
}

INSTANTIATE_TEST_SUITE_P(Clock, Crossings,
                         testing::Values(Crossing{"minute_59_to_hour", "59", "0", "1", "0"},
                                         Crossing{"hour_23_59_to_24", "59", "23", "24", "0"},
                                         Crossing{"ordinary_minute", "5", "2", "2", "6"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(IdleClock, ADayLongSessionKeepsCountingHours) {
    const SimRun run = Idle("@0 click mnuon\n@" + std::to_string(25 * 3600 + 30) + " dump\n");
    const std::vector<std::string> state = Texts(run, "state");
    EXPECT_EQ(state.at(2), "Form1.Label2=0");
    EXPECT_EQ(state.at(3), "Form1.Label4=25");
    EXPECT_EQ(Lines(run, "post").size(), 4u + 2 * 25 * 60);
}

TEST(IdleSession, OnTwiceRepostsAndKeepsTheCountdown) {
    const SimRun run = Idle("@0 click mnuon\n@30 click mnuon\n@61 dump\n");
    const std::vector<std::string> posts = Lines(run, "post");
    ASSERT_EQ(posts.size(), 8u);
    EXPECT_EQ(posts[6], "60.00 post " + IdleLine("0", "1"));
}

TEST(IdleSession, MenuOnStartsEvenWithoutAReason) {
    const SimRun run = Idle("@1 click mnuon\n@2 dump\n", "");
    EXPECT_EQ(Texts(run, "post").at(3), kFace + " reason: <font color=#99ccff>");
    EXPECT_EQ(Texts(run, "state").at(4), "Form1.Timer1=on");
}

TEST(IdleSession, OffAndOnAgainCountsFromZero) {
    const SimRun run = Idle("@0 click mnuon\n@130 click mnuoff\n@131 click mnuon\n@192 dump\n");
    EXPECT_EQ(Texts(run, "post").at(Texts(run, "post").size() - 2), IdleLine("0", "1"));
}

TEST(IdleSession, ResetDuringASessionRestartsTheCount) {
    const SimRun run = Idle("@0 click mnuon\n@150 owner reset\n@181 dump\n");
    EXPECT_EQ(Texts(run, "post").at(Texts(run, "post").size() - 2), IdleLine("0", "1"));
    EXPECT_EQ(Texts(run, "state").at(4), "Form1.Timer1=on");
}

TEST(IdleSession, MinimisedWindowKeepsTheClockRunning) {
    const SimRun run = Idle("@0 click mnuon\n@1 click Picture2\n@61 dump\n");
    EXPECT_EQ(Texts(run, "post").at(4), IdleLine("0", "1"));
    EXPECT_EQ(Texts(run, "state").at(5), "Form1=minimized");
}

TEST(IdleSession, EditedReasonShowsAtTheNextTick) {
    const SimRun run = Idle("@0 click mnuon\n@30 type Form1.Text1 fishing\n@61 dump\n");
    EXPECT_EQ(Texts(run, "post").at(5), TimedReason("fishing"));
}

// Events inside the pause of a tick run at once, and the tick's second line reads the
// values as they stand after the pause.
TEST(ReEntry, OffInsideATickPauseStillEndsWithTheReasonLine) {
    const SimRun run =
        Idle("@0 click mnuon\n@60.2 click mnuoff\n@60.3 owner reason new\n@61 dump\n");
    const std::vector<std::string> posts = Lines(run, "post");
    ASSERT_EQ(posts.size(), 8u);
    EXPECT_EQ(posts[4], "60.00 post " + IdleLine("0", "1"));
    EXPECT_EQ(posts[5], "60.20 post " + kFace + " idle session <font color=#99ccff>ended");
    EXPECT_EQ(posts[6].substr(0, 11), "60.30 post ");
    EXPECT_EQ(posts[7], "60.51 post " + TimedReason("new"));
    EXPECT_EQ(Texts(run, "state").at(2), "Form1.Label2=0");
}

TEST(ReEntry, ColourChangedInsideIdleonPauseShowsInTheSecondLine) {
    const SimRun run = Idle("@1 owner idleon\n@1.3 type Form2.Text2 ff0000\n");
    const std::vector<std::string> posts = Texts(run, "post");
    ASSERT_EQ(posts.size(), 4u);
    EXPECT_EQ(posts[2], kHead2 + "> abc<font color=#c0c0c0> started idle session");
    EXPECT_EQ(posts[3], kFace + " reason: <font color=#ff0000>lunch");
}

TEST(ReEntry, EventsAtTheSameTimeWaitForTheRunningOne) {
    const SimRun run = Idle("@1 click mnuon\n+0 dump\n");
    EXPECT_EQ(Lines(run, "state").front().substr(0, 5), "1.51 ");
}

}  // namespace
}  // namespace kn::test
