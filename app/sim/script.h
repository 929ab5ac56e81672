// The simulator's scripts: one timed event a line. Parsing refuses a whole script at its
// first bad line, so that nothing of a script that can't be read is run.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/sim/sim_scheduler.h"

namespace kn::sim {

enum class Verb {
    Owner,
    Chat,
    Draft,
    Click,
    Type,
    Answer,
    Cancel,
    Close,
    Dump,
    HostSignon,
    HostSignoff,
    HostTitle,
    HostRoomOpen,
    HostRoomClose,
    HostWindow,
    HostQuit,
    HostStart,
    HostLineEnd,
    HostBusy,
};

struct Event {
    int line = 0;   // 1-based line of the script
    Micros at = 0;  // virtual time
    Verb verb = Verb::Dump;
    std::string first;   // NAME of chat, FIELD of type, TARGET, WINDOW, S; else the argument
    std::string second;  // TEXT of chat and type
};

struct ParseError {
    int line;
    std::string what;
    std::string Message() const { return "line " + std::to_string(line) + ": " + what; }
};

// The line break named by a `host line-end` argument: CRLF, CR or LF.
std::string_view LineBreakNamed(std::string_view name);

// The span named by a `host busy` argument, which the parser has checked.
Micros SecondsNamed(std::string_view seconds);

// One line without its time, as typed at the terminal or in a script after the time.
// Returns the error text, or nothing when `out` was filled.
std::optional<std::string> ParseCommand(std::string_view text, Event& out);

// The whole script; throws ParseError.
std::vector<Event> ParseScript(std::string_view script);

}  // namespace kn::sim
