// The simulated window tree and its messages. Handles are never reused, so a window that
// went away can't be mistaken for a new one.
#include "platform/sim/sim_window_system.h"

#include <algorithm>

namespace kn::sim {

namespace {

bool SameClass(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
               return lower(x) == lower(y);
           });
}

const std::string kNoText;

}  // namespace

std::vector<WindowHandle>& SimWindowSystem::SiblingsOf(WindowHandle parent) {
    return parent == 0 ? top_level_ : windows_.at(parent).children;
}

const SimWindowSystem::Window* SimWindowSystem::Find(WindowHandle w) const {
    const auto it = windows_.find(w);
    return it == windows_.end() ? nullptr : &it->second;
}

WindowHandle SimWindowSystem::Create(WindowHandle parent, std::string_view cls,
                                     std::string_view text, bool behind, WindowProc proc) {
    if (parent != 0 && !Exists(parent)) return 0;
    const WindowHandle w = next_handle_;
    next_handle_ += 4;
    windows_[w] = Window{parent, std::string(cls), std::string(text), std::move(proc), false, {}};
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
    windows_.erase(w);
    Changed();
}

const std::string& SimWindowSystem::RawText(WindowHandle w) const {
    const Window* window = Find(w);
    return window ? window->text : kNoText;
}

void SimWindowSystem::SetRawText(WindowHandle w, std::string text) {
    const auto it = windows_.find(w);
    if (it == windows_.end()) return;
    it->second.text = std::move(text);
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

bool SimWindowSystem::Topmost(WindowHandle w) const {
    const Window* window = Find(w);
    return window && window->topmost;
}

WindowHandle SimWindowSystem::FindTopLevel(std::string_view cls) {
    return FindChild(0, 0, cls);
}

WindowHandle SimWindowSystem::FindChild(WindowHandle parent, WindowHandle after,
                                        std::string_view cls) {
    if (parent != 0 && !Exists(parent)) return 0;
    const auto& siblings = SiblingsOf(parent);
    auto it = siblings.begin();
    if (after != 0) {
        it = std::find(siblings.begin(), siblings.end(), after);
        if (it == siblings.end()) return 0;
        ++it;
    }
    for (; it != siblings.end(); ++it) {
        if (SameClass(windows_.at(*it).cls, cls)) return *it;
    }
    return 0;
}

void SimWindowSystem::SetText(WindowHandle w, std::string_view ansi) {
    const auto it = windows_.find(w);
    if (it == windows_.end()) return;
    // The text ends at the first NUL, as a NUL-terminated string does.
    const std::string_view text = ansi.substr(0, ansi.find('\0'));
    // Copied: the procedure may destroy its own window.
    if (auto proc = it->second.proc.set_text) {
        proc(w, text);
    } else {
        SetRawText(w, std::string(text));
    }
}

void SimWindowSystem::SendChar(WindowHandle w, unsigned ch) {
    const auto it = windows_.find(w);
    if (it == windows_.end()) return;
    if (auto proc = it->second.proc.on_char) {
        proc(w, ch);
    } else {
        SetRawText(w, it->second.text + static_cast<char>(ch));
    }
}

std::size_t SimWindowSystem::TextLength(WindowHandle w) {
    return RawText(w).size();
}

std::string SimWindowSystem::Text(WindowHandle w, std::size_t capacity) {
    if (capacity == 0) return {};
    const std::string& text = RawText(w);
    return text.substr(0, std::min(text.size(), capacity - 1));
}

void SimWindowSystem::MakeTopmost(WindowHandle w) {
    const auto it = windows_.find(w);
    if (it != windows_.end()) it->second.topmost = true;
}

}  // namespace kn::sim
