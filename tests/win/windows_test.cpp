// The program's own windows driven as a person would: real mouse clicks and keys through
// SendInput on the skin buttons, the pop-up menu and the colour editor, beside the host.
#include <gtest/gtest.h>

#include "platform/win32/win32_ids.h"
#include "platform/win32/win32_text.h"
#include "tests/win/harness.h"

namespace kn::wintest {
namespace {

// Identifiers from the main window's and the colour editor's designs, in design order.
constexpr int kPicture2 = win32::kFirstControlId + 1;
constexpr int kPicture3 = win32::kFirstControlId + 2;
constexpr int kPicture5 = win32::kFirstControlId + 5;
constexpr int kCommand4 = win32::kFirstControlId + 4;
constexpr int kCommand1 = win32::kFirstControlId + 5;
constexpr int kCommand2 = win32::kFirstControlId + 6;

void Send(INPUT in) {
    ASSERT_EQ(SendInput(1, &in, sizeof in), 1u);
}

void Click(HWND control) {
    ASSERT_NE(control, nullptr);
    RECT r;
    GetWindowRect(control, &r);
    const POINT at{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    SetCursorPos(at.x, at.y);
    // The button goes down where the pointer is once the window system has moved it there.
    ASSERT_TRUE(WaitUntil([&] {
        POINT now{};
        return GetCursorPos(&now) && now.x == at.x && now.y == at.y;
    }));
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    Send(in);
    in.mi.dwFlags = MOUSEEVENTF_LEFTUP;
    Send(in);
}

void Key(WORD vk) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    Send(in);
    in.ki.dwFlags = KEYEVENTF_KEYUP;
    Send(in);
}

bool MenuOpen() {
    HWND menu = FindWindowW(L"#32768", nullptr);
    return menu && IsWindowVisible(menu);
}

// The menu shows before its loop takes the input: keys sent in between go to the window
// behind it and are lost to the menu.
bool MenuTakesKeys(HWND owner) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return MenuOpen() && GetGUIThreadInfo(GetWindowThreadProcessId(owner, nullptr), &info) &&
           (info.flags & GUI_INMENUMODE) != 0;
}

class ProgramWindows : public BesideHost {
  protected:
    void SetUp() override {
        BesideHost::SetUp();
        Start("idle_clock.before.ini");
    }

    // Clicks ops, then walks the menu with the keyboard: `keys` in turn, then Return.
    void Choose(std::initializer_list<WORD> keys) {
        // The first click after start-up can reach the display before the window is mapped
        // there; one more click is what a person would do too.
        for (int attempt = 0; attempt < 2 && !MenuOpen(); ++attempt) {
            Click(Descendant(form1_, kPicture3));
            WaitUntil(MenuOpen, 3s);
        }
        ASSERT_TRUE(MenuOpen()) << "the menu did not open";
        ASSERT_TRUE(WaitUntil([&] { return MenuTakesKeys(form1_); })) << "the menu took no keys";
        for (WORD k : keys) Key(k);
        Key(VK_RETURN);
        ASSERT_TRUE(WaitUntil([] { return !MenuOpen(); }));
    }

    // Chooses colors from the menu and waits for the colour editor.
    HWND OpenEditor() {
        Choose({VK_DOWN, VK_DOWN});
        HWND editor = nullptr;
        WaitUntil([&] {
            editor = FindWindowW(L"kelvarnook.Form2", nullptr);
            return editor && IsWindowVisible(editor);
        });
        return editor;
    }
};

// One start for everything that leaves the program running: the menu's idle on and colours,
// the preview, the editor and the list above the host with their close buttons hiding them
// and keeping them, and the bar and "maxi".
TEST_F(ProgramWindows, SkinMenuAndEditorDoTheirThingAndStayOnTop) {
    Choose({VK_DOWN, VK_RIGHT});
    EXPECT_TRUE(host_.WaitFor("post", StoryPost("idle_clock", "10.00")));
    EXPECT_TRUE(host_.WaitFor("post", StoryPost("idle_clock", "10.51")));

    const HWND editor = OpenEditor();
    ASSERT_NE(editor, nullptr);
    Click(Descendant(editor, kCommand4));
    EXPECT_TRUE(host_.WaitFor("post", StoryPost("window_handle", "1.50")));

    const auto topmost = [](HWND w) {
        return (GetWindowLongW(w, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    };
    EXPECT_TRUE(topmost(form1_));
    ASSERT_TRUE(host_.Send("owner cmds"));
    for (const wchar_t* cls : {L"kelvarnook.Form2", L"kelvarnook.Form3"}) {
        HWND w = nullptr;
        ASSERT_TRUE(WaitUntil([&] {
            w = FindWindowW(cls, nullptr);
            return w && IsWindowVisible(w);
        })) << win32::Narrow(cls);
        EXPECT_TRUE(topmost(w)) << win32::Narrow(cls);
        PostMessageW(w, WM_SYSCOMMAND, SC_CLOSE, 0);
        EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(w); })) << win32::Narrow(cls);
        // Destroying hides first: the close is over once the program's thread answers again.
        SendMessageTimeoutW(form1_, WM_NULL, 0, 0, SMTO_NORMAL, 5000, nullptr);
        EXPECT_TRUE(IsWindow(w)) << win32::Narrow(cls);
    }

    Click(Descendant(form1_, kPicture2));
    ASSERT_TRUE(WaitUntil([&] { return IsIconic(form1_) != FALSE; }));
    ASSERT_TRUE(host_.Send("owner maxi"));
    EXPECT_TRUE(WaitUntil([&] { return !IsIconic(form1_) && IsWindowVisible(form1_); }));
}

// Clicks that would exit, pop the menu up, minimise, or preview, save and close in the colour
// editor are lost while the handle prompt is open; Cancel then gives an empty handle and the
// program has the focus back.
TEST_F(ProgramWindows, TheHandlePromptHoldsEveryOtherWindow) {
    const HWND editor = OpenEditor();
    ASSERT_NE(editor, nullptr);
    Choose({VK_DOWN, VK_DOWN, VK_DOWN});
    HWND prompt = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        prompt = FindWindowW(L"#32770", L"kelvar nook");
        return prompt && IsWindowVisible(prompt);
    }));
    EXPECT_FALSE(IsWindowEnabled(form1_));
    EXPECT_FALSE(IsWindowEnabled(editor));
    // Into the bottom right corner, out of the way, so that each click lands where it is meant.
    RECT away;
    GetWindowRect(prompt, &away);
    SetWindowPos(prompt, nullptr, GetSystemMetrics(SM_CXSCREEN) - (away.right - away.left),
                 GetSystemMetrics(SM_CYSCREEN) - (away.bottom - away.top), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    GetWindowRect(prompt, &away);
    const std::size_t posts = host_.Lines("post").size();
    const HWND targets[] = {Descendant(editor, kCommand4), Descendant(editor, kCommand1),
                            Descendant(editor, kCommand2), Descendant(form1_, kPicture3),
                            Descendant(form1_, kPicture2), Descendant(form1_, kPicture5)};
    for (HWND target : targets) {
        RECT r, overlap;
        ASSERT_TRUE(GetWindowRect(target, &r));
        ASSERT_FALSE(IntersectRect(&overlap, &r, &away)) << "the prompt covers a target";
        Click(target);
        EXPECT_FALSE(MenuOpen());
    }
    Click(GetDlgItem(prompt, IDCANCEL));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(prompt); }));
    EXPECT_TRUE(IsWindowEnabled(form1_) && IsWindowEnabled(editor));
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == form1_; }, 3s));

    ASSERT_TRUE(host_.Send("owner reason lunch"));
    ASSERT_TRUE(host_.WaitFor("post", StoryPost("owner_words", "18.00")));
    EXPECT_EQ(host_.Lines("post").size(), posts + 1) << "a click under the prompt went through";
    EXPECT_FALSE(IsIconic(form1_));
    EXPECT_TRUE(IsWindowVisible(editor));
    EXPECT_EQ(test::ReadBytes(dir_.Path("kelvarnook.ini")),
              StoryFile("first_start_cancelled_twice.ini"));
}

// The skin's x and Windows ending the session both run the exit: the unload lines, then exit.
TEST_F(ProgramWindows, TheXRunsTheExitSequence) {
    Click(Descendant(form1_, kPicture5));
    EXPECT_TRUE(host_.WaitFor("post", StoryPost("first_start_idle", "140.51")));
    EXPECT_TRUE(program_->WaitForExit());
}

TEST_F(ProgramWindows, TheEndOfTheSessionRunsTheExitSequence) {
    PostMessageW(form1_, WM_ENDSESSION, TRUE, 0);
    EXPECT_TRUE(host_.WaitFor("post", StoryPost("first_start_idle", "140.51")));
    EXPECT_TRUE(program_->WaitForExit());
}

}  // namespace
}  // namespace kn::wintest
