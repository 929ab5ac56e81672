// The program's own windows driven as a person would: real mouse clicks and keys through
// SendInput on the skin buttons, the pop-up menu and the colour editor, beside the host.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/gui_runtime.h"
#include "platform/win32/win32_text.h"
#include "tests/win/harness.h"
#include "windows/designs.h"

namespace kn::wintest {
namespace {

constexpr UINT kDpiChanged = 0x02E0, kGetDpiScaledSize = 0x02E4;

void Send(INPUT in) {
    ASSERT_EQ(SendInput(1, &in, sizeof in), 1u);
}

// The left button down or up (MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP) where the pointer is.
void Mouse(DWORD button) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = button;
    Send(in);
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
    Mouse(MOUSEEVENTF_LEFTDOWN);
    Mouse(MOUSEEVENTF_LEFTUP);
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

// The pixels along the top edge of `w` on the screen that are not black: where the skin
// buttons' images are black and their focus cue is drawn.
int LitTopEdge(HWND w) {
    RECT r;
    GetWindowRect(w, &r);
    HDC screen = GetDC(nullptr);
    int lit = 0;
    for (int x = r.left; x < r.right; ++x) lit += (GetPixel(screen, x, r.top) & 0xffffff) != 0;
    ReleaseDC(nullptr, screen);
    return lit;
}

// The top-level window of class `cls` (and `caption`, when given) once it is shown; null if it
// never is.
HWND Shown(const wchar_t* cls, const wchar_t* caption = nullptr) {
    HWND w = nullptr;
    WaitUntil([&] { return (w = FindWindowW(cls, caption)) && IsWindowVisible(w); });
    return w && IsWindowVisible(w) ? w : nullptr;
}

// Types `text` and Enter as keys, as the owner types a line into the room; lower-case letters
// and spaces only.
void TypeLine(std::string_view text) {
    for (char c : text) Key(static_cast<WORD>(LOBYTE(VkKeyScanA(c))));
    Key(VK_RETURN);
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

// Sends `msg` to `w` in another process with `data` put into that process's memory, as Windows
// passes a structure by pointer, and reads `data` back from there.
template <typename T>
LRESULT SendWithData(HWND w, UINT msg, WPARAM wp, T& data) {
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    HANDLE program =
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (!program) return 0;
    void* there = VirtualAllocEx(program, nullptr, sizeof data, MEM_COMMIT, PAGE_READWRITE);
    LRESULT result = 0;
    if (there && WriteProcessMemory(program, there, &data, sizeof data, nullptr)) {
        result = SendMessageW(w, msg, wp, reinterpret_cast<LPARAM>(there));
        ReadProcessMemory(program, there, &data, sizeof data, nullptr);
    }
    if (there) VirtualFreeEx(program, there, 0, MEM_RELEASE);
    CloseHandle(program);
    return result;
}

class ProgramWindows : public BesideHost {
  protected:
    void SetUp() override {
        BesideHost::SetUp();
        Start("idle_clock.before.ini");
    }

    HWND Main(form1::Place place) const { return ControlOf(form1_, place); }

    // Whether `say` went through and the program posted an answer after it.
    bool Answered(const std::function<bool()>& say) {
        const std::size_t posts = host_.Lines("post").size();
        return say() && WaitUntil([&] { return host_.Lines("post").size() > posts; });
    }

    // The owner clicks into the host's input box.
    void IntoRoom(HWND input) {
        Click(input);
        ASSERT_TRUE(WaitUntil([&] {
            return GetForegroundWindow() == host_.frame() && Focused(host_.frame()) == input;
        }));
    }

    // Types a command into the room and reads the program's answer there before typing on.
    void TypeCommand(std::string_view line) {
        ASSERT_TRUE(Answered([&] {
            TypeLine(line);
            return true;
        })) << line;
    }

    // Alt+Space on the main window, then the system menu's item by its access key.
    void SystemMenu(WORD key) {
        ASSERT_TRUE(BringToFront(form1_));
        Key(VK_MENU, VK_SPACE);
        ASSERT_TRUE(WaitUntil([&] { return MenuTakesKeys(form1_); }));
        Key(key);
    }

    // Clicks ops, then walks the menu with the keyboard: `keys` in turn, then Return.
    void Choose(std::initializer_list<WORD> keys) {
        // The first click after start-up can reach the display before the window is mapped
        // there; one more click is what a person would do too.
        for (int attempt = 0; attempt < 2 && !MenuOpen(); ++attempt) {
            Click(Main(form1::Picture3));
            WaitUntil(MenuOpen, 3s);
        }
        ASSERT_TRUE(MenuOpen()) << "the menu did not open";
        ASSERT_TRUE(WaitUntil([&] { return MenuTakesKeys(form1_); })) << "the menu took no keys";
        for (WORD k : keys) Key(k);
        Key(VK_RETURN);
        ASSERT_TRUE(WaitUntil([] { return !MenuOpen(); }));
    }

    // From the reason field, where start-up leaves the focus, Tab to ops; the pointer is off
    // it, so a menu asked for from the keyboard opens at the button.
    void TabToOps() {
        SetCursorPos(0, 0);
        ASSERT_TRUE(WaitUntil([&] { return Focused(form1_) == Main(form1::Text1); }));
        Key(VK_TAB);
        ASSERT_TRUE(WaitUntil([&] { return Focused(form1_) == Main(form1::Picture3); }));
    }

    // Chooses colors from the menu and waits for the colour editor.
    HWND OpenEditor() {
        Choose({VK_DOWN, VK_DOWN});
        return Shown(L"kelvarnook.Form2");
    }
};

// The keyboard alone: Tab from the reason field to ops lights its focus cue; Enter opens the
// menu at ops' bottom-left corner and the arrows choose idle and on.
TEST_F(ProgramWindows, TheKeyboardAloneOpensTheMenuAtOpsAndChooses) {
    SetCursorPos(0, 0);
    const HWND ops = Main(form1::Picture3);
    const int unfocused = LitTopEdge(ops);
    TabToOps();
    EXPECT_TRUE(WaitUntil([&] { return LitTopEdge(ops) > unfocused; })) << "no focus cue";
    Key(VK_RETURN);
    ASSERT_TRUE(WaitUntil([&] { return MenuTakesKeys(form1_); }));
    RECT menu, button;
    GetWindowRect(FindWindowW(L"#32768", nullptr), &menu);
    GetWindowRect(ops, &button);
    EXPECT_EQ(std::pair(menu.left, menu.top), std::pair(button.left, button.bottom));
    Key(VK_DOWN), Key(VK_RIGHT), Key(VK_RETURN);
    EXPECT_TRUE(host_.WaitFor("post", StoryPost("idle_clock", "10.00")));
    EXPECT_TRUE(host_.WaitFor("post", StoryPost("idle_clock", "10.51")));
}

// Shift+F10 on ops opens the menu too, and colors the editor, where Tab follows the design's
// tab order round and round.
TEST_F(ProgramWindows, ShiftF10OpensTheMenuAndTabFollowsTheEditorsOrder) {
    TabToOps();
    Key(VK_SHIFT, VK_F10);
    ASSERT_TRUE(WaitUntil([&] { return MenuTakesKeys(form1_); }));
    Key(VK_DOWN), Key(VK_DOWN), Key(VK_RETURN);
    const HWND editor = Shown(L"kelvarnook.Form2");
    const auto& controls = Form2Design().controls;
    std::vector<ControlIndex> stops;
    for (ControlIndex i = 0; i < controls.size(); ++i) {
        if (controls[i].tab_index >= 0 && controls[i].kind != ControlKind::Label)
            stops.push_back(i);
    }
    std::ranges::sort(stops, {}, [&](ControlIndex i) { return controls[i].tab_index; });
    stops.push_back(stops.front());  // and round again
    ASSERT_TRUE(WaitUntil([&] { return Focused(editor) != nullptr; }));
    for (std::size_t i = 0; i < stops.size(); ++i) {
        if (i > 0) Key(VK_TAB);
        const HWND stop = ControlOf(editor, stops[i]);
        EXPECT_TRUE(WaitUntil([&] { return Focused(editor) == stop; })) << controls[stops[i]].name;
    }
}

// The preview's click, Esc and the list's close button hide those windows, which stay above the
// host, and keep them.
TEST_F(ProgramWindows, TheEditorAndTheListStayOnTopAndCloseByHiding) {
    const HWND editor = OpenEditor();
    ASSERT_NE(editor, nullptr);
    Click(ControlOf(editor, form2::Command4));
    EXPECT_TRUE(host_.WaitFor("post", StoryPost("window_handle", "1.50")));
    const auto topmost = [](HWND w) {
        return (GetWindowLongW(w, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    };
    EXPECT_TRUE(topmost(form1_) && topmost(editor));
    Key(VK_ESCAPE);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(editor); }));
    ASSERT_TRUE(host_.Send("owner cmds"));
    const HWND list = Shown(L"kelvarnook.Form3");
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(topmost(list));
    PostMessageW(list, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(list); }));
    // Destroying hides first: the close is over once the program's thread answers again.
    SendMessageTimeoutW(form1_, WM_NULL, 0, 0, SMTO_NORMAL, 5000, nullptr);
    EXPECT_TRUE(IsWindow(editor) && IsWindow(list));
}

// A move to a monitor of another scale: Windows sends WM_DPICHANGED with the new DPI and the
// rectangle it suggests (here the same corner, twice the size, as for 192 DPI). The window
// takes it and its controls stand at their places in twips at the new DPI.
TEST_F(ProgramWindows, ADpiChangeLaysTheWindowOutAnew) {
    RECT was;
    GetWindowRect(form1_, &was);
    const RECT suggested{was.left, was.top, was.left + 2 * (was.right - was.left),
                         was.top + 2 * (was.bottom - was.top)};
    RECT sent = suggested;
    SendWithData(form1_, kDpiChanged, MAKEWPARAM(192, 192), sent);

    RECT now;
    GetWindowRect(form1_, &now);
    EXPECT_TRUE(EqualRect(&now, &suggested));
    // Their container, the skin background, stands at the client area's corner.
    for (const form1::Place place : {form1::Picture3, form1::Text1, form1::Picture5}) {
        const PixelBox want = ToPixels(Form1Design().controls[place].pos, 192);
        RECT r;
        GetWindowRect(Main(place), &r);
        MapWindowPoints(nullptr, form1_, reinterpret_cast<POINT*>(&r), 2);
        EXPECT_EQ(std::tuple(r.left, r.top, r.right, r.bottom),
                  std::tuple(want.left, want.top, want.right, want.bottom))
            << Form1Design().controls[place].name;
    }
}

// The owner types in the room: windows that the room's commands bring up must leave the
// keyboard there (else the next line goes into the reason field). The editor and the list
// come up beside the main window, the list under the editor, neither over another.
TEST_F(ProgramWindows, WindowsOpenedFromTheRoomLeaveTheKeyboardInIt) {
    ASSERT_TRUE(BringToFront(host_.frame()));
    RECT main;
    GetWindowRect(form1_, &main);
    for (const char* line :
         {"owner mini", "owner maxi", "owner hide", "owner show", "owner colors", "owner cmds"}) {
        ASSERT_TRUE(Answered([&] { return host_.Send(line); })) << line;
        EXPECT_EQ(GetForegroundWindow(), host_.frame()) << line;
    }
    EXPECT_TRUE(IsWindowVisible(form1_) && !IsIconic(form1_));
    RECT editor, list, overlap;
    GetWindowRect(FindWindowW(L"kelvarnook.Form2", nullptr), &editor);
    GetWindowRect(FindWindowW(L"kelvarnook.Form3", nullptr), &list);
    EXPECT_EQ(std::pair(editor.left, editor.top), std::pair(main.right, main.top));
    EXPECT_EQ(std::pair(list.left, list.top), std::pair(main.right, editor.bottom));
    for (const auto& [a, b] : {std::pair{main, editor}, {main, list}, {editor, list}}) {
        EXPECT_FALSE(IntersectRect(&overlap, &a, &b));
    }
}

// The owner types into the room's input box: after each way of minimising (the room's word,
// the skin's minimise button, the system menu's Minimize), "maxi" typed there restores the
// window and leaves the keyboard where it was, so the next line goes into the room too, the
// reason stays as it was, and no Enter presses the skin button that last had the focus.
TEST_F(ProgramWindows, TypingInTheRoomStaysThereAcrossMiniAndMaxi) {
    const HWND input = Descendant(host_.frame(), [](HWND w) { return ClassOf(w) == "RICHCNTL"; });
    ASSERT_NE(input, nullptr);
    const std::string reason_was = win32::WindowTextUtf8(Main(form1::Text1));
    ShowWindow(host_.frame(), SW_SHOWNORMAL);  // the owner sees the host
    const std::pair<const char*, std::function<void()>> ways[] = {
        {"the system menu", [&] { SystemMenu('N'); }},
        {"mini", [&] { TypeCommand("mini"); }},
        {"the skin's minimise", [&] { Click(Main(form1::Picture2)); }},
    };
    int said = 0;
    for (const auto& [way, minimise] : ways) {
        IntoRoom(input);
        minimise();
        ASSERT_TRUE(WaitUntil([&] { return IsIconic(form1_) != FALSE; })) << way;
        IntoRoom(input);
        TypeCommand("maxi");
        ASSERT_TRUE(WaitUntil([&] { return !IsIconic(form1_); })) << way;
        TypeLine("back soon");
        EXPECT_TRUE(host_.WaitFor("chat", "Owner: back soon", ++said)) << way;
        SendMessageTimeoutW(form1_, WM_NULL, 0, 0, SMTO_NORMAL, 5000, nullptr);
        EXPECT_EQ(GetForegroundWindow(), host_.frame()) << way;
        EXPECT_EQ(Focused(host_.frame()), input) << way;
        EXPECT_EQ(win32::WindowTextUtf8(Main(form1::Text1)), reason_was) << way;
        EXPECT_TRUE(IsWindowVisible(form1_) && !IsIconic(form1_) && !MenuOpen()) << way;
        EXPECT_NE(GetWindowLongW(form1_, GWL_EXSTYLE) & WS_EX_TOPMOST, 0) << way;
    }
}

// A real session in which a member names the owner by handle: "idleoff" in the room brings the
// missed lines up beside the main window, the line there with its time and speaker, and the
// room keeps the keyboard it had.
TEST_F(ProgramWindows, WhatTheOwnerMissedComesUpWhenTheSessionEnds) {
    ASSERT_TRUE(BringToFront(host_.frame()));
    RECT main;
    GetWindowRect(form1_, &main);
    for (const char* line : {"owner reason nap", "owner idleon"}) {
        ASSERT_TRUE(Answered([&] { return host_.Send(line); })) << line;
    }
    ASSERT_TRUE(host_.Send("chat Bob: abc, are you there?"));
    const HWND typing = Focused(host_.frame());
    ASSERT_TRUE(host_.Send("owner idleoff"));
    const HWND form4 = Shown(L"kelvarnook.Form4", L"missed");
    ASSERT_NE(form4, nullptr);
    EXPECT_EQ(GetForegroundWindow(), host_.frame());
    EXPECT_EQ(Focused(host_.frame()), typing);
    EXPECT_EQ(win32::WindowTextUtf8(ControlOf(form4, form4::Label1)),
              "1 line named you while you were away");
    // Windows marshals a list box's strings to another process.
    const HWND list = ControlOf(form4, form4::List1);
    ASSERT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 1);
    wchar_t item[256] = {};
    ASSERT_LT(SendMessageW(list, LB_GETTEXTLEN, 0, 0), LRESULT{256});
    SendMessageW(list, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(item));
    const std::wstring shown = item;
    EXPECT_EQ(shown.substr(2, 1) + shown.substr(5), L": Bob: abc, are you there?");
    RECT r;
    GetWindowRect(form4, &r);
    EXPECT_EQ(r.left, main.right);
    EXPECT_EQ(r.top, main.top);
}

// Dragging the skin background moves the window.
TEST_F(ProgramWindows, DraggingTheSkinMovesTheWindow) {
    RECT was;
    GetWindowRect(form1_, &was);
    const auto move_to = [](int x, int y) {
        SetCursorPos(x, y);
        Sleep(100);  // paces the drag as a hand would; the result is waited for below
    };
    const int x = was.left + 60, y = was.top + 45;  // black skin between the rule and "reason"
    move_to(x, y);
    Mouse(MOUSEEVENTF_LEFTDOWN);
    move_to(x + 20, y + 15);
    move_to(x + 40, y + 30);
    Mouse(MOUSEEVENTF_LEFTUP);
    RECT now{};
    EXPECT_TRUE(WaitUntil([&] {
        GetWindowRect(form1_, &now);
        return now.left == was.left + 40 && now.top == was.top + 30;
    })) << now.left - was.left
        << "," << now.top - was.top;
}

// Alt+Space opens the main window's system menu, whose Minimize minimises, whose Restore
// restores and whose Close is the close from outside: the unload lines, then the end. (Another
// process can't read the menu's items under Wine, so they are chosen by their access keys, as
// a person would.)
TEST_F(ProgramWindows, TheSystemMenuMinimisesRestoresAndCloses) {
    SystemMenu('N');
    ASSERT_TRUE(WaitUntil([&] { return IsIconic(form1_) != FALSE; }));
    SystemMenu('R');
    ASSERT_TRUE(WaitUntil([&] { return !IsIconic(form1_); })) << "no Restore";
    SystemMenu('C');
    EXPECT_TRUE(host_.WaitFor("post", StoryPost("first_start_idle", "140.51")));
    EXPECT_TRUE(program_->WaitForExit());
}

// The name a screen reader gives an edit or a list box, by the rule Windows documents: the
// first static text walking GW_HWNDPREV, unless a control with WS_GROUP | WS_TABSTOP comes first.
// (Wine's oleacc gives no object for another process's windows, E_NOINTERFACE for every class,
// so the names can't be read through it.)
std::string SpokenName(HWND control) {
    for (HWND w = GetWindow(control, GW_HWNDPREV); w; w = GetWindow(w, GW_HWNDPREV)) {
        if (ClassOf(w) == "Static") return SentText(w);
        const LONG style = GetWindowLongW(w, GWL_STYLE);
        if ((style & (WS_GROUP | WS_TABSTOP)) == (WS_GROUP | WS_TABSTOP)) break;
    }
    return "";
}

// A skin button is a Button a screen reader names by its text, and a tab stop.
TEST_F(ProgramWindows, SkinButtonsAreButtonsToScreenReaders) {
    EXPECT_EQ(win32::WindowTextUtf8(form1_), "kelvar nook");
    for (const form1::Place place : {form1::Picture3, form1::Picture2, form1::Picture5}) {
        const HWND button = Main(place);
        EXPECT_EQ(ClassOf(button), "Button") << place;
        EXPECT_EQ(GetWindowLongW(button, GWL_STYLE) & (BS_TYPEMASK | WS_TABSTOP),
                  BS_OWNERDRAW | WS_TABSTOP)
            << place;
    }
}

// Every edit and list box of the three windows is named by its own label, and a counter is a
// read-only edit whose text is its value ("minutes idle 0", where a static would be read as
// "0"): name, value and whether the owner can type into it.
TEST_F(ProgramWindows, ScreenReadersNameEveryFieldAndList) {
    using Heard = std::tuple<std::string, std::string, bool>;
    std::vector<Heard> heard;
    for (const wchar_t* cls : {L"kelvarnook.Form1", L"kelvarnook.Form2", L"kelvarnook.Form3"}) {
        EnumChildWindows(
            FindWindowW(cls, nullptr),
            [](HWND w, LPARAM lp) -> BOOL {
                const std::string kind = ClassOf(w);
                if (kind != "Edit" && kind != "ListBox") return TRUE;
                const bool typed = kind == "Edit" && !(GetWindowLongW(w, GWL_STYLE) & ES_READONLY);
                reinterpret_cast<std::vector<Heard>*>(lp)->emplace_back(
                    SpokenName(w), kind == "Edit" ? SentText(w) : "", typed);
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&heard));
    }
    std::sort(heard.begin(), heard.end());
    EXPECT_EQ(heard, (std::vector<Heard>{{"color 1", "c0c0c0", true},
                                         {"color 2", "99ccff", true},
                                         {"commands", "", false},
                                         {"hours idle", "0", false},
                                         {"minutes idle", "0", false},
                                         {"reason", "", true}}));
}

// Hovering a skin button shows its name in a tooltip. The pointer comes onto ops from
// elsewhere: one already resting there (left by an earlier test) would have had its tooltip
// come and go.
TEST_F(ProgramWindows, HoveringASkinButtonShowsItsName) {
    RECT r;
    GetWindowRect(Main(form1::Picture3), &r);
    for (POINT at : {POINT{0, 0}, POINT{r.left + 2, r.top + 2}, POINT{r.left + 8, r.top + 6}}) {
        SetCursorPos(at.x, at.y);
        Sleep(100);  // paces the pointer as a hand would; the tooltip is waited for below
    }
    EXPECT_TRUE(WaitUntil([&] {
        const HWND tip = FindWindowW(L"tooltips_class32", nullptr);
        wchar_t shown[64] = L"";
        if (tip) SendMessageW(tip, WM_GETTEXT, 64, reinterpret_cast<LPARAM>(shown));
        return tip && IsWindowVisible(tip) && win32::Narrow(shown) == "menu";
    }));
}

// Moved to a monitor of another scale, the editor and the list are asked their size there
// first: the answer is their frame at that DPI (the caption and borders don't grow linearly)
// around the design's client area. Then the move itself, with a rectangle of that size.
TEST_F(ProgramWindows, TheEditorAndTheListAnswerTheirSizeAtAnotherScale) {
    const auto adjust =
        reinterpret_cast<BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT)>(reinterpret_cast<void*>(
            GetProcAddress(GetModuleHandleW(L"user32.dll"), "AdjustWindowRectExForDpi")));
    ASSERT_NE(adjust, nullptr);
    for (const FormDesign& design : {Form2Design(), Form3Design({})}) {
        const HWND w = FindWindowW(win32::Widen("kelvarnook." + design.name).c_str(), nullptr);
        for (int dpi : {120, 144}) {
            const RECT client{0, 0, TwipsToPixels(design.client_width, dpi),
                              TwipsToPixels(design.client_height, dpi)};
            RECT frame = client;
            adjust(&frame, static_cast<DWORD>(GetWindowLongW(w, GWL_STYLE)), FALSE,
                   static_cast<DWORD>(GetWindowLongW(w, GWL_EXSTYLE)), static_cast<UINT>(dpi));
            SIZE size{};
            EXPECT_EQ(SendWithData(w, kGetDpiScaledSize, static_cast<WPARAM>(dpi), size), TRUE);
            EXPECT_EQ(std::pair(size.cx, size.cy),
                      std::pair(frame.right - frame.left, frame.bottom - frame.top))
                << design.name << " at " << dpi;
            RECT at;
            GetWindowRect(w, &at);
            RECT suggested{at.left, at.top, at.left + size.cx, at.top + size.cy};
            SendWithData(w, kDpiChanged, MAKEWPARAM(dpi, dpi), suggested);
            RECT now;
            GetWindowRect(w, &now);
            EXPECT_EQ(std::pair(now.right - now.left, now.bottom - now.top),
                      std::pair(size.cx, size.cy));
        }
    }
}

// The command list scrolls sideways to its longest line, which is wider than the list; the
// extent follows the lines as they come and go.
TEST_F(ProgramWindows, TheCommandListScrollsToItsLongestLine) {
    const HWND list = ControlOf(FindWindowW(L"kelvarnook.Form3", nullptr), form3::List1);
    EXPECT_NE(GetWindowLongW(list, GWL_STYLE) & WS_HSCROLL, 0);
    const auto extent = [&] { return SendMessageW(list, LB_GETHORIZONTALEXTENT, 0, 0); };
    const auto add = [&](const wchar_t* line) {
        return SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line));
    };
    RECT client;
    GetClientRect(list, &client);
    const LRESULT commands = extent();
    EXPECT_GT(commands, client.right);
    const LRESULT longer = add(L"handle * - changes handle (* being new handle), and much more");
    EXPECT_GT(extent(), commands);
    SendMessageW(list, LB_DELETESTRING, static_cast<WPARAM>(longer), 0);
    EXPECT_EQ(extent(), commands);
    add(L"end");
    EXPECT_EQ(extent(), commands);
}

// While the handle prompt is open the program's other windows are disabled, so that no click
// reaches them (a second prompt, the exit); Cancel gives an empty handle and the program has its
// windows and the focus back.
TEST_F(ProgramWindows, TheHandlePromptHoldsEveryOtherWindow) {
    const HWND editor = OpenEditor();
    ASSERT_NE(editor, nullptr);
    Choose({VK_DOWN, VK_DOWN, VK_DOWN});
    const HWND prompt = Shown(L"#32770", L"kelvar nook");
    ASSERT_NE(prompt, nullptr);
    EXPECT_FALSE(IsWindowEnabled(form1_));
    EXPECT_FALSE(IsWindowEnabled(editor));
    Click(GetDlgItem(prompt, IDCANCEL));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(prompt); }));
    EXPECT_TRUE(IsWindowEnabled(form1_) && IsWindowEnabled(editor));
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == form1_; }, 3s));
    // Once the program answers the owner again, the prompt's answer is in the file.
    ASSERT_TRUE(host_.Send("owner reason lunch"));
    ASSERT_TRUE(host_.WaitFor("post", StoryPost("owner_words", "18.00")));
    EXPECT_EQ(test::ReadBytes(dir_.Path("kelvarnook.ini")),
              StoryFile("first_start_cancelled_twice.ini"));
}

// Windows ending the session runs the exit: the unload lines, then exit. (The skin's x is a
// story's; its click is the other skin buttons'.)
TEST_F(ProgramWindows, TheEndOfTheSessionRunsTheExitSequence) {
    PostMessageW(form1_, WM_ENDSESSION, TRUE, 0);
    EXPECT_TRUE(host_.WaitFor("post", StoryPost("first_start_idle", "140.51")));
    EXPECT_TRUE(program_->WaitForExit());
}

}  // namespace
}  // namespace kn::wintest
