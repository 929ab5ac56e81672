// Fuzzes what the owner missed with the whole program on the simulated host: member lines of
// any bytes, under any speaker, during an idle session. The lines kept are exactly those a
// slow, plain reading of the match would keep, the last 100 of them, each one list line with
// no control byte, and no member line makes the program post or write anything.
#include <fuzzer/FuzzedDataProvider.h>

#include "app/sim/world.h"
#include "core/dispatcher.h"
#include "core/idle_session.h"
#include "core/missed_lines.h"
#include "fuzz/fuzz_support.h"
#include "platform/ascii.h"
#include "tests/native/sim_run.h"
#include "windows/designs.h"

namespace kn::fuzz {
namespace {

struct MemberLine {
    std::string speaker;
    std::string text;
};

bool JoinsWord(unsigned char c) {
    return std::isalnum(c) != 0 || c > 0x7F;
}

// The match read plainly: both lower-cased whole, every place tried, the edges looked at.
bool NamedPlainly(const std::string& text, const std::string& name) {
    if (name.find_first_not_of(' ') == std::string::npos) return false;
    const std::string t = LowerAscii(text), n = LowerAscii(name);
    for (std::size_t at = t.find(n); at != std::string::npos; at = t.find(n, at + 1)) {
        const std::size_t end = at + n.size();
        const bool before = at > 0 && JoinsWord(static_cast<unsigned char>(t[at - 1]));
        const bool after = end < t.size() && JoinsWord(static_cast<unsigned char>(t[end]));
        if (!before && !after) return true;
    }
    std::string blankless = name;
    std::erase(blankless, ' ');
    return blankless != name && NamedPlainly(text, blankless);
}

constexpr char kScreenName[] = "Big Owner";
constexpr char kHandle[] = "abc";

}  // namespace
}  // namespace kn::fuzz

// The input: member lines, each a speaker (sometimes the owner's screen name) and a text.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kn::fuzz;
    FuzzedDataProvider in(data, size);
    std::vector<MemberLine> lines;
    while (in.remaining_bytes() > 0 && lines.size() < 120) {
        std::string speaker = in.ConsumeBool() ? kScreenName : in.ConsumeRandomLengthString(12);
        lines.push_back({std::move(speaker), in.ConsumeRandomLengthString()});
    }
    std::size_t expected = 0;
    for (const MemberLine& line : lines) {
        if (line.speaker == kScreenName) continue;
        if (NamedPlainly(line.text, kScreenName) || NamedPlainly(line.text, kHandle)) ++expected;
    }
    const kn::test::ScratchDir dir;
    const std::string settings =
        "[prefs]\r\nHANDLE=abc\r\nCOLOR1=c0c0c0\r\nCOLOR2=99ccff\r\n"
        "REASON=nap\r\n";
    dir.Write("kelvarnook.ini", settings);
    std::vector<std::string> kept;
    const kn::test::SimRun run = kn::test::RunEvents(
        dir, kScreenName,
        [&](kn::sim::World& w) {
            std::vector<kn::test::TimedEvents::Event> events;
            events.emplace_back(1, [&w] { kn::StartIdleSession(w.program()); });
            events.emplace_back(2, [&w, &lines] {
                for (const MemberLine& line : lines) {
                    if (line.speaker != kScreenName) {
                        kn::HandleChatLine(w.program(), line.speaker, line.text);
                    }
                }
            });
            return std::make_unique<kn::test::TimedEvents>(std::move(events));
        },
        [&](kn::sim::World& w) {
            if (kn::sim::SimForm* f4 = w.gui().Form("Form4")) kept = f4->Items(kn::form4::List1);
        });
    if (run.status != 0) Fail("the run stopped with " + std::to_string(run.status));
    for (const std::string& line : run.record) {
        if (line.starts_with("2.00 ")) Fail("a member line made a record line: " + line);
    }
    const std::size_t cap = kn::kMissedLinesKept;
    if (kept.size() != std::min(expected, cap)) {
        Fail("kept " + std::to_string(kept.size()) + " of " + std::to_string(expected));
    }
    for (const std::string& item : kept) {
        for (char c : item) {
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) Fail("a control byte kept");
        }
    }
    if (dir.Read("kelvarnook.ini") != settings) Fail("the settings file changed");
    return 0;
}
