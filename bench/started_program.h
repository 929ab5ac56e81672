// The program started on the simulated platform and held open between measurements: a host
// with a given number of windows and a transcript of a given size, on a virtual or real clock.
#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/sim/world.h"
#include "bridge/chat_scanner.h"
#include "tests/shared/scratch_dir.h"

namespace kn::bench {

// A settings file in `dir`, so start-up asks for nothing.
void WriteSettings(const test::ScratchDir& dir);

struct Setup {
    // Ordinary host windows open in front of the welcome window and the chat room, so that
    // both walks of the host's windows pass over all of them.
    int host_windows = 20;
    // What the room already holds when the program starts; the host keeps it at that size.
    std::size_t transcript_bytes = 1024;
    // 0: virtual time; otherwise the wall clock.
    double speed = 0;
};

inline Setup Room(int host_windows, std::size_t transcript_bytes, double speed = 0) {
    Setup s;
    s.host_windows = host_windows;
    s.transcript_bytes = transcript_bytes;
    s.speed = speed;
    return s;
}

// One member line of the shape the transcripts here are made of (64 bytes with its line end).
std::string MemberLine(std::size_t n);
inline constexpr std::size_t kLineBytes = 64;

class StartedProgram {
  public:
    explicit StartedProgram(const Setup& setup);
    ~StartedProgram();

    sim::World& world() { return *world_; }
    sim::SimWindowSystem& windows();
    HostBridge& bridge() { return world_->program().bridge(); }
    ChatScanner& scanner();

    // Everything now due: the scanner's wake-up after a change and all that follows from it.
    void HandlePending() { world_->scheduler().DoEvents(); }

  private:
    void FillTranscript(std::size_t bytes);

    test::ScratchDir dir_;
    std::unique_ptr<sim::World> world_;
};

// The median of `samples` (which it reorders).
double Median(std::vector<double>& samples);

// CPU seconds used by this process so far.
double ProcessCpuSeconds();
// Seconds on the monotonic clock.
double MonotonicSeconds();

}  // namespace kn::bench
