// Only a move to one of this program's windows is given back: whatever else took the
// foreground meanwhile did so for the owner.
#include "platform/win32/win32_foreground.h"

namespace kn::win32 {

namespace {

bool Ours(HWND w) {
    DWORD process = 0;
    GetWindowThreadProcessId(w, &process);
    return process == GetCurrentProcessId();
}

}  // namespace

// The program holds the foreground when it gives it back, so Windows lets it (the
// SetForegroundWindow notes); the result is not needed, a failure leaves things as they are.
ForegroundKept::~ForegroundKept() {
    if (!foreground_) return;
    const HWND now = GetForegroundWindow();
    if (now == foreground_ || !now || !Ours(now) || !IsWindow(foreground_)) return;
    (void)SetForegroundWindow(foreground_);
}

}  // namespace kn::win32
