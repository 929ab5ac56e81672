// Enabling is idempotent: SetTimer on a running timer would restart its countdown, so it is
// called only on the change from disabled to enabled.
#include "platform/win32/win32_timer.h"

#include "platform/win32/win32_form_window.h"

namespace kn {

Win32Timer::Win32Timer(Win32FormWindow& owner, unsigned id, unsigned interval_ms,
                       std::function<void()> tick)
    : owner_(&owner), id_(id), interval_ms_(interval_ms), tick_(std::move(tick)) {
    owner.AttachTimer(id_, this);
}

Win32Timer::~Win32Timer() {
    if (!owner_) return;
    SetEnabled(false);
    owner_->DetachTimer(id_, this);
}

// An interval of 0 never ticks, as a timer without an interval is idle.
void Win32Timer::SetEnabled(bool on) {
    if (on == enabled_) return;
    enabled_ = on;
    if (!owner_ || interval_ms_ == 0) return;
    if (on) {
        SetTimer(owner_->hwnd(), id_, interval_ms_, nullptr);
    } else {
        KillTimer(owner_->hwnd(), id_);
    }
}

void Win32Timer::Tick() {
    if (enabled_ && tick_) tick_();
}

}  // namespace kn
