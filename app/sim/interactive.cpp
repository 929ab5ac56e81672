// The terminal as an event source: keys are read without blocking the event pump, so timers
// keep firing while the owner thinks, and the face is brought up to date at every wait.
#include "app/sim/interactive.h"

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <iostream>
#include <memory>
#include <span>
#include <sstream>
#include <vector>

#include "app/sim/face.h"
#include "app/sim/line_editor.h"

namespace kn::sim {

namespace {

constexpr std::size_t kHelpColumn = 22;  // where a verb's help starts
constexpr std::size_t kHelpWidth = 78;

// `left` padded to the help column, then `right`.
std::string HelpLine(std::string left, std::string_view right) {
    left.resize(std::max(left.size() + 1, kHelpColumn), ' ');
    return left + std::string(right);
}

// "WORD (names), WORD..." broken into lines that start at the help column.
std::vector<std::string> ChoiceLines(std::span<const Choice> choices) {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < choices.size(); ++i) {
        std::string item(choices[i].word);
        if (!choices[i].names.empty()) item += " (" + std::string(choices[i].names) + ")";
        if (i + 1 < choices.size()) item += ",";
        if (lines.empty() || kHelpColumn + lines.back().size() + 1 + item.size() > kHelpWidth) {
            lines.push_back(item);
        } else {
            lines.back() += " " + item;
        }
    }
    return lines;
}

std::vector<std::string> HelpLines() {
    std::vector<std::string> lines{
        HelpLine("plain text", "the owner says it in the room (idleon, reason TEXT...)")};
    for (const Verb& verb : Verbs()) {
        std::string left = "/" + std::string(verb.words);
        const Shape& shape = ShapeOf(verb.arg);
        if (!shape.written.empty()) left += " " + std::string(shape.written);
        lines.push_back(HelpLine(left, verb.help));
        for (const std::string& choices : ChoiceLines(shape.choices)) {
            lines.push_back(HelpLine("", choices));
        }
    }
    lines.push_back(HelpLine("/quit", "closes the main window from outside, as Ctrl-D does"));
    return lines;
}

// The event a script line would give; the terminal's own (owner, answer, close Form1) always
// parse, so the result is ignored on purpose.
Event Command(const std::string& text) {
    Event e;
    ParseCommand(text, e);
    return e;
}

}  // namespace

std::optional<Micros> TerminalSource::NextTime() {
    if (!queue_.empty() || (quit_requested_ && !quit_done_)) return world_.scheduler().Now();
    return std::nullopt;
}

void TerminalSource::DeliverNext() {
    if (queue_.empty()) return Quit();
    const std::string line = std::move(queue_.front());
    queue_.pop_front();
    try {
        Handle(line);
    } catch (const EventFault& fault) {
        feed_.Error(fault.what);
    }
}

void TerminalSource::Handle(const std::string& line) {
    if (line.starts_with("/")) return RunVerb(line);
    if (Asking()) {
        feed_.Notice("answered \"" + line + "\"");
        return Perform(Command("answer " + line));
    }
    if (line.empty()) return;  // an empty input box says nothing
    world_.Perform(Command("owner " + line));
}

void TerminalSource::RunVerb(const std::string& line) {
    if (line == "/help") return Help();
    if (line == "/quit") return RequestQuit();
    Event event;
    if (auto bad = ParseCommand(std::string_view(line).substr(1), event)) {
        return feed_.Error(*bad + " (/help lists the verbs)");
    }
    // The room shows what is said there; for the others, say what was done.
    if (world_.HeldByPrompt(event)) {
        feed_.Notice(line + ": the handle prompt is open; answer it or /cancel first");
    } else if (event.verb->acts != Acts::InRoom) {
        feed_.Notice(line);
    }
    Perform(event);
}

void TerminalSource::Perform(const Event& event) {
    world_.Perform(event);
    if (event.verb->acts == Acts::OnPrompt) ++answers_;
}

void TerminalSource::Help() {
    for (const std::string& line : HelpLines()) feed_.Aside(line);
}

void TerminalSource::RequestQuit() {
    quit_requested_ = true;
}

void TerminalSource::Quit() {
    if (quit_done_) return;
    quit_done_ = true;
    try {
        world_.Perform(Command("close Form1"));
    } catch (const EventFault& fault) {
        feed_.Error(fault.what);
    }
}

void TerminalSource::Refresh() {
    view_.ShowFace(ReadFace(world_));
    if (Asking()) {
        view_.SetPrompt(world_.gui().OpenPrompt() + " \xE2\x80\xBA", true);
    } else {
        view_.SetPrompt(world_.host().screen_name() + " \xE2\x80\xBA", false);
    }
}

void TerminalSource::TakeSignals() {
    const SignalPipe::Caught caught = signals_->Drain();
    if (caught.resized) view_.Resized();
    if (caught.quit) RequestQuit();
}

void TerminalSource::AwaitInput(int real_ms) {
    Refresh();
    pollfd fds[2];
    nfds_t n = 0;
    if (input_open_) fds[n++] = {input_.fd(), POLLIN, 0};
    if (signals_ && signals_->fd() >= 0) fds[n++] = {signals_->fd(), POLLIN, 0};
    if (::poll(fds, n, real_ms) <= 0) return;
    for (nfds_t i = 0; i < n; ++i) {
        if (fds[i].revents == 0) continue;
        if (signals_ && fds[i].fd == signals_->fd()) {
            TakeSignals();
            continue;
        }
        std::vector<std::string> lines;
        input_open_ = input_.Read(lines);
        for (std::string& line : lines) queue_.push_back(std::move(line));
        if (!input_open_) RequestQuit();  // end of input: the main window is closed from outside
    }
}

void TerminalSource::Greet(double speed) {
    feed_.Notice("a stand-in chat client, signed on as " + world_.host().screen_name() +
                 ", one chat room open");
    std::ostringstream minute;
    minute << "a minute of the program's clock passes every " << 60 / speed << " s";
    feed_.Notice(minute.str());
    feed_.Notice("type to speak in the room: try \"reason gone fishing\", then \"idleon\"");
    feed_.Notice("/help lists the verbs; /quit, Ctrl-D or Ctrl-C close the program");
}

namespace {

bool ColourWanted() {
    const char* no_colour = std::getenv("NO_COLOR");
    return no_colour == nullptr || *no_colour == '\0';
}

// libedit reads and measures the line by the locale's character set; the room's text is
// UTF-8 whatever the environment says.
void UseUtf8() {
    const char* set = std::setlocale(LC_CTYPE, "");
    if (set && (std::strstr(set, "UTF-8") || std::strstr(set, "utf8"))) return;
    if (!std::setlocale(LC_CTYPE, "C.UTF-8")) std::setlocale(LC_CTYPE, "C");
}

bool UsableTerminal(int fd) {
    const char* term = std::getenv("TERM");
    return ::isatty(fd) && !(term && std::string_view(term) == "dumb");
}

int RunSession(const Options& options) {
    RoomFeed* live_feed = nullptr;  // the record may still speak while the world goes
    Options quiet = options;
    quiet.out = nullptr;  // the view shows the record; its raw lines aren't printed
    World world(quiet);
    world.record().AddObserver(
        [&live_feed](Micros at, std::string_view kind, std::string_view text) {
            if (live_feed) live_feed->OnRecord(at, kind, text);
        });
    SignalPipe signals;
    const bool screen = UsableTerminal(STDOUT_FILENO);
    std::unique_ptr<LineEditor> editor;
    std::unique_ptr<PlainInput> plain;
    if (screen && ::isatty(STDIN_FILENO)) {
        UseUtf8();
        editor = std::make_unique<LineEditor>(stdin, stdout);
    } else {
        plain = std::make_unique<PlainInput>(STDIN_FILENO);
    }
    std::unique_ptr<View> view;
    if (screen) {
        view = std::make_unique<ScreenView>(stdout, editor.get(), ColourWanted());
    } else {
        view = std::make_unique<StreamView>(stdout);
    }
    RoomFeed feed(world.host(), world.gui(), *view);
    live_feed = &feed;
    struct Detach {
        RoomFeed*& feed;
        ~Detach() { feed = nullptr; }
    } detach{live_feed};
    TerminalSource source(world, editor ? static_cast<LineInput&>(*editor) : *plain, *view, feed,
                          &signals);
    source.Greet(options.speed);
    return world.Run(source);
}

}  // namespace

int RunInteractive(const Options& options) {
    try {
        return RunSession(options);
    } catch (const std::exception& e) {
        // The terminal has been given back by now: the session's objects are gone.
        std::cerr << "kelvarnook-sim: " << e.what() << '\n';
        return 1;
    }
}

}  // namespace kn::sim
