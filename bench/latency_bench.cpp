// How long a line that enters the transcript waits for its ChatLine when only the scanner's
// poll timer finds it, as on Windows, where no change in the host's process is heard.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "bench/started_program.h"
#include "bridge/chat_scanner.h"
#include "platform/sim/iconv_code_page.h"
#include "platform/sim/sim_gui_runtime.h"
#include "standin/sim/sim_host.h"
#include "tests/native/bare_host.h"
#include "windows/forms.h"

namespace kn::bench {
namespace {

FormDesign ProbeDesign() {
    FormDesign design;
    design.name = "Probe";
    return design;
}

// The real scanner on the wall clock, without the program; its handler notes the time.
struct PollOnlyRoom {
    sim::RealClock clock{1};
    sim::Scheduler scheduler{clock};
    sim::Record record{scheduler, nullptr};
    sim::SimWindowSystem ws;
    IconvCodePage cp;
    test::ScratchDir dir;
    sim::SimGuiRuntime gui{scheduler, ws, record, dir.dir().string()};
    sim::SimHost host{ws, cp, record, "Owner"};
    HostBridge bridge{ws, cp, gui};
    test::NoEvents events;
    std::unique_ptr<FormWindow> form = gui.CreateForm(ProbeDesign(), events);
    double raised_at = -1;
    ChatScanner::ChatLineHandler note = [this](auto&, auto&) { raised_at = gui.Now(); };
    ChatScanner scanner{bridge, ws, cp, gui, *form, Form1::kScanTimerId, note};

    void WaitUntil(double t) {
        while (gui.Now() < t) gui.WaitForEvents(t - gui.Now());
    }
};

void LineToChatLine(benchmark::State& state) {
    PollOnlyRoom room;
    room.host.Start();
    room.scanner.StartScan();
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> phase(0, ChatScanner::kPollMs / 1000.0);
    std::vector<double> samples;
    double worst = 0;
    for (auto _ : state) {
        room.WaitUntil(room.gui.Now() + phase(rng));  // a random point in the poll period
        room.raised_at = -1;
        room.host.MemberSays("Bob", "hello");
        const double said = room.gui.Now();
        while (room.raised_at < 0) room.gui.WaitForEvents(1);
        const double latency = room.raised_at - said;
        state.SetIterationTime(latency);
        samples.push_back(latency);
        worst = std::max(worst, latency);
    }
    state.counters["median_ms"] = Median(samples) * 1e3;
    state.counters["max_ms"] = worst * 1e3;
    state.counters["poll_ms"] = ChatScanner::kPollMs;  // what the wait is held against
}
BENCHMARK(LineToChatLine)->Iterations(25)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kn::bench
