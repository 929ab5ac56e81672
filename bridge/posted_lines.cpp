// Matching the room's lines against the program's own, and the rule for a line lost.
#include "bridge/posted_lines.h"

#include <algorithm>

namespace kn {

namespace {

bool Blank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// `text` without blanks equals `shown`, compared as it goes: most lines differ at once.
bool SameWithoutBlanks(std::string_view text, std::string_view shown) {
    std::size_t at = 0;
    for (char c : text) {
        if (Blank(c)) continue;
        if (at == shown.size() || shown[at] != c) return false;
        ++at;
    }
    return at == shown.size();
}

}  // namespace

std::string ShownWithoutBlanks(std::string_view line) {
    std::string shown;
    for (std::size_t pos = 0; pos < line.size(); ++pos) {
        if (line[pos] == '<') {
            const std::size_t close = line.find('>', pos);
            if (close != std::string_view::npos) {
                pos = close;
                continue;
            }
        }
        if (!Blank(line[pos])) shown += line[pos];
    }
    return shown;
}

void PostedLines::Delivered(std::string_view line, double now) {
    waiting_.push_back({ShownWithoutBlanks(line), ++posted_, now});
    if (waiting_.size() > kKept) waiting_.pop_front();
}

void PostedLines::Lost() {
    last_lost_ = ++posted_;
}

bool PostedLines::TakeEcho(std::string_view text) {
    const auto line = std::find_if(waiting_.begin(), waiting_.end(),
                                   [&](const Line& l) { return SameWithoutBlanks(text, l.shown); });
    if (line == waiting_.end()) return false;
    last_heard_ = std::max(last_heard_, line->number);
    waiting_.erase(line);
    return true;
}

bool PostedLines::Unheard(double now) {
    for (const Line& l : waiting_) {
        if (now - l.entered >= kHeardWithin) last_lost_ = std::max(last_lost_, l.number);
    }
    return last_lost_ > last_heard_;
}

}  // namespace kn
