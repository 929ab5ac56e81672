// Other processes beside a Windows test or benchmark under Wine: starting and ending them,
// waiting for their windows, and the stand-in host's control lines. No test framework here.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <string_view>

namespace kn::wintest {

using namespace std::chrono_literals;

// How long any wait for the other processes may take before the caller gives up.
inline constexpr std::chrono::milliseconds kPatience = 15s;

// Polls `done` until it holds or `patience` is over; true when it held. The sleeps only pace
// the polling, never decide a result.
bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds patience = kPatience);

// A process started here, ended (if still running) when the object goes.
class Process {
  public:
    Process(const std::wstring& exe, const std::wstring& arguments, const std::wstring& dir);
    ~Process();
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    // True when the process has ended within `patience`.
    bool WaitForExit(std::chrono::milliseconds patience = kPatience);
    // The exit code of a process that has ended.
    DWORD ExitCode() const;
    // The first top-level window of class `cls` (and caption `caption`, when given) that
    // belongs to this process, waiting for it to appear; null when it does not.
    HWND WaitForWindow(const wchar_t* cls, const wchar_t* caption = nullptr);

  private:
    PROCESS_INFORMATION info_{};
};

// Sends one control line to the stand-in host's control window; the host's answer (true: done).
bool SendControlLine(HWND control, std::string_view line);

// The file's bytes, "" when it can't be read; another process may be writing it meanwhile.
std::string ReadShared(const std::wstring& path);

// Under Wine the build's Unix paths are reached through drive Z:.
std::wstring WindowsPath(std::wstring path);

}  // namespace kn::wintest
