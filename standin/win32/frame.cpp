// The frame's window procedure. A person closing the frame ends the host process; the control
// line "host quit" destroys the frame without a close, so the process stays.
#include "standin/win32/frame.h"

#include "standin/win32/control_channel.h"
#include "standin/win32/host.h"
#include "standin/win32/toolbar.h"
#include "standin/win32/window_class.h"

namespace standin {

namespace {

constexpr wchar_t kFrameClass[] = L"AOL Frame25";

Host* HostOf(HWND frame) {
    return reinterpret_cast<Host*>(GetWindowLongPtrW(frame, GWLP_USERDATA));
}

HWND MdiOf(HWND frame) {
    return FindWindowExW(frame, nullptr, L"MDIClient", nullptr);
}

void OnCreate(HWND frame, Host& host) {
    CLIENTCREATESTRUCT mdi{};
    mdi.idFirstChild = 1000;
    CreateWindowExW(WS_EX_CLIENTEDGE, L"MDIClient", nullptr,
                    WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL, 0, 0, 0, 0,
                    frame, nullptr, host.instance(), &mdi);
    CreateToolbar(frame, host);
}

void OnSize(HWND frame) {
    RECT r;
    GetClientRect(frame, &r);
    MoveWindow(ToolbarOf(frame), 0, 0, r.right, kToolbarHeight, TRUE);
    MoveWindow(MdiOf(frame), 0, kToolbarHeight, r.right, r.bottom - kToolbarHeight, TRUE);
}

LRESULT CALLBACK FrameProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lp);
        SetWindowLongPtrW(w, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    Host* host = HostOf(w);
    switch (msg) {
        case WM_CREATE:
            OnCreate(w, *host);
            return 0;
        case WM_SIZE:
            OnSize(w);
            return 0;
        case WM_COPYDATA:
            return OnCopyData(*host, lp);
        case WM_CLOSE:
            host->FrameGone();
            PostQuitMessage(0);
            break;  // DefFrameProc destroys the window
    }
    return DefFrameProcW(w, MdiOf(w), msg, wp, lp);
}

}  // namespace

void RegisterFrameClass(HINSTANCE instance) {
    RegisterPlainClass(instance, kFrameClass, FrameProc);
}

HWND CreateFrame(Host& host) {
    return CreateWindowExW(0, kFrameClass, L"stand-in host", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                           CW_USEDEFAULT, CW_USEDEFAULT, 860, 620, nullptr, nullptr,
                           host.instance(), &host);
}

}  // namespace standin
