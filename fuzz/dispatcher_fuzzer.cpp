// Fuzzes the chat line dispatcher with the whole program on the simulated host: any owner
// lines, at any gaps (inside pauses and idle ticks too), never crash, every post is a styled
// line, and the same lines from the same state give the same record and settings file.
#include <fuzzer/FuzzedDataProvider.h>

#include "app/sim/world.h"
#include "core/dispatcher.h"
#include "fuzz/fuzz_support.h"
#include "tests/native/sim_run.h"

namespace kn::fuzz {
namespace {

struct OwnerLine {
    double at;
    bool through_room;  // typed into the room, so it comes back through the scanner
    std::string text;
};

// The record and the settings file left behind.
std::pair<test::SimRun, std::string> RunOnce(const std::string& settings,
                                             const std::vector<OwnerLine>& lines) {
    const test::ScratchDir dir;
    dir.Write("kelvarnook.ini", settings);
    const test::SimRun run = test::RunEvents(dir, "Owner", [&](sim::World& w) {
        std::vector<test::TimedEvents::Event> events;
        for (const OwnerLine& line : lines) {
            events.emplace_back(line.at, [&w, &line] {
                if (!line.through_room || !w.host().OwnerSays(line.text)) {
                    HandleChatLine(w.program(), w.host().screen_name(), line.text);
                }
            });
        }
        events.emplace_back(lines.empty() ? 0 : lines.back().at + 1e-6, [&w] { w.Dump(); });
        return std::make_unique<test::TimedEvents>(std::move(events));
    });
    return {run, dir.Read("kelvarnook.ini")};
}

// Gaps in seconds that land in the middle of a pause, at its end, after it, and across an
// idle tick (rarely: a minute of virtual time is a few hundred polls of the scanner).
constexpr double kGaps[] = {0,    0.05, 0.1, 0.2, 0.3, 0.4, 0.5, 0.51,
                            0.52, 0.6,  0.8, 1,   1.5, 2,   5,   60.2};

}  // namespace
}  // namespace kn::fuzz

// The input: the stored reason, then up to six owner lines, each at a gap after the last.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kn::fuzz;
    FuzzedDataProvider in(data, size);
    std::string stored = in.ConsumeRandomLengthString();
    std::erase_if(stored, [](char c) { return c == '\r' || c == '\n'; });
    const std::string settings =
        "[prefs]\r\nHANDLE=abc\r\nCOLOR1=c0c0c0\r\nCOLOR2=99ccff\r\nREASON=" + stored + "\r\n";
    std::vector<OwnerLine> lines;
    double at = 1;
    while (in.remaining_bytes() > 0 && lines.size() < 6) {
        at += in.PickValueInArray(kGaps);
        const bool through_room = in.ConsumeBool();
        // A room line never holds a line feed: the scanner splits the transcript there.
        std::string text = in.ConsumeRandomLengthString();
        std::erase(text, '\n');
        lines.push_back({at, through_room, std::move(text)});
    }
    const auto [first, first_settings] = RunOnce(settings, lines);
    const auto [second, second_settings] = RunOnce(settings, lines);
    if (first.status != 0) Fail("the run stopped with " + std::to_string(first.status));
    for (const std::string& post : kn::test::Texts(first, "post")) {
        if (!post.starts_with("</b><font color=#"))
            Fail("a post that is not a styled line: " + post);
    }
    if (first.record != second.record) Fail("another record the second time");
    if (first_settings != second_settings) Fail("another settings file the second time");
    return 0;
}
