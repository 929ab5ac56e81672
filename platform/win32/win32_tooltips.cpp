// The common controls' tooltip class, registered by the program's start (InitCommonControlsEx).
// TTF_SUBCLASS lets the tooltip watch the buttons' mouse messages itself.
#include "platform/win32/win32_tooltips.h"

// commctrl.h needs the types of windows.h.
#include <commctrl.h>

#include <cstddef>
#include <string>

#include "platform/win32/win32_text.h"

namespace kn::win32 {

namespace {

HWND MakeTooltipWindow() {
    return CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, TOOLTIPS_CLASSW, nullptr,
                           WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

// The size that Windows XP's common controls know, lParam the last member.
TTTOOLINFOW ToolInfo() {
    TTTOOLINFOW tool{};
    tool.cbSize = offsetof(TTTOOLINFOW, lParam) + sizeof tool.lParam;
    return tool;
}

// A text tip's tool is the label's place in its form, named by the label's handle.
TTTOOLINFOW TextTool(const FormControl& label) {
    TTTOOLINFOW tool = ToolInfo();
    tool.uFlags = TTF_SUBCLASS;
    tool.hwnd = GetAncestor(label.hwnd, GA_ROOT);
    tool.uId = reinterpret_cast<UINT_PTR>(label.hwnd);
    GetWindowRect(label.hwnd, &tool.rect);
    MapWindowPoints(nullptr, tool.hwnd, reinterpret_cast<POINT*>(&tool.rect), 2);
    return tool;
}

bool IsButton(HWND w) {
    wchar_t cls[16] = L"";
    GetClassNameW(w, cls, ARRAYSIZE(cls));
    return lstrcmpiW(cls, L"Button") == 0;
}

}  // namespace

HWND AddTooltips(const std::vector<FormControl>& controls) {
    HWND tips = nullptr;
    for (const FormControl& c : controls) {
        const bool button = c.kind == ControlKind::Picture && IsButton(c.hwnd);
        if (!button && !c.tip) continue;
        if (!tips) tips = MakeTooltipWindow();
        if (c.tip) {
            TTTOOLINFOW tool = TextTool(c);
            std::wstring text = Widen(c.tip(WindowTextUtf8(c.hwnd)));
            tool.lpszText = text.data();
            SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
            continue;
        }
        wchar_t name[64] = L"";
        GetWindowTextW(c.hwnd, name, ARRAYSIZE(name));
        TTTOOLINFOW tool = ToolInfo();
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = GetParent(c.hwnd);
        tool.uId = reinterpret_cast<UINT_PTR>(c.hwnd);
        tool.lpszText = name;
        SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    return tips;
}

void UpdateTextTip(HWND tips, const FormControl& label) {
    if (!tips || !label.tip) return;
    TTTOOLINFOW tool = TextTool(label);
    SendMessageW(tips, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
    std::wstring text = Widen(label.tip(WindowTextUtf8(label.hwnd)));
    tool.lpszText = text.data();
    SendMessageW(tips, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace kn::win32
