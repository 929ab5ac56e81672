// The stand-in host's command line: who is signed on, where the record goes, how long a
// transcript grows, whether a person sees the host's windows and whether a room is open.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace standin {

struct Options {
    std::wstring screen_name = L"Owner";
    std::wstring record_path;     // empty: nothing is recorded
    std::size_t max_lines = 500;  // lines a room's transcript keeps before it drops the oldest
    bool visible = false;         // a person watches and types into the room
    bool help = false;            // --help: the usage line, and nothing started
    bool no_room = false;         // it starts with no chat room open (for pictures of the sign)
};

// The usage line, for --help and for a start without arguments.
inline constexpr char kUsage[] =
    "usage: kn-standin-host [--visible] [--no-room] [--screen-name NAME] [--record FILE] "
    "[--max-lines N]\n"
    "       kn-standin-host --send LINE   (hands LINE to the running host's control window)\n";

// `args` without the program's own name. Nothing on an unknown option, a missing value or a
// line count that is not a whole number of at least 1.
std::optional<Options> ParseOptions(const std::vector<std::wstring>& args);

}  // namespace standin
