// The simulated host client's windows and what they do with the messages they get.
#include "standin/sim/sim_host.h"

#include <algorithm>

#include "bridge/host_windows.h"
#include "platform/code_page.h"
#include "standin/sim/markup.h"

namespace kn::sim {

namespace {

std::size_t Count(std::string_view text, std::string_view piece) {
    std::size_t n = 0;
    for (std::size_t pos = text.find(piece); pos != std::string_view::npos;
         pos = text.find(piece, pos + piece.size())) {
        ++n;
    }
    return n;
}

void Replace(std::string& text, std::string_view from, std::string_view to) {
    for (std::size_t pos = text.find(from); pos != std::string::npos;
         pos = text.find(from, pos + to.size())) {
        text.replace(pos, from.size(), to);
    }
}
}  // namespace

SimHost::SimHost(SimWindowSystem& ws, CodePage& cp, Record& record, std::string screen_name)
    : ws_(ws),
      cp_(cp),
      record_(record),
      initial_name_(screen_name),
      screen_name_(std::move(screen_name)) {}

void SimHost::Start() {
    if (Running()) return;
    screen_name_ = initial_name_;
    keyword_.clear();
    line_break_ = "\r\n";
    frame_ = ws_.Create(0, host_class::kFrame, "host", true);
    ws_.Create(frame_, "MDIClient", "");
    const WindowHandle toolbar = ws_.Create(frame_, "AOL Toolbar", "", true);
    const WindowHandle inner = ws_.Create(toolbar, "_AOL_Toolbar", "");
    const WindowHandle combo = ws_.Create(inner, "_AOL_Combobox", "");
    ws_.Create(combo, "Edit", "", false,
               {[this](WindowHandle w, std::string_view t) {
                    keyword_ = t;
                    ws_.SetRawText(w, std::string(t));
                },
                [this](WindowHandle w, unsigned ch) { KeywordChar(w, ch); }});
    OpenRoom();
    SignOn(screen_name_);
}

void SimHost::Quit() {
    ws_.Destroy(frame_);
    frame_ = 0;
}

WindowHandle SimHost::Mdi() const {
    return frame_ ? ws_.FindChild(frame_, 0, host_class::kMdiClient) : 0;
}

WindowHandle SimHost::Welcome() const {
    return ws_.Exists(welcome_) ? welcome_ : 0;
}

WindowHandle SimHost::FrontRoom() const {
    for (WindowHandle w : ws_.Children(Mdi())) {
        if (ws_.FindChild(w, 0, host_class::kTranscript) != 0) return w;
    }
    return 0;
}

WindowHandle SimHost::InputBoxOf(WindowHandle room) const {
    return room ? ws_.FindChild(room, 0, host_class::kInputBox) : 0;
}

void SimHost::OpenRoom() {
    const WindowHandle mdi = Mdi();
    if (mdi == 0) return;
    const WindowHandle room = ws_.Create(mdi, host_class::kChild, "chat room", true);
    ws_.Create(room, host_class::kTranscript, "", true);
    ws_.Create(room, host_class::kCombobox, "", true);
    ws_.Create(room, host_class::kIcon, "", true);
    ws_.Create(room, host_class::kStatic, "", true);
    ws_.Create(room, host_class::kInputBox, "", true,
               {{}, [this](WindowHandle w, unsigned ch) { InputChar(w, ch); }});
}

void SimHost::CloseRoom() {
    ws_.Destroy(FrontRoom());
}

void SimHost::OpenWindow(std::string_view title) {
    if (const WindowHandle mdi = Mdi()) ws_.Create(mdi, host_class::kChild, cp_.ToAnsi(title));
}

void SimHost::SignOn(std::string_view name) {
    screen_name_ = name;
    SetWelcomeTitle("Welcome, " + screen_name_ + "!");
}

void SimHost::SignOff() {
    ws_.Destroy(Welcome());
}

void SimHost::SetWelcomeTitle(std::string_view title) {
    const WindowHandle mdi = Mdi();
    if (mdi == 0) return;
    const WindowHandle welcome = Welcome();
    if (welcome) {
        ws_.SetRawText(welcome, cp_.ToAnsi(title));
    } else {
        welcome_ = ws_.Create(mdi, host_class::kChild, cp_.ToAnsi(title));
    }
}

void SimHost::Say(WindowHandle room, std::string_view name_ansi, std::string_view line_ansi) {
    const WindowHandle transcript = ws_.FindChild(room, 0, host_class::kTranscript);
    std::string text = ws_.RawText(transcript);
    text += line_break_;
    text += name_ansi;
    text += ":\t";
    text += RenderPlain(line_ansi);
    // A room keeps a limited history, dropping whole lines from the top.
    std::size_t lines = Count(text, line_break_);
    std::size_t cut = 0;
    while (lines > transcript_limit_) {
        cut = text.find(line_break_, cut + line_break_.size());
        --lines;
    }
    ws_.SetRawText(transcript, cut ? text.substr(cut) : std::move(text));
}

void SimHost::SetLineEnd(std::string_view line_break) {
    for (WindowHandle room : ws_.Children(Mdi())) {
        const WindowHandle transcript = ws_.FindChild(room, 0, host_class::kTranscript);
        if (transcript == 0) continue;
        std::string text = ws_.RawText(transcript);
        Replace(text, line_break_, line_break);
        ws_.SetRawText(transcript, std::move(text));
    }
    line_break_ = line_break;
}

void SimHost::InputChar(WindowHandle box, unsigned ch) {
    if (ch != WindowSystem::kEnter) {
        ws_.SetRawText(box, ws_.RawText(box) + static_cast<char>(ch));
        return;
    }
    const std::string line = ws_.RawText(box);
    ws_.SetRawText(box, "");
    record_.Line("post", cp_.FromAnsi(line));
    Say(ws_.Parent(box), cp_.ToAnsi(screen_name_), line);
}

void SimHost::KeywordChar(WindowHandle edit, unsigned ch) {
    if (ch != WindowSystem::kEnter) {
        ws_.SetRawText(edit, ws_.RawText(edit) + static_cast<char>(ch));
        return;
    }
    record_.Line("keyword", cp_.FromAnsi(keyword_));
    ws_.SetRawText(edit, "");
}

bool SimHost::OwnerSays(std::string_view text) {
    const WindowHandle room = FrontRoom();
    if (room == 0) return false;
    record_.Line("chat", screen_name_ + ": " + std::string(text));
    ws_.SetRawText(InputBoxOf(room), "");
    Say(room, cp_.ToAnsi(screen_name_), cp_.ToAnsi(text));
    return true;
}

bool SimHost::Draft(std::string_view text) {
    const WindowHandle room = FrontRoom();
    if (room == 0) return false;
    ws_.SetRawText(InputBoxOf(room), cp_.ToAnsi(text));
    return true;
}

void SimHost::MemberSays(std::string_view name, std::string_view text) {
    const WindowHandle room = FrontRoom();
    if (room == 0) return;
    record_.Line("chat", std::string(name) + ": " + std::string(text));
    Say(room, cp_.ToAnsi(name), cp_.ToAnsi(text));
}

std::string SimHost::InputText() const {
    return cp_.FromAnsi(ws_.RawText(InputBoxOf(FrontRoom())));
}

std::string SimHost::Transcript() const {
    return ws_.RawText(ws_.FindChild(FrontRoom(), 0, host_class::kTranscript));
}

}  // namespace kn::sim
