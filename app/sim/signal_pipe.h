// Ctrl-C, hang-ups, termination and resizes, turned into bytes on a pipe, so the event pump
// wakes for them in the same poll that waits for the owner's keys.
#pragma once

#include <csignal>

namespace kn::sim {

class SignalPipe {
  public:
    SignalPipe();  // one at a time; restores the old handlers when it goes
    ~SignalPipe();
    SignalPipe(const SignalPipe&) = delete;
    SignalPipe& operator=(const SignalPipe&) = delete;

    int fd() const { return read_fd_; }

    struct Caught {
        bool quit = false;     // SIGINT, SIGTERM, SIGHUP
        bool resized = false;  // SIGWINCH, and SIGCONT after a stop
    };
    Caught Drain();

  private:
    static constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGWINCH, SIGCONT, SIGPIPE};
    int read_fd_ = -1;
    struct sigaction old_[sizeof kSignals / sizeof kSignals[0]] = {};
};

}  // namespace kn::sim
