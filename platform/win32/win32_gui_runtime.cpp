// Waiting is MsgWaitForMultipleObjectsEx with a timeout, so the program sleeps in the kernel
// until a message or the time arrives; nothing here spins.
#include "platform/win32/win32_gui_runtime.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

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

// A form first loaded while the prompt is open (by a command from the room) waits for it too.
std::unique_ptr<FormWindow> Win32GuiRuntime::CreateForm(const FormDesign& design,
                                                        FormEvents& events) {
    auto form = std::make_unique<Win32FormWindow>(design, events);
    if (held_) {
        (void)EnableWindow(form->hwnd(), FALSE);  // the previous state is known: enabled
        held_->push_back(form->hwnd());
    }
    return form;
}

// Every FormWindow this runtime hands out is a Win32FormWindow.
std::unique_ptr<Timer> Win32GuiRuntime::CreateTimer(FormWindow& owner, unsigned id,
                                                    unsigned interval_ms,
                                                    std::function<void()> tick) {
    return std::make_unique<Win32Timer>(static_cast<Win32FormWindow&>(owner), id, interval_ms,
                                        std::move(tick));
}

// Every FormWindow this runtime hands out is a Win32FormWindow.
std::unique_ptr<NotifyIcon> Win32GuiRuntime::CreateNotifyIcon(FormWindow& owner,
                                                              NotifyIconEvents& events) {
    return std::make_unique<Win32NotifyIcon>(static_cast<Win32FormWindow&>(owner).hwnd(), events,
                                             icons_);
}

namespace {

BOOL CALLBACK AddEnabledForm(HWND w, LPARAM forms) {
    if (Win32FormWindow::IsForm(w) && IsWindowEnabled(w)) {
        reinterpret_cast<std::vector<HWND>*>(forms)->push_back(w);
    }
    return TRUE;
}

// The program's forms that take input now.
std::vector<HWND> EnabledForms() {
    std::vector<HWND> forms;
    // FALSE only when the callback stops the walk, which it never does.
    (void)EnumThreadWindows(GetCurrentThreadId(), AddEnabledForm, reinterpret_cast<LPARAM>(&forms));
    return forms;
}

bool OnScreen(HWND w) {
    return IsWindowVisible(w) && !IsIconic(w);
}

// The form the person was using, else any form on screen: the prompt stays in front of it and
// the activation returns to it. With none on screen (the first start, before the main window
// is shown) the prompt has no owner, as an owned window gets no taskbar button and the person
// would have nothing there to bring it back by.
HWND PromptOwner(const std::vector<HWND>& forms) {
    const HWND active = GetActiveWindow();
    if (std::find(forms.begin(), forms.end(), active) != forms.end() && OnScreen(active)) {
        return active;
    }
    const auto shown = std::find_if(forms.begin(), forms.end(), OnScreen);
    return shown == forms.end() ? nullptr : *shown;
}

}  // namespace

// The prompt is modal to all the program's windows, not only to its owner: clicks on the
// others would run their handlers (a second prompt, the exit) under the open one.
std::string Win32GuiRuntime::InputBox(std::string_view prompt, std::string_view title) {
    std::vector<HWND> forms = EnabledForms();
    const HWND owner = PromptOwner(forms);
    auto enable = [&forms](BOOL on) {
        // The result is the previous state, which the list already says.
        for (HWND w : forms) (void)EnableWindow(w, on);
    };
    enable(FALSE);
    std::vector<HWND>* outer = std::exchange(held_, &forms);
    std::string answer =
        win32::RunInputBox(win32::Widen(prompt), win32::Widen(title), owner, [&] { enable(TRUE); });
    held_ = outer;
    enable(TRUE);  // again, for a dialog that could not be made or went without OK or Cancel
    return answer;
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

int Win32GuiRuntime::MinuteOfDay() {
    SYSTEMTIME local;
    GetLocalTime(&local);
    return local.wHour * 60 + local.wMinute;
}

// A wildcard would turn the lookup into a search and match some other file.
bool Win32GuiRuntime::IsListedFile(std::string_view path) {
    std::wstring wide = win32::Widen(path);
    if (wide.empty() || wide.find_first_of(L"*?") != std::wstring::npos) return false;
    WIN32_FIND_DATAW found;
    // Not FindExInfoBasic: Windows before 7 refuses it, and the short name costs nothing here.
    win32::OwnedFind search(FindFirstFileExW(wide.c_str(), FindExInfoStandard, &found,
                                             FindExSearchNameMatch, nullptr, 0));
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

// ExitProcess runs no destructor, and the shell keeps a dead process's icon until the pointer
// passes over it.
void Win32GuiRuntime::EndProcess() {
    for (Win32NotifyIcon* icon : icons_) icon->Remove();
    ExitProcess(0);
}

}  // namespace kn
