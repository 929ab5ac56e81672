// kn-standin-host.exe: a stand-in for the host client on the real window system, for the
// tests of kelvarnook.exe and for people trying the program (--visible).
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "standin/win32/chat_room.h"
#include "standin/win32/control_channel.h"
#include "standin/win32/frame.h"
#include "standin/win32/host.h"
#include "standin/win32/open_window.h"
#include "standin/win32/options.h"
#include "standin/win32/toolbar.h"

namespace {

// The C runtime has split the command line already (wide, with -municode).
std::vector<std::wstring> Arguments() {
    return std::vector<std::wstring>(__wargv + 1, __wargv + __argc);
}

void RegisterClasses(HINSTANCE instance) {
    standin::RegisterFrameClass(instance);
    standin::RegisterOpenWindowClass(instance);
    standin::RegisterChatRoomClasses(instance);
    standin::RegisterToolbarClasses(instance);
    standin::RegisterControlWindowClass(instance);
}

int MessageLoop(standin::Host& host) {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        const HWND mdi = host.Mdi();
        if (mdi && TranslateMDISysAccel(mdi, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    const std::optional<standin::Options> options = standin::ParseOptions(Arguments());
    if (!options) return 2;
    RegisterClasses(instance);
    standin::Host host(instance, *options);
    host.Start();
    // Last, so that a test that finds the control window finds the host ready.
    standin::CreateControlWindow(host);
    return MessageLoop(host);
}
