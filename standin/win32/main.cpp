// kn-standin-host.exe: a stand-in for the host client on the real window system, for the
// tests of kelvarnook.exe and for people trying the program (--visible). Started as
// "kn-standin-host.exe --send LINE", it hands one control line to the host already running,
// for scripts that play the room's other members, and exits 0 when the host did it.
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
#include "standin/win32/standin_ids.h"
#include "standin/win32/text.h"
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

// A program of the GUI subsystem has no console of its own: the usage goes to the one it was
// started from, if any (under Wine, the terminal's).
void WriteUsage(DWORD stream) {
    HANDLE out = GetStdHandle(stream);
    if (!out || out == INVALID_HANDLE_VALUE) {
        // Without a parent console there is nowhere to write, and nothing more to do.
        (void)AttachConsole(ATTACH_PARENT_PROCESS);
        out = GetStdHandle(stream);
    }
    DWORD written = 0;
    // A usage line that can't be written is lost; the exit code still tells.
    (void)WriteFile(out, standin::kUsage, sizeof standin::kUsage - 1, &written, nullptr);
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

// The line goes as the tests send it: UTF-8 bytes in a WM_COPYDATA to the control window.
int SendToRunningHost(const std::wstring& line) {
    const HWND control = FindWindowW(standin::kControlClass, nullptr);
    if (!control) return 1;
    std::string bytes = standin::ToUtf8(line);
    COPYDATASTRUCT data{};
    data.dwData = standin::kControlTag;
    data.cbData = static_cast<DWORD>(bytes.size());
    data.lpData = bytes.data();
    DWORD_PTR done = FALSE;
    SendMessageTimeoutW(control, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG,
                        5000, &done);
    return done == TRUE ? 0 : 1;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    const std::vector<std::wstring> args = Arguments();
    if (args.size() == 2 && args[0] == L"--send") return SendToRunningHost(args[1]);
    const std::optional<standin::Options> options = standin::ParseOptions(args);
    // Started bare it would run unseen and record nothing, so it says how to start it.
    if (!options || args.empty()) return WriteUsage(STD_ERROR_HANDLE), 2;
    if (options->help) return WriteUsage(STD_OUTPUT_HANDLE), 0;
    RegisterClasses(instance);
    standin::Host host(instance, *options);
    host.Start();
    // Last, so that a test that finds the control window finds the host ready.
    standin::CreateControlWindow(host);
    return MessageLoop(host);
}
