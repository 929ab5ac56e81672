// The owner's lines in the room and what each does: one table of lines, the lines the program
// posts in answer (byte for byte), and the fields and settings file afterwards.
#include <gtest/gtest.h>

#include <map>

#include "tests/native/sim_run.h"

namespace kn::test {
namespace {

const std::string kMark = "\xE2\x80\xBA";
const std::string kFace = "</b><font color=#c0c0c0 face=\"tahoma\">            " + kMark;
const std::string kStarted = kHead2 + "> abc<font color=#c0c0c0> started idle session";
const std::string kEnded = kFace + " idle session <font color=#99ccff>ended";
std::string StartReason(const std::string& r) {
    return kFace + " reason: <font color=#99ccff>" + r;
}
std::string Window(const std::string& piece, const std::string& state) {
    return kHead2 + "> kelvar nook " + piece + " <font color=#c0c0c0>" + state;
}

struct OwnerLine {
    const char* name;
    std::string reason;  // stored in the settings file before the run
    std::string line;    // what the owner types
    std::vector<std::string> posts;
    std::map<std::string, std::string> state;  // dump values afterwards
    std::string handle_after = "abc";          // HANDLE in the settings file afterwards
};

void PrintTo(const OwnerLine& c, std::ostream* os) {
    *os << c.name;
}

class OwnerLines : public testing::TestWithParam<OwnerLine> {};

TEST_P(OwnerLines, PostTheirConfirmationAndChangeTheirField) {
    const OwnerLine& c = GetParam();
    TempDir dir;
    dir.Write("kelvarnook.ini", SettingsAfterFirstStart("abc") + "REASON=" + c.reason + "\r\n");
    const SimRun run = RunScript(dir, "@1 owner " + c.line + "\n@5 dump\n");
    ASSERT_EQ(run.status, 0) << run.errors;
    std::vector<std::string> posts = Texts(run, "post");
    posts.erase(posts.begin(), posts.begin() + 2);  // the start-up banners
    EXPECT_EQ(posts, c.posts);
    std::map<std::string, std::string> state;
    for (const std::string& kv : Texts(run, "state")) {
        const std::size_t eq = kv.find('=');
        if (c.state.count(kv.substr(0, eq))) state[kv.substr(0, eq)] = kv.substr(eq + 1);
    }
    EXPECT_EQ(state, c.state);
    EXPECT_NE(dir.Read("kelvarnook.ini").find("HANDLE=" + c.handle_after + "\r\n"),
              std::string::npos);
}

using S = std::map<std::string, std::string>;
const std::vector<std::string> kNothing;

INSTANTIATE_TEST_SUITE_P(
    Dispatcher, OwnerLines,
    testing::Values(
        OwnerLine{"idleon_without_reason",
                  "",
                  "idleon",
                  {kHead2 + "> please set reason before going <font color=#c0c0c0>idle"},
                  S{{"Form1.Timer1", "off"}}},
        OwnerLine{"idleon_any_case",
                  "lunch",
                  "IdleOn",
                  {kStarted, StartReason("lunch")},
                  S{{"Form1.Timer1", "on"}}},
        OwnerLine{"idleon_trailing_blank",
                  "lunch",
                  "idleon ",
                  {kStarted, StartReason("lunch")},
                  S{{"Form1.Timer1", "on"}}},
        OwnerLine{"idleon_with_argument", "lunch", "idleon now", kNothing,
                  S{{"Form1.Timer1", "off"}}},
        OwnerLine{"leading_blank", "lunch", " idleon", kNothing, S{{"Form1.Timer1", "off"}}},
        OwnerLine{"tab_is_part_of_the_word", "lunch", "idleon\tnow", kNothing,
                  S{{"Form1.Timer1", "off"}}},
        OwnerLine{"reason_alone", "old", "reason", kNothing, S{{"Form1.Text1", "old"}}},
        OwnerLine{"reason_blank", "old", "reason ", kNothing, S{{"Form1.Text1", "old"}}},
        OwnerLine{"reason_keeps_second_blank",
                  "",
                  "reason  gone fishing",
                  {kHead2 + "> new idle reason <font color=#c0c0c0> gone fishing"},
                  S{{"Form1.Text1", " gone fishing"}}},
        OwnerLine{"reason_question_mark",
                  "",
                  "reason ?",
                  {kHead2 + "> new idle reason <font color=#c0c0c0>?"},
                  S{{"Form1.Text1", "?"}}},
        OwnerLine{"reason_case_kept",
                  "",
                  "Reason Gone Fishing",
                  {kHead2 + "> new idle reason <font color=#c0c0c0>Gone Fishing"},
                  S{{"Form1.Text1", "Gone Fishing"}}},
        // The scanner reads the room's transcript, where tags are not shown.
        OwnerLine{"reason_as_the_room_shows_it",
                  "",
                  "reason <b>bold</b> & co",
                  {kHead2 + "> new idle reason <font color=#c0c0c0>bold & co"},
                  S{{"Form1.Text1", "bold & co"}}},
        OwnerLine{"reason_query",
                  "nap",
                  "reason?",
                  {kHead2 + "> idle reason <font color=#c0c0c0>nap"},
                  S{}},
        OwnerLine{"reason_query_empty", "", "reason?", {kHead2 + "> no idle reason set"}, S{}},
        OwnerLine{"handle_saved",
                  "",
                  "handle Bob",
                  {kHead2 + "> handle changed to <font color=#c0c0c0>Bob"},
                  S{{"Form1.Label5", "Bob"}},
                  "Bob"},
        OwnerLine{"handle_needs_argument", "", "handle", kNothing, S{{"Form1.Label5", "abc"}}},
        OwnerLine{"minimize_is_not_a_command", "", "minimize", kNothing, S{{"Form1", "normal"}}},
        OwnerLine{"mini",
                  "",
                  "mini",
                  {Window(kMark + " main form", "minimized")},
                  S{{"Form1", "minimized"}}},
        OwnerLine{"maxi_on_normal",
                  "",
                  "maxi",
                  {Window(kMark + " main form", "maximized")},
                  S{{"Form1", "normal"}}},
        OwnerLine{
            "hide", "", "hide", {Window(kMark + " main form", "hidden")}, S{{"Form1", "hidden"}}},
        OwnerLine{"show_when_shown",
                  "",
                  "show",
                  {Window(kMark + " main form", "shown")},
                  S{{"Form1", "normal"}}},
        OwnerLine{"cmds", "", "cmds", {Window("commands", "shown")}, S{{"Form3", "shown"}}},
        OwnerLine{"xcmds_when_hidden",
                  "",
                  "xcmds",
                  {Window("commands", "hidden")},
                  S{{"Form3", "hidden"}}},
        OwnerLine{"colors",
                  "",
                  "colors",
                  {Window(kMark + " color editor", "shown")},
                  S{{"Form2", "shown"}}},
        OwnerLine{"xcolors_when_hidden",
                  "",
                  "xcolors",
                  {Window(kMark + " color editor", "hidden")},
                  S{{"Form2", "hidden"}}},
        OwnerLine{"pr_keeps_blanks_and_case",
                  "",
                  "pr My  Room",
                  {kHead2 + "> abc attempting to enter <font color=#c0c0c0>My  Room"},
                  S{}},
        OwnerLine{"placeholders_typed_are_text",
                  "",
                  "pr {color1}{handle}",
                  {kHead2 + "> abc attempting to enter <font color=#c0c0c0>{color1}{handle}"},
                  S{}},
        OwnerLine{"reset",
                  "",
                  "reset",
                  {kHead2 + "> kelvar nook " + kMark + " idle time <font color=#c0c0c0>reset"},
                  S{{"Form1.Label2", "0"}, {"Form1.Label4", "0"}, {"Form1.Timer1", "off"}}},
        OwnerLine{"idleoff_when_off",
                  "",
                  "idleoff",
                  {kEnded},
                  S{{"Form1.Timer1", "off"}, {"Form1.Label2", "0"}}},
        OwnerLine{"unknown_word", "", "idle", kNothing, S{}},
        OwnerLine{"empty_line", "", "", kNothing, S{}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(OwnerCommands, PrTypesTheKeywordAfterItsLine) {
    TempDir dir;
    dir.Write("kelvarnook.ini", SettingsAfterFirstStart("abc"));
    const SimRun run = RunScript(dir, "@1 draft half a thought\n@1 owner pr my room\n@2 dump\n");
    const std::vector<std::string> tail = {
        "1.00 post " + kHead2 + "> abc attempting to enter <font color=#c0c0c0>my room",
        "1.00 keyword aol://2719:2-2-my room"};
    const auto keyword = std::find(run.record.begin(), run.record.end(), tail[1]);
    ASSERT_NE(keyword, run.record.end());
    EXPECT_EQ(*(keyword - 1), tail[0]);
}

TEST(OwnerCommands, UnsentDraftSurvivesAPost) {
    TempDir dir;
    dir.Write("kelvarnook.ini", SettingsAfterFirstStart("abc"));
    const SimRun run = RunScript(dir, "@1 draft half a thought\n@2 click mnuon\n@3 dump\n");
    EXPECT_EQ(Texts(run, "state").back(), "input=half a thought");
    EXPECT_EQ(Texts(run, "post").at(2), kStarted);
}

TEST(OwnerCommands, OtherMembersAndOtherCasesOfTheOwnerAreIgnored) {
    TempDir dir;
    dir.Write("kelvarnook.ini", SettingsAfterFirstStart("abc"));
    const SimRun run =
        RunScript(dir,
                  "@1 chat Bob: reason hacked\n@1 chat owner: reason hacked\n@1 chat Owner : end\n"
                  "@2 dump\n");
    EXPECT_EQ(Texts(run, "post").size(), 2u);
    EXPECT_EQ(Texts(run, "state").at(0), "Form1.Text1=");
}

TEST(OwnerCommands, OwnLinesComingBackAreNotCommands) {
    TempDir dir;
    dir.Write("kelvarnook.ini", SettingsAfterFirstStart("abc") + "REASON=nap\r\n");
    // Every confirmation comes back through the room as the owner's; none may run again.
    const SimRun run =
        RunScript(dir, "@1 owner reason?\n@2 owner idleon\n@3 owner cmds\n@4 dump\n");
    EXPECT_EQ(Texts(run, "post").size(), 6u);
}

}  // namespace
}  // namespace kn::test
