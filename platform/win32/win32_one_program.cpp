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

// The visible window of this thread that takes input: the dialog that disables the others.
HWND EnabledWindow() {
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), TakeIfEnabled, reinterpret_cast<LPARAM>(&found));
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

UINT BringBackMessage() {
    static const UINT message = RegisterWindowMessageW(L"kelvarnook.bring-back");
    return message;
}

// The process the owner has just started may set the foreground window and may pass that on
// (the SetForegroundWindow notes); the running program restores its window before it takes
// the foreground, which a hidden window can't.
void BringBack(const wchar_t* cls) {
    const HWND main = FindWindowW(cls, nullptr);
    if (!main) return;
    DWORD running = 0;
    GetWindowThreadProcessId(main, &running);
    // Fails only where this process can't grant it; the window then comes back without it.
    (void)AllowSetForegroundWindow(running);
    (void)PostMessageW(main, BringBackMessage(), 0, 0);
}

// SW_RESTORE shows a hidden window and restores a minimised one: as "show" and "maxi" together
// leave it.
void ComeBack(HWND main) {
    if (!IsWindowEnabled(main)) {
        // The first start's prompt keeps the main window hidden until start-up is over.
        if (const HWND dialog = EnabledWindow()) (void)SetForegroundWindow(dialog);
        return;
    }
    (void)ShowWindow(main, SW_RESTORE);
    (void)SetForegroundWindow(main);
}

}  // namespace kn::win32
