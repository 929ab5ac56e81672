// A whole day of idle session replayed in virtual time: start-up, the owner going idle, and
// 1,440 minute ticks of two lines each, every line coming back through the scanner; beside it,
// the same day's window-system calls made bare.
#include <benchmark/benchmark.h>

#include "app/sim/replay.h"
#include "app/sim/script.h"
#include "bench/bare_calls.h"
#include "bench/started_program.h"
#include "bridge/chat_scanner.h"

namespace kn::bench {
namespace {

constexpr char kDayIdle[] =
    "owner reason gone fishing\n"
    "owner idleon\n"
    "@86430 dump\n";

void DayOfIdleReplay(benchmark::State& state) {
    int ticks = 0;
    for (auto _ : state) {
        test::ScratchDir dir;
        WriteSettings(dir);
        sim::Options options;
        options.dir = dir.dir().string();
        options.out = nullptr;
        sim::World world(options);
        int idle_lines = 0;
        world.record().AddObserver([&](sim::Micros, std::string_view kind, std::string_view text) {
            if (kind == "post" && text.find("is idle. H") != std::string_view::npos) ++idle_lines;
        });
        sim::ReplaySource source(world, sim::ParseScript(kDayIdle));
        benchmark::DoNotOptimize(world.Run(source));
        ticks = idle_lines;
    }
    state.counters["ticks"] = ticks;  // 1440 when the day was replayed whole
}
BENCHMARK(DayOfIdleReplay)->Unit(benchmark::kMillisecond)->MinTime(2);

// What the replayed day has to ask of the simulated host, made bare on a host of its own: a
// poll of the unchanged room every 200 ms of the day (the whole text every 25th), and each
// minute two idle lines posted and each read back with the owner test.
void BareDayOfIdle(benchmark::State& state) {
    constexpr char kIdleLine[] =
        "</b><font color=#c0c0c0 face=\"tahoma\">            \x9B <font color=#99ccff>abc "
        "<font color=#c0c0c0>is idle. H <font color=#99ccff>0<font color=#c0c0c0>  M "
        "<font color=#99ccff>1";
    constexpr int kPollsPerMinute = 60000 / ChatScanner::kPollMs;
    for (auto _ : state) {
        test::ScratchDir dir;
        sim::Options options;
        options.dir = dir.dir().string();
        options.out = nullptr;
        sim::World world(options);
        world.host().Start();
        WindowSystem& ws = world.program().window_system();
        for (int minute = 0; minute < 1440; ++minute) {
            for (int poll = 1; poll <= kPollsPerMinute; ++poll) {
                BareIdlePoll(ws, poll % ChatScanner::kFullReadEvery == 0);
            }
            for (int line = 0; line < 2; ++line) {
                BarePost(ws, kIdleLine);
                BareLine(ws);
            }
        }
    }
}
BENCHMARK(BareDayOfIdle)->Unit(benchmark::kMillisecond)->MinTime(2);

}  // namespace
}  // namespace kn::bench
