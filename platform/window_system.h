// The part of the window system through which the program finds and drives the host client.
// Text crosses this seam as bytes in the system ANSI code page, as the A functions take it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace kn {

// A 32-bit window handle; 0 names no window. Handles are never checked before use: passing 0
// on makes the next lookup search the desktop's top-level windows and a message go nowhere.
using WindowHandle = std::uint32_t;

// A window's text is read only up to this length: a host that reports a bogus length must not
// make the program allocate without bound.
inline constexpr std::size_t kLongestText = std::size_t{16} << 20;
// The most bytes one character takes in any ANSI code page (UTF-8 included).
inline constexpr std::size_t kWidestChar = 4;

class WindowSystem {
  public:
    virtual ~WindowSystem() = default;

    // FindWindowA(cls, NULL): the front-most top-level window whose class name equals `cls`
    // whole, without regard to case; 0 when there is none.
    virtual WindowHandle FindTopLevel(std::string_view cls) = 0;

    // FindWindowExA(parent, after, cls, NULL): the first direct child of `parent` of class
    // `cls` (matched as above) that comes after `after` in front-to-back order, or the first one
    // when `after` is 0. A `parent` of 0 searches the desktop's top-level windows.
    virtual WindowHandle FindChild(WindowHandle parent, WindowHandle after,
                                   std::string_view cls) = 0;

    // WM_SETTEXT with `ansi` as a NUL-terminated string. Must return within a few seconds even
    // when the receiver has stopped responding (the message is then lost); a window of 0 or one
    // that no longer exists is ignored. True when the receiver answered; false when the message
    // was lost (no such window, or no answer in time).
    virtual bool SetText(WindowHandle w, std::string_view ansi) = 0;

    // WM_CHAR with the character code `ch`, wParam only; sent, bounded and answered as SetText.
    virtual bool SendChar(WindowHandle w, unsigned ch) = 0;
    // The character code the Enter key types, as SendChar sends it.
    static constexpr unsigned kEnter = 13;

    // WM_GETTEXTLENGTH, sent and bounded as SetText: at least the length in bytes of the
    // window's text (Windows may answer more, as for some mixtures of ANSI and Unicode), the
    // same answer while the text stays the same. Nothing when the window is missing, does not
    // answer in time or answers more than kLongestText: no answer is never a length of 0.
    virtual std::optional<std::size_t> TextLength(WindowHandle w) = 0;

    // WM_GETTEXT into a buffer of `capacity` bytes (at most kLongestText + 1), NUL included,
    // sent and bounded as SetText: the bytes the receiver copied, without the terminating NUL.
    // Nothing when the window is missing or does not answer in time, so that no answer is never
    // taken for an empty text; a capacity of 0 reads "". A text cut short ends on a whole
    // character, so it leaves fewer than kWidestChar bytes of the buffer unused: a read that
    // leaves more is whole.
    virtual std::optional<std::string> Text(WindowHandle w, std::size_t capacity) = 0;

    // GetWindowTextLengthA: the length of the window's title, as the window system reports it.
    virtual std::size_t TitleLength(WindowHandle w) = 0;

    // GetWindowTextA into a buffer of `capacity` bytes, NUL included: the bytes copied.
    virtual std::string Title(WindowHandle w, std::size_t capacity) = 0;

    // EM_SETSEL(at, at): puts the caret of an edit or rich-edit control before the character
    // at index `at` with nothing selected; an index past the end of the text stands at its end.
    // Sent and bounded as SetText.
    virtual void SetCaret(WindowHandle w, std::size_t at) = 0;

    // SetWindowPos(w, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE); the
    // result is ignored. It never activates: a window loaded while the owner types in the room
    // must leave the keyboard there.
    virtual void MakeTopmost(WindowHandle w) = 0;

    // Optional. An implementation that can tell when a window's text has changed calls
    // `changed` from its event pump (never from inside one of the calls above) soon after the
    // change; one that can't, never calls it. Callers must still poll: this only shortens the
    // wait. A later call replaces the listener; an empty function removes it.
    virtual void WatchTextChanges(std::function<void()> changed) = 0;
};

}  // namespace kn
