// The common controls' tooltip class, registered by the program's start (InitCommonControlsEx).
// TTF_SUBCLASS lets the tooltip watch the buttons' mouse messages itself.
#include "platform/win32/win32_tooltips.h"

// commctrl.h needs the types of windows.h.
#include <commctrl.h>

#include <cstddef>

namespace kn::win32 {

namespace {

bool IsButton(HWND w) {
    wchar_t cls[16] = L"";
    GetClassNameW(w, cls, ARRAYSIZE(cls));
    return lstrcmpiW(cls, L"Button") == 0;
}

}  // namespace

HWND AddTooltips(const std::vector<FormControl>& controls) {
    HWND tips = nullptr;
    for (const FormControl& c : controls) {
        if (c.kind != ControlKind::Picture || !IsButton(c.hwnd)) continue;
        if (!tips) {
            tips = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, TOOLTIPS_CLASSW, nullptr,
                                   WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
        }
        wchar_t name[64] = L"";
        GetWindowTextW(c.hwnd, name, ARRAYSIZE(name));
        TTTOOLINFOW tool{};
        // The size that Windows XP's common controls know, lParam the last member.
        tool.cbSize = offsetof(TTTOOLINFOW, lParam) + sizeof tool.lParam;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = GetParent(c.hwnd);
        tool.uId = reinterpret_cast<UINT_PTR>(c.hwnd);
        tool.lpszText = name;
        SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    return tips;
}

}  // namespace kn::win32
