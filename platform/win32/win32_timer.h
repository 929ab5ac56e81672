// A form's timer: SetTimer on the form's window while enabled, ticking from the form's
// WM_TIMER with its identifier.
#pragma once

#include <functional>

#include "platform/gui_runtime.h"

namespace kn {

class Win32FormWindow;

class Win32Timer final : public Timer {
  public:
    Win32Timer(Win32FormWindow& owner, unsigned id, unsigned interval_ms,
               std::function<void()> tick);
    ~Win32Timer() override;
    Win32Timer(const Win32Timer&) = delete;
    Win32Timer& operator=(const Win32Timer&) = delete;

    void SetEnabled(bool on) override;
    bool Enabled() override { return enabled_; }

    // The form's WM_TIMER for this timer; a message left over from before it was disabled
    // does nothing.
    void Tick();
    // The form is going away and takes the system timer with it.
    void Detach() { owner_ = nullptr; }

  private:
    Win32FormWindow* owner_;
    unsigned id_;
    unsigned interval_ms_;
    std::function<void()> tick_;
    bool enabled_ = false;
};

}  // namespace kn
