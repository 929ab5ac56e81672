// The terminal as an event source: input is read without blocking the event pump, so timers
// keep firing while the owner thinks.
#include "app/sim/interactive.h"

#include <poll.h>
#include <unistd.h>

#include <iostream>

namespace kn::sim {

std::optional<Micros> TerminalSource::NextTime() {
    if (!lines_.empty() || (eof_ && !done_)) return world_.scheduler().Now();
    return std::nullopt;
}

void TerminalSource::AwaitInput(int real_ms) {
    if (eof_) return;
    pollfd p{fd_, POLLIN, 0};
    if (::poll(&p, 1, real_ms) <= 0) return;
    char buf[4096];
    const ssize_t n = ::read(fd_, buf, sizeof buf);
    if (n <= 0) {
        eof_ = true;
        return;
    }
    partial_.append(buf, static_cast<std::size_t>(n));
    for (std::size_t nl; (nl = partial_.find('\n')) != std::string::npos;) {
        lines_.push_back(partial_.substr(0, nl));
        partial_.erase(0, nl + 1);
    }
}

void TerminalSource::DeliverNext() {
    if (lines_.empty()) {
        Quit();  // end of input: the main window is closed from outside
        return;
    }
    std::string line = std::move(lines_.front());
    lines_.pop_front();
    if (!line.empty() && line.back() == '\r') line.pop_back();
    try {
        Handle(line);
    } catch (const EventFault& fault) {
        std::cerr << fault.what << '\n';
    }
}

void TerminalSource::Handle(const std::string& line) {
    if (line == "/quit") return Quit();
    if (!line.starts_with("/")) {
        Event e{.line = 0,
                .at = 0,
                .verb = world_.gui().PromptOpen() ? Verb::Answer : Verb::Owner,
                .first = line,
                .second = {}};
        return world_.Perform(e);
    }
    Event e;
    if (auto bad = ParseCommand(std::string_view(line).substr(1), e)) {
        std::cerr << *bad << '\n';
        return;
    }
    world_.Perform(e);
}

void TerminalSource::Quit() {
    done_ = true;
    world_.Perform(Event{.line = 0, .at = 0, .verb = Verb::Close, .first = "Form1", .second = {}});
}

int RunInteractive(const Options& options) {
    World world(options);
    TerminalSource source(world, STDIN_FILENO);
    return world.Run(source);
}

}  // namespace kn::sim
