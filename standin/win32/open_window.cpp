// The open windows' procedure: a room lays out its controls when sized and hands the focus to
// its input box; everything else is the MDI default.
#include "standin/win32/open_window.h"

#include <string>

#include "standin/win32/chat_room.h"
#include "standin/win32/window_class.h"

namespace standin {

namespace {

constexpr wchar_t kOpenWindowClass[] = L"AOL Child";

LRESULT CALLBACK OpenWindowProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    ChatRoom* room = ChatRoom::Of(w);
    switch (msg) {
        case WM_SIZE:
            if (room) room->Layout();
            break;
        case WM_SETFOCUS: {
            const LRESULT r = DefMDIChildProcW(w, msg, wp, lp);
            if (room) SetFocus(room->input());
            return r;
        }
        case WM_NCDESTROY:
            delete room;
            break;
    }
    return DefMDIChildProcW(w, msg, wp, lp);
}

}  // namespace

void RegisterOpenWindowClass(HINSTANCE instance) {
    RegisterPlainClass(instance, kOpenWindowClass, OpenWindowProc);
}

HWND CreateOpenWindow(HWND mdi, HINSTANCE instance, std::wstring_view title, const RECT& place) {
    return CreateWindowExW(WS_EX_MDICHILD, kOpenWindowClass, std::wstring(title).c_str(),
                           WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE, place.left,
                           place.top, place.right - place.left, place.bottom - place.top, mdi,
                           nullptr, instance, nullptr);
}

}  // namespace standin
