// The stand-in host beside the Windows benchmark under Wine, driven by control lines, and the
// clock the measures are taken on.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "tests/win/shared/processes.h"

namespace kn::winbench {

using wintest::Process;

// kn-standin-host.exe keeping `max_lines` transcript lines, ready for control lines once
// constructed.
class Standin {
  public:
    Standin(const std::wstring& exe, const std::wstring& dir, std::size_t max_lines);
    bool ready() const { return control_ != nullptr; }
    // One control line, in the script's words; true when the host did it.
    bool Send(std::string_view line) { return wintest::SendControlLine(control_, line); }

  private:
    Process process_;
    HWND control_ = nullptr;
};

// Seconds on the performance counter.
double Now();

}  // namespace kn::winbench
