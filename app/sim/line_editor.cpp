// Enter is bound to our own function, which takes the line and returns at once: the typed
// line leaves the input row and comes back as the room shows it; the editor then restarts.
#include "app/sim/line_editor.h"

#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include "app/sim/room_line.h"

namespace kn::sim {

namespace {

constexpr char kEscapeMark = '\1';
constexpr int kHistorySize = 500;
constexpr int kKeysPerRead = 256;

LineEditor* Self(EditLine* el) {
    void* data = nullptr;
    el_get(el, EL_CLIENTDATA, &data);
    return static_cast<LineEditor*>(data);
}

}  // namespace

LineEditor::LineEditor(std::FILE* in, std::FILE* out) : out_(out), in_fd_(fileno(in)) {
    el_ = el_init("kelvarnook-sim", in, out, stderr);
    history_ = history_init();
    HistEvent ev;
    history(history_, &ev, H_SETSIZE, kHistorySize);
    history(history_, &ev, H_SETUNIQUE, 1);
    el_set(el_, EL_CLIENTDATA, this);
    el_set(el_, EL_EDITOR, "emacs");
    el_set(el_, EL_SIGNAL, 0);  // the simulator's own handlers see Ctrl-C and resizes
    el_set(el_, EL_HIST, history, history_);
    el_set(el_, EL_PROMPT_ESC, &LineEditor::PromptOf, kEscapeMark);
    el_set(el_, EL_ADDFN, "kn-submit", "hand the line to the room", &LineEditor::Submit);
    el_set(el_, EL_BIND, "^M", "kn-submit", nullptr);
    el_set(el_, EL_BIND, "^J", "kn-submit", nullptr);
    el_set(el_, EL_UNBUFFERED, 1);
}

LineEditor::~LineEditor() {
    Hide();
    el_set(el_, EL_UNBUFFERED, 0);  // back to the terminal's own mode
    el_end(el_);
    history_end(history_);
}

const char* LineEditor::PromptOf(EditLine* el) {
    return Self(el)->prompt_.c_str();
}

unsigned char LineEditor::Submit(EditLine* el, int /*ch*/) {
    LineEditor* self = Self(el);
    const LineInfo* li = el_line(el);
    self->submitted_ = std::string(li->buffer, li->lastchar);
    self->submit_row_ = self->CursorRow();
    return CC_NEWLINE;
}

bool LineEditor::Read(std::vector<std::string>& lines) {
    // Bounded, so that a terminal which keeps saying "readable" can't hold the pump here.
    for (int key = 0; key < kKeysPerRead; ++key) {
        pollfd p{in_fd_, POLLIN, 0};
        if (::poll(&p, 1, 0) <= 0) break;
        if ((p.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0) return false;  // hung up
        int count = 0;
        const char* got = el_gets(el_, &count);
        if (submitted_) {
            TakeSubmitted(lines);
            continue;
        }
        // Ctrl-D on an empty line comes back as that one character. (No text at all is
        // an empty line, not the end.)
        if (got && count == 1 && got[0] == '\x04') return false;
    }
    return true;
}

void LineEditor::TakeSubmitted(std::vector<std::string>& lines) {
    EraseFromRow(submit_row_);
    if (!submitted_->empty()) {
        HistEvent ev;
        history(history_, &ev, H_ENTER, submitted_->c_str());
    }
    lines.push_back(std::move(*submitted_));
    submitted_.reset();
    // Leaving and re-entering unbuffered mode empties the line and draws the prompt.
    el_set(el_, EL_UNBUFFERED, 0);
    el_set(el_, EL_UNBUFFERED, 1);
    hidden_ = false;
}

void LineEditor::SetPrompt(std::string_view before, std::string_view text, std::string_view after) {
    std::string prompt;
    if (!before.empty()) prompt += kEscapeMark + std::string(before) + kEscapeMark;
    prompt += Printable(text);
    if (!after.empty()) prompt += kEscapeMark + std::string(after) + kEscapeMark;
    // libedit drops a marked sequence at the very end of a prompt: end in a blank.
    prompt += ' ';
    if (prompt == prompt_) return;
    const bool was_hidden = hidden_;
    Hide();
    prompt_ = std::move(prompt);
    prompt_columns_ = Columns(Printable(text)) + 1;
    if (!was_hidden) Show();
}

std::size_t LineEditor::Width() const {
    winsize ws{};
    if (::ioctl(fileno(out_), TIOCGWINSZ, &ws) == 0 && ws.ws_col > 0) return ws.ws_col;
    return 80;
}

std::size_t LineEditor::CursorRow() const {
    const LineInfo* li = el_line(el_);
    const std::string_view typed(li->buffer, static_cast<std::size_t>(li->cursor - li->buffer));
    return (prompt_columns_ + Columns(typed)) / Width();
}

void LineEditor::EraseFromRow(std::size_t row) {
    std::string out = "\r";
    if (row > 0) out += "\x1b[" + std::to_string(row) + "A";
    out += "\x1b[J";
    std::fputs(out.c_str(), out_);
    std::fflush(out_);
}

void LineEditor::Hide() {
    if (hidden_) return;
    EraseFromRow(CursorRow());
    hidden_ = true;
}

void LineEditor::Show() {
    if (!hidden_) return;
    el_set(el_, EL_REFRESH);
    std::fflush(out_);
    hidden_ = false;
}

void LineEditor::Resized() {
    el_resize(el_);
}

}  // namespace kn::sim
