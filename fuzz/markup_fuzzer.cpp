// Fuzzes the simulated host's markup renderer: no input fails, the runs add up to the shown
// text, a shown "<" never opens a tag that closes later, and rendering twice changes nothing.
#include <algorithm>

#include "fuzz/fuzz_support.h"
#include "standin/sim/markup.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using kn::fuzz::Fail;
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    const std::vector<kn::sim::Run> runs = kn::sim::ParseMarkup(line);
    const std::string plain = kn::sim::RenderPlain(line);

    std::string joined;
    for (const kn::sim::Run& run : runs) {
        if (run.text.empty()) Fail("an empty run");
        joined += run.text;
    }
    if (joined != plain) Fail("runs and text differ");
    if (plain.size() > line.size()) Fail("text longer than the line");
    if (line.find('<') == std::string_view::npos && plain != line) Fail("plain text changed");

    const std::size_t open = plain.find('<');
    if (open != std::string::npos && plain.find('>', open) != std::string::npos) {
        Fail("a tag shown as text");
    }
    if (kn::sim::RenderPlain(plain) != plain) Fail("rendering twice changes the text");

    // Every colour is one that a tag of the line spelled out.
    for (const kn::sim::Run& run : runs) {
        if (!run.color.empty() && line.find(run.color) == std::string_view::npos) {
            Fail("a colour from nowhere");
        }
    }
    return 0;
}
