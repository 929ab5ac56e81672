// The chat scanner's poll of a transcript that has not changed: by transcript size and by how
// many lines it has already read, which must not make it slower.
#include <benchmark/benchmark.h>

#include "bench/started_program.h"
#include "bridge/chat_scanner.h"

namespace kn::bench {
namespace {

// Polls in a row, so the mean includes the periodic full read at its share.
void UnchangedPoll(benchmark::State& state) {
    StartedProgram program(
        Room(static_cast<int>(state.range(0)), static_cast<std::size_t>(state.range(1))));
    ChatScanner& scanner = program.scanner();
    for (auto _ : state) scanner.Poll();
}
BENCHMARK(UnchangedPoll)
    ->ArgNames({"windows", "transcript"})
    ->Args({20, 1 << 10})
    ->Args({20, 64 << 10})
    ->Args({20, 1 << 20})
    ->Args({1, 1 << 10})
    ->Args({10, 1 << 10})
    ->Args({100, 1 << 10});

// The room keeps its last lines only, as a real one does; the scanner reads `lines` first.
void UnchangedPollAfterLines(benchmark::State& state) {
    StartedProgram program(Room(20, 1 << 10));
    sim::SimHost& host = program.world().host();
    for (std::int64_t i = 0; i < state.range(0); ++i) {
        host.MemberSays("Member" + std::to_string(i % 1000), "hello there, how is everyone");
        program.HandlePending();
    }
    ChatScanner& scanner = program.scanner();
    for (auto _ : state) scanner.Poll();
}
BENCHMARK(UnchangedPollAfterLines)->ArgName("lines_read")->Arg(10)->Arg(1000)->Arg(100000);

}  // namespace
}  // namespace kn::bench
