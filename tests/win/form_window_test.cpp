// A form's window in the test's own process, where the messages it gets and sends can be
// counted: what Wine forgives and Windows would not, shown as the message sequence.
#include <gtest/gtest.h>
#include <windows.h>

#include <utility>
#include <vector>

#include "platform/win32/win32_foreground.h"
#include "platform/win32/win32_form_window.h"
#include "platform/win32/win32_window_system.h"
#include "windows/designs.h"

namespace kn {
namespace {

struct Events : FormEvents {
    void Click(ControlIndex) override {}
    void ContextMenu(ControlIndex control) override { context_menus.push_back(control); }
    void MenuChosen(const MenuItem&) override {}
    void CloseRequested() override {}
    std::vector<ControlIndex> context_menus;
};

// Counts the times the one window it watches at a time is shown or hidden: each raises the show
// or hide event that screen readers announce.
class ShowsCounted {
  public:
    explicit ShowsCounted(HWND w) : w_(w) {
        count_ = 0;
        proc_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Proc)));
    }
    ~ShowsCounted() { SetWindowLongPtrW(w_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc_)); }
    ShowsCounted(const ShowsCounted&) = delete;
    ShowsCounted& operator=(const ShowsCounted&) = delete;
    int count() const { return count_; }

  private:
    static LRESULT CALLBACK Proc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
        const auto* pos = reinterpret_cast<const WINDOWPOS*>(lp);
        if (msg == WM_WINDOWPOSCHANGED && (pos->flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW))) {
            ++count_;
        }
        return CallWindowProcW(proc_, w, msg, wp, lp);
    }
    static inline WNDPROC proc_ = nullptr;
    static inline int count_ = 0;
    HWND w_;
};

// Another window of this process, made the foreground one; the test destroys it.
HWND InFrontWindow() {
    const HWND w = CreateWindowExW(0, L"STATIC", L"front", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                   800, 600, nullptr, nullptr, nullptr, nullptr);
    EXPECT_TRUE(SetForegroundWindow(w));
    return w;
}

void Pump() {
    MSG m;
    while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&m);
}

// Minimised or restored while hidden, the window shows nothing until it is shown, and then
// shows once, in the state last asked for.
TEST(FormWindow, AHiddenWindowTakesItsStateWhenNextShown) {
    Events events;
    Win32FormWindow form(Form1Design(), events);
    const ShowsCounted shows(form.hwnd());
    struct Step {
        WindowState asked;
        bool then_normal;  // asked to restore again before it is shown
        WindowState shown;
    };
    for (const Step& s : {Step{WindowState::Minimized, false, WindowState::Minimized},
                          Step{WindowState::Normal, false, WindowState::Normal},
                          Step{WindowState::Minimized, true, WindowState::Normal}}) {
        const int before = shows.count();
        form.SetState(s.asked);
        if (s.then_normal) form.SetState(WindowState::Normal);
        EXPECT_EQ(shows.count(), before);
        EXPECT_FALSE(form.Visible());
        EXPECT_EQ(form.State(), s.then_normal ? WindowState::Normal : s.asked);
        form.Show(Activation::NoActivate);
        EXPECT_EQ(shows.count(), before + 1);
        EXPECT_EQ(IsIconic(form.hwnd()) != FALSE, s.shown == WindowState::Minimized);
        EXPECT_EQ(form.State(), s.shown);
        form.Hide();
        EXPECT_EQ(shows.count(), before + 2);
    }
}

// Making a window topmost must not activate it: the owner's keyboard stays where it is.
TEST(FormWindow, MakingItTopmostLeavesTheActiveWindow) {
    Events events;
    Win32FormWindow form(Form2Design(), events);
    const HWND front = InFrontWindow();
    form.Show(Activation::NoActivate);
    Win32WindowSystem().MakeTopmost(form.Handle());
    Pump();
    EXPECT_NE(GetWindowLongW(form.hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    EXPECT_EQ(GetForegroundWindow(), front);
    EXPECT_EQ(GetActiveWindow(), front);
    DestroyWindow(front);
}

// True when `a` is in front of `b` in the z-order of top-level windows.
bool InFront(HWND a, HWND b) {
    for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
        if (w == a || w == b) return w == a;
    }
    return false;
}

// "show" and "maxi" from the room bring a window that something covered back in front, and
// leave the activation where it is.
TEST(FormWindow, ShowingOrRestoringBringsItInFrontWithoutTheActivation) {
    Events events;
    Win32FormWindow form(Form2Design(), events);
    const std::pair<const char*, void (*)(Win32FormWindow&)> ways[] = {
        {"show", [](Win32FormWindow& f) { f.Show(Activation::NoActivate); }},
        {"maxi", [](Win32FormWindow& f) { f.SetState(WindowState::Normal); }},
    };
    form.Show(Activation::NoActivate);
    for (const auto& [way, bring_back] : ways) {
        const HWND front = InFrontWindow();
        ASSERT_TRUE(InFront(front, form.hwnd())) << way;
        bring_back(form);
        EXPECT_TRUE(InFront(form.hwnd(), front)) << way;
        EXPECT_EQ(GetForegroundWindow(), front) << way;
        DestroyWindow(front);
    }
}

// Where the window system hands the foreground to one of the program's windows during a change
// that must not move it, the program gives it back.
TEST(FormWindow, AForegroundTakenAnywayIsGivenBack) {
    Events events;
    Win32FormWindow form(Form2Design(), events);
    form.Show(Activation::NoActivate);
    const HWND front = InFrontWindow();
    {
        const win32::ForegroundKept kept;
        ASSERT_TRUE(SetForegroundWindow(form.hwnd()));
    }
    EXPECT_EQ(GetForegroundWindow(), front);
    DestroyWindow(front);
}

// The context-menu key on a skin button: x and y of -1, an lParam that a 64-bit program sees
// as 0xffffffff, not -1.
TEST(FormWindow, TheContextMenuKeyOnASkinButtonIsTheButtons) {
    Events events;
    Win32FormWindow form(Form1Design(), events);
    const HWND ops = form.ControlWindow(form1::Picture3);
    SendMessageW(form.hwnd(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(ops), MAKELPARAM(-1, -1));
    EXPECT_EQ(events.context_menus, std::vector<ControlIndex>{form1::Picture3});
}

}  // namespace
}  // namespace kn
