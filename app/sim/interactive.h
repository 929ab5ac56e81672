// Interactive mode: the owner types at the terminal in real time; a line with a leading "/"
// is a verb, any other line is the owner speaking in the room (or answering the open prompt).
#pragma once

#include <deque>
#include <string>

#include "app/sim/line_input.h"
#include "app/sim/room_feed.h"
#include "app/sim/signal_pipe.h"
#include "app/sim/terminal_view.h"
#include "app/sim/world.h"

namespace kn::sim {

class TerminalSource final : public EventSource {
  public:
    // `signals` may be null.
    TerminalSource(World& world, LineInput& input, View& view, RoomFeed& feed, SignalPipe* signals)
        : world_(world), input_(input), view_(view), feed_(feed), signals_(signals) {}

    std::optional<Micros> NextTime() override;
    void DeliverNext() override;
    bool Finished() override { return quit_done_ && queue_.empty(); }
    // Brings the face and the prompt up to date, then waits for keys or a signal.
    void AwaitInput(int real_ms) override;

    // What the owner sees before the program starts.
    void Greet(double speed);

  private:
    bool Asking() const { return feed_.prompts_opened() > answers_; }
    void Refresh();
    void TakeSignals();
    void Handle(const std::string& line);
    void RunVerb(const std::string& line);
    void Perform(const Event& event);  // counts the answers given
    void Help();
    void RequestQuit();
    void Quit();

    World& world_;
    LineInput& input_;
    View& view_;
    RoomFeed& feed_;
    SignalPipe* signals_;
    std::deque<std::string> queue_;  // typed lines not yet handled
    int answers_ = 0;                // prompts answered or cancelled from here
    bool input_open_ = true;
    bool quit_requested_ = false;
    bool quit_done_ = false;
};

// Runs the interactive mode on standard input and output; returns the exit status.
int RunInteractive(const Options& options);

}  // namespace kn::sim
