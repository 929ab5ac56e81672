// Script lines the simulator must refuse before anything runs, each named by its line: one
// table of the parser's messages (a refused whole run is a story script); events that can't
// happen in the world as it stands, which stop a run at their line; and scripts that can't be
// read at all.
#include "app/sim/script.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "tests/native/sim_run.h"
#include "tests/shared/scratch_dir.h"

namespace kn::sim {
namespace {

std::string ParseMessage(const std::string& script) {
    try {
        ParseScript(script);
    } catch (const ParseError& e) {
        return e.Message();
    }
    return "parsed";
}

// Line numbers count every line of the file, skipped ones included.
const std::string kPrelude = "# a story\n\n@1 dump\n";

TEST(ScriptParser, RefusesAScriptAtItsFirstBadLine) {
    const std::pair<std::string, std::string> kBad[] = {
        {kPrelude + "jump now\n", "line 4: unknown verb \"jump\""},
        {kPrelude + "dumpx\n", "line 4: unknown verb \"dumpx\""},
        {kPrelude + "host room\n", "line 4: unknown verb \"host\""},
        {"Dump\n", "line 1: unknown verb \"Dump\""},
        {kPrelude + "+x dump\n", "line 4: bad time \"+x\""},
        {kPrelude + "@1.2.3 dump\n", "line 4: bad time \"@1.2.3\""},
        {kPrelude + "@. dump\n", "line 4: bad time \"@.\""},
        {kPrelude + "@1234567890123456 dump\n", "line 4: bad time \"@1234567890123456\""},
        {kPrelude + "+1 +1 dump\n", "line 4: unknown verb \"+1\""},
        {kPrelude + "@5\n", "line 4: no verb after the time"},
        {kPrelude + "@0.99 dump\n", "line 4: time goes back: \"@0.99\""},
        {"@1 dump\n+2 dump\n@2.5 dump\n", "line 3: time goes back: \"@2.5\""},
        {kPrelude + "chat Bob:hi\n", "line 4: \"chat\" needs NAME: TEXT"},
        {"chat Bob\n", "line 1: \"chat\" needs NAME: TEXT"},
        {"click\n", "line 1: unknown click target \"\""},
        {"click Picture1\n", "line 1: unknown click target \"Picture1\""},
        {"click mnuidle\n", "line 1: unknown click target \"mnuidle\""},
        {"click Form2.Command3\n", "line 1: unknown click target \"Form2.Command3\""},
        {"click  mnuon\n", "line 1: unknown click target \" mnuon\""},
        {"type Form3.Label1 16\n", "line 1: unknown field \"Form3.Label1\""},
        {"type form1.text1 x\n", "line 1: unknown field \"form1.text1\""},
        {"close Form5\n", "line 1: unknown window \"Form5\""},
        {"host line-end crlf\n", "line 1: unknown line end \"crlf\""},
        {"cancel now\n", "line 1: \"cancel\" takes no argument"},
        {"host busy soon\n", "line 1: bad time \"soon\""},
        {"dump \n", "line 1: \"dump\" takes no argument"},
        {"@1 dump\r\n\r\nbogus\r\n", "line 3: unknown verb \"bogus\""},
        {"@1 dump\nbogus\n@0 dump\n", "line 2: unknown verb \"bogus\""},
    };
    for (const auto& [script, message] : kBad) EXPECT_EQ(ParseMessage(script), message) << script;
}

// Each stops the run at its line, exit status 2, and nothing after it runs (no exit).
TEST(ScriptRun, StopsAtAnEventThatCantHappen) {
    const std::string kLater = "[prefs]\nHANDLE=abc\nCOLOR1=c0c0c0\nCOLOR2=99ccff\n";
    struct Row {
        bool first_start;
        std::string script, message;
    };
    const Row kStopped[] = {
        {false, "@1 answer x\n@2 dump\n", "line 1: no prompt is open"},
        {false, "@1 owner reason?\n@2 cancel\n@3 dump\n", "line 2: no prompt is open"},
        // The prompt closed by the first answer is not open inside the banner's pause.
        {true, "@1 answer a\n@1.2 answer b\n", "line 2: no prompt is open"},
        // The colour editor is not loaded until start-up has read the colours.
        {true, "click Form2.Command4\n", "line 1: Form2 is not loaded"},
        {true, "type Form2.Text1 x\n", "line 1: Form2 is not loaded"},
        // A hidden window has no close button to press.
        {false, "@1 close Form2\n", "line 1: Form2 is hidden"},
        {false, "@1 click mnucommands\n@2 close Form3\n@3 close Form3\n",
         "line 3: Form3 is hidden"},
        {false, "@1 host room close\n@2 draft hi\n", "line 2: no chat room is open"},
        {false, "@1 host quit\n@2 owner hi\n", "line 2: no chat room is open"},
        {false, "@1 host room close\n@1 click mnuon\n@1.2 owner hi\n@3 dump\n",
         "line 3: no chat room is open"},
        {false, "@1 click mnucolors\n@2 host room close\n@3 owner hi\n@4 click mnuexit\n",
         "line 3: no chat room is open"},
    };
    for (const Row& row : kStopped) {
        SCOPED_TRACE(row.script);
        const test::ScratchDir dir;
        if (!row.first_start) dir.Write("kelvarnook.ini", kLater);
        const test::SimRun run = test::RunScript(dir, row.script);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.errors, row.message + "\n");
        EXPECT_FALSE(std::ranges::any_of(run.record, [](auto& l) { return l.ends_with(" exit"); }));
    }
}

// A directory opens as a stream that reads nothing: it must be refused as a missing file is,
// not replayed as an empty script.
TEST(ScriptParser, RefusesAScriptThatCantBeRead) {
    const test::ScratchDir scratch;
    std::filesystem::create_directory(test::FsPath(scratch.Path("a directory")));
    for (const char* name : {"a directory", "no such file"}) {
        SCOPED_TRACE(name);
        const std::string script = scratch.Path(name);
        const std::string command = std::string("'") + KN_SIM_BINARY + "' --dir '" +
                                    scratch.dir().string() + "' --script '" + script + "' >'" +
                                    scratch.Path("out") + "' 2>'" + scratch.Path("err") + "'";
        const int status = std::system(command.c_str());
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 2);
        EXPECT_EQ(scratch.Read("err"), "can't read script " + script + "\n");
        EXPECT_EQ(scratch.Read("out"), "");
        EXPECT_EQ(scratch.Read("kelvarnook.ini"), "");
    }
}

}  // namespace
}  // namespace kn::sim
