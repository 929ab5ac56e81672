// Fuzzes the simulator's script parser: any bytes are refused with a line number or parse
// into events that, written back out, parse into the same events.
#include <algorithm>
#include <cinttypes>
#include <vector>

#include "app/sim/script.h"
#include "fuzz/fuzz_support.h"

namespace kn::fuzz {
namespace {

// What stands between a verb's two arguments; null when it takes none.
const char* Between(sim::Arg arg) {
    if (arg == sim::Arg::None) return nullptr;
    if (arg == sim::Arg::Named) return ": ";
    return arg == sim::Arg::Field ? " " : "";
}

std::string Written(const sim::Event& e) {
    char time[48];
    std::snprintf(time, sizeof time, "@%" PRId64 ".%06" PRId64 " ", e.at / 1000000, e.at % 1000000);
    std::string line = time + std::string(e.verb->words);
    if (const char* between = Between(e.verb->arg)) line += " " + e.first + between + e.second;
    // CR LF, so that an argument ending in CR keeps it.
    return line + "\r\n";
}

bool Same(const sim::Event& a, const sim::Event& b) {
    return a.at == b.at && a.verb == b.verb && a.first == b.first && a.second == b.second;
}

void Check(std::string_view script) {
    const auto lines = static_cast<int>(std::count(script.begin(), script.end(), '\n')) + 1;
    std::vector<sim::Event> events;
    try {
        events = sim::ParseScript(script);
    } catch (const sim::ParseError& e) {
        if (e.line < 1 || e.line > lines || e.what.empty()) Fail("bad error " + e.Message());
        return;
    }
    std::string again;
    for (std::size_t i = 0; i < events.size(); ++i) {
        const sim::Event& e = events[i];
        if (e.at < 0 || e.line < 1 || e.line > lines) Fail("event out of range");
        if (i > 0 && (e.line <= events[i - 1].line || e.at < events[i - 1].at)) {
            Fail("events out of order");
        }
        again += Written(e);
    }
    std::vector<sim::Event> reread;
    try {
        reread = sim::ParseScript(again);
    } catch (const sim::ParseError& e) {
        Fail("written back, refused: " + e.Message());
    }
    const auto [was, now] =
        std::mismatch(events.begin(), events.end(), reread.begin(), reread.end(), Same);
    if (was != events.end()) Fail("written back, another event: " + Written(*was));
    if (now != reread.end()) Fail("written back, more events");
}

}  // namespace
}  // namespace kn::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kn::fuzz::Check(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
