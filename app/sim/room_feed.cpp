// The program's posts are its styled lines, said under the signed-on screen name; the
// `owner` and `chat` verbs' lines are everybody's typing, shown plain.
#include "app/sim/room_feed.h"

#include <string>

#include "app/sim/room_line.h"
#include "platform/sim/sim_gui_runtime.h"
#include "standin/sim/sim_host.h"
#include "windows/designs.h"

namespace kn::sim {

void RoomFeed::OnRecord(Micros /*at*/, std::string_view kind, std::string_view text) {
    const bool colour = view_.colour();
    if (kind == "post") {
        view_.Line(RenderProgramLine(host_.screen_name(), text, colour));
    } else if (kind == "chat") {
        Chat(text);
    } else if (kind == "prompt") {
        ++prompts_opened_;
        Notice("the program asks: " + std::string(text));
        Notice("type the answer and press Enter (/cancel presses Cancel)");
    } else if (kind == "keyword") {
        Notice("keyword box: " + std::string(text));
    } else if (kind == "state") {
        Notice(text);
    } else if (kind == "window" && text == "Form4 shown") {
        Missed();
    } else if (kind == "exit") {
        Notice("the program has ended");
    }
}

// "NAME: TEXT"; the signed-on name is tried first, since it may hold ": " itself.
void RoomFeed::Chat(std::string_view text) {
    const std::string own = host_.screen_name() + ": ";
    std::size_t cut = text.starts_with(own) ? own.size() - 2 : text.find(": ");
    if (cut == std::string_view::npos) cut = 0;
    const std::string_view said = cut + 2 <= text.size() ? text.substr(cut + 2) : "";
    view_.Line(RenderMemberLine(text.substr(0, cut), said, view_.colour()));
}

// The missed-lines window opens beside the main window; here its lines go under the panel.
void RoomFeed::Missed() {
    SimForm* form4 = gui_.Form("Form4");
    if (!form4) return;
    Notice("missed: " + form4->Text(form4::Label1));
    for (const std::string& line : form4->Items(form4::List1)) Aside(line);
}

void RoomFeed::Notice(std::string_view text) {
    view_.Line(RenderNotice(text, view_.colour()));
}

void RoomFeed::Aside(std::string_view text) {
    view_.Line(RenderAside(text, view_.colour()));
}

void RoomFeed::Error(std::string_view text) {
    view_.Line(RenderError(text, view_.colour()));
}

}  // namespace kn::sim
