// Thin owning wrappers over Win32 handles: each closes its handle exactly once, when it is
// replaced or goes out of scope, so no window, menu, bitmap, font, icon, search or kernel handle
// outlives its use.
#pragma once

#include <windows.h>

#include <cstdint>
#include <utility>

namespace kn::win32 {

template <typename H, auto Close, std::intptr_t Invalid = 0>
class Owned {
  public:
    Owned() = default;
    explicit Owned(H h) : h_(h) {}
    ~Owned() { Reset(); }
    Owned(Owned&& o) noexcept : h_(std::exchange(o.h_, Empty())) {}
    Owned& operator=(Owned&& o) noexcept {
        if (this != &o) Reset(std::exchange(o.h_, Empty()));
        return *this;
    }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;

    H get() const { return h_; }
    explicit operator bool() const { return h_ != Empty(); }
    void Reset(H h = Empty()) {
        if (h_ != Empty()) Close(h_);
        h_ = h;
    }
    H Release() { return std::exchange(h_, Empty()); }

  private:
    static H Empty() { return reinterpret_cast<H>(Invalid); }
    H h_ = Empty();
};

inline void DestroyOwnedWindow(HWND h) {
    DestroyWindow(h);
}
inline void CloseMenu(HMENU h) {
    DestroyMenu(h);
}
inline void CloseBitmap(HBITMAP h) {
    DeleteObject(h);
}
inline void CloseFont(HFONT h) {
    DeleteObject(h);
}
inline void CloseIcon(HICON h) {
    DestroyIcon(h);
}
inline void CloseFind(HANDLE h) {
    FindClose(h);
}
inline void CloseDc(HDC h) {
    DeleteDC(h);
}
inline void CloseKernelObject(HANDLE h) {
    CloseHandle(h);
}

using OwnedWindow = Owned<HWND, DestroyOwnedWindow>;
using OwnedMenu = Owned<HMENU, CloseMenu>;  // destroys its submenus with it
using OwnedBitmap = Owned<HBITMAP, CloseBitmap>;
using OwnedDc = Owned<HDC, CloseDc>;
using OwnedFont = Owned<HFONT, CloseFont>;
using OwnedIcon = Owned<HICON, CloseIcon>;  // one loaded without LR_SHARED
// INVALID_HANDLE_VALUE is (HANDLE)-1, which is what FindFirstFileW returns on failure.
using OwnedFind = Owned<HANDLE, CloseFind, -1>;
// A process or mutex handle, null on failure; a file's, INVALID_HANDLE_VALUE on failure.
using OwnedHandle = Owned<HANDLE, CloseKernelObject>;
using OwnedFile = Owned<HANDLE, CloseKernelObject, -1>;

// Selects an object into a DC for the scope and puts the previous one back.
class ScopedSelect {
  public:
    ScopedSelect(HDC dc, HGDIOBJ obj) : dc_(dc), old_(SelectObject(dc, obj)) {}
    ~ScopedSelect() { SelectObject(dc_, old_); }
    ScopedSelect(const ScopedSelect&) = delete;
    ScopedSelect& operator=(const ScopedSelect&) = delete;

  private:
    HDC dc_;
    HGDIOBJ old_;
};

}  // namespace kn::win32
