// The session's claim and the way back to the program that holds it. Everything done to the
// other program's windows is asynchronous or answered by the window system, so that a running
// program that hangs can't hang the second start.
#include "platform/win32/win32_one_program.h"

namespace kn::win32 {

namespace {

// "Local\": the session's own namespace, so another user's session runs a program of its own.
constexpr wchar_t kClaimName[] = L"Local\\kelvarnook.running";

BOOL CALLBACK TakeIfEnabled(HWND w, LPARAM found) {
    if (!IsWindowVisible(w) || !IsWindowEnabled(w)) return TRUE;
    *reinterpret_cast<HWND*>(found) = w;
    return FALSE;
}

// The visible window of `thread` that takes input: the dialog that disables the others.
HWND EnabledWindowOf(DWORD thread) {
    HWND found = nullptr;
    EnumThreadWindows(thread, TakeIfEnabled, reinterpret_cast<LPARAM>(&found));
    return found;
}

}  // namespace

SessionClaim::SessionClaim() {
    SetLastError(ERROR_SUCCESS);
    mutex_.Reset(CreateMutexW(nullptr, FALSE, kClaimName));
    const DWORD error = GetLastError();
    // A claim made by a program at another privilege level can't be opened, but is one. Any
    // other failure lets the program run: better twice than not at all.
    held_ = error != ERROR_ALREADY_EXISTS && error != ERROR_ACCESS_DENIED;
}

void BringBack(const wchar_t* cls) {
    const HWND main = FindWindowW(cls, nullptr);
    if (!main) return;
    if (!IsWindowEnabled(main)) {
        // The first start's prompt keeps the main window hidden until start-up is over.
        if (const HWND dialog = EnabledWindowOf(GetWindowThreadProcessId(main, nullptr))) {
            (void)SetForegroundWindow(dialog);
        }
        return;
    }
    // SW_RESTORE shows a hidden window and restores a minimised one: as "show" and "maxi"
    // together leave it.
    (void)ShowWindowAsync(main, SW_RESTORE);
    // Allowed: the process the owner has just started may set the foreground window.
    (void)SetForegroundWindow(main);
}

}  // namespace kn::win32
