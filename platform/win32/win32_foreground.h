// The foreground window, held across a change that must not move it: a window shown or restored
// without activation, which Windows honours and Wine does not always.
#pragma once

#include <windows.h>

namespace kn::win32 {

class ForegroundKept {
  public:
    // Notes the foreground window as it is now; with `keep` false, does nothing at all.
    explicit ForegroundKept(bool keep = true)
        : foreground_(keep ? GetForegroundWindow() : nullptr) {}
    // Gives the foreground back if the window system moved it; that window's own activation
    // then puts its focus back where it was.
    ~ForegroundKept();
    ForegroundKept(const ForegroundKept&) = delete;
    ForegroundKept& operator=(const ForegroundKept&) = delete;

  private:
    HWND foreground_;
};

}  // namespace kn::win32
