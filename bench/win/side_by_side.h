// The stand-in host and kelvarnook.exe as processes beside the benchmark under Wine: starting
// them and driving the host with control lines.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace kn::winbench {

// A process started here, ended (if still running) when the object goes.
class Process {
  public:
    Process(const std::wstring& exe, const std::wstring& arguments, const std::wstring& dir);
    ~Process();
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    bool started() const { return info_.hProcess != nullptr; }
    DWORD id() const { return info_.dwProcessId; }
    // The first top-level window of this process of class `cls`, waiting up to 15 s for it.
    HWND WaitForWindow(const wchar_t* cls) const;

  private:
    PROCESS_INFORMATION info_{};
};

// kn-standin-host.exe, ready for control lines once constructed.
class Standin {
  public:
    Standin(const std::wstring& exe, const std::wstring& dir, std::size_t max_lines);
    bool ready() const { return control_ != nullptr; }
    // One control line, in the script's words; true when the host did it.
    bool Send(std::string_view line);
    const Process& process() const { return process_; }

  private:
    Process process_;
    HWND control_ = nullptr;
};

// Seconds on the performance counter.
double Now();

}  // namespace kn::winbench
