// kelvarnook.exe end to end beside the 32-bit stand-in host, as a real user runs it, the 64-bit
// and the 32-bit program each (where no 32-bit code runs, the 64-bit one beside the 64-bit host):
// the first start through the handle prompt and a restart, the banner lines and their pause, the
// settings file's bytes, closing from outside, and owner commands typed into the room coming back
// as the program's lines, byte for byte as the story scripts' golden records hold them.
#include <gtest/gtest.h>

#include <optional>

#include "platform/win32/win32_text.h"
#include "tests/win/harness.h"
#include "windows/designs.h"

namespace kn::wintest {
namespace {

constexpr long kPause = 51;  // hundredths

class ProgramBesideHost : public BesideHostEachBuild {
  protected:
    std::string Settings() const { return dir_.Path("kelvarnook.ini"); }
};

TEST_P(ProgramBesideHost, FirstStartAsksAnnouncesWritesTheFileAndUnloadsWhenClosed) {
    program_.emplace(dir_, GetParam().program);
    // Nothing of the program is on screen yet: the prompt keeps a taskbar button, which an
    // owned window has not.
    HWND prompt = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (prompt = FindWindowW(L"#32770", L"kelvar nook")); }));
    EXPECT_EQ(GetWindow(prompt, GW_OWNER), nullptr);
    ASSERT_TRUE(program_->AnswerPrompt(L"abc"));
    ASSERT_TRUE(program_->WaitUntilShown());
    form1_ = program_->Form1();
    const auto user = host_.WaitFor("post", StoryPost("first_start_idle", "2.00"));
    const auto loaded = host_.WaitFor("post", StoryPost("first_start_idle", "2.51"));
    ASSERT_TRUE(user && loaded);
    EXPECT_GE(loaded->centis - user->centis, kPause);
    EXPECT_EQ(test::ReadBytes(Settings()), StoryFile("first_start_cancelled.ini"));

    PostMessageW(form1_, WM_CLOSE, 0, 0);
    const auto user_again = host_.WaitFor("post", StoryPost("first_start_idle", "2.00"), 2);
    const auto unloaded = host_.WaitFor("post", StoryPost("first_start_idle", "140.51"));
    ASSERT_TRUE(user_again && unloaded);
    EXPECT_GE(unloaded->centis - user_again->centis, kPause);
    ASSERT_TRUE(program_->WaitForExit());

    program_.emplace(dir_, GetParam().program);  // a restart reads the handle back, no prompt
    EXPECT_TRUE(host_.WaitFor("post", StoryPost("first_start_idle", "2.00"), 3));
}

// A reason, an idle session and a tick of the minute timer, a private room, and the end.
TEST_P(ProgramBesideHost, OwnerCommandsAreAnsweredInTheRoomAndEndSavesTheReason) {
    Start("first_start_cancelled.ini", GetParam().program);
    ASSERT_TRUE(Command("reason gone fishing", StoryPost("first_start_idle", "5.00")));
    EXPECT_TRUE(host_.WaitFor("chat", "Owner: reason gone fishing"));
    ASSERT_TRUE(Command("idleon", StoryPost("first_start_idle", "10.51")));
    PostMessageW(form1_, WM_TIMER, 1, 0);
    const auto idle = host_.WaitFor("post", StoryPost("first_start_idle", "70.00"));
    const auto reason = host_.WaitFor("post", StoryPost("first_start_idle", "70.51"));
    ASSERT_TRUE(idle && reason);
    EXPECT_GE(reason->centis - idle->centis, kPause);

    const auto announced = Command("pr My  Room", StoryPost("owner_windows", "14.00"));
    const auto keyword = host_.WaitFor("keyword", "aol://2719:2-2-My  Room");
    ASSERT_TRUE(announced && keyword);
    EXPECT_LE(announced->centis, keyword->centis);

    ASSERT_TRUE(Command("end", StoryPost("first_start_idle", "140.51")));
    EXPECT_TRUE(program_->WaitForExit());
    EXPECT_EQ(test::ReadBytes(Settings()), StoryFile("first_start_idle.ini"));
}

// Started again beside itself, its main window minimised with "mini" and hidden with "hide":
// the second program posts nothing, writes nothing, and the first one's window comes back
// shown, restored and in the foreground; the second ends with exit code 0.
TEST_P(ProgramBesideHost, ASecondStartBringsTheFirstBackAndEnds) {
    Start("first_start_cancelled.ini", GetParam().program);
    ASSERT_TRUE(Command("mini", StoryPost("owner_windows", "7.00")));
    ASSERT_TRUE(Command("hide", StoryPost("owner_windows", "10.00")));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(form1_); }));
    const std::size_t posts = host_.Lines("post").size();
    const std::string settings = test::ReadBytes(Settings());
    Process second(dir_.dir() / "kelvarnook.exe", L"", dir_.dir());
    ASSERT_TRUE(second.WaitForExit());
    EXPECT_EQ(second.ExitCode(), 0u);
    EXPECT_TRUE(WaitUntil([&] {
        return IsWindowVisible(form1_) && !IsIconic(form1_) && GetForegroundWindow() == form1_;
    }));
    EXPECT_EQ(host_.Lines("post").size(), posts);
    EXPECT_EQ(test::ReadBytes(Settings()), settings);
}

// The sign, read from outside the program: "no host" within 2 s of the host quitting, "ok" once
// it is back with its room. It takes no focus, and its changes move no keyboard.
TEST_P(ProgramBesideHost, TheSignReadsNoHostWhileTheHostIsGone) {
    Start("first_start_cancelled.ini", GetParam().program);
    const HWND sign = ControlOf(form1_, form1::Label6);
    ASSERT_NE(sign, nullptr);
    EXPECT_EQ(win32::WindowTextUtf8(sign), "ok");
    EXPECT_EQ(GetWindowLongW(sign, GWL_STYLE) & WS_TABSTOP, 0);
    // A window of this test's holds the foreground: the host's new frame may take it as the
    // host starts again, the program's windows never.
    const HWND front = CreateWindowExW(0, L"STATIC", L"front", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0,
                                       0, 200, 100, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(BringToFront(front));
    ASSERT_TRUE(host_.Send("host quit"));
    EXPECT_TRUE(WaitUntil([&] { return win32::WindowTextUtf8(sign) == "no host"; }, 2s));
    EXPECT_EQ(GetForegroundWindow(), front);
    ASSERT_TRUE(host_.Send("host start"));
    EXPECT_TRUE(WaitUntil([&] { return win32::WindowTextUtf8(sign) == "ok"; }));
    DWORD program = 0, in_front = 0;
    GetWindowThreadProcessId(form1_, &program);
    GetWindowThreadProcessId(GetForegroundWindow(), &in_front);
    EXPECT_NE(in_front, program);
    DestroyWindow(front);
}

INSTANTIATE_TEST_SUITE_P(Builds, ProgramBesideHost, ::testing::ValuesIn(kBuilds), BuildName);

}  // namespace
}  // namespace kn::wintest
