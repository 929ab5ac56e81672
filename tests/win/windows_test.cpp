// The program's own windows driven as a person would: real mouse clicks and keys through
// SendInput on the skin buttons, the pop-up menu and the colour editor, beside the host.
#include <gtest/gtest.h>

#include <tuple>
#include <utility>
#include <vector>

#include "platform/win32/win32_ids.h"
#include "platform/win32/win32_text.h"
#include "tests/win/harness.h"

namespace kn::wintest {
namespace {

// Identifiers from the main window's and the colour editor's designs, in design order.
constexpr int kPicture2 = win32::kFirstControlId + 1;
constexpr int kPicture3 = win32::kFirstControlId + 2;
constexpr int kPicture5 = win32::kFirstControlId + 5;
constexpr int kText1 = win32::kFirstControlId + 6;
constexpr int kEditorText1 = win32::kFirstControlId + 1;
constexpr int kEditorText2 = win32::kFirstControlId + 3;
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

// Presses the keys in order and lets them go in reverse: Key(VK_SHIFT, VK_F10) is Shift+F10.
template <typename... Keys>
void Key(Keys... keys) {
    const WORD vks[] = {static_cast<WORD>(keys)...};
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    for (WORD vk : vks) in.ki.wVk = vk, Send(in);
    in.ki.dwFlags = KEYEVENTF_KEYUP;
    for (auto vk = std::rbegin(vks); vk != std::rend(vks); ++vk) in.ki.wVk = *vk, Send(in);
}

// The window with the keyboard focus in the thread of `w`.
HWND Focused(HWND w) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(w, nullptr), &info);
    return info.hwndFocus;
}

// The pixels of `w` as it stands on the screen that are not black.
int LitPixels(HWND w) {
    RECT r;
    GetWindowRect(w, &r);
    const int width = r.right - r.left, height = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, bitmap);
    BitBlt(mem, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
    int lit = 0;
    for (int i = 0; i < width * height; ++i) lit += (static_cast<DWORD*>(bits)[i] & 0xffffff) != 0;
    SelectObject(mem, old);
    DeleteObject(bitmap);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return lit;
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

// Everything by keyboard alone: Tab from the reason field to ops (its focus cue lit), Enter
// opens the menu there, the arrows choose idle and on; Shift+F10 opens the menu at ops too and
// colors the editor, where Tab follows the design's tab order and Esc hides it.
TEST_F(ProgramWindows, TheKeyboardAloneDoesWhatTheMouseDoes) {
    SetCursorPos(0, 0);  // off ops: a menu asked for from the keyboard opens at the button
    const HWND reason = Descendant(form1_, kText1), ops = Descendant(form1_, kPicture3);
    ASSERT_TRUE(WaitUntil([&] { return Focused(form1_) == reason; }));
    const int unfocused = LitPixels(ops);
    Key(VK_TAB);
    ASSERT_TRUE(WaitUntil([&] { return Focused(form1_) == ops; }));
    EXPECT_TRUE(WaitUntil([&] { return LitPixels(ops) > unfocused; })) << "no focus cue";
    Key(VK_RETURN);
    ASSERT_TRUE(WaitUntil([&] { return MenuTakesKeys(form1_); }));
    RECT menu, button;
    GetWindowRect(FindWindowW(L"#32768", nullptr), &menu);
    GetWindowRect(ops, &button);
    EXPECT_EQ(menu.left, button.left);
    EXPECT_EQ(menu.top, button.bottom);
    Key(VK_DOWN), Key(VK_RIGHT), Key(VK_RETURN);
    EXPECT_TRUE(host_.WaitFor("post", StoryPost("idle_clock", "10.00")));
    EXPECT_TRUE(host_.WaitFor("post", StoryPost("idle_clock", "10.51")));

    Key(VK_SHIFT, VK_F10);
    ASSERT_TRUE(WaitUntil([&] { return MenuTakesKeys(form1_); }));
    Key(VK_DOWN), Key(VK_DOWN), Key(VK_RETURN);
    HWND editor = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        editor = FindWindowW(L"kelvarnook.Form2", nullptr);
        return editor && IsWindowVisible(editor) &&
               Focused(editor) == Descendant(editor, kEditorText1);
    }));
    for (int id : {kEditorText2, kCommand1, kCommand2, kCommand4, kEditorText1}) {
        Key(VK_TAB);
        EXPECT_TRUE(WaitUntil([&] { return Focused(editor) == Descendant(editor, id); })) << id;
    }
    Key(VK_ESCAPE);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(editor); }));
    EXPECT_TRUE(IsWindow(editor));
}

// A move to a monitor of another scale: Windows sends WM_DPICHANGED with the new DPI and the
// rectangle it suggests (here the same corner, twice the size, as for 192 DPI). The window
// takes it and its controls stand at their places in twips at the new DPI.
TEST_F(ProgramWindows, ADpiChangeLaysTheWindowOutAnew) {
    RECT was;
    GetWindowRect(form1_, &was);
    const RECT suggested{was.left, was.top, was.left + 2 * (was.right - was.left),
                         was.top + 2 * (was.bottom - was.top)};
    // The rectangle travels by pointer, so it is put into the program's own memory.
    DWORD pid = 0;
    GetWindowThreadProcessId(form1_, &pid);
    HANDLE program = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, pid);
    ASSERT_NE(program, nullptr);
    void* there = VirtualAllocEx(program, nullptr, sizeof suggested, MEM_COMMIT, PAGE_READWRITE);
    ASSERT_TRUE(WriteProcessMemory(program, there, &suggested, sizeof suggested, nullptr));
    SendMessageW(form1_, 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(192, 192),
                 reinterpret_cast<LPARAM>(there));
    VirtualFreeEx(program, there, 0, MEM_RELEASE);
    CloseHandle(program);

    RECT now;
    GetWindowRect(form1_, &now);
    EXPECT_TRUE(EqualRect(&now, &suggested));
    // Left, top, width, height in twips at 192 DPI: 15 twips are 2 pixels.
    const struct {
        int id;
        RECT twips;
    } placed[] = {{kPicture3, {1320, 960, 495, 255}},
                  {kText1, {0, 960, 1335, 255}},
                  {kPicture5, {1560, 0, 255, 255}}};
    for (const auto& [id, t] : placed) {
        RECT r;
        GetWindowRect(Descendant(form1_, id), &r);
        MapWindowPoints(nullptr, form1_, reinterpret_cast<POINT*>(&r), 2);
        const RECT want{t.left * 2 / 15, t.top * 2 / 15, (t.left + t.right) * 2 / 15,
                        (t.top + t.bottom) * 2 / 15};
        EXPECT_TRUE(EqualRect(&r, &want))
            << id << ": " << r.left << "," << r.top << " " << r.right << "," << r.bottom;
    }
}

// The owner types in the room: windows that the room's commands bring up must leave the
// keyboard there (else the next line goes into the reason field). The editor and the list
// come up beside the main window.
TEST_F(ProgramWindows, WindowsOpenedFromTheRoomLeaveTheKeyboardInIt) {
    SetForegroundWindow(host_.frame());
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == host_.frame(); }));
    RECT main;
    GetWindowRect(form1_, &main);
    for (const char* line :
         {"owner mini", "owner maxi", "owner hide", "owner show", "owner colors", "owner cmds"}) {
        const std::size_t posts = host_.Lines("post").size();
        ASSERT_TRUE(host_.Send(line));
        ASSERT_TRUE(WaitUntil([&] { return host_.Lines("post").size() > posts; })) << line;
        EXPECT_EQ(GetForegroundWindow(), host_.frame()) << line;
    }
    EXPECT_TRUE(IsWindowVisible(form1_) && !IsIconic(form1_));
    for (const wchar_t* cls : {L"kelvarnook.Form2", L"kelvarnook.Form3"}) {
        RECT r;
        GetWindowRect(FindWindowW(cls, nullptr), &r);
        EXPECT_EQ(r.left, main.right) << win32::Narrow(cls);
        EXPECT_EQ(r.top, main.top) << win32::Narrow(cls);
    }
}

// Dragging the skin background moves the window. Alt+Space opens its system menu, whose
// Minimize minimises and whose Close is the close from outside: the unload lines, then the
// end. (Another process can't read the menu's items under Wine, so they are chosen by their
// access keys, as a person would.)
TEST_F(ProgramWindows, TheSkinDragsAndItsSystemMenuMinimisesAndCloses) {
    RECT was;
    GetWindowRect(form1_, &was);
    const auto move_to = [](int x, int y) {
        INPUT in{};
        in.type = INPUT_MOUSE;
        in.mi.dx = x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
        in.mi.dy = y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
        in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        Send(in);
        Sleep(100);  // paces the drag as a hand would; the result is waited for below
    };
    const int x = was.left + 60, y = was.top + 45;  // black skin between the rule and "reason"
    move_to(x, y);
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    Send(in);
    move_to(x + 20, y + 15);
    move_to(x + 40, y + 30);
    in.mi.dwFlags = MOUSEEVENTF_LEFTUP;
    Send(in);
    RECT now{};
    EXPECT_TRUE(WaitUntil([&] {
        GetWindowRect(form1_, &now);
        return now.left == was.left + 40 && now.top == was.top + 30;
    })) << now.left - was.left
        << "," << now.top - was.top;

    SetForegroundWindow(form1_);
    Key(VK_MENU, VK_SPACE);
    ASSERT_TRUE(WaitUntil([&] { return MenuTakesKeys(form1_); }));
    Key('N');
    ASSERT_TRUE(WaitUntil([&] { return IsIconic(form1_) != FALSE; }));
    ASSERT_TRUE(host_.Send("owner maxi"));
    ASSERT_TRUE(WaitUntil([&] { return !IsIconic(form1_); }));
    SetForegroundWindow(form1_);
    Key(VK_MENU, VK_SPACE);
    ASSERT_TRUE(WaitUntil([&] { return MenuTakesKeys(form1_); }));
    Key('C');
    EXPECT_TRUE(host_.WaitFor("post", StoryPost("first_start_idle", "140.51")));
    EXPECT_TRUE(program_->WaitForExit());
}

// What a screen reader reads, as it finds it on Windows: a skin button is a Button named by
// its text, and a field or a counter is named by the static text just before it in z-order,
// while the counter's own text stays its value. (Wine's oleacc gives no object for another
// process's windows, E_NOINTERFACE for every class, so the names can't be read through it.)
// Hovering a skin button shows its name in a tooltip.
TEST_F(ProgramWindows, ScreenReadersAndTooltipsFindTheNames) {
    const auto text = [](HWND w) {
        wchar_t buffer[64] = L"";
        GetWindowTextW(w, buffer, 64);
        return win32::Narrow(buffer);
    };
    const auto class_of = [](HWND w) {
        wchar_t buffer[64] = L"";
        GetClassNameW(w, buffer, 64);
        return win32::Narrow(buffer);
    };
    EXPECT_EQ(text(form1_), "kelvar nook");
    for (const auto& [id, name] : {std::pair{kPicture3, "menu"}, std::pair{kPicture2, "minimize"},
                                   std::pair{kPicture5, "exit"}}) {
        const HWND button = Descendant(form1_, id);
        EXPECT_EQ(class_of(button), "Button") << name;
        EXPECT_EQ(GetWindowLongW(button, GWL_STYLE) & (BS_TYPEMASK | WS_TABSTOP),
                  BS_OWNERDRAW | WS_TABSTOP)
            << name;
    }
    for (const auto& [id, name, value] :
         {std::tuple{kText1, "reason", ""}, std::tuple{kText1 + 1, "hours idle", "0"},
          std::tuple{kText1 + 2, "minutes idle", "0"}}) {
        const HWND control = Descendant(form1_, id), label = GetWindow(control, GW_HWNDPREV);
        EXPECT_EQ(class_of(label), "Static") << name;
        EXPECT_EQ(text(label), name);
        EXPECT_EQ(text(control), value) << name;
    }

    const HWND ops = Descendant(form1_, kPicture3);
    RECT r;
    GetWindowRect(ops, &r);
    SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    EXPECT_TRUE(WaitUntil([&] {
        const HWND tip = FindWindowW(L"tooltips_class32", nullptr);
        wchar_t shown[64] = L"";
        if (tip) SendMessageW(tip, WM_GETTEXT, 64, reinterpret_cast<LPARAM>(shown));
        return tip && IsWindowVisible(tip) && win32::Narrow(shown) == "menu";
    }));
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
