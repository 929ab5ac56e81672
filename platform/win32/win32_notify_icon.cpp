// The icon asks the shell through Shell_NotifyIconW only when its look changes, the shell comes
// back or an earlier request failed; the look itself is asked for by a one-second timer and by
// the pointer moving over the icon, and compared before anything reaches the shell.
#include "platform/win32/win32_notify_icon.h"

#include <shellapi.h>
// shlwapi.h gives only DllGetVersion's types here; nothing is imported from it.
#include <shlwapi.h>

#include <algorithm>
#include <cstddef>

#include "platform/win32/win32_dpi.h"
#include "platform/win32/win32_ids.h"
#include "platform/win32/win32_text.h"

namespace kn {

namespace {

constexpr UINT_PTR kLookTimer = 1;
constexpr UINT kLookInterval = 1000;  // ms

// NOTIFYICONDATAW with room for the fields of the newest shell, whichever headers built it.
struct NotifyData {
    NOTIFYICONDATAW data;
    HICON balloon_icon;  // Vista's hBalloonIcon where the headers (XP's) stop before it
};

constexpr std::size_t RoundUp(std::size_t n, std::size_t to) {
    return (n + to - 1) / to * to;
}

constexpr DWORD kV1Size = offsetof(NOTIFYICONDATAW, szTip) + 64 * sizeof(WCHAR);
constexpr DWORD kV2Size = offsetof(NOTIFYICONDATAW, guidItem);
constexpr DWORD kV3Size = offsetof(NOTIFYICONDATAW, guidItem) + sizeof(GUID);
constexpr DWORD kVistaSize =
    RoundUp(RoundUp(kV3Size, alignof(HICON)) + sizeof(HICON), alignof(HICON));
#if NTDDI_VERSION >= 0x06000000
static_assert(kVistaSize == sizeof(NOTIFYICONDATAW));
#endif
static_assert(kVistaSize <= sizeof(NotifyData));

DWORD ShellNotifyIconDataSize() {
    static const DWORD size = [] {
        using GetVersion = HRESULT(CALLBACK*)(DLLVERSIONINFO*);
        // Shell_NotifyIconW's own module, loaded with the program.
        const auto get = reinterpret_cast<GetVersion>(reinterpret_cast<void*>(
            GetProcAddress(GetModuleHandleW(L"shell32.dll"), "DllGetVersion")));
        DLLVERSIONINFO version{};
        version.cbSize = sizeof version;
        if (!get || FAILED(get(&version))) return kV1Size;
        return win32::NotifyIconDataSize(version.dwMajorVersion, version.dwMinorVersion,
                                         version.dwBuildNumber);
    }();
    return size;
}

// The picture of each look: the program's own icon, and its variants drawn from the same
// description (windows/resources/make-icon).
const wchar_t* PictureOf(const NotifyLook& look) {
    if (look.idle) return look.warning ? L"NotifyIdleWarning" : L"NotifyIdle";
    return look.warning ? L"NotifyWarning" : L"Form1";
}

// Explorer runs at the user's own level; where this program runs above it (elevated), the
// window system drops Explorer's messages unless they are let through. Both functions are
// newer than XP: Windows 7's for this window alone, else Vista's for the process.
void LetShellMessagesIn(HWND w, UINT message) {
    const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    using ForWindow = BOOL(WINAPI*)(HWND, UINT, DWORD, void*);
    using ForProcess = BOOL(WINAPI*)(UINT, DWORD);
    constexpr DWORD kAllow = 1;  // MSGFLT_ALLOW and MSGFLT_ADD alike
    // Ignored on failure: an unelevated program gets the messages anyway.
    if (const auto ex = reinterpret_cast<ForWindow>(
            reinterpret_cast<void*>(GetProcAddress(user32, "ChangeWindowMessageFilterEx")))) {
        (void)ex(w, message, kAllow, nullptr);
    } else if (const auto old = reinterpret_cast<ForProcess>(
                   reinterpret_cast<void*>(GetProcAddress(user32, "ChangeWindowMessageFilter")))) {
        (void)old(message, kAllow);
    }
}

void RegisterIconClass(WNDPROC proc) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = win32::kNotifyIconClass;
    // Fails harmlessly for the second icon of a process: the class is there already.
    (void)RegisterClassExW(&wc);
}

BOOL CALLBACK TakeShownEnabled(HWND w, LPARAM found) {
    if (!IsWindowVisible(w) || !IsWindowEnabled(w)) return TRUE;
    *reinterpret_cast<HWND*>(found) = w;
    return FALSE;
}

// While a modal prompt holds the program's windows, a click on the icon brings the prompt
// forward: the menu's and the main window's handlers must wait for its answer.
void BringPromptForward() {
    HWND prompt = nullptr;
    (void)EnumThreadWindows(GetCurrentThreadId(), TakeShownEnabled,
                            reinterpret_cast<LPARAM>(&prompt));
    if (prompt) (void)SetForegroundWindow(prompt);
}

}  // namespace

Win32NotifyIcon::Win32NotifyIcon(HWND owner, NotifyIconEvents& events,
                                 std::vector<Win32NotifyIcon*>& live)
    : owner_(owner), events_(events), live_(live) {
    RegisterIconClass(Proc);
    // Top-level, though never shown: the shell broadcasts TaskbarCreated to top-level windows.
    window_.Reset(CreateWindowExW(WS_EX_TOOLWINDOW, win32::kNotifyIconClass, L"", WS_POPUP, 0, 0, 0,
                                  0, nullptr, nullptr, GetModuleHandleW(nullptr), this));
    taskbar_created_ = RegisterWindowMessageW(L"TaskbarCreated");
    if (hwnd_) {
        LetShellMessagesIn(hwnd_, taskbar_created_);
        LetShellMessagesIn(hwnd_, win32::kNotifyIconMessage);
    }
    live_.push_back(this);
}

Win32NotifyIcon::~Win32NotifyIcon() {
    Remove();
    live_.erase(std::remove(live_.begin(), live_.end(), this), live_.end());
    if (hwnd_) SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
}

LRESULT CALLBACK Win32NotifyIcon::Proc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto self =
            static_cast<Win32NotifyIcon*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
        self->hwnd_ = w;
        SetWindowLongPtrW(w, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto self = reinterpret_cast<Win32NotifyIcon*>(GetWindowLongPtrW(w, GWLP_USERDATA));
    return self ? self->OnMessage(msg, wp, lp) : DefWindowProcW(w, msg, wp, lp);
}

LRESULT Win32NotifyIcon::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == win32::kNotifyIconMessage && wp == win32::kNotifyIconId) {
        return OnCallback(LOWORD(lp)), 0;
    }
    if (msg == WM_TIMER && wp == kLookTimer) return events_.LookDue(), 0;
    // The shell came back empty: the icon goes in again, at the size of the shell's DPI,
    // which may be new too.
    if (msg == taskbar_created_ && taskbar_created_ != 0) {
        if (shown_) {
            LoadPicture();
            added_ = Add();
        }
        return 0;
    }
    return DefWindowProcW(hwnd_, msg, wp, lp);
}

// NOTIFYICON_VERSION sends NIN_SELECT after a left click's button-up, NIN_KEYSELECT for Enter
// and Space, and WM_CONTEXTMENU for the right button and the keyboard alike; an older shell
// sends the mouse messages alone.
void Win32NotifyIcon::OnCallback(UINT what) {
    if (ended_) return;
    if (what == WM_MOUSEMOVE) return events_.LookDue();
    const bool click =
        versioned_ ? what == NIN_SELECT || what == NIN_KEYSELECT : what == WM_LBUTTONUP;
    const bool menu = versioned_ ? what == WM_CONTEXTMENU : what == WM_RBUTTONUP;
    if (!click && !menu) return;
    if (!IsWindowEnabled(owner_)) return BringPromptForward();
    if (click) return events_.Click();
    events_.ContextMenu();
}

void Win32NotifyIcon::Show(const NotifyLook& look) {
    if (ended_ || (shown_ && added_ && look == look_)) return;
    const bool new_picture =
        !shown_ || !picture_ || look.idle != look_.idle || look.warning != look_.warning;
    look_ = look;
    if (!shown_) {
        shown_ = true;
        // Fails only for a destroyed window; the look then stays as it was last shown.
        (void)SetTimer(hwnd_, kLookTimer, kLookInterval, nullptr);
    }
    if (new_picture) LoadPicture();
    added_ = (added_ && Notify(NIM_MODIFY, NIF_ICON | NIF_TIP)) || Add();
}

// At the notification area's size now, drawn for it rather than scaled from another size.
void Win32NotifyIcon::LoadPicture() {
    const int size = win32::SmallIconSize(hwnd_);
    picture_.Reset(static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), PictureOf(look_), IMAGE_ICON, size, size, 0)));
}

// An icon the shell already holds (its answer to an earlier add was lost) is changed instead.
bool Win32NotifyIcon::Add() {
    const UINT flags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    if (!Notify(NIM_ADD, flags) && !Notify(NIM_MODIFY, flags)) return false;
    // Refused by shells before Windows 2000's, which then send the plain mouse messages.
    versioned_ = ShellNotifyIconDataSize() > kV1Size && Notify(NIM_SETVERSION, 0);
    return true;
}

bool Win32NotifyIcon::Notify(DWORD message, UINT flags) {
    if (!hwnd_) return false;
    NotifyData n{};
    n.data.cbSize = ShellNotifyIconDataSize();
    n.data.hWnd = hwnd_;
    n.data.uID = win32::kNotifyIconId;
    n.data.uFlags = flags;
    n.data.uCallbackMessage = win32::kNotifyIconMessage;
    n.data.hIcon = picture_.get();
    n.data.uVersion = NOTIFYICON_VERSION;
    const std::size_t capacity = n.data.cbSize > kV1Size ? ARRAYSIZE(n.data.szTip) : 64;
    const std::wstring tip = win32::FitTip(win32::Widen(look_.tip), capacity);
    std::copy(tip.begin(), tip.end(), n.data.szTip);
    return Shell_NotifyIconW(message, &n.data) != FALSE;
}

void Win32NotifyIcon::Remove() {
    ended_ = true;
    if (added_) (void)Notify(NIM_DELETE, 0);  // a shell that lost it has nothing to remove
    added_ = false;
    shown_ = false;
    if (hwnd_) (void)KillTimer(hwnd_, kLookTimer);  // fails only where none was set
}

namespace win32 {

// Shell32's own versions: 5.0 is Windows 2000's, 6.0 XP's, 6.0.6000 Vista's. The example
// beside NOTIFYICONDATA compares with build 6, which XP's 6.0.2900 passes too.
DWORD NotifyIconDataSize(DWORD major, DWORD minor, DWORD build) {
    if (major > 6 || (major == 6 && (minor > 0 || build >= 6000))) return kVistaSize;
    if (major == 6) return kV3Size;
    if (major == 5) return kV2Size;
    return kV1Size;
}

std::wstring FitTip(std::wstring tip, std::size_t capacity) {
    if (capacity == 0) return {};
    if (tip.size() < capacity) return tip;
    std::size_t keep = capacity >= 2 ? capacity - 2 : 0;
    if (keep > 0 && IS_HIGH_SURROGATE(tip[keep - 1])) --keep;
    tip.resize(keep);
    if (capacity >= 2) tip += L'\u2026';
    return tip;
}

}  // namespace win32

}  // namespace kn
