// How each kind of control maps to a Win32 window class and styles, and how a container is
// found: controls that name a picture box go inside it, placed relative to it, in pixels at
// the screen's DPI.
#include "platform/win32/win32_form_controls.h"

#include <algorithm>

#include "platform/win32/win32_ids.h"
#include "platform/win32/win32_picture.h"
#include "platform/win32/win32_text.h"

namespace kn::win32 {

namespace {

struct Look {
    const wchar_t* cls;
    DWORD style;
    DWORD ex_style;
};

// Labels do no mnemonics: a counter or a handle with "&" in it must show as it is.
Look LookOf(const ControlDesign& d) {
    switch (d.kind) {
        case ControlKind::Label:
            return {L"STATIC", DWORD(SS_NOPREFIX | (d.transparent ? SS_OWNERDRAW : SS_LEFT)), 0};
        case ControlKind::TextField:
            return {L"EDIT", ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
        case ControlKind::ListBox:
            return {L"LISTBOX", WS_VSCROLL | LBS_NOINTEGRALHEIGHT | LBS_HASSTRINGS,
                    WS_EX_CLIENTEDGE};
        case ControlKind::Button:
            return {L"BUTTON", BS_PUSHBUTTON, 0};
        case ControlKind::Picture:
            break;
    }
    return {kPictureClass, 0, 0};
}

bool TakesFocus(ControlKind kind) {
    return kind == ControlKind::TextField || kind == ControlKind::ListBox ||
           kind == ControlKind::Button;
}

RECT PixelRect(const TwipRect& t, SIZE dpi) {
    int left = TwipsToPixels(t.left, dpi.cx), top = TwipsToPixels(t.top, dpi.cy);
    return {left, top, left + TwipsToPixels(t.width, dpi.cx),
            top + TwipsToPixels(t.height, dpi.cy)};
}

HWND ContainerOf(HWND form, const ControlDesign& d, const std::vector<FormControl>& made) {
    auto it = std::find_if(made.begin(), made.end(), [&](const FormControl& c) {
        return c.name == d.container && c.kind == ControlKind::Picture;
    });
    return it == made.end() ? form : it->hwnd;
}

void AddItems(HWND list, const std::vector<std::string>& items) {
    for (const auto& item : items) {
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
    }
}

HWND CreateStandard(HWND parent, int id, const ControlDesign& d, const RECT& r) {
    Look look = LookOf(d);
    DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | look.style;
    if (d.tab_index >= 0 && TakesFocus(d.kind)) style |= WS_TABSTOP;
    return CreateWindowExW(look.ex_style, look.cls, Widen(d.text).c_str(), style, r.left, r.top,
                           r.right - r.left, r.bottom - r.top, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleW(nullptr), nullptr);
}

HWND CreateOne(HWND parent, int id, const ControlDesign& d, SIZE dpi) {
    RECT r = PixelRect(d.pos, dpi);
    if (d.kind == ControlKind::Picture) return CreatePicture(parent, id, r, Widen(d.image).c_str());
    HWND w = CreateStandard(parent, id, d, r);
    SendMessageW(w, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    AddItems(w, d.items);
    return w;
}

// Tab order is sibling order, so the tab stops are moved to the bottom one after another in
// the design's tab order; controls that take no focus keep their stacking among themselves.
void ArrangeTabOrder(const std::vector<FormControl>& made,
                     const std::vector<ControlDesign>& designs) {
    std::vector<std::size_t> stops;
    for (std::size_t i = 0; i < designs.size(); ++i) {
        if (designs[i].tab_index >= 0 && TakesFocus(designs[i].kind)) stops.push_back(i);
    }
    std::stable_sort(stops.begin(), stops.end(), [&](std::size_t a, std::size_t b) {
        return designs[a].tab_index < designs[b].tab_index;
    });
    for (std::size_t i : stops) {
        SetWindowPos(made[i].hwnd, HWND_BOTTOM, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

}  // namespace

SIZE ScreenDpi() {
    HDC screen = GetDC(nullptr);
    SIZE dpi{GetDeviceCaps(screen, LOGPIXELSX), GetDeviceCaps(screen, LOGPIXELSY)};
    ReleaseDC(nullptr, screen);
    return dpi;
}

std::vector<FormControl> CreateControls(HWND form, const std::vector<ControlDesign>& designs) {
    std::vector<FormControl> made;
    const SIZE dpi = ScreenDpi();
    for (const auto& d : designs) {
        HWND parent = ContainerOf(form, d, made);
        int id = kFirstControlId + static_cast<int>(made.size());
        made.push_back({d.name, d.kind, CreateOne(parent, id, d, dpi)});
    }
    ArrangeTabOrder(made, designs);
    return made;
}

}  // namespace kn::win32
