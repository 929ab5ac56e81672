// The handler only writes the signal's number to the pipe; everything else happens in the
// pump, outside the handler. A broken output pipe is ignored: the write fails, the run goes on.
#include "app/sim/signal_pipe.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <iterator>

namespace kn::sim {

namespace {

int g_write_fd = -1;

void OnSignal(int sig) {
    const int saved = errno;
    const char c = static_cast<char>(sig);
    // A full pipe already holds enough to wake the pump: the byte may be dropped.
    if (::write(g_write_fd, &c, 1) < 0) {
    }
    errno = saved;
}

}  // namespace

SignalPipe::SignalPipe() {
    int fds[2];
    if (::pipe2(fds, O_NONBLOCK | O_CLOEXEC) != 0) return;  // no pipe: signals keep defaults
    read_fd_ = fds[0];
    g_write_fd = fds[1];
    for (std::size_t i = 0; i < std::size(kSignals); ++i) {
        struct sigaction sa {};
        sa.sa_handler = kSignals[i] == SIGPIPE ? SIG_IGN : OnSignal;
        sigemptyset(&sa.sa_mask);
        sigaction(kSignals[i], &sa, &old_[i]);
    }
}

SignalPipe::~SignalPipe() {
    if (read_fd_ < 0) return;
    for (std::size_t i = 0; i < std::size(kSignals); ++i) sigaction(kSignals[i], &old_[i], nullptr);
    ::close(read_fd_);
    ::close(g_write_fd);
    g_write_fd = -1;
}

SignalPipe::Caught SignalPipe::Drain() {
    Caught caught;
    char buf[64];
    ssize_t n;
    while (read_fd_ >= 0 && (n = ::read(read_fd_, buf, sizeof buf)) > 0) {
        for (ssize_t i = 0; i < n; ++i) {
            const int sig = static_cast<unsigned char>(buf[i]);
            if (sig == SIGWINCH || sig == SIGCONT) {
                caught.resized = true;
            } else {
                caught.quit = true;
            }
        }
    }
    return caught;
}

}  // namespace kn::sim
