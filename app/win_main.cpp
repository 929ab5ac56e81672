// kelvarnook.exe: the program on the real window system, beside the host client.
// Everything it does starts from the main window's load; this only wires the platform in.
#include <windows.h>
// commctrl.h needs the types of windows.h.
#include <commctrl.h>

#include <string>

#include "core/program.h"
#include "platform/win32/win32_code_page.h"
#include "platform/win32/win32_gui_runtime.h"
#include "platform/win32/win32_ids.h"
#include "platform/win32/win32_one_program.h"
#include "platform/win32/win32_profile_store.h"
#include "platform/win32/win32_window_system.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // Two programs would both confirm every command and post every idle line twice: a second
    // start, before it loads anything, only brings the running one back.
    const kn::win32::SessionClaim claim;
    if (!claim.held()) {
        kn::win32::BringBack((std::wstring(kn::win32::kFormClassPrefix) + L"Form1").c_str());
        return 0;
    }
    // The manifest asks for Common Controls 6, whose classes Windows XP registers only when
    // asked (the tooltips among the bar classes); if this fails the classic controls serve
    // just as well, only without tooltips.
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    kn::Win32WindowSystem ws;
    kn::Win32CodePage cp;
    kn::Win32ProfileStore profiles;
    kn::Win32GuiRuntime gui;
    kn::Program program(gui, ws, cp, profiles);
    program.Run();
    return 0;
}
