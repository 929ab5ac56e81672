// The program's icon in the notification area, as the shell holds it: there from the start,
// gone at the end, a click on it bringing back the hidden main window, and back after the shell
// restarts. Wine's tray can't be clicked under Xvfb, so the clicks are the icon's own callback
// message, and the shell is asked whether it holds the icon by a change to it that asks for
// nothing (NIM_MODIFY, which only an icon it holds takes).
#include <gtest/gtest.h>
#include <windows.h>
// shellapi.h needs the types of windows.h.
#include <shellapi.h>

#include "platform/win32/win32_ids.h"
#include "platform/win32/win32_notify_icon.h"
#include "tests/win/harness.h"

namespace kn::wintest {
namespace {

NOTIFYICONDATAW IconOf(HWND w) {
    NOTIFYICONDATAW n{};
    n.cbSize = sizeof n;
    n.hWnd = w;
    n.uID = win32::kNotifyIconId;
    return n;
}

bool InTheArea(HWND w) {
    NOTIFYICONDATAW n = IconOf(w);
    return Shell_NotifyIconW(NIM_MODIFY, &n) != FALSE;
}

class NotifyIcon : public BesideHostEachBuild {
  protected:
    void SetUp() override {
        BesideHostEachBuild::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        Start("first_start_cancelled.ini", GetParam().program);
        ASSERT_TRUE(
            WaitUntil([&] { return (icon_ = FindWindowW(win32::kNotifyIconClass, nullptr)); }));
    }
    HWND icon_ = nullptr;  // the icon's hidden window in the program
};

TEST_P(NotifyIcon, IsThereFromStartToEndAndAClickBringsTheHiddenWindowBack) {
    EXPECT_TRUE(WaitUntil([&] { return InTheArea(icon_); }));
    ASSERT_TRUE(Command("hide", StoryPost("owner_windows", "10.00")));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(form1_); }));
    PostMessageW(icon_, win32::kNotifyIconMessage, win32::kNotifyIconId, NIN_SELECT);
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(form1_) && !IsIconic(form1_); }));

    // The end is ExitProcess, which runs no destructor, and Wine's shell drops a dead window's
    // icon by itself: the icon must leave while the program still says goodbye, its window
    // alive.
    ASSERT_TRUE(host_.Send("owner end"));
    bool alive_when_gone = false;
    EXPECT_TRUE(WaitUntil([&] {
        if (InTheArea(icon_)) return false;
        alive_when_gone = IsWindow(icon_) != FALSE;
        return true;
    }));
    EXPECT_TRUE(alive_when_gone);
    EXPECT_TRUE(program_->WaitForExit());
}

TEST_P(NotifyIcon, ComesBackWhenTheShellRestarts) {
    ASSERT_TRUE(WaitUntil([&] { return InTheArea(icon_); }));
    // The shell forgets the icon as a restarted Explorer has, then says it is back.
    NOTIFYICONDATAW gone = IconOf(icon_);
    ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &gone));
    ASSERT_FALSE(InTheArea(icon_));
    PostMessageW(HWND_BROADCAST, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return InTheArea(icon_); }));
}

// Each Windows refuses a NOTIFYICONDATAW larger than its own shell's, and XP's shell32 is 6.0
// too, only of an older build than Vista's.
TEST(NotifyIconData, IsTheSizeEachShellTakes) {
    struct Case {
        DWORD major, minor, build, size;
    };
    const Case cases[] = {
        {4, 72, 3110, NOTIFYICONDATAW_V1_SIZE},   // NT 4 with Internet Explorer 4
        {5, 0, 3900, NOTIFYICONDATAW_V2_SIZE},    // 2000
        {6, 0, 2900, NOTIFYICONDATAW_V3_SIZE},    // XP SP3
        {6, 0, 3790, NOTIFYICONDATAW_V3_SIZE},    // XP x64
        {6, 0, 6000, sizeof(NOTIFYICONDATAW)},    // Vista
        {6, 1, 7601, sizeof(NOTIFYICONDATAW)},    // 7
        {10, 0, 22621, sizeof(NOTIFYICONDATAW)},  // 11
    };
    for (const Case& c : cases) {
        EXPECT_EQ(win32::NotifyIconDataSize(c.major, c.minor, c.build), c.size)
            << c.major << "." << c.minor << "." << c.build;
    }
}

TEST(NotifyIconTip, IsCutToFitWithAnEllipsisAndNoHalfCharacter) {
    struct Case {
        std::wstring tip;
        std::size_t capacity;
        std::wstring fitted;
    };
    const Case cases[] = {
        {L"abc", 4, L"abc"},
        {L"abcd", 4, L"ab\u2026"},
        {L"a\U0001F319b", 4, L"a\u2026"},  // the moon's two halves would be split at 2
        {L"abc", 0, L""},
    };
    for (const Case& c : cases) EXPECT_EQ(win32::FitTip(c.tip, c.capacity), c.fitted) << c.capacity;
}

INSTANTIATE_TEST_SUITE_P(Builds, NotifyIcon, ::testing::ValuesIn(kBuilds), BuildName);

}  // namespace
}  // namespace kn::wintest
