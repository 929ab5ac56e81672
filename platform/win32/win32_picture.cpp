// The picture box window class and the skin buttons. Each holds its art and the bitmap drawn
// from it at the window's DPI, freed with the window. Picture boxes let the mouse through to
// the form (the skin background is where a drag moves the window); skin buttons take it.
#include "platform/win32/win32_picture.h"

#include <memory>
#include <utility>
#include <vector>

#include "platform/win32/win32_dpi.h"
#include "platform/win32/win32_handles.h"
#include "platform/win32/win32_ids.h"
#include "platform/win32/win32_text.h"

namespace kn::win32 {

namespace {

using ArtOfText = SkinArt (*)(std::string_view);

struct Skin {
    SkinArt art;
    OwnedBitmap image;
    // A picture box's labels whose text it draws as art, each with what makes the art. Kept
    // here, not as a property of the label: a property must go before its window does, and a
    // static control's end is not the program's to hear.
    std::vector<std::pair<HWND, ArtOfText>> drawn_labels;
};

// A picture box keeps its skin in its user data; a skin button in this property, as the user
// data of a window of a system class is not the program's to take.
constexpr wchar_t kButtonSkin[] = L"kelvarnook.skin";

Skin* Of(HWND w) {
    if (auto s = static_cast<Skin*>(GetPropW(w, kButtonSkin))) return s;
    return reinterpret_cast<Skin*>(GetWindowLongPtrW(w, GWLP_USERDATA));
}

COLORREF ColourOf(std::uint32_t rgb) {
    return RGB((rgb >> 16) & 0xff, (rgb >> 8) & 0xff, rgb & 0xff);
}

void FillBar(HDC dc, const SkinBar& b) {
    RECT r{b.left, b.top, b.right, b.bottom};
    HBRUSH brush = CreateSolidBrush(ColourOf(b.colour));
    FillRect(dc, &r, brush);
    DeleteObject(brush);
}

void Render(Skin& s, int dpi) {
    const int width = ScaleToDpi(s.art.width, dpi), height = ScaleToDpi(s.art.height, dpi);
    HDC screen = GetDC(nullptr);
    s.image.Reset(CreateCompatibleBitmap(screen, width, height));
    OwnedDc mem(CreateCompatibleDC(screen));
    ReleaseDC(nullptr, screen);
    ScopedSelect select(mem.get(), s.image.get());
    RECT all{0, 0, width, height};
    FillRect(mem.get(), &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    for (const SkinBar& b : SkinBars(s.art, dpi)) FillBar(mem.get(), b);
}

// The skin is black, so what lies beyond an image is black too.
void DrawImage(HDC dc, const Skin& s, POINT from, const RECT& to) {
    FillRect(dc, &to, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    if (!s.image) return;
    OwnedDc mem(CreateCompatibleDC(dc));
    ScopedSelect select(mem.get(), s.image.get());
    BitBlt(dc, to.left, to.top, to.right - to.left, to.bottom - to.top, mem.get(), from.x, from.y,
           SRCCOPY);
}

void Paint(HWND w) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(w, &ps);
    RECT client;
    GetClientRect(w, &client);
    DrawImage(dc, *Of(w), POINT{0, 0}, client);
    EndPaint(w, &ps);
}

// The skin is black where its labels and values stand (under the counters), so black
// behind their text looks see-through.
LRESULT LabelColours(HDC dc) {
    SetBkColor(dc, RGB(0, 0, 0));
    SetTextColor(dc, kSkinTextColour);
    return reinterpret_cast<LRESULT>(GetStockObject(BLACK_BRUSH));
}

// Drawn afresh at each paint: the text changes seldom and is a few dozen bars.
void DrawLabelArt(const DRAWITEMSTRUCT& d, ArtOfText draw) {
    const SkinArt art = draw(WindowTextUtf8(d.hwndItem));
    for (SkinBar b : SkinBars(art, WindowDpi(d.hwndItem))) {
        OffsetRect(reinterpret_cast<RECT*>(&b), d.rcItem.left, d.rcItem.top);
        FillBar(d.hDC, b);
    }
}

// A skin button, or a label drawn as art over the part of the image under it, so the label
// looks see-through.
LRESULT DrawItem(HWND w, const DRAWITEMSTRUCT& d) {
    if (DrawSkinButton(d)) return TRUE;
    for (const auto& [label, draw] : Of(w)->drawn_labels) {
        if (label != d.hwndItem) continue;
        POINT at{0, 0};
        MapWindowPoints(d.hwndItem, w, &at, 1);
        DrawImage(d.hDC, *Of(w), at, d.rcItem);
        DrawLabelArt(d, draw);
        return TRUE;
    }
    return FALSE;
}

void Attach(HWND w, const CREATESTRUCTW& cs) {
    auto art = static_cast<const SkinArt*>(cs.lpCreateParams);
    SetWindowLongPtrW(w, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new Skin{*art, {}, {}}));
}

void Detach(HWND w) {
    std::unique_ptr<Skin> s(Of(w));
    SetWindowLongPtrW(w, GWLP_USERDATA, 0);
}

LRESULT Forward(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    return SendMessageW(GetParent(w), msg, wp, lp);
}

LRESULT CALLBACK PictureProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) Attach(w, *reinterpret_cast<CREATESTRUCTW*>(lp));
    if (!Of(w)) return DefWindowProcW(w, msg, wp, lp);
    switch (msg) {
        case WM_PAINT:
            return Paint(w), 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_NCHITTEST:
            return HTTRANSPARENT;
        case WM_DRAWITEM:
            return DrawItem(w, *reinterpret_cast<DRAWITEMSTRUCT*>(lp));
        case WM_CTLCOLORSTATIC:
            return LabelColours(reinterpret_cast<HDC>(wp));
        case WM_COMMAND:
            return Forward(w, msg, wp, lp);
        case WM_NCDESTROY:
            Detach(w);
            break;
    }
    return DefWindowProcW(w, msg, wp, lp);
}

void RegisterClassOnce(HINSTANCE instance) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = PictureProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kPictureClass;
    WNDCLASSEXW known{};
    known.cbSize = sizeof known;
    if (!GetClassInfoExW(instance, kPictureClass, &known)) RegisterClassExW(&wc);
}

// The button class's own procedure, kept by the first skin button made; the same for all.
WNDPROC button_proc = nullptr;

// The button paints only through WM_DRAWITEM: no background of its own under the art.
LRESULT CALLBACK SkinButtonProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_ERASEBKGND) return 1;
    if (msg == WM_NCDESTROY) std::unique_ptr<Skin>(static_cast<Skin*>(RemovePropW(w, kButtonSkin)));
    return CallWindowProcW(button_proc, w, msg, wp, lp);
}

bool IsSkinButton(HWND w) {
    return GetPropW(w, kButtonSkin) != nullptr;
}

}  // namespace

HWND CreatePicture(HWND parent, int id, const SkinArt& art) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    RegisterClassOnce(instance);
    return CreateWindowExW(WS_EX_CONTROLPARENT, kPictureClass, L"",
                           WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, 0, 0, 0,
                           parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance,
                           const_cast<SkinArt*>(&art));
}

HWND CreateSkinButton(HWND parent, int id, const wchar_t* name, const SkinArt& art) {
    HWND w = CreateWindowExW(0, L"BUTTON", name,
                             WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | BS_OWNERDRAW, 0,
                             0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                             GetModuleHandleW(nullptr), nullptr);
    if (!w) return w;
    SetPropW(w, kButtonSkin, new Skin{art, {}, {}});
    button_proc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SkinButtonProc)));
    return w;
}

void SetSkinDpi(HWND w, int dpi) {
    wchar_t cls[64] = L"";
    GetClassNameW(w, cls, ARRAYSIZE(cls));
    if (lstrcmpW(cls, kPictureClass) != 0 && !IsSkinButton(w)) return;
    if (Skin* s = Of(w)) Render(*s, dpi);
    InvalidateRect(w, nullptr, TRUE);
}

void SetDrawnText(HWND label, SkinArt (*draw)(std::string_view text)) {
    HWND box = GetParent(label);
    wchar_t cls[64] = L"";
    GetClassNameW(box, cls, ARRAYSIZE(cls));
    if (lstrcmpW(cls, kPictureClass) != 0) return;
    if (Skin* s = Of(box)) s->drawn_labels.emplace_back(label, draw);
}

bool DrawSkinButton(const DRAWITEMSTRUCT& d) {
    if (d.CtlType != ODT_BUTTON || !IsSkinButton(d.hwndItem) || !Of(d.hwndItem)) return false;
    DrawImage(d.hDC, *Of(d.hwndItem), POINT{0, 0}, d.rcItem);
    if ((d.itemState & ODS_FOCUS) && !(d.itemState & ODS_NOFOCUSRECT)) {
        DrawFocusRect(d.hDC, &d.rcItem);
    }
    return true;
}

}  // namespace kn::win32
