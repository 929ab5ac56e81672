// The program's icon in the notification area, kept there by a hidden top-level window of its
// own: the shell's callbacks and its TaskbarCreated broadcast (which message-only windows never
// get) come to that window, which turns them into the icon's events.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "platform/notify_icon.h"
#include "platform/win32/win32_handles.h"

namespace kn {

class Win32NotifyIcon final : public NotifyIcon {
  public:
    // `live` lists the icons in being, for the end of the process; this one is on it while it
    // lives.
    Win32NotifyIcon(HWND owner, NotifyIconEvents& events, std::vector<Win32NotifyIcon*>& live);
    ~Win32NotifyIcon() override;
    Win32NotifyIcon(const Win32NotifyIcon&) = delete;
    Win32NotifyIcon& operator=(const Win32NotifyIcon&) = delete;

    void Show(const NotifyLook& look) override;
    // A process that ends leaves its icon in the notification area until the pointer passes
    // over it, so every way to the end comes here first.
    void Remove() override;

  private:
    static LRESULT CALLBACK Proc(HWND w, UINT msg, WPARAM wp, LPARAM lp);
    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp);
    void OnCallback(UINT what);
    void LoadPicture();
    bool Notify(DWORD message, UINT flags);
    bool Add();

    HWND owner_;
    NotifyIconEvents& events_;
    std::vector<Win32NotifyIcon*>& live_;
    HWND hwnd_ = nullptr;
    win32::OwnedWindow window_;
    win32::OwnedIcon picture_;
    NotifyLook look_;
    bool shown_ = false;      // Show has been called: the icon belongs in the area
    bool ended_ = false;      // Remove has been called: it never does again
    bool added_ = false;      // the shell took it
    bool versioned_ = false;  // the shell sends NOTIFYICON_VERSION's callbacks
    UINT taskbar_created_ = 0;
};

namespace win32 {

// The NOTIFYICONDATAW size that the shell of `shell32` (DllGetVersion's major, minor and
// build numbers) accepts: each Windows refuses a size newer than its own.
DWORD NotifyIconDataSize(DWORD major, DWORD minor, DWORD build);

// `tip` cut to fit `capacity` UTF-16 units with its terminator, ending in an ellipsis when
// cut, never between the two halves of a surrogate pair.
std::wstring FitTip(std::wstring tip, std::size_t capacity);

}  // namespace win32

}  // namespace kn
