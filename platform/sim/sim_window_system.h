// An in-process window system: handles, a parent/child tree kept front to back, class names
// matched whole and without regard to case, window text, and messages delivered to procedures.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/window_system.h"

namespace kn::sim {

// What a window does with the messages the program sends it; the default keeps the text.
struct WindowProc {
    std::function<void(WindowHandle, std::string_view)> set_text;  // WM_SETTEXT
    std::function<void(WindowHandle, unsigned)> on_char;           // WM_CHAR
};

class SimWindowSystem final : public WindowSystem {
  public:
    // Creates a window at the front of its siblings, or at the back when `behind`.
    WindowHandle Create(WindowHandle parent, std::string_view cls, std::string_view text,
                        bool behind = false, WindowProc proc = {});
    // Destroys the window and everything under it.
    void Destroy(WindowHandle w);
    bool Exists(WindowHandle w) const { return Find(w) != nullptr; }
    // The raw text, and setting it as the window's owner would (no procedure, no message).
    const std::string& RawText(WindowHandle w) const;
    void SetRawText(WindowHandle w, std::string text);
    std::vector<WindowHandle> Children(WindowHandle parent) const;
    WindowHandle Parent(WindowHandle w) const;
    bool Topmost(WindowHandle w) const;
    // Where the caret stands. Any change of the text puts it at the start, as WM_SETTEXT does
    // in an edit control.
    std::size_t Caret(WindowHandle w) const;

    // Called whenever a window's text or the tree changes, so that the runtime can schedule
    // the text-change listener; the listener itself is never called from in here.
    void SetChangeSink(std::function<void()> sink) { change_sink_ = std::move(sink); }
    void NotifyListener() {
        if (listener_) listener_();
    }

    // Test seam: `hook` runs once, right after the `n`th lookup from now (FindTopLevel,
    // FindChild, TitleLength, Title), so that a test can change the tree in the middle of a
    // walk, as the real host may at any moment.
    void AfterLookups(int n, std::function<void()> hook) {
        lookups_left_ = n;
        lookup_hook_ = std::move(hook);
    }

    // The host answers the messages sent to its windows (SetText, SendChar, SetCaret, and the
    // text reads) only while `answering` holds, always when it is empty: otherwise they are
    // lost, as with a host that stopped pumping past the time limit. Lookups and titles, which
    // the window system answers itself, still work.
    void AnswerWhen(std::function<bool()> answering) { answering_ = std::move(answering); }
    // Test seam: while set, every answered Text reads `text` (cut to the buffer) instead of the
    // window's own, as from a host caught in the middle of redrawing its transcript.
    void AnswerReadsWith(std::optional<std::string> text) { read_answer_ = std::move(text); }
    // Test seam: `hook` runs once, right after the next TextLength, so that a test can change
    // a text between its length and its read.
    void AfterTextLength(std::function<void()> hook) { text_length_hook_ = std::move(hook); }
    // Test seam: TextLength answers `factor` times the text's bytes, as Windows may with a
    // double-byte or UTF-8 code page; bytes_read() counts the bytes Text has copied.
    void ScaleTextLengths(std::size_t factor) { length_factor_ = factor; }
    std::size_t bytes_read() const { return bytes_read_; }

    WindowHandle FindTopLevel(std::string_view cls) override;
    WindowHandle FindChild(WindowHandle parent, WindowHandle after, std::string_view cls) override;
    bool SetText(WindowHandle w, std::string_view ansi) override;
    bool SendChar(WindowHandle w, unsigned ch) override;
    std::optional<std::size_t> TextLength(WindowHandle w) override;
    std::optional<std::string> Text(WindowHandle w, std::size_t capacity) override;
    std::size_t TitleLength(WindowHandle w) override;
    std::string Title(WindowHandle w, std::size_t capacity) override;
    void MakeTopmost(WindowHandle w) override;
    void SetCaret(WindowHandle w, std::size_t at) override;
    void WatchTextChanges(std::function<void()> changed) override {
        listener_ = std::move(changed);
    }

  private:
    struct Window {
        bool live = false;
        WindowHandle parent = 0;
        std::string cls;  // folded to lower case
        std::string text;
        WindowProc proc;
        bool topmost = false;
        std::vector<WindowHandle> children;  // front to back
        std::size_t caret = 0;
    };
    std::vector<WindowHandle>& SiblingsOf(WindowHandle parent);
    // Handles are handed out in steps from a first one and never reused, so a window's slot
    // is its handle's index: a lookup is an index, not a hash, on every walk of the tree.
    static constexpr WindowHandle kFirstHandle = 0x10010;
    static constexpr WindowHandle kHandleStep = 4;
    const Window* Find(WindowHandle w) const;
    Window* Find(WindowHandle w) {
        return const_cast<Window*>(static_cast<const SimWindowSystem*>(this)->Find(w));
    }
    void Changed() {
        if (change_sink_) change_sink_();
    }

    std::vector<Window> windows_;  // by handle index; destroyed windows stay, not live
    std::vector<WindowHandle> top_level_;

    WindowHandle Lookup(WindowHandle parent, WindowHandle after, std::string_view cls);
    std::vector<WindowHandle>::const_iterator StartOfSearch(
        const std::vector<WindowHandle>& siblings, WindowHandle after) const;
    std::size_t last_found_ = 0;  // slot among its siblings of the last window a find returned
    void CountLookup();

    std::function<void()> change_sink_;
    std::function<void()> listener_;
    // The live window `w` whose host answers now, or null.
    const Window* Answering(WindowHandle w) const;

    int lookups_left_ = 0;
    std::function<bool()> answering_;
    std::optional<std::string> read_answer_;
    std::size_t length_factor_ = 1;
    std::size_t bytes_read_ = 0;
    std::function<void()> text_length_hook_;
    std::function<void()> lookup_hook_;
};

}  // namespace kn::sim
