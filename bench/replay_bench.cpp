// A whole day of idle session replayed in virtual time: start-up, the owner going idle, and
// 1,440 minute ticks of two lines each, every line coming back through the scanner.
#include <benchmark/benchmark.h>

#include "app/sim/replay.h"
#include "app/sim/script.h"
#include "bench/started_program.h"

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

}  // namespace
}  // namespace kn::bench
