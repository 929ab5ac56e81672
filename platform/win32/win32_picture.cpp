// The picture box window class: its window procedure turns messages into paint, click and
// label-drawing calls; the image it owns is freed with the window. At any DPI the image shows
// at its own size from the box's top-left corner: scaled by half again it would blur.
#include "platform/win32/win32_picture.h"

#include <memory>

#include "platform/win32/win32_handles.h"
#include "platform/win32/win32_ids.h"

namespace kn::win32 {

namespace {

struct Picture {
    OwnedBitmap image;
    SIZE size{};
    bool pressed = false;
};

Picture* Of(HWND w) {
    return reinterpret_cast<Picture*>(GetWindowLongPtrW(w, GWLP_USERDATA));
}

// The skin is black, so what lies beyond an image is black too.
void DrawImage(HDC dc, const Picture& p, POINT from, const RECT& to) {
    FillRect(dc, &to, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    if (!p.image) return;
    OwnedDc mem(CreateCompatibleDC(dc));
    ScopedSelect select(mem.get(), p.image.get());
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

void DrawLabelText(const DRAWITEMSTRUCT& d) {
    wchar_t text[256];
    GetWindowTextW(d.hwndItem, text, ARRAYSIZE(text));
    auto font = reinterpret_cast<HGDIOBJ>(SendMessageW(d.hwndItem, WM_GETFONT, 0, 0));
    ScopedSelect select(d.hDC, font ? font : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(d.hDC, TRANSPARENT);
    SetTextColor(d.hDC, kSkinTextColour);
    RECT r = d.rcItem;
    DrawTextW(d.hDC, text, -1, &r, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
}

// The part of the image under the label first, so the label looks see-through.
LRESULT DrawLabel(HWND w, const DRAWITEMSTRUCT& d) {
    POINT at{0, 0};
    MapWindowPoints(d.hwndItem, w, &at, 1);
    DrawImage(d.hDC, *Of(w), at, d.rcItem);
    DrawLabelText(d);
    return TRUE;
}

void Press(HWND w) {
    Of(w)->pressed = true;
    SetCapture(w);
}

// A click is a press and a release inside the box, as with a button.
void Release(HWND w, LPARAM lp) {
    bool was_pressed = Of(w)->pressed;
    Of(w)->pressed = false;
    if (GetCapture() == w) ReleaseCapture();
    RECT client;
    GetClientRect(w, &client);
    POINT at{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
    if (!was_pressed || !PtInRect(&client, at)) return;
    SendMessageW(GetParent(w), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(w), STN_CLICKED),
                 reinterpret_cast<LPARAM>(w));
}

void Attach(HWND w, const CREATESTRUCTW& cs) {
    auto p = std::make_unique<Picture>();
    auto image = static_cast<const wchar_t*>(cs.lpCreateParams);
    if (image && *image) {
        p->image.Reset(static_cast<HBITMAP>(
            LoadImageW(cs.hInstance, image, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    }
    BITMAP info{};
    if (p->image && GetObjectW(p->image.get(), sizeof info, &info)) {
        p->size = SIZE{info.bmWidth, info.bmHeight};
    }
    SetWindowLongPtrW(w, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(p.release()));
}

void Detach(HWND w) {
    std::unique_ptr<Picture> p(Of(w));
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
        case WM_LBUTTONDOWN:
            return Press(w), 0;
        case WM_LBUTTONUP:
            return Release(w, lp), 0;
        case WM_CAPTURECHANGED:
            return Of(w)->pressed = false, 0;
        case WM_DRAWITEM:
            return DrawLabel(w, *reinterpret_cast<DRAWITEMSTRUCT*>(lp));
        case WM_COMMAND:
            return Forward(w, msg, wp, lp);
        case WM_NCDESTROY:
            Detach(w);
            break;
    }
    return DefWindowProcW(w, msg, wp, lp);
}

// No CS_DBLCLKS: a quick second click must count as a click of its own.
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

}  // namespace

HWND CreatePicture(HWND parent, int id, const RECT& r, const wchar_t* image) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    RegisterClassOnce(instance);
    return CreateWindowExW(WS_EX_CONTROLPARENT, kPictureClass, L"",
                           WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, r.left, r.top,
                           r.right - r.left, r.bottom - r.top, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance,
                           const_cast<wchar_t*>(image));
}

SIZE PictureImageSize(HWND picture) {
    wchar_t cls[64] = L"";
    GetClassNameW(picture, cls, ARRAYSIZE(cls));
    Picture* p = lstrcmpW(cls, kPictureClass) == 0 ? Of(picture) : nullptr;
    return p ? p->size : SIZE{0, 0};
}

}  // namespace kn::win32
