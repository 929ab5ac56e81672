// A line of another room member, from the scanner's wake-up through the owner test to being
// dropped, on the simulated platform; how that cost grows with host windows and transcript;
// and what an idle session's match for the owner's name adds to it.
#include <benchmark/benchmark.h>

#include <vector>

#include "bench/bare_calls.h"
#include "bench/started_program.h"
#include "core/program.h"
#include "windows/forms.h"

namespace kn::bench {
namespace {

// Each line is timed on its own: the host appending it is its cost, not the program's.
void MemberLineDropped(benchmark::State& state) {
    StartedProgram program(
        Room(static_cast<int>(state.range(0)), static_cast<std::size_t>(state.range(1))));
    sim::SimHost& host = program.world().host();
    std::size_t n = 0;
    // Lines handled untimed first, so that the allocator and caches are as in a session that
    // has been running, not as just after start-up.
    for (const double until = MonotonicSeconds() + 0.3; MonotonicSeconds() < until; ++n) {
        host.MemberSays("Member" + std::to_string(n % 1000), "hello there, how is everyone");
        program.HandlePending();
    }
    std::vector<double> samples;
    for (auto _ : state) {
        host.MemberSays("Member" + std::to_string(n % 1000), "hello there, how is everyone");
        ++n;
        const double start = MonotonicSeconds();
        program.HandlePending();
        const double took = MonotonicSeconds() - start;
        state.SetIterationTime(took);
        samples.push_back(took);
    }
    state.counters["median_us"] = Median(samples) * 1e6;
}

void Grid(benchmark::internal::Benchmark* b) {
    b->ArgNames({"windows", "transcript"});
    for (int windows : {1, 10, 100}) {
        for (int bytes : {1 << 10, 64 << 10, 1 << 20}) b->Args({windows, bytes});
    }
}

BENCHMARK(MemberLineDropped)
    ->Apply(Grid)
    ->UseManualTime()
    ->MinTime(0.1)
    ->Unit(benchmark::kMicrosecond);

// The headline: the program's handling against those bare calls, line by line in turns, each
// side first every other time, as the Wine measure does; the median of each line's ratio to
// the bare line beside it is held against the target.
void MemberLineAgainstBareCalls(benchmark::State& state) {
    StartedProgram program(Room(20, 1 << 10));
    sim::SimHost& host = program.world().host();
    WindowSystem& ws = program.world().program().window_system();
    std::size_t n = 0;
    auto say = [&] {
        host.MemberSays("Member" + std::to_string(n++ % 1000), "hello there, how is everyone");
    };
    auto time = [](auto&& work) {
        const double start = MonotonicSeconds();
        work();
        return MonotonicSeconds() - start;
    };
    for (const double until = MonotonicSeconds() + 0.3; MonotonicSeconds() < until;) {
        say();
        program.HandlePending();
    }
    std::vector<double> ours, bare, pairs;
    for (auto _ : state) {
        const bool ours_first = ours.size() % 2 == 0;
        for (int side = 0; side < 2; ++side) {
            say();
            if ((side == 0) == ours_first) {
                ours.push_back(time([&] { program.HandlePending(); }));
            } else {
                bare.push_back(time([&] { BareLine(ws); }));
                program.HandlePending();  // the program takes the line the bare calls read
            }
        }
        pairs.push_back(ours.back() / bare.back());
        state.SetIterationTime(ours.back());
    }
    state.counters["ours_median_us"] = Median(ours) * 1e6;
    state.counters["bare_median_us"] = Median(bare) * 1e6;
    state.counters["pair_ratio_median"] = Median(pairs);
}
BENCHMARK(MemberLineAgainstBareCalls)->UseManualTime()->MinTime(0.1)->Unit(benchmark::kMicrosecond);

// What the owner missed costs a member line: the same line with an idle session on and 100
// lines kept, against it with the session off, line by line in turns as above. The session's
// flag is Timer1's, switched directly so that no line of the program's own comes between.
void MemberLineSessionOnAgainstOff(benchmark::State& state) {
    StartedProgram program(Room(20, 1 << 10));
    sim::SimHost& host = program.world().host();
    Timer& session = program.world().program().form1().Timer1();
    std::size_t n = 0;
    auto say = [&](const char* text) {
        host.MemberSays("Member" + std::to_string(n++ % 1000), text);
        program.HandlePending();
    };
    session.SetEnabled(true);
    for (int i = 0; i < 100; ++i) say("abc, are you there?");
    for (const double until = MonotonicSeconds() + 0.3; MonotonicSeconds() < until;) {
        say("hello there, how is everyone");
    }
    std::vector<double> on, off, pairs;
    for (auto _ : state) {
        const bool on_first = on.size() % 2 == 0;
        for (int side = 0; side < 2; ++side) {
            const bool session_on = (side == 0) == on_first;
            session.SetEnabled(session_on);
            host.MemberSays("Member" + std::to_string(n++ % 1000), "hello there, how is everyone");
            const double start = MonotonicSeconds();
            program.HandlePending();
            (session_on ? on : off).push_back(MonotonicSeconds() - start);
        }
        pairs.push_back(on.back() / off.back());
        state.SetIterationTime(on.back());
    }
    state.counters["on_median_us"] = Median(on) * 1e6;
    state.counters["off_median_us"] = Median(off) * 1e6;
    state.counters["pair_ratio_median"] = Median(pairs);
}
BENCHMARK(MemberLineSessionOnAgainstOff)
    ->UseManualTime()
    ->MinTime(0.1)
    ->Unit(benchmark::kMicrosecond);

// The owner test alone, which walks every host window in front of the welcome window.
void OwnScreenName(benchmark::State& state) {
    StartedProgram program(Room(static_cast<int>(state.range(0)), 1 << 10));
    for (auto _ : state) benchmark::DoNotOptimize(program.bridge().GetOwnScreenName());
}
BENCHMARK(OwnScreenName)->ArgName("windows")->Arg(1)->Arg(10)->Arg(100);

// Posting one line: the room search, the input box and the host saying it.
void PostLine(benchmark::State& state) {
    StartedProgram program(Room(static_cast<int>(state.range(0)), 1 << 10));
    const std::string line =
        "</b><font color=#c0c0c0 face=\"tahoma\">            \xE2\x80\xBA <font color=#99ccff>"
        "abc <font color=#c0c0c0>is idle. H <font color=#99ccff>0<font color=#c0c0c0>  M "
        "<font color=#99ccff>1";
    for (auto _ : state) {
        program.bridge().ChatSend(line);
        state.PauseTiming();
        program.HandlePending();  // the line coming back through the scanner is not posting
        state.ResumeTiming();
    }
}
BENCHMARK(PostLine)->ArgName("windows")->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kn::bench
