// Waiting is MsgWaitForMultipleObjectsEx with a timeout, so the program sleeps in the kernel
// until a message or the time arrives; nothing here spins.
#include "platform/win32/win32_gui_runtime.h"

#include <cmath>

#include "platform/win32/win32_form_window.h"
#include "platform/win32/win32_handles.h"
#include "platform/win32/win32_input_box.h"
#include "platform/win32/win32_message_pump.h"
#include "platform/win32/win32_text.h"
#include "platform/win32/win32_timer.h"

namespace kn {

Win32GuiRuntime::Win32GuiRuntime() {
    QueryPerformanceFrequency(&frequency_);
}

std::unique_ptr<FormWindow> Win32GuiRuntime::CreateForm(const FormDesign& design,
                                                        FormEvents& events) {
    return std::make_unique<Win32FormWindow>(design, events);
}

// Every FormWindow this runtime hands out is a Win32FormWindow.
std::unique_ptr<Timer> Win32GuiRuntime::CreateTimer(FormWindow& owner, unsigned id,
                                                    unsigned interval_ms,
                                                    std::function<void()> tick) {
    return std::make_unique<Win32Timer>(static_cast<Win32FormWindow&>(owner), id, interval_ms,
                                        std::move(tick));
}

std::string Win32GuiRuntime::InputBox(std::string_view prompt, std::string_view title) {
    return win32::RunInputBox(win32::Widen(prompt), win32::Widen(title));
}

// WM_QUIT is never posted by the program; one from outside ends it like the last window.
void Win32GuiRuntime::DoEvents() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) EndProcess();
        win32::DispatchOne(msg);
    }
}

// Rounded up to whole milliseconds, so a caller waiting for a deadline never wakes early and
// has to come round again with a zero timeout.
void Win32GuiRuntime::WaitForEvents(double seconds) {
    if (!(seconds > 0)) return;
    double ms = std::ceil(seconds * 1000.0);
    DWORD timeout = ms >= INFINITE - 1.0 ? INFINITE - 1 : static_cast<DWORD>(ms);
    // The result only says whether a message or the timeout came first; both end in DoEvents.
    (void)MsgWaitForMultipleObjectsEx(0, nullptr, timeout, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    DoEvents();
}

void Win32GuiRuntime::RunMessageLoop() {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) win32::DispatchOne(msg);
    EndProcess();
}

double Win32GuiRuntime::Now() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency_.QuadPart);
}

// A wildcard would turn the lookup into a search and match some other file.
bool Win32GuiRuntime::IsListedFile(std::string_view path) {
    std::wstring wide = win32::Widen(path);
    if (wide.empty() || wide.find_first_of(L"*?") != std::wstring::npos) return false;
    WIN32_FIND_DATAW found;
    win32::OwnedFind search(
        FindFirstFileExW(wide.c_str(), FindExInfoBasic, &found, FindExSearchNameMatch, nullptr, 0));
    return search && (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::string Win32GuiRuntime::ProgramDirectory() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2);
    }
    std::size_t slash = path.find_last_of(L"\\/");
    if (slash == std::wstring::npos) return ".";
    // "C:\" keeps its separator, as a bare "C:" would mean the drive's current directory.
    path.resize(slash > 0 && path[slash - 1] == L':' ? slash + 1 : slash);
    return win32::Narrow(path);
}

void Win32GuiRuntime::EndProcess() {
    ExitProcess(0);
}

}  // namespace kn
