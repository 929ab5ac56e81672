// The CPU that Pause(0.51) costs on the wall clock, beside a literal busy-wait pause that
// runs the event pump flat out, measured in the same run with the scanner's poll timer going.
#include <benchmark/benchmark.h>

#include <functional>

#include "bench/started_program.h"
#include "core/chat_lines.h"

namespace kn::bench {
namespace {

// A pause as a busy wait: test the time, run the event pump, again, with no sleep between.
void BusyWaitPause(GuiRuntime& gui, double seconds) {
    const double start = gui.Now();
    while (gui.Now() - start < seconds) gui.DoEvents();
}

void MeasurePause(benchmark::State& state, const std::function<void(StartedProgram&)>& pause) {
    StartedProgram program(Room(20, 64 << 10, 1));
    double cpu = 0, wall = 0;
    for (auto _ : state) {
        const double cpu0 = ProcessCpuSeconds(), wall0 = MonotonicSeconds();
        pause(program);
        cpu += ProcessCpuSeconds() - cpu0;
        wall += MonotonicSeconds() - wall0;
    }
    state.counters["cpu_pct_of_core"] = wall > 0 ? 100 * cpu / wall : 0;
    state.counters["cpu_s"] = cpu;
    state.counters["wall_s"] = wall;
}

void PauseCpu(benchmark::State& state) {
    MeasurePause(state, [](StartedProgram& p) { p.bridge().Pause(kLinePause); });
}

void BusyWaitPauseCpu(benchmark::State& state) {
    MeasurePause(state, [](StartedProgram& p) { BusyWaitPause(p.world().gui(), kLinePause); });
}

BENCHMARK(PauseCpu)->Iterations(6)->Unit(benchmark::kMillisecond);
BENCHMARK(BusyWaitPauseCpu)->Iterations(6)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kn::bench
