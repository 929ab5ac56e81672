// How each kind of control maps to a Win32 window class and styles, and how a container is
// found: controls that name a picture box go inside it, placed relative to it.
#include "platform/win32/win32_form_controls.h"

#include <algorithm>

#include "platform/win32/win32_ids.h"
#include "platform/win32/win32_list_box.h"
#include "platform/win32/win32_picture.h"
#include "platform/win32/win32_text.h"

namespace kn::win32 {

namespace {

bool IsValue(const ControlDesign& d) {
    return d.kind == ControlKind::Label && !d.spoken_name.empty() && !d.drawn;
}

// The edit class's own procedure, kept by the first value made; the same for all.
WNDPROC edit_proc = nullptr;

// A value lets the mouse through to the skin, as a static does: a drag there moves the window,
// and no click puts a caret in it.
LRESULT CALLBACK ValueProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCHITTEST) return HTTRANSPARENT;
    return CallWindowProcW(edit_proc, w, msg, wp, lp);
}

struct Look {
    const wchar_t* cls;
    DWORD style;
    DWORD ex_style;
};

// A label whose text is a value (a counter) is a read-only edit without a border: screen
// readers read an edit as its label's name and its own text as the value ("minutes idle 0"),
// where a static is read as its text alone. Labels do no mnemonics: a handle with "&" in it
// must show as it is.
Look LookOf(const ControlDesign& d) {
    switch (d.kind) {
        case ControlKind::Label:
            // A label drawn as art paints itself over the skin's image.
            if (d.drawn) return {L"STATIC", SS_OWNERDRAW | SS_NOPREFIX, 0};
            if (IsValue(d)) return {L"EDIT", ES_LEFT | ES_READONLY, 0};
            return {L"STATIC", SS_LEFT | SS_NOPREFIX, 0};
        case ControlKind::TextField:
            return {L"EDIT", ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
        case ControlKind::ListBox:
            return {L"LISTBOX", kListBoxScrollStyles | LBS_NOINTEGRALHEIGHT | LBS_HASSTRINGS,
                    WS_EX_CLIENTEDGE};
        case ControlKind::Button:
            return {L"BUTTON", BS_PUSHBUTTON, 0};
        case ControlKind::Picture:
            break;
    }
    return {kPictureClass, 0, 0};
}

bool TakesFocus(const ControlDesign& d) {
    return d.tab_index >= 0 && d.kind != ControlKind::Label;
}

RECT PixelRect(const TwipRect& t, int dpi) {
    const PixelBox b = ToPixels(t, dpi);
    return {b.left, b.top, b.right, b.bottom};
}

// A container is a picture box made before the control it holds; anything else holds nothing.
HWND ContainerOf(HWND form, const ControlDesign& d, const std::vector<FormControl>& made) {
    const bool held = d.container < made.size() && made[d.container].kind == ControlKind::Picture;
    return held ? made[d.container].hwnd : form;
}

void AddItems(HWND list, const std::vector<std::string>& items) {
    for (const auto& item : items) {
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
    }
}

HWND CreateStandard(HWND parent, int id, const ControlDesign& d) {
    Look look = LookOf(d);
    DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | look.style;
    if (TakesFocus(d)) style |= WS_TABSTOP;
    HWND w = CreateWindowExW(look.ex_style, look.cls, Widen(d.text).c_str(), style, 0, 0, 0, 0,
                             parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                             GetModuleHandleW(nullptr), nullptr);
    if (d.kind == ControlKind::ListBox) KeepExtentToLongestLine(w);
    AddItems(w, d.items);
    if (w && IsValue(d)) {
        edit_proc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ValueProc)));
    }
    if (d.drawn) SetDrawnText(w, d.drawn);
    return w;
}

HWND CreateOne(HWND parent, int id, const ControlDesign& d) {
    if (d.kind != ControlKind::Picture) return CreateStandard(parent, id, d);
    if (TakesFocus(d)) return CreateSkinButton(parent, id, Widen(d.text).c_str(), d.art);
    return CreatePicture(parent, id, d.art);
}

// Screen readers name an edit or a list box after the static text just before it in z-order
// (walking GW_HWNDPREV); this one has no size, so nothing of it shows or takes a click.
HWND CreateLabel(HWND parent, const ControlDesign& d) {
    if (d.spoken_name.empty()) return nullptr;
    return CreateWindowExW(0, L"STATIC", Widen(d.spoken_name).c_str(),
                           WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 0, 0, 0, 0, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(-1)),
                           GetModuleHandleW(nullptr), nullptr);
}

void ToBottom(HWND w) {
    if (w) SetWindowPos(w, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

HWND NamingLabel(const std::vector<FormControl>& made, const ControlDesign& d) {
    return d.named_by < made.size() ? made[d.named_by].hwnd : nullptr;
}

// Tab order is sibling order, so the tab stops are moved to the bottom one after another in
// the design's tab order, each right after the label that names it; the others keep their
// stacking.
void ArrangeTabOrder(const std::vector<FormControl>& made,
                     const std::vector<ControlDesign>& designs) {
    std::vector<std::size_t> stops;
    for (std::size_t i = 0; i < designs.size(); ++i) {
        if (TakesFocus(designs[i])) stops.push_back(i);
    }
    std::stable_sort(stops.begin(), stops.end(), [&](std::size_t a, std::size_t b) {
        return designs[a].tab_index < designs[b].tab_index;
    });
    for (std::size_t i : stops) {
        ToBottom(made[i].label);
        ToBottom(NamingLabel(made, designs[i]));
        ToBottom(made[i].hwnd);
    }
}

// True when `a` stands above `b`, a sibling, in z-order.
bool Above(HWND a, HWND b) {
    for (HWND w = GetWindow(a, GW_HWNDNEXT); w; w = GetWindow(w, GW_HWNDNEXT)) {
        if (w == b) return true;
    }
    return false;
}

// The design stacks its controls in list order, the first on top, but tab order is z-order, so
// a tab stop may now cover a control listed before it (the reason field covers the first
// column of ops). Cutting that part out of it keeps the look of the design.
void ClipToDesignOrder(const std::vector<FormControl>& controls, int dpi) {
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const RECT mine = PixelRect(controls[i].pos, dpi);
        HRGN shape = nullptr;
        for (std::size_t j = 0; j < i; ++j) {
            const RECT theirs = PixelRect(controls[j].pos, dpi);
            RECT overlap;
            if (GetParent(controls[j].hwnd) != GetParent(controls[i].hwnd) ||
                !IntersectRect(&overlap, &mine, &theirs) ||
                !Above(controls[i].hwnd, controls[j].hwnd)) {
                continue;
            }
            if (!shape) shape = CreateRectRgn(0, 0, mine.right - mine.left, mine.bottom - mine.top);
            HRGN cut = CreateRectRgn(overlap.left - mine.left, overlap.top - mine.top,
                                     overlap.right - mine.left, overlap.bottom - mine.top);
            CombineRgn(shape, shape, cut, RGN_DIFF);
            DeleteObject(cut);
        }
        // The window owns the region from here on; null takes any earlier one away.
        SetWindowRgn(controls[i].hwnd, shape, TRUE);
    }
}

}  // namespace

std::vector<FormControl> CreateControls(HWND form, const std::vector<ControlDesign>& designs) {
    std::vector<FormControl> made;
    for (const auto& d : designs) {
        HWND parent = ContainerOf(form, d, made);
        int id = kFirstControlId + static_cast<int>(made.size());
        HWND label = CreateLabel(parent, d);
        made.push_back({d.kind, CreateOne(parent, id, d), d.pos, label, d.status, d.tip});
    }
    ArrangeTabOrder(made, designs);
    return made;
}

void PlaceControls(const std::vector<FormControl>& controls, int dpi, HFONT font) {
    const auto wfont = reinterpret_cast<WPARAM>(
        font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
    for (const FormControl& c : controls) {
        const RECT r = PixelRect(c.pos, dpi);
        SetWindowPos(c.hwnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        if (c.label) {
            SetWindowPos(c.label, nullptr, r.left, r.top, 0, 0, SWP_NOZORDER | SWP_NOACTIVATE);
        }
        if (c.kind == ControlKind::Picture) {
            SetSkinDpi(c.hwnd, dpi);
        } else {
            SendMessageW(c.hwnd, WM_SETFONT, wfont, TRUE);
        }
        // A value stands where a label's text did, without the edit's margins.
        if (c.kind == ControlKind::Label && c.label) {
            SendMessageW(c.hwnd, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
        }
    }
    ClipToDesignOrder(controls, dpi);
}

}  // namespace kn::win32
