// Fuzzes the simulator's script parser: any bytes are refused with a line number or parse
// into events that, written back out, parse into the same events.
#include <algorithm>
#include <cinttypes>
#include <vector>

#include "app/sim/script.h"
#include "fuzz/fuzz_support.h"

namespace kn::fuzz {
namespace {

using sim::Verb;

// The verb's fixed words and how its argument is written back.
enum class Shape { None, Text, Named, Field };

struct Form {
    Verb verb;
    const char* words;
    Shape shape;
};

constexpr Form kForms[] = {
    {Verb::Owner, "owner", Shape::Text},
    {Verb::Chat, "chat", Shape::Named},
    {Verb::Draft, "draft", Shape::Text},
    {Verb::Click, "click", Shape::Text},
    {Verb::Type, "type", Shape::Field},
    {Verb::Answer, "answer", Shape::Text},
    {Verb::Cancel, "cancel", Shape::None},
    {Verb::Close, "close", Shape::Text},
    {Verb::Dump, "dump", Shape::None},
    {Verb::HostSignon, "host signon", Shape::Text},
    {Verb::HostSignoff, "host signoff", Shape::None},
    {Verb::HostTitle, "host title", Shape::Text},
    {Verb::HostRoomOpen, "host room open", Shape::None},
    {Verb::HostRoomClose, "host room close", Shape::None},
    {Verb::HostWindow, "host window", Shape::Text},
    {Verb::HostQuit, "host quit", Shape::None},
    {Verb::HostStart, "host start", Shape::None},
    {Verb::HostLineEnd, "host line-end", Shape::Text},
};

const Form& FormOf(Verb verb) {
    for (const Form& f : kForms) {
        if (f.verb == verb) return f;
    }
    Fail("verb without a form");
}

std::string Written(const sim::Event& e) {
    char time[48];
    std::snprintf(time, sizeof time, "@%" PRId64 ".%06" PRId64 " ", e.at / 1000000, e.at % 1000000);
    const Form& f = FormOf(e.verb);
    std::string line = time + std::string(f.words);
    switch (f.shape) {
        case Shape::None:
            break;
        case Shape::Text:
            line += " " + e.first;
            break;
        case Shape::Named:
            line += " " + e.first + ": " + e.second;
            break;
        case Shape::Field:
            line += " " + e.first + " " + e.second;
            break;
    }
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
    if (reread.size() != events.size()) Fail("written back, another count");
    for (std::size_t i = 0; i < events.size(); ++i) {
        if (!Same(events[i], reread[i])) Fail("written back, another event: " + Written(events[i]));
    }
}

}  // namespace
}  // namespace kn::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kn::fuzz::Check(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
