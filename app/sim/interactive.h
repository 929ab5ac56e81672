// Interactive mode: the owner types at the terminal in real time; a line with a leading "/"
// is a verb, any other line is the owner speaking in the room (or answering the open prompt).
#pragma once

#include <deque>
#include <string>

#include "app/sim/world.h"

namespace kn::sim {

class TerminalSource final : public EventSource {
  public:
    TerminalSource(World& world, int fd) : world_(world), fd_(fd) {}

    std::optional<Micros> NextTime() override;
    void DeliverNext() override;
    bool Finished() override { return done_ && lines_.empty(); }
    void AwaitInput(int real_ms) override;

  private:
    void Handle(const std::string& line);
    void Quit();

    World& world_;
    int fd_;
    std::string partial_;
    std::deque<std::string> lines_;
    bool done_ = false;
    bool eof_ = false;
};

// Runs the interactive mode on standard input; returns the exit status.
int RunInteractive(const Options& options);

}  // namespace kn::sim
