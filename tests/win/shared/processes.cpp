// The processes beside a Windows test or benchmark, and the control lines that drive the
// stand-in host.
#include "tests/win/shared/processes.h"

#include <algorithm>

#include "standin/win32/standin_ids.h"

namespace kn::wintest {

namespace {

constexpr std::chrono::milliseconds kPollEvery = 20ms;

struct WindowQuery {
    DWORD process;
    const wchar_t* cls;
    const wchar_t* caption;
    HWND found = nullptr;
};

BOOL CALLBACK Match(HWND w, LPARAM lp) {
    auto* q = reinterpret_cast<WindowQuery*>(lp);
    DWORD owner = 0;
    GetWindowThreadProcessId(w, &owner);
    wchar_t text[256];
    if (owner != q->process || !GetClassNameW(w, text, 256) || lstrcmpiW(text, q->cls) != 0) {
        return TRUE;
    }
    if (q->caption && (GetWindowTextW(w, text, 256), lstrcmpW(text, q->caption) != 0)) return TRUE;
    q->found = w;
    return FALSE;
}

}  // namespace

bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds patience) {
    const auto deadline = std::chrono::steady_clock::now() + patience;
    for (;;) {
        if (done()) return true;
        if (std::chrono::steady_clock::now() > deadline) return false;
        Sleep(static_cast<DWORD>(kPollEvery.count()));
    }
}

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
        WaitForSingleObject(info_.hProcess, INFINITE);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

bool Process::WaitForExit(std::chrono::milliseconds patience) {
    return info_.hProcess &&
           WaitForSingleObject(info_.hProcess, static_cast<DWORD>(patience.count())) ==
               WAIT_OBJECT_0;
}

DWORD Process::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

HWND Process::WaitForWindow(const wchar_t* cls, const wchar_t* caption) {
    if (!info_.hProcess) return nullptr;
    WindowQuery q{info_.dwProcessId, cls, caption};
    WaitUntil([&] {
        EnumWindows(Match, reinterpret_cast<LPARAM>(&q));
        return q.found != nullptr;
    });
    return q.found;
}

bool SendControlLine(HWND control, std::string_view line) {
    COPYDATASTRUCT data{};
    data.dwData = standin::kControlTag;
    data.cbData = static_cast<DWORD>(line.size());
    data.lpData = const_cast<char*>(line.data());
    DWORD_PTR done = FALSE;
    SendMessageTimeoutW(control, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG,
                        5000, &done);
    return done == TRUE;
}

std::string ReadShared(const std::wstring& path) {
    HANDLE h = CreateFileW(path.c_str(), GENERIC_READ,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return {};
    std::string bytes;
    char chunk[4096];
    DWORD n = 0;
    while (ReadFile(h, chunk, sizeof chunk, &n, nullptr) && n > 0) bytes.append(chunk, n);
    CloseHandle(h);
    return bytes;
}

std::wstring WindowsPath(std::wstring path) {
    if (!path.empty() && path.front() == L'/') path.insert(0, L"Z:");
    std::replace(path.begin(), path.end(), L'/', L'\\');
    return path;
}

}  // namespace kn::wintest
