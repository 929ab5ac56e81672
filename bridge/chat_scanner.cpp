// Polls the room's read-only transcript control and turns what was appended since the last
// read into ChatLine events, surviving trims from the top, room changes and host restarts.
#include "bridge/chat_scanner.h"

#include <algorithm>
#include <string_view>

#include "bridge/host_bridge.h"
#include "bridge/host_windows.h"
#include "platform/code_page.h"
#include "platform/gui_runtime.h"

namespace kn {

namespace {
constexpr std::string_view kLineBreak = "\r\n";
constexpr std::string_view kNameEnd = ":\t";

// The host appends whole lines, each after a line break, so what was seen must end where a
// line of `current` ends: a match that stops inside a line (a new line that begins with the
// one a trim took away) is not what was seen.
bool EndsALine(const std::string& current, std::size_t kept) {
    return kept == current.size() || current.compare(kept, kLineBreak.size(), kLineBreak) == 0;
}
}  // namespace

ChatScanner::ChatScanner(HostBridge& bridge, GuiRuntime& gui, FormWindow& owner,
                         ChatLineHandler handler)
    : bridge_(bridge), handler_(std::move(handler)) {
    timer_ = gui.CreateTimer(owner, kTimerId, kPollMs, [this] { Poll(); });
}

ChatScanner::~ChatScanner() {
    bridge_.window_system().WatchTextChanges({});
}

void ChatScanner::StartScan() {
    Poll();
    timer_->SetEnabled(true);
    bridge_.window_system().WatchTextChanges([this] { Poll(); });
}

std::size_t AlreadySeen(const std::string& seen, const std::string& current) {
    if (current.starts_with(seen) && EndsALine(current, seen.size())) return seen.size();
    // The host trims whole lines, so the kept part of `seen` starts at a line break (or just
    // after one). The least trimmed alignment that fits is the one taken.
    for (std::size_t at = seen.find(kLineBreak, 1); at != std::string::npos;
         at = seen.find(kLineBreak, at + 1)) {
        for (std::size_t from : {at, at + kLineBreak.size()}) {
            const std::size_t kept = seen.size() - from;
            if (kept <= current.size() && current.compare(0, kept, seen, from, kept) == 0 &&
                EndsALine(current, kept)) {
                return kept;
            }
        }
    }
    return 0;  // all of `seen` is gone: everything read now is new
}

void ChatScanner::Poll() {
    WindowSystem& ws = bridge_.window_system();
    const WindowHandle room = bridge_.FindChatRoom();
    const WindowHandle transcript = room ? ws.FindChild(room, 0, host_class::kTranscript) : 0;
    if (transcript != transcript_) {
        // Another room (or the host restarted): what it already holds was said before we came.
        transcript_ = transcript;
        seen_ = transcript ? ws.Text(transcript, ws.TextLength(transcript) + 1) : std::string();
        polls_since_read_ = 0;
        return;
    }
    if (transcript == 0) return;
    const std::size_t length = ws.TextLength(transcript);
    if (LooksUnchanged(transcript, length) && ++polls_since_read_ < kFullReadEvery) return;
    polls_since_read_ = 0;
    std::string current = ws.Text(transcript, length + 1);
    // A read that filled the length measured before it may have been overtaken by a trim and
    // an append, cutting its last line short: the next poll reads it whole.
    if (length != 0 && current.size() == length && ws.TextLength(transcript) > length) return;
    TakeNewText(std::move(current));
}

// The same length and the same first bytes: nothing was appended, or a trim would show.
bool ChatScanner::LooksUnchanged(WindowHandle transcript, std::size_t length) {
    if (length != seen_.size()) return false;
    const std::string head = bridge_.window_system().Text(transcript, kHeadBytes + 1);
    return head.size() == std::min(length, kHeadBytes) && seen_.starts_with(head);
}

void ChatScanner::TakeNewText(std::string current) {
    // A host that does not answer in time reads as empty. Taken as a room cleared of its lines,
    // that would raise the whole transcript again, commands included, once the host answers.
    if (current.empty() || current == seen_) return;
    const std::size_t start = AlreadySeen(seen_, current);
    const std::string_view fresh = std::string_view(current).substr(start);
    CodePage& cp = bridge_.code_page();
    std::size_t pos = 0;
    while (pos < fresh.size()) {
        std::size_t end = fresh.find(kLineBreak, pos);
        if (end == std::string_view::npos) end = fresh.size();
        const std::string_view line = fresh.substr(pos, end - pos);
        if (!line.empty()) {
            const std::size_t colon = line.find(kNameEnd);
            const bool named = colon != std::string_view::npos;
            pending_.emplace_back(cp.FromAnsi(named ? line.substr(0, colon) : ""),
                                  cp.FromAnsi(named ? line.substr(colon + 2) : line));
        }
        pos = end + kLineBreak.size();
    }
    seen_ = std::move(current);  // committed before raising: a handler may poll again
    Raise();
}

void ChatScanner::Raise() {
    // A handler that pauses lets a nested poll raise later lines; one queue keeps the order.
    while (!pending_.empty()) {
        auto [name, text] = std::move(pending_.front());
        pending_.pop_front();
        handler_(name, text);
    }
}

}  // namespace kn
