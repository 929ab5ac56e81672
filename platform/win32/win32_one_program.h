// One program per Windows session: the first start claims the session with a named mutex; a
// second start finds it claimed and brings the running program's window back instead.
#pragma once

#include "platform/win32/win32_handles.h"

namespace kn::win32 {

class SessionClaim {
  public:
    // Claims the session for this process, for as long as the object lives; the process's end
    // releases it too, however the process ends.
    SessionClaim();
    // False when another program of ours holds the session.
    bool held() const { return held_; }

  private:
    OwnedHandle mutex_;
    bool held_ = true;
};

// The message by which a second start asks the running program to bring its main window back.
UINT BringBackMessage();

// Asks the running program whose main window is of class `cls` to bring it back, and lets it
// take the foreground. Nothing when there is no such window (the program is still starting).
void BringBack(const wchar_t* cls);

// The running program's answer, on its main window `main`: shows and restores it and brings it
// to the front; while a dialog of the program disables it, the dialog comes to the front
// instead.
void ComeBack(HWND main);

}  // namespace kn::win32
