// The form's window procedure and the FormWindow operations on its window. An event handler
// may run a modal loop or drop the form, so each message handler calls the events last.
#include "platform/win32/win32_form_window.h"

#include <windowsx.h>

#include "platform/win32/win32_dpi.h"
#include "platform/win32/win32_foreground.h"
#include "platform/win32/win32_form_frame.h"
#include "platform/win32/win32_ids.h"
#include "platform/win32/win32_one_program.h"
#include "platform/win32/win32_picture.h"
#include "platform/win32/win32_placement.h"
#include "platform/win32/win32_popup_menu.h"
#include "platform/win32/win32_text.h"
#include "platform/win32/win32_timer.h"
#include "platform/win32/win32_tooltips.h"

namespace kn {

namespace {

Win32FormWindow* Of(HWND w) {
    return reinterpret_cast<Win32FormWindow*>(GetWindowLongPtrW(w, GWLP_USERDATA));
}

// The keyboard's WM_CONTEXTMENU carries x and y of -1 each, which is no lParam of -1 where an
// lParam is 64 bits wide: the WM_CONTEXTMENU notes say to take them apart.
bool FromKeyboard(LPARAM lp) {
    return GET_X_LPARAM(lp) == -1 && GET_Y_LPARAM(lp) == -1;
}

// EVENT_OBJECT_LIVEREGIONCHANGED, which older headers lack.
constexpr DWORD kLiveRegionChanged = 0x8019;

bool Clickable(ControlKind kind) {
    return kind == ControlKind::Button || kind == ControlKind::Picture;
}

// The rectangle `w` has, or would be restored to when minimised. The normal position of a window
// that isn't a tool window is in workspace coordinates, which SetWindowPos must not be given
// (the WINDOWPLACEMENT notes): with the taskbar at the top or left they differ from the screen's.
RECT RestoredRect(HWND w) {
    RECT r{};
    GetWindowRect(w, &r);
    WINDOWPLACEMENT place{};
    place.length = sizeof place;
    if (!IsIconic(w) || !GetWindowPlacement(w, &place)) return r;
    if (GetWindowLongW(w, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) return place.rcNormalPosition;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromRect(&place.rcNormalPosition, MONITOR_DEFAULTTONEAREST), &monitor);
    return win32::ScreenFromWorkspace(place.rcNormalPosition, monitor.rcMonitor, monitor.rcWork);
}

}  // namespace

Win32FormWindow::Win32FormWindow(const FormDesign& design, FormEvents& events)
    : events_(events), design_(design) {
    window_.Reset(win32::CreateFormFrame(design, Proc, this));
    controls_ = win32::CreateControls(hwnd_, design.controls);
    Layout(win32::WindowDpi(hwnd_), nullptr);
    tooltips_.Reset(win32::AddTooltips(controls_));
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
    if (msg == win32::BringBackMessage()) return OnBringBack(), 0;
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
        case WM_DRAWITEM:
            if (win32::DrawSkinButton(*reinterpret_cast<DRAWITEMSTRUCT*>(lp))) return TRUE;
            break;
        case WM_CONTEXTMENU:
            if (FromKeyboard(lp) && OnContextMenu(reinterpret_cast<HWND>(wp))) return 0;
            break;
        case WM_NCHITTEST:
            return win32::HitTest(design_, DefWindowProcW(hwnd_, msg, wp, lp));
        // The caption and borders don't grow linearly with the DPI, so the frame Windows
        // would scale would not hold the client area the design asks for.
        case win32::kGetDpiScaledSize:
            *reinterpret_cast<SIZE*>(lp) = win32::FrameSize(design_, hwnd_, LOWORD(wp));
            return TRUE;
        case win32::kDpiChanged:
            return Layout(LOWORD(wp), reinterpret_cast<const RECT*>(lp)), 0;
        case WM_CLOSE:
            return OnClose(), 0;
        case WM_QUERYENDSESSION:
            return TRUE;
        case WM_ENDSESSION:
            return OnEndSession(wp), 0;
    }
    return DefWindowProcW(hwnd_, msg, wp, lp);
}

// Menu choices come with no control window and code 0; clicks as BN_CLICKED (a skin button's
// quick second click as BN_DOUBLECLICKED). The dialog manager turns Enter without a default
// button into IDOK and Esc into IDCANCEL, both with no control window.
void Win32FormWindow::OnCommand(WPARAM wp, LPARAM lp) {
    int id = LOWORD(wp), code = HIWORD(wp);
    std::size_t item = static_cast<std::size_t>(id - win32::kFirstMenuId);
    if (lp == 0 && code == 0) {
        if (id == IDOK) return PressFocused();
        if (id == IDCANCEL && design_.style == FormStyle::ToolWindow) return OnClose();
        if (id < win32::kFirstMenuId || item >= menu_items_.size()) return;
        return events_.MenuChosen(*menu_items_[item]);
    }
    const win32::FormControl* c = lp ? FindById(id) : nullptr;
    if (!c || !Clickable(c->kind) || c->hwnd != reinterpret_cast<HWND>(lp)) return;
    if (code != BN_CLICKED && !(code == BN_DOUBLECLICKED && c->kind == ControlKind::Picture)) {
        return;
    }
    events_.Click(IndexOf(*c));
}

// From the keyboard (an lParam of -1) the message comes from the focused window, which for a
// skin button is the button itself. A right click, or the key anywhere else, is left to
// Windows: the system menu over the skin, nothing over a button.
bool Win32FormWindow::OnContextMenu(HWND from) {
    const win32::FormControl* c = Owned(from);
    if (!c || c->kind != ControlKind::Picture) return false;
    events_.ContextMenu(IndexOf(*c));
    return true;
}

void Win32FormWindow::PressFocused() {
    const win32::FormControl* c = Owned(GetFocus());
    if (!c || !Clickable(c->kind)) return;
    events_.Click(IndexOf(*c));
}

// The new font and icons are in place before the old ones go, so no window ever holds a
// destroyed one.
void Win32FormWindow::Layout(int dpi, const RECT* suggested) {
    win32::OwnedFont font(win32::CreateGuiFont(dpi));
    if (suggested) {
        SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top,
                     suggested->right - suggested->left, suggested->bottom - suggested->top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
        const SIZE size = SizeAtDpi(dpi);
        SetWindowPos(hwnd_, nullptr, 0, 0, size.cx, size.cy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    win32::PlaceControls(controls_, dpi, font.get());
    for (const win32::FormControl& c : controls_) win32::UpdateTextTip(tooltips_.get(), c);
    icons_ = win32::SetIcons(hwnd_, design_, dpi);
    font_ = std::move(font);
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

// A second start's request; the show it makes is the window's own, so nothing waits for later.
void Win32FormWindow::OnBringBack() {
    if (IsWindowEnabled(hwnd_)) hidden_state_.reset();
    win32::ComeBack(hwnd_);
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

const win32::FormControl* Win32FormWindow::At(ControlIndex control) const {
    return control < controls_.size() ? &controls_[control] : nullptr;
}

const win32::FormControl* Win32FormWindow::FindById(int id) const {
    std::size_t i = static_cast<std::size_t>(id - win32::kFirstControlId);
    return id >= win32::kFirstControlId && i < controls_.size() ? &controls_[i] : nullptr;
}

// Its identifier gives the place; a window of another form or of none may carry the same one.
const win32::FormControl* Win32FormWindow::Owned(HWND w) const {
    const win32::FormControl* c = w ? FindById(GetDlgCtrlID(w)) : nullptr;
    return c && c->hwnd == w ? c : nullptr;
}

HWND Win32FormWindow::ControlWindow(ControlIndex control) const {
    const win32::FormControl* c = At(control);
    return c ? c->hwnd : nullptr;
}

WindowHandle Win32FormWindow::Handle() {
    return HandleToULong(hwnd_);
}

std::string Win32FormWindow::Text(ControlIndex control) {
    HWND w = ControlWindow(control);
    return w ? win32::WindowTextUtf8(w) : std::string();
}

// A status's text is its static's name, which screen readers read on every version; a change
// also raises the live-region event that Windows 8 on defines (older versions ignore it).
// Whether a reader speaks it is Windows' to show: Wine has no reader to hear it.
void Win32FormWindow::SetText(ControlIndex control, std::string_view text) {
    const win32::FormControl* c = At(control);
    if (!c) return;
    win32::SetWindowTextUtf8(c->hwnd, text);
    win32::UpdateTextTip(tooltips_.get(), *c);
    if (c->status) NotifyWinEvent(kLiveRegionChanged, c->hwnd, OBJID_CLIENT, CHILDID_SELF);
}

int Win32FormWindow::ItemCount(ControlIndex control) {
    const win32::FormControl* c = At(control);
    if (!c || c->kind != ControlKind::ListBox) return 0;
    return static_cast<int>(SendMessageW(c->hwnd, LB_GETCOUNT, 0, 0));
}

// A list box draws its strings as they are: no prefix, tab or markup processing is asked for.
void Win32FormWindow::AddItem(ControlIndex control, std::string_view text) {
    const win32::FormControl* c = At(control);
    if (!c || c->kind != ControlKind::ListBox) return;
    const std::wstring wide = win32::Widen(text);
    SendMessageW(c->hwnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

void Win32FormWindow::RemoveItem(ControlIndex control, int index) {
    const win32::FormControl* c = At(control);
    if (!c || c->kind != ControlKind::ListBox || index < 0) return;
    // Out of range, the list box answers LB_ERR and changes nothing.
    SendMessageW(c->hwnd, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
}

void Win32FormWindow::Show(Activation activation) {
    const win32::ForegroundKept kept(activation == Activation::NoActivate);
    if (Visible()) return ToFront();
    ShowWindow(hwnd_, ShowCommand(activation));
    hidden_state_.reset();
}

// Shown again from the room: "show" and "maxi" leave the window seen, in front of the host the
// owner has just clicked, whose window may have been stacked over it (under Wine a window
// manager restacks a restored window as it likes). It stays in its own band, topmost or not.
void Win32FormWindow::ToFront() {
    SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// The state asked for while hidden comes with the show itself, so the window appears once, in
// that state. SW_SHOWNOACTIVATE and SW_RESTORE restore a minimised window.
int Win32FormWindow::ShowCommand(Activation activation) const {
    const bool activate = activation == Activation::Activate, iconic = IsIconic(hwnd_);
    const WindowState state =
        hidden_state_.value_or(iconic ? WindowState::Minimized : WindowState::Normal);
    if (state == WindowState::Minimized) return iconic ? SW_SHOWNA : SW_SHOWMINNOACTIVE;
    if (iconic) return activate ? SW_RESTORE : SW_SHOWNOACTIVATE;
    return activate ? SW_SHOW : SW_SHOWNA;
}

void Win32FormWindow::ShowBeside(FormWindow& anchor, Activation activation) {
    // Every FormWindow of this runtime is a Win32FormWindow.
    if (!Visible()) MoveBeside(static_cast<Win32FormWindow&>(anchor).hwnd());
    Show(activation);
}

// Beside where a minimised anchor would be restored to, at the size this window has on the
// anchor's monitor (the work area it is kept in is that monitor's).
void Win32FormWindow::MoveBeside(HWND anchor) {
    const RECT a = RestoredRect(anchor);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromRect(&a, MONITOR_DEFAULTTONEAREST), &monitor);
    const SIZE size = SizeAtDpi(win32::WindowDpi(anchor));
    const POINT at = win32::PlaceBeside(a, size, monitor.rcWork, OtherShownForms(anchor));
    SetWindowPos(hwnd_, nullptr, at.x, at.y, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    // A move onto a monitor of another DPI takes the rectangle Windows suggests, which need not
    // keep the corner asked for.
    RECT now{};
    if (GetWindowRect(hwnd_, &now) && (now.left != at.x || now.top != at.y)) {
        SetWindowPos(hwnd_, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

SIZE Win32FormWindow::SizeAtDpi(int dpi) const {
    return win32::FrameSize(design_, hwnd_, dpi);
}

namespace {

struct ShownForms {
    HWND skip1, skip2;
    std::vector<RECT> rects;
};

BOOL CALLBACK AddShownForm(HWND w, LPARAM found) {
    auto& forms = *reinterpret_cast<ShownForms*>(found);
    RECT r{};
    if (w != forms.skip1 && w != forms.skip2 && IsWindowVisible(w) && !IsIconic(w) &&
        Win32FormWindow::IsForm(w) && GetWindowRect(w, &r)) {
        forms.rects.push_back(r);
    }
    return TRUE;
}

}  // namespace

// All forms belong to the program's one GUI thread.
std::vector<RECT> Win32FormWindow::OtherShownForms(HWND anchor) const {
    ShownForms forms{hwnd_, anchor, {}};
    EnumThreadWindows(GetCurrentThreadId(), AddShownForm, reinterpret_cast<LPARAM>(&forms));
    return forms.rects;
}

void Win32FormWindow::Hide() {
    ShowWindow(hwnd_, SW_HIDE);
}

bool Win32FormWindow::Visible() {
    return IsWindowVisible(hwnd_) != FALSE;
}

// Minimised from the room, the window must not hand the activation on from the host to
// whichever window comes next.
void Win32FormWindow::SetState(WindowState state) {
    if (!Visible()) return SetHiddenState(state);
    if (state == WindowState::Minimized) {
        ShowWindow(hwnd_, GetForegroundWindow() == hwnd_ ? SW_MINIMIZE : SW_SHOWMINNOACTIVE);
        return;
    }
    const win32::ForegroundKept kept;
    ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
    ToFront();
}

// Every way to minimise or restore a window also shows it, which flashes its taskbar button and
// raises the show and hide events that screen readers announce; so a hidden window keeps the
// state asked for until it is shown.
void Win32FormWindow::SetHiddenState(WindowState state) {
    const WindowState now = IsIconic(hwnd_) ? WindowState::Minimized : WindowState::Normal;
    hidden_state_ = state == now ? std::nullopt : std::optional(state);
}

WindowState Win32FormWindow::State() {
    if (hidden_state_) return *hidden_state_;
    return IsIconic(hwnd_) ? WindowState::Minimized : WindowState::Normal;
}

// Refused only when the person has not just asked for it, which the caller's rule excludes.
void Win32FormWindow::BringToFront() {
    if (Visible()) (void)SetForegroundWindow(hwnd_);
}

// Without the foreground the menu would not close when the user clicks elsewhere, and the
// posted WM_NULL makes a second pop-up work at once (both as the TrackPopupMenu notes say).
void Win32FormWindow::PopupMenu(const MenuItem& menu, ControlIndex control) {
    win32::OwnedMenu popup = win32::BuildPopupMenu(menu, menu_items_);
    POINT at{};
    GetCursorPos(&at);
    RECT box{};
    if (HWND w = control < controls_.size() ? controls_[control].hwnd : nullptr;
        w && GetWindowRect(w, &box) && !PtInRect(&box, at)) {
        at = {box.left, box.bottom};
    }
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
