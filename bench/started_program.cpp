// Building the started program for the benchmarks: settings, host windows, a transcript that
// keeps its size, and start-up run to its end before anything is measured.
#include "bench/started_program.h"

#include <time.h>

#include <algorithm>

#include "bridge/host_windows.h"
#include "windows/forms.h"

namespace kn::bench {

void WriteSettings(const test::ScratchDir& dir) {
    dir.Write("kelvarnook.ini",
              "[prefs]\r\nHANDLE=abc\r\nCOLOR1=c0c0c0\r\nCOLOR2=99ccff\r\nREASON=gone fishing\r\n");
}

std::string MemberLine(std::size_t n) {
    std::string name = "Member" + std::to_string(n % 1000);
    std::string line = "\r\n" + name + ":\t";
    line.resize(kLineBytes, 'x');
    return line;
}

StartedProgram::StartedProgram(const Setup& setup) {
    WriteSettings(dir_);
    sim::Options options;
    options.dir = dir_.dir().string();
    options.speed = setup.speed;
    options.out = nullptr;  // the record is not what is measured
    world_ = std::make_unique<sim::World>(options);
    sim::SimHost& host = world_->host();
    host.Start();
    for (int i = 0; i < setup.host_windows; ++i) host.OpenWindow("window " + std::to_string(i));
    FillTranscript(setup.transcript_bytes);
    world_->program().form1().window().Show(Activation::Activate);
    HandlePending();
}

StartedProgram::~StartedProgram() = default;

sim::SimWindowSystem& StartedProgram::windows() {
    // The world's window system is the simulated one; the program only sees its interface.
    return static_cast<sim::SimWindowSystem&>(world_->program().window_system());
}

ChatScanner& StartedProgram::scanner() {
    return world_->program().form1().VexoScan1();
}

// Set as history before the program starts, so the scanner takes it as already said.
void StartedProgram::FillTranscript(std::size_t bytes) {
    const std::size_t lines = std::max<std::size_t>(1, bytes / kLineBytes);
    std::string text;
    text.reserve(lines * kLineBytes);
    for (std::size_t i = 0; i < lines; ++i) text += MemberLine(i);
    sim::SimHost& host = world_->host();
    host.SetTranscriptLimit(lines);
    const WindowHandle transcript =
        windows().FindChild(host.FrontRoom(), 0, host_class::kTranscript);
    windows().SetRawText(transcript, std::move(text));
}

double Median(std::vector<double>& samples) {
    if (samples.empty()) return 0;
    const auto mid = samples.begin() + static_cast<std::ptrdiff_t>(samples.size() / 2);
    std::nth_element(samples.begin(), mid, samples.end());
    return *mid;
}

namespace {
double Seconds(clockid_t clock) {
    timespec ts{};
    clock_gettime(clock, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}
}  // namespace

double ProcessCpuSeconds() {
    return Seconds(CLOCK_PROCESS_CPUTIME_ID);
}

double MonotonicSeconds() {
    return Seconds(CLOCK_MONOTONIC);
}

}  // namespace kn::bench
