// Polls the room's read-only transcript control and turns what was appended since the last
// read into ChatLine events, surviving trims from the top, redraws, room changes and host
// restarts.
#include "bridge/chat_scanner.h"

#include <algorithm>
#include <string_view>

#include "bridge/host_bridge.h"
#include "bridge/host_windows.h"
#include "platform/code_page.h"
#include "platform/gui_runtime.h"

namespace kn {

namespace {
constexpr std::string_view kNameEnd = ":\t";

// Where the line break at or after `pos` starts, or text.size(). Each of CR and LF is searched
// for once per occurrence, not once per line: a transcript of one kind has none of the other.
class BreakFinder {
  public:
    explicit BreakFinder(std::string_view text)
        : text_(text), cr_(Find('\r', 0)), lf_(Find('\n', 0)) {}
    std::size_t Next(std::size_t pos) {
        if (cr_ < pos) cr_ = Find('\r', pos);
        if (lf_ < pos) lf_ = Find('\n', pos);
        return std::min(cr_, lf_);
    }

  private:
    std::size_t Find(char c, std::size_t pos) const {
        const std::size_t at = text_.find(c, pos);
        return at == std::string_view::npos ? text_.size() : at;
    }
    std::string_view text_;
    std::size_t cr_, lf_;
};
}  // namespace

std::string JoinedLines(std::string_view transcript) {
    std::string lines;
    lines.reserve(transcript.size());
    BreakFinder breaks(transcript);
    std::size_t pos = 0;
    while (pos < transcript.size()) {
        const std::size_t end = breaks.Next(pos);
        if (end > pos) {
            if (!lines.empty()) lines += '\n';
            lines.append(transcript, pos, end - pos);
        }
        pos = end + 1;
    }
    return lines;
}

std::size_t AlreadySeen(std::string_view before, std::string_view now) {
    // A room that held no line when first seen: every line in it now was said since.
    if (before.empty()) return 0;
    // The host trims whole lines from the top, so what is kept of `before` starts a line; the
    // least trimmed alignment that fits raises the fewest lines.
    for (std::size_t from = 0;;) {
        const std::string_view kept = before.substr(from);
        if (now.starts_with(kept) && (kept.size() == now.size() || now[kept.size()] == '\n')) {
            return kept.size();
        }
        from = before.find('\n', from);
        if (from == std::string_view::npos) break;
        ++from;
    }
    // Nothing lines up (the host redrew its transcript some other way, or more lines came than
    // it keeps): taken as seen. A lost line is far better than an old command run again.
    return now.size();
}

ChatScanner::ChatScanner(HostBridge& bridge, WindowSystem& ws, CodePage& cp, GuiRuntime& gui,
                         FormWindow& owner, unsigned timer_id, ChatLineHandler handler,
                         std::function<void()> polled)
    : bridge_(bridge), ws_(ws), cp_(cp), handler_(std::move(handler)), polled_(std::move(polled)) {
    timer_ = gui.CreateTimer(owner, timer_id, kPollMs, [this] { Poll(); });
}

ChatScanner::~ChatScanner() {
    ws_.WatchTextChanges({});
}

void ChatScanner::StartScan() {
    Poll();
    timer_->SetEnabled(true);
    ws_.WatchTextChanges([this] { Poll(); });
}

void ChatScanner::Poll() {
    Read();
    if (polled_) polled_();
}

void ChatScanner::Read() {
    const WindowHandle room = bridge_.FindChatRoom();
    const WindowHandle transcript = room ? ws_.FindChild(room, 0, host_class::kTranscript) : 0;
    if (transcript != transcript_) return Meet(transcript);
    if (transcript == 0) return;
    // A host that does not answer tells nothing about its room; the next poll asks again.
    const std::optional<std::size_t> length = ws_.TextLength(transcript);
    if (!length) return;
    if (LooksUnchanged(transcript, *length) && ++polls_since_read_ < kFullReadEvery) return;
    polls_since_read_ = 0;
    // A read that filled its buffer may have been overtaken by a trim and an append, cutting
    // its last line short: the next poll reads it whole.
    std::optional<std::string> current = ReadWhole(transcript, *length);
    if (current) TakeNewText(std::move(*current), *length);
}

// Another room (or the host restarted): what it holds at the first read that answers was said
// before we came. Until a read answers, whole, the room is not met: taken as empty, it would
// have its history raised, old commands and all, once the host answers. A read of line breaks
// alone is a host caught redrawing; a room with no line yet reads "".
void ChatScanner::Meet(WindowHandle transcript) {
    std::optional<std::string> text = "";
    std::size_t length = 0;
    if (transcript) {
        const std::optional<std::size_t> measured = ws_.TextLength(transcript);
        text = measured ? ReadWhole(transcript, *measured) : std::nullopt;
        if (!text) return;
        length = *measured;
    }
    std::string lines = JoinedLines(*text);
    if (lines.empty() && !text->empty()) return;
    transcript_ = transcript;
    seen_lines_ = std::move(lines);
    seen_ = std::move(*text);
    seen_length_ = length;
    polls_since_read_ = 0;
}

// With room to spare beyond `length`, so a read that comes back shorter is known whole without
// asking the length again. Nothing when the host did not answer or the read may be cut short.
std::optional<std::string> ChatScanner::ReadWhole(WindowHandle transcript, std::size_t length) {
    const std::size_t capacity = std::min(length + kReadSpare, kLongestText) + 1;
    std::optional<std::string> text = ws_.Text(transcript, capacity);
    if (text && text->size() + kWidestChar >= capacity) text.reset();
    return text;
}

// The same length as measured at the last read and the same first bytes: nothing was
// appended, or a trim would show. Lengths are compared with lengths: the one measured may
// exceed the bytes read (on double-byte systems it always does). A head that gets no answer
// shows no change.
bool ChatScanner::LooksUnchanged(WindowHandle transcript, std::size_t length) {
    if (length != seen_length_) return false;
    constexpr std::size_t kCapacity = kHeadBytes + 1;
    const std::optional<std::string> head = ws_.Text(transcript, kCapacity);
    if (!head) return true;
    return head->size() + kWidestChar < kCapacity ? *head == seen_ : seen_.starts_with(*head);
}

void ChatScanner::TakeNewText(std::string current, std::size_t length) {
    if (current == seen_) {
        seen_length_ = length;
        return;
    }
    std::string lines = JoinedLines(current);
    // A read holding no line (nothing, or line breaks alone, as from a host caught redrawing)
    // says nothing of the room. Taken as a room cleared of its lines, it would raise the whole
    // transcript again, commands included, at the next read.
    if (lines.empty()) return;
    seen_length_ = length;
    const std::string_view fresh = std::string_view(lines).substr(AlreadySeen(seen_lines_, lines));
    for (std::size_t pos = 0; pos < fresh.size();) {
        std::size_t end = fresh.find('\n', pos);
        if (end == std::string_view::npos) end = fresh.size();
        const std::string_view line = fresh.substr(pos, end - pos);
        if (!line.empty()) {
            const std::size_t colon = line.find(kNameEnd);
            const bool named = colon != std::string_view::npos;
            pending_.emplace_back(cp_.FromAnsi(named ? line.substr(0, colon) : ""),
                                  cp_.FromAnsi(named ? line.substr(colon + 2) : line));
        }
        pos = end + 1;
    }
    // Committed before raising: a handler may poll again.
    seen_ = std::move(current);
    seen_lines_ = std::move(lines);
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
