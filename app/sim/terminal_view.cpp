// The terminal is laid out with a scrolling region below the panel: room lines scroll there
// and the panel stays put. Lines are written as "\r\n" since libedit's mode may not map "\n".
#include "app/sim/terminal_view.h"

#include <sys/ioctl.h>

#include "app/sim/line_editor.h"
#include "app/sim/status_panel.h"

namespace kn::sim {

namespace {

constexpr std::size_t kKeptLines = 200;
constexpr std::size_t kRoomRowsAtLeast = 4;  // the panel gives way to keep these for the room

std::string At(std::size_t row, std::size_t col) {
    return "\x1b[" + std::to_string(row) + ';' + std::to_string(col) + 'H';
}

}  // namespace

ScreenView::ScreenView(std::FILE* out, LineEditor* editor, bool colour)
    : out_(out), editor_(editor), colour_(colour) {
    Relayout();
}

ScreenView::~ScreenView() {
    HideInput();
    Write("\0337\x1b[r\0338");  // the region's reset homes the cursor: keep it in place
}

void ScreenView::Write(std::string_view bytes) {
    std::fwrite(bytes.data(), 1, bytes.size(), out_);
    std::fflush(out_);
}

// Each line starts and ends in the terminal's plain style, whatever was drawn before it.
void ScreenView::WriteLine(std::string_view text) {
    if (!colour_) return Write(std::string(text) + "\r\n");
    Write("\x1b[0m" + std::string(text) + "\x1b[0m\r\n");
}

void ScreenView::HideInput() {
    if (editor_) editor_->Hide();
}

void ScreenView::ShowInput() {
    if (editor_) editor_->Show();
}

std::vector<std::string> ScreenView::Panel() const {
    const std::size_t room = rows_ > kRoomRowsAtLeast ? rows_ - kRoomRowsAtLeast : 0;
    return PanelRows(face_, cols_, colour_, room);
}

void ScreenView::DrawPanel(const std::vector<std::string>& rows) {
    std::string out = "\0337";
    for (std::size_t i = 0; i < rows.size(); ++i) out += At(i + 1, 1) + "\x1b[2K" + rows[i];
    out += "\0338";
    Write(out);
}

void ScreenView::Relayout() {
    winsize ws{};
    if (::ioctl(fileno(out_), TIOCGWINSZ, &ws) == 0 && ws.ws_row > 0 && ws.ws_col > 0) {
        rows_ = ws.ws_row;
        cols_ = ws.ws_col;
    }
    HideInput();
    const std::vector<std::string> panel = Panel();
    panel_rows_ = panel.size();
    Write("\x1b[r\x1b[H\x1b[2J");
    DrawPanel(panel);
    if (panel_rows_ > 0) {
        Write("\x1b[" + std::to_string(panel_rows_ + 1) + ';' + std::to_string(rows_) + 'r');
    }
    Write(At(panel_rows_ + 1, 1));
    const std::size_t fit = rows_ - panel_rows_ - 1;
    const std::size_t skip = recent_.size() > fit ? recent_.size() - fit : 0;
    for (std::size_t i = skip; i < recent_.size(); ++i) WriteLine(recent_[i]);
    ShowInput();
}

void ScreenView::Resized() {
    if (editor_) editor_->Resized();
    Relayout();
}

void ScreenView::Line(std::string_view text) {
    recent_.emplace_back(text);
    if (recent_.size() > kKeptLines) recent_.pop_front();
    HideInput();
    WriteLine(text);
    ShowInput();
}

void ScreenView::ShowFace(const Face& face) {
    if (face == face_) return;
    face_ = face;
    const std::vector<std::string> panel = Panel();
    if (panel.size() != panel_rows_) return Relayout();
    DrawPanel(panel);
}

void ScreenView::SetPrompt(std::string_view text, bool asking) {
    if (!editor_) return;
    if (!colour_) return editor_->SetPrompt({}, text, {});
    editor_->SetPrompt(asking ? "\x1b[1;38;2;255;200;90m" : "\x1b[1m", text, "\x1b[0m");
}

void StreamView::Line(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), out_);
    std::fputc('\n', out_);
    std::fflush(out_);
}

void StreamView::ShowFace(const Face& face) {
    if (face_ && *face_ == face) return;
    face_ = face;
    Line(FaceSummary(face));
}

}  // namespace kn::sim
