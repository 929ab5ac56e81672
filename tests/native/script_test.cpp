// Scripts the simulator must refuse: lines it can't parse (nothing runs) and events that are
// impossible when they come (the run stops there), each named by its script line.
#include "app/sim/script.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>

#include "tests/native/sim_run.h"

namespace kn::test {
namespace {

struct Bad {
    const char* name;
    std::string script;
    std::string message;  // the one line on standard error, without its line end
};

void PrintTo(const Bad& c, std::ostream* os) {
    *os << c.name;
}

std::string ParseMessage(const std::string& script) {
    try {
        sim::ParseScript(script);
    } catch (const sim::ParseError& e) {
        return e.Message();
    }
    return "parsed";
}

class BadScripts : public testing::TestWithParam<Bad> {};

TEST_P(BadScripts, AreRefusedAtTheirFirstBadLine) {
    EXPECT_EQ(ParseMessage(GetParam().script), GetParam().message);
}

// Line numbers count every line of the file, skipped ones included.
const std::string kPrelude = "# a story\n\n@1 dump\n";

INSTANTIATE_TEST_SUITE_P(
    Parser, BadScripts,
    testing::Values(
        Bad{"unknown_verb", kPrelude + "jump now\n", "line 4: unknown verb \"jump\""},
        Bad{"verb_glued_to_more", kPrelude + "dumpx\n", "line 4: unknown verb \"dumpx\""},
        Bad{"host_without_its_words", kPrelude + "host room\n", "line 4: unknown verb \"host\""},
        Bad{"verbs_are_case_sensitive", "Dump\n", "line 1: unknown verb \"Dump\""},
        Bad{"time_not_a_number", kPrelude + "+x dump\n", "line 4: bad time \"+x\""},
        Bad{"time_two_dots", kPrelude + "@1.2.3 dump\n", "line 4: bad time \"@1.2.3\""},
        Bad{"time_without_digits", kPrelude + "@. dump\n", "line 4: bad time \"@.\""},
        Bad{"time_too_long", kPrelude + "@1234567890123456 dump\n",
            "line 4: bad time \"@1234567890123456\""},
        Bad{"time_twice", kPrelude + "+1 +1 dump\n", "line 4: unknown verb \"+1\""},
        Bad{"time_alone", kPrelude + "@5\n", "line 4: no verb after the time"},
        Bad{"at_going_back", kPrelude + "@0.99 dump\n", "line 4: time goes back: \"@0.99\""},
        Bad{"at_going_back_after_plus", "@1 dump\n+2 dump\n@2.5 dump\n",
            "line 3: time goes back: \"@2.5\""},
        Bad{"chat_without_colon_blank", kPrelude + "chat Bob:hi\n",
            "line 4: \"chat\" needs NAME: TEXT"},
        Bad{"chat_without_text", "chat Bob\n", "line 1: \"chat\" needs NAME: TEXT"},
        Bad{"click_without_target", "click\n", "line 1: unknown click target \"\""},
        Bad{"click_not_a_button", "click Picture1\n", "line 1: unknown click target \"Picture1\""},
        Bad{"click_submenu", "click mnuidle\n", "line 1: unknown click target \"mnuidle\""},
        Bad{"click_other_form_button", "click Form2.Command3\n",
            "line 1: unknown click target \"Form2.Command3\""},
        Bad{"click_second_blank", "click  mnuon\n", "line 1: unknown click target \" mnuon\""},
        Bad{"type_label", "type Form3.Label1 16\n", "line 1: unknown field \"Form3.Label1\""},
        Bad{"type_field_in_other_case", "type form1.text1 x\n",
            "line 1: unknown field \"form1.text1\""},
        Bad{"close_unknown_window", "close Form4\n", "line 1: unknown window \"Form4\""},
        Bad{"cancel_with_argument", "cancel now\n", "line 1: \"cancel\" takes no argument"},
        Bad{"dump_with_blank", "dump \n", "line 1: \"dump\" takes no argument"},
        Bad{"crlf_lines_count_too", "@1 dump\r\n\r\nbogus\r\n", "line 3: unknown verb \"bogus\""},
        Bad{"first_bad_line_wins", "@1 dump\nbogus\n@0 dump\n", "line 2: unknown verb \"bogus\""}),
    [](const auto& info) { return std::string(info.param.name); });

struct Impossible {
    const char* name;
    bool first_start;  // no settings file: the handle prompt is open at time 0
    std::string script;
    std::string message;
    std::vector<std::string> record;  // time and kind of each record line printed
};

void PrintTo(const Impossible& c, std::ostream* os) {
    *os << c.name;
}

class Impossibles : public testing::TestWithParam<Impossible> {};

std::vector<std::string> TimesAndKinds(const SimRun& run) {
    std::vector<std::string> out;
    for (const std::string& line : run.record) {
        out.push_back(line.substr(0, line.find(' ', line.find(' ') + 1)));
    }
    return out;
}

TEST_P(Impossibles, StopTheRunAtTheirLine) {
    const Impossible& c = GetParam();
    TempDir dir;
    if (!c.first_start) dir.Write("kelvarnook.ini", SettingsAfterFirstStart("abc"));
    const SimRun run = RunScript(dir, c.script);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.errors, c.message + "\n");
    EXPECT_EQ(TimesAndKinds(run), c.record);
}

const std::vector<std::string> kStarted = {"0.00 post", "0.51 post", "0.51 window"};

std::vector<std::string> Then(std::vector<std::string> lines,
                              std::initializer_list<std::string> more) {
    lines.insert(lines.end(), more);
    return lines;
}

INSTANTIATE_TEST_SUITE_P(
    Runtime, Impossibles,
    testing::Values(
        Impossible{"answer_without_prompt", false, "@1 answer x\n@2 dump\n",
                   "line 1: no prompt is open", kStarted},
        Impossible{"cancel_without_prompt", false, "@1 owner reason?\n@2 cancel\n@3 dump\n",
                   "line 2: no prompt is open", Then(kStarted, {"1.00 chat", "1.00 post"})},
        Impossible{"second_answer_inside_the_pause",
                   true,
                   "@1 answer a\n@1.2 answer b\n",
                   "line 2: no prompt is open",
                   {"0.00 prompt", "1.00 post"}},
        Impossible{"click_editor_before_it_loads",
                   true,
                   "click Form2.Command4\n",
                   "line 1: Form2 is not loaded",
                   {"0.00 prompt"}},
        Impossible{"type_editor_before_it_loads",
                   true,
                   "# first start\ntype Form2.Text1 x\n",
                   "line 2: Form2 is not loaded",
                   {"0.00 prompt"}},
        Impossible{"close_hidden_editor", false, "@1 close Form2\n", "line 1: Form2 is hidden",
                   kStarted},
        Impossible{"close_hidden_list", false,
                   "@1 click mnucommands\n@2 close Form3\n"
                   "@3 close Form3\n",
                   "line 3: Form3 is hidden", Then(kStarted, {"1.00 window", "2.00 window"})},
        Impossible{"owner_with_room_closed", false, "@1 host room close\n@2 owner hi\n@3 dump\n",
                   "line 2: no chat room is open", kStarted},
        Impossible{"draft_with_room_closed", false, "@1 host room close\n@2 draft hi\n",
                   "line 2: no chat room is open", kStarted},
        Impossible{"owner_with_host_gone", false, "@1 host quit\n@2 owner hi\n",
                   "line 2: no chat room is open", kStarted},
        Impossible{"inside_a_pause", false,
                   "@1 host room close\n@1 click mnuon\n@1.2 owner hi\n@3 dump\n",
                   "line 3: no chat room is open", kStarted}),
    [](const auto& info) { return std::string(info.param.name); });

// The real binary: the streams and the exit status a caller of the simulator sees.
struct Process {
    std::string out, err;
    int status = -1;
};

Process RunBinary(const TempDir& dir, const std::string& script) {
    dir.Write("story.script", script);
    const std::string d = dir.path().string();
    const std::string command = std::string("'") + KN_SIM_BINARY + "' --dir '" + d +
                                "' --script '" + d + "/story.script' >'" + d + "/out' 2>'" + d +
                                "/err'";
    const int raw = std::system(command.c_str());
    Process p;
    p.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    p.out = dir.Read("out");
    p.err = dir.Read("err");
    return p;
}

TEST(Binary, RefusesABadScriptBeforeAnythingRuns) {
    TempDir dir;
    const Process p = RunBinary(dir, "answer abc\n@1 owner idleon\n@2 clik mnuon\n");
    EXPECT_EQ(p.status, 2);
    EXPECT_EQ(p.out, "");
    EXPECT_EQ(p.err, "line 3: unknown verb \"clik\"\n");
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "kelvarnook.ini"));
}

TEST(Binary, StopsAtAnImpossibleEventWithTheRecordSoFar) {
    TempDir dir;
    dir.Write("kelvarnook.ini", SettingsAfterFirstStart("abc"));
    const Process p = RunBinary(dir,
                                "@1 click mnucolors\n@2 host room close\n@3 draft x\n"
                                "@4 click mnuexit\n");
    EXPECT_EQ(p.status, 2);
    EXPECT_EQ(p.err, "line 3: no chat room is open\n");
    ASSERT_FALSE(p.out.empty());
    EXPECT_TRUE(p.out.ends_with("0.51 window Form1 shown\n1.00 window Form2 shown\n")) << p.out;
    // The exit never ran: no reason was saved.
    EXPECT_EQ(dir.Read("kelvarnook.ini"), SettingsAfterFirstStart("abc"));
}

TEST(Binary, GoodScriptExitsZeroWithNothingOnStandardError) {
    TempDir dir;
    const Process p = RunBinary(dir, "answer abc\n@1 owner end\n@2 dump\n");
    EXPECT_EQ(p.status, 0);
    EXPECT_EQ(p.err, "");
    EXPECT_TRUE(p.out.ends_with(" exit\n")) << p.out;
}

}  // namespace
}  // namespace kn::test
