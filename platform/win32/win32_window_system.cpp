// Every message to a host window goes through SendMessageTimeoutA with SMTO_ABORTIFHUNG: a
// hung host costs at most a few seconds, and a message that timed out is simply lost.
#include "platform/win32/win32_window_system.h"

#include <windows.h>

#include <algorithm>
#include <climits>

namespace kn {

namespace {

HWND ToHwnd(WindowHandle w) {
    return static_cast<HWND>(ULongToHandle(w));
}

WindowHandle FromHwnd(HWND w) {
    return HandleToULong(w);
}

// False when the message timed out or the window is gone; `result` is then meaningless.
bool Send(WindowHandle w, UINT msg, WPARAM wp, LPARAM lp, DWORD_PTR* result = nullptr) {
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutA(ToHwnd(w), msg, wp, lp, SMTO_ABORTIFHUNG | SMTO_NORMAL,
                               Win32WindowSystem::kTimeoutMs, result ? result : &ignored) != 0;
}

int BufferSize(std::size_t capacity) {
    return capacity > INT_MAX ? INT_MAX : static_cast<int>(capacity);
}

// A class name NUL-terminated on the stack: every walk of the host's windows makes dozens of
// lookups, and a heap block for each costs more under Wine than the program's own work.
class ClassName {
  public:
    explicit ClassName(std::string_view cls) : fits_(cls.size() < sizeof name_) {
        if (fits_) name_[cls.copy(name_, cls.size())] = '\0';
    }
    // Longer than any class can be named, so no window is of it.
    bool fits() const { return fits_; }
    const char* c_str() const { return name_; }

  private:
    char name_[257];
    bool fits_;
};

// The most bytes one UTF-16 unit can take in the ANSI code page, which stays for the process.
std::size_t WidestChar() {
    static const std::size_t widest = [] {
        CPINFO info{};
        return GetCPInfo(CP_ACP, &info) ? static_cast<std::size_t>(info.MaxCharSize) : kWidestChar;
    }();
    return widest;
}

}  // namespace

WindowHandle Win32WindowSystem::FindTopLevel(std::string_view cls) {
    const ClassName name(cls);
    return name.fits() ? FromHwnd(FindWindowA(name.c_str(), nullptr)) : 0;
}

WindowHandle Win32WindowSystem::FindChild(WindowHandle parent, WindowHandle after,
                                          std::string_view cls) {
    const ClassName name(cls);
    return name.fits()
               ? FromHwnd(FindWindowExA(ToHwnd(parent), ToHwnd(after), name.c_str(), nullptr))
               : 0;
}

bool Win32WindowSystem::SetText(WindowHandle w, std::string_view ansi) {
    std::string text(ansi);
    return Send(w, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

bool Win32WindowSystem::SendChar(WindowHandle w, unsigned ch) {
    return Send(w, WM_CHAR, ch, 0);
}

// Asked in UTF-16 units and scaled to the most bytes they can take in the ANSI code page: under
// Wine an ANSI WM_GETTEXTLENGTH to a Unicode window ignores the time limit (the ANSI length
// needs the text itself), so a host that hung just then held the program for the whole hang.
// On double-byte and UTF-8 systems this exceeds the bytes read, as Windows documents that
// WM_GETTEXTLENGTH may; callers compare it only with itself.
std::optional<std::size_t> Win32WindowSystem::TextLength(WindowHandle w) {
    DWORD_PTR units = 0;
    if (!SendMessageTimeoutW(ToHwnd(w), WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG | SMTO_NORMAL,
                             kTimeoutMs, &units)) {
        return std::nullopt;
    }
    // A bogus answer (a negative LRESULT, a host gone wrong) is no answer, not a huge buffer.
    if (units > kLongestText / WidestChar()) return std::nullopt;
    return units * WidestChar();
}

// Bounded by the count the receiver reports, the buffer and the NUL it wrote, whichever is
// first: a count that overstates what was copied must not expose stale bytes.
std::optional<std::string> Win32WindowSystem::Text(WindowHandle w, std::size_t capacity) {
    capacity = std::min(capacity, kLongestText + 1);
    if (capacity == 0) return "";
    std::string buffer(capacity, '\0');
    DWORD_PTR copied = 0;
    if (!Send(w, WM_GETTEXT, BufferSize(capacity), reinterpret_cast<LPARAM>(buffer.data()),
              &copied)) {
        return std::nullopt;
    }
    std::size_t n = 0;
    while (n + 1 < capacity && n < copied && buffer[n] != '\0') ++n;
    buffer.resize(n);
    return buffer;
}

std::size_t Win32WindowSystem::TitleLength(WindowHandle w) {
    int n = GetWindowTextLengthA(ToHwnd(w));
    return n > 0 ? static_cast<std::size_t>(n) : 0;
}

std::string Win32WindowSystem::Title(WindowHandle w, std::size_t capacity) {
    if (capacity == 0) return {};
    std::string buffer(capacity, '\0');
    const int n = GetWindowTextA(ToHwnd(w), buffer.data(), BufferSize(capacity));
    buffer.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    return buffer;
}

// Without SWP_NOACTIVATE, SetWindowPos also activates the window and takes the keyboard.
void Win32WindowSystem::MakeTopmost(WindowHandle w) {
    SetWindowPos(ToHwnd(w), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// EM_SETSEL carries two numbers and no pointer, so it means the same in the host's process.
// Both controls clamp a position past the text to its end, which is what a byte count asks.
void Win32WindowSystem::SetCaret(WindowHandle w, std::size_t at) {
    const int index = BufferSize(at);
    Send(w, EM_SETSEL, static_cast<WPARAM>(index), index);
}

// The host's controls live in another process and raise nothing we could hear without a hook
// inside that process; the chat scanner's poll timer finds every change on its own.
void Win32WindowSystem::WatchTextChanges(std::function<void()>) {}

}  // namespace kn
