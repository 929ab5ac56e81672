// user32 is loaded in every process with windows, so GetModuleHandle finds it: nothing is
// loaded by name.
#include "platform/win32/win32_dpi.h"

namespace kn::win32 {

namespace {

template <typename F>
F User32(const char* name) {
    // A function pointer from GetProcAddress is cast to its real type, as Windows intends.
    return reinterpret_cast<F>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

}  // namespace

int SystemDpi() {
    HDC screen = GetDC(nullptr);
    int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

int WindowDpi(HWND w) {
    static const auto for_window = User32<UINT(WINAPI*)(HWND)>("GetDpiForWindow");
    const UINT dpi = for_window ? for_window(w) : 0;
    return dpi ? static_cast<int>(dpi) : SystemDpi();
}

int SmallIconSize(HWND w) {
    static const auto for_dpi = User32<int(WINAPI*)(int, UINT)>("GetSystemMetricsForDpi");
    if (!for_dpi) return GetSystemMetrics(SM_CXSMICON);
    return for_dpi(SM_CXSMICON, static_cast<UINT>(WindowDpi(w)));
}

RECT FrameForClient(int width, int height, DWORD style, DWORD ex_style, int dpi) {
    static const auto adjust =
        User32<BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT)>("AdjustWindowRectExForDpi");
    RECT r{0, 0, width, height};
    // A failure leaves the client rectangle, which is the best there is.
    if (adjust) {
        (void)adjust(&r, style, FALSE, ex_style, static_cast<UINT>(dpi));
    } else {
        (void)AdjustWindowRectEx(&r, style, FALSE, ex_style);
    }
    return {0, 0, r.right - r.left, r.bottom - r.top};
}

HFONT CreateGuiFont(int dpi) {
    const int system = SystemDpi();
    if (dpi == system) return nullptr;
    LOGFONTW font{};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
    font.lfHeight = MulDiv(font.lfHeight, dpi, system);
    return CreateFontIndirectW(&font);
}

}  // namespace kn::win32
