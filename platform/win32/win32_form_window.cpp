// The form's window procedure and the FormWindow operations on its window. An event handler
// may run a modal loop or drop the form, so each message handler calls the events last.
#include "platform/win32/win32_form_window.h"

#include <algorithm>

#include "platform/win32/win32_form_frame.h"
#include "platform/win32/win32_ids.h"
#include "platform/win32/win32_popup_menu.h"
#include "platform/win32/win32_text.h"
#include "platform/win32/win32_timer.h"

namespace kn {

namespace {

Win32FormWindow* Of(HWND w) {
    return reinterpret_cast<Win32FormWindow*>(GetWindowLongPtrW(w, GWLP_USERDATA));
}

bool Clickable(ControlKind kind) {
    return kind == ControlKind::Button || kind == ControlKind::Picture;
}

}  // namespace

Win32FormWindow::Win32FormWindow(const FormDesign& design, FormEvents& events) : events_(events) {
    window_.Reset(win32::CreateFormFrame(design, Proc, this));
    controls_ = win32::CreateControls(hwnd_, design.controls);
}

Win32FormWindow::~Win32FormWindow() {
    for (auto& [id, timer] : timers_) timer->Detach();
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
}

LRESULT CALLBACK Win32FormWindow::Proc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto self =
            static_cast<Win32FormWindow*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
        self->hwnd_ = w;
        SetWindowLongPtrW(w, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    Win32FormWindow* self = Of(w);
    return self ? self->OnMessage(msg, wp, lp) : DefWindowProcW(w, msg, wp, lp);
}

LRESULT Win32FormWindow::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_COMMAND:
            return OnCommand(wp, lp), 0;
        case WM_TIMER:
            return OnTimer(wp), 0;
        case WM_ACTIVATE:
            OnActivate(wp);
            break;
        case WM_SETFOCUS:
            return OnSetFocus(), 0;
        case WM_CLOSE:
            return OnClose(), 0;
        case WM_QUERYENDSESSION:
            return TRUE;
        case WM_ENDSESSION:
            return OnEndSession(wp), 0;
    }
    return DefWindowProcW(hwnd_, msg, wp, lp);
}

// Menu choices come with no control window and code 0; clicks as BN_CLICKED or STN_CLICKED,
// both 0, from a button or picture box.
void Win32FormWindow::OnCommand(WPARAM wp, LPARAM lp) {
    int id = LOWORD(wp);
    if (HIWORD(wp) != 0) return;
    std::size_t item = static_cast<std::size_t>(id - win32::kFirstMenuId);
    if (lp == 0 && id >= win32::kFirstMenuId && item < menu_names_.size()) {
        std::string name = menu_names_[item];
        return events_.MenuChosen(name);
    }
    const win32::FormControl* c = lp ? FindById(id) : nullptr;
    if (!c || !Clickable(c->kind) || c->hwnd != reinterpret_cast<HWND>(lp)) return;
    std::string name = c->name;
    events_.Click(name);
}

void Win32FormWindow::OnTimer(WPARAM id) {
    auto it = timers_.find(static_cast<unsigned>(id));
    if (it != timers_.end()) it->second->Tick();
}

// Plain windows, unlike dialogs, forget their focused control when they are deactivated.
void Win32FormWindow::OnActivate(WPARAM wp) {
    HWND focus = GetFocus();
    if (LOWORD(wp) == WA_INACTIVE && focus && IsChild(hwnd_, focus)) focus_ = focus;
}

void Win32FormWindow::OnSetFocus() {
    HWND target =
        focus_ && IsChild(hwnd_, focus_) ? focus_ : GetNextDlgTabItem(hwnd_, nullptr, FALSE);
    if (target) SetFocus(target);
}

void Win32FormWindow::OnEndSession(WPARAM ending) {
    if (ending) events_.CloseRequested();
}

void Win32FormWindow::OnClose() {
    events_.CloseRequested();
}

void Win32FormWindow::DetachTimer(unsigned id, Win32Timer* timer) {
    auto it = timers_.find(id);
    if (it != timers_.end() && it->second == timer) timers_.erase(it);
}

const win32::FormControl* Win32FormWindow::Find(std::string_view name) const {
    auto it = std::find_if(controls_.begin(), controls_.end(),
                           [&](const win32::FormControl& c) { return c.name == name; });
    return it == controls_.end() ? nullptr : &*it;
}

const win32::FormControl* Win32FormWindow::FindById(int id) const {
    std::size_t i = static_cast<std::size_t>(id - win32::kFirstControlId);
    return id >= win32::kFirstControlId && i < controls_.size() ? &controls_[i] : nullptr;
}

HWND Win32FormWindow::ControlWindow(std::string_view control) const {
    const win32::FormControl* c = Find(control);
    return c ? c->hwnd : nullptr;
}

WindowHandle Win32FormWindow::Handle() {
    return HandleToULong(hwnd_);
}

std::string Win32FormWindow::Text(std::string_view control) {
    HWND w = ControlWindow(control);
    return w ? win32::WindowTextUtf8(w) : std::string();
}

void Win32FormWindow::SetText(std::string_view control, std::string_view text) {
    if (HWND w = ControlWindow(control)) win32::SetWindowTextUtf8(w, text);
}

int Win32FormWindow::ItemCount(std::string_view control) {
    const win32::FormControl* c = Find(control);
    if (!c || c->kind != ControlKind::ListBox) return 0;
    return static_cast<int>(SendMessageW(c->hwnd, LB_GETCOUNT, 0, 0));
}

void Win32FormWindow::Show() {
    ShowWindow(hwnd_, SW_SHOW);
}

void Win32FormWindow::Hide() {
    ShowWindow(hwnd_, SW_HIDE);
}

bool Win32FormWindow::Visible() {
    return IsWindowVisible(hwnd_) != FALSE;
}

void Win32FormWindow::SetState(WindowState state) {
    if (!Visible()) return SetHiddenState(state);
    ShowWindow(hwnd_, state == WindowState::Minimized ? SW_MINIMIZE : SW_RESTORE);
}

// Every way to minimise or restore also shows the window, so a hidden one is hidden again at
// once, before anything is painted.
void Win32FormWindow::SetHiddenState(WindowState state) {
    if (State() == state) return;
    ShowWindow(hwnd_, state == WindowState::Minimized ? SW_SHOWMINNOACTIVE : SW_SHOWNOACTIVATE);
    ShowWindow(hwnd_, SW_HIDE);
}

WindowState Win32FormWindow::State() {
    return IsIconic(hwnd_) ? WindowState::Minimized : WindowState::Normal;
}

// Without the foreground the menu would not close when the user clicks elsewhere, and the
// posted WM_NULL makes a second pop-up work at once (both as the TrackPopupMenu notes say).
void Win32FormWindow::PopupMenu(const MenuItem& menu) {
    win32::OwnedMenu popup = win32::BuildPopupMenu(menu, menu_names_);
    POINT at{};
    GetCursorPos(&at);
    SetForegroundWindow(hwnd_);
    TrackPopupMenu(popup.get(), 0, at.x, at.y, 0, hwnd_, nullptr);
    PostMessageW(hwnd_, WM_NULL, 0, 0);
}

bool Win32FormWindow::IsForm(HWND w) {
    wchar_t cls[64] = L"";
    GetClassNameW(w, cls, ARRAYSIZE(cls));
    std::wstring_view prefix = win32::kFormClassPrefix;
    return std::wstring_view(cls).starts_with(prefix) && Of(w) != nullptr;
}

}  // namespace kn
