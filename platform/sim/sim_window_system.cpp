// The simulated window tree and its messages. Handles are never reused, so a window that
// went away can't be mistaken for a new one.
#include "platform/sim/sim_window_system.h"

#include <algorithm>
#include <cassert>
#include <utility>

#include "platform/ascii.h"

namespace kn::sim {

namespace {

// Class names match without regard to case. A window's is folded once when it is made, so a
// lookup that passes many windows folds only its own side and allocates nothing; the name it
// asks for is folded as it goes: class names are short and a walk compares one or two per
// find, too few to pay for folding ahead.
bool ClassMatches(std::string_view asked, std::string_view folded) {
    if (asked.size() != folded.size()) return false;
    for (std::size_t i = 0; i < asked.size(); ++i) {
        if (LowerAscii(asked[i]) != folded[i]) return false;
    }
    return true;
}

const std::string kNoText;

}  // namespace

// Callers have checked that `parent` is the desktop or a live window.
std::vector<WindowHandle>& SimWindowSystem::SiblingsOf(WindowHandle parent) {
    if (parent == 0) return top_level_;
    Window* window = Find(parent);
    assert(window != nullptr);
    return window->children;
}

const SimWindowSystem::Window* SimWindowSystem::Find(WindowHandle w) const {
    if (w < kFirstHandle || (w - kFirstHandle) % kHandleStep != 0) return nullptr;
    const std::size_t index = (w - kFirstHandle) / kHandleStep;
    return index < windows_.size() && windows_[index].live ? &windows_[index] : nullptr;
}

WindowHandle SimWindowSystem::Create(WindowHandle parent, std::string_view cls,
                                     std::string_view text, bool behind, WindowProc proc) {
    if (parent != 0 && !Exists(parent)) return 0;
    const WindowHandle w = kFirstHandle + static_cast<WindowHandle>(windows_.size()) * kHandleStep;
    windows_.push_back(
        Window{true, parent, LowerAscii(cls), std::string(text), std::move(proc), false, {}});
    auto& siblings = SiblingsOf(parent);
    siblings.insert(behind ? siblings.end() : siblings.begin(), w);
    Changed();
    return w;
}

void SimWindowSystem::Destroy(WindowHandle w) {
    const Window* window = Find(w);
    if (!window) return;
    for (WindowHandle child : std::vector<WindowHandle>(window->children)) Destroy(child);
    auto& siblings = SiblingsOf(window->parent);
    siblings.erase(std::remove(siblings.begin(), siblings.end(), w), siblings.end());
    *Find(w) = Window{};  // not live any more; its handle is never handed out again
    Changed();
}

const std::string& SimWindowSystem::RawText(WindowHandle w) const {
    const Window* window = Find(w);
    return window ? window->text : kNoText;
}

void SimWindowSystem::SetRawText(WindowHandle w, std::string text) {
    Window* window = Find(w);
    if (!window) return;
    window->text = std::move(text);
    window->caret = 0;
    Changed();
}

std::vector<WindowHandle> SimWindowSystem::Children(WindowHandle parent) const {
    if (parent == 0) return top_level_;
    const Window* window = Find(parent);
    return window ? window->children : std::vector<WindowHandle>{};
}

WindowHandle SimWindowSystem::Parent(WindowHandle w) const {
    const Window* window = Find(w);
    return window ? window->parent : 0;
}

std::size_t SimWindowSystem::Caret(WindowHandle w) const {
    const Window* window = Find(w);
    return window ? window->caret : 0;
}

bool SimWindowSystem::Topmost(WindowHandle w) const {
    const Window* window = Find(w);
    return window && window->topmost;
}

WindowHandle SimWindowSystem::FindTopLevel(std::string_view cls) {
    return FindChild(0, 0, cls);
}

void SimWindowSystem::CountLookup() {
    if (!lookup_hook_ || --lookups_left_ > 0) return;
    const std::function<void()> hook = std::move(lookup_hook_);
    lookup_hook_ = {};
    hook();
}

std::size_t SimWindowSystem::TitleLength(WindowHandle w) {
    const std::size_t n = RawText(w).size();
    CountLookup();
    return n;
}

std::string SimWindowSystem::Title(WindowHandle w, std::size_t capacity) {
    const std::string& text = RawText(w);
    std::string title = capacity == 0 ? "" : text.substr(0, std::min(text.size(), capacity - 1));
    CountLookup();
    return title;
}

WindowHandle SimWindowSystem::FindChild(WindowHandle parent, WindowHandle after,
                                        std::string_view cls) {
    const WindowHandle found = Lookup(parent, after, cls);
    CountLookup();
    return found;
}

WindowHandle SimWindowSystem::Lookup(WindowHandle parent, WindowHandle after,
                                     std::string_view cls) {
    const Window* holder = parent == 0 ? nullptr : Find(parent);
    if (parent != 0 && holder == nullptr) return 0;
    const auto& siblings = holder ? holder->children : top_level_;
    auto it = siblings.begin();
    if (after != 0) {
        it = StartOfSearch(siblings, after);
        if (it == siblings.end()) return 0;
        ++it;
    }
    for (; it != siblings.end(); ++it) {
        if (ClassMatches(cls, Find(*it)->cls)) {
            last_found_ = static_cast<std::size_t>(it - siblings.begin());
            return *it;
        }
    }
    return 0;
}

// A walk passes each find's result as the next one's `after`: checking the last find's slot
// first keeps a walk over n windows linear instead of quadratic in n.
std::vector<WindowHandle>::const_iterator SimWindowSystem::StartOfSearch(
    const std::vector<WindowHandle>& siblings, WindowHandle after) const {
    if (last_found_ < siblings.size() && siblings[last_found_] == after) {
        return siblings.begin() + static_cast<std::ptrdiff_t>(last_found_);
    }
    return std::find(siblings.begin(), siblings.end(), after);
}

const SimWindowSystem::Window* SimWindowSystem::Answering(WindowHandle w) const {
    const Window* window = Find(w);
    return window && (!answering_ || answering_()) ? window : nullptr;
}

bool SimWindowSystem::SetText(WindowHandle w, std::string_view ansi) {
    const Window* window = Answering(w);
    if (!window) return false;
    // The text ends at the first NUL, as a NUL-terminated string does.
    const std::string_view text = ansi.substr(0, ansi.find('\0'));
    // Copied: the procedure may destroy its own window.
    if (auto proc = window->proc.set_text) {
        proc(w, text);
    } else {
        SetRawText(w, std::string(text));
    }
    return true;
}

bool SimWindowSystem::SendChar(WindowHandle w, unsigned ch) {
    const Window* window = Answering(w);
    if (!window) return false;
    if (auto proc = window->proc.on_char) {
        proc(w, ch);
    } else {
        SetRawText(w, window->text + static_cast<char>(ch));
    }
    return true;
}

std::optional<std::size_t> SimWindowSystem::TextLength(WindowHandle w) {
    const Window* window = Answering(w);
    const std::optional<std::size_t> n =
        window ? std::optional(window->text.size() * length_factor_) : std::nullopt;
    if (text_length_hook_) std::exchange(text_length_hook_, {})();
    return n;
}

std::optional<std::string> SimWindowSystem::Text(WindowHandle w, std::size_t capacity) {
    const Window* window = Answering(w);
    if (!window) return std::nullopt;
    if (capacity == 0) return "";
    const std::string& text = read_answer_ ? *read_answer_ : window->text;
    const std::size_t n = std::min(text.size(), capacity - 1);
    bytes_read_ += n;
    return text.substr(0, n);
}

void SimWindowSystem::MakeTopmost(WindowHandle w) {
    if (Window* window = Find(w)) window->topmost = true;
}

void SimWindowSystem::SetCaret(WindowHandle w, std::size_t at) {
    if (!Answering(w)) return;
    Window* window = Find(w);
    window->caret = std::min(at, window->text.size());
}

}  // namespace kn::sim
