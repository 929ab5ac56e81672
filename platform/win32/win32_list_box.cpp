// The list box's own procedure is wrapped: every message that changes its lines or its font
// is passed on first, and the extent is measured again after it.
#include "platform/win32/win32_list_box.h"

#include <algorithm>
#include <string>

#include "platform/win32/win32_handles.h"

namespace kn::win32 {

namespace {

// The list box class's own procedure, kept by the first list made; the same for all.
WNDPROC list_proc = nullptr;

bool ChangesExtent(UINT msg) {
    switch (msg) {
        case LB_ADDSTRING:
        case LB_INSERTSTRING:
        case LB_DELETESTRING:
        case LB_RESETCONTENT:
        case WM_SETFONT:
            return true;
    }
    return false;
}

std::wstring Line(HWND list, int i) {
    const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
    if (length <= 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

// The widest line, and an average character more for the gap the list leaves at its left.
int LongestLine(HWND list) {
    HDC dc = GetDC(list);
    auto font = reinterpret_cast<HGDIOBJ>(SendMessageW(list, WM_GETFONT, 0, 0));
    int widest = 0;
    {
        ScopedSelect select(dc, font ? font : GetStockObject(SYSTEM_FONT));
        const int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            const std::wstring line = Line(list, i);
            SIZE size{};
            GetTextExtentPoint32W(dc, line.c_str(), static_cast<int>(line.size()), &size);
            widest = std::max(widest, static_cast<int>(size.cx));
        }
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        if (widest) widest += metrics.tmAveCharWidth;
    }
    ReleaseDC(list, dc);
    return widest;
}

void Measure(HWND list) {
    SendMessageW(list, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(LongestLine(list)), 0);
}

LRESULT CALLBACK ListProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    const LRESULT result = CallWindowProcW(list_proc, w, msg, wp, lp);
    if (ChangesExtent(msg)) Measure(w);
    return result;
}

}  // namespace

void KeepExtentToLongestLine(HWND list) {
    if (!list) return;
    list_proc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ListProc)));
    Measure(list);
}

}  // namespace kn::win32
