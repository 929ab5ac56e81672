// Processes and control lines for the Windows benchmark; waits poll briefly until a deadline.
#include "bench/win/side_by_side.h"

#include "host/win32/standin_ids.h"

namespace kn::winbench {

namespace {

struct WindowQuery {
    DWORD process;
    const wchar_t* cls;
    HWND found = nullptr;
};

BOOL CALLBACK Match(HWND w, LPARAM lp) {
    auto* q = reinterpret_cast<WindowQuery*>(lp);
    DWORD owner = 0;
    GetWindowThreadProcessId(w, &owner);
    wchar_t cls[256];
    if (owner != q->process || !GetClassNameW(w, cls, 256) || lstrcmpiW(cls, q->cls) != 0) {
        return TRUE;
    }
    q->found = w;
    return FALSE;
}

}  // namespace

Process::Process(const std::wstring& exe, const std::wstring& arguments, const std::wstring& dir) {
    std::wstring command = L"\"" + exe + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        dir.c_str(), &startup, &info_)) {
        info_ = {};
    }
}

Process::~Process() {
    if (!info_.hProcess) return;
    if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(info_.hProcess, 1);
        WaitForSingleObject(info_.hProcess, 5000);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

HWND Process::WaitForWindow(const wchar_t* cls) const {
    WindowQuery q{info_.dwProcessId, cls};
    for (int i = 0; i < 750 && started(); ++i) {
        EnumWindows(Match, reinterpret_cast<LPARAM>(&q));
        if (q.found) break;
        Sleep(20);
    }
    return q.found;
}

Standin::Standin(const std::wstring& exe, const std::wstring& dir, std::size_t max_lines)
    : process_(exe, L"--max-lines " + std::to_wstring(max_lines), dir) {
    control_ = process_.WaitForWindow(standin::kControlClass);
}

bool Standin::Send(std::string_view line) {
    COPYDATASTRUCT data{};
    data.dwData = standin::kControlTag;
    data.cbData = static_cast<DWORD>(line.size());
    data.lpData = const_cast<char*>(line.data());
    DWORD_PTR done = FALSE;
    SendMessageTimeoutW(control_, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG,
                        5000, &done);
    return done == TRUE;
}

double Now() {
    static const double frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) / frequency;
}

}  // namespace kn::winbench
