// The simulator's scripts: one timed event a line. Parsing refuses a whole script at its
// first bad line, so that nothing of a script that can't be read is run.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/sim/sim_scheduler.h"

namespace kn::sim {

class World;
struct Event;

// The shape of a verb's argument, as the parser checks it.
enum class Arg { None, Text, Named, Target, Field, Window, LineEnd, Seconds };

// Where a verb acts, as far as the open prompt and the terminal care.
enum class Acts {
    OnHost,     // the stand-in host's own doings, and dump
    InRoom,     // someone speaks in the room, and the room shows it
    OnWindows,  // a person's hand on the program's windows, which an open prompt holds back
    OnPrompt,   // answers the open prompt
};

// One verb: its fixed words, its argument, where it acts, what it does (throwing EventFault
// when the world has nothing for it to act on) and how the terminal's /help tells it.
struct Verb {
    std::string_view words;
    Arg arg;
    Acts acts;
    void (*perform)(World&, const Event&);
    std::string_view help;
};

// A word an argument may be, and what it names there (may be empty).
struct Choice {
    std::string_view word;
    std::string_view names;
};

struct Event {
    int line = 0;   // 1-based line of the script
    Micros at = 0;  // virtual time
    const Verb* verb = nullptr;
    std::string first;   // NAME of chat, FIELD of type, TARGET, WINDOW, S; else the argument
    std::string second;  // TEXT of chat and type
};

struct ParseError {
    int line;
    std::string what;
    std::string Message() const { return "line " + std::to_string(line) + ": " + what; }
};

// Every verb, in the order /help lists them.
std::span<const Verb> Verbs();

// How /help writes an argument of one shape ("TEXT", "NAME: TEXT"; empty for none), the words
// it must be one of (none when any text will do), and what the parser calls a word that isn't.
struct Shape {
    std::string_view written;
    std::span<const Choice> choices;
    std::string_view called;
};
const Shape& ShapeOf(Arg arg);

// One line without its time, as typed at the terminal or in a script after the time.
// Returns the error text, or nothing when `out` was filled.
std::optional<std::string> ParseCommand(std::string_view text, Event& out);

// The whole script; throws ParseError.
std::vector<Event> ParseScript(std::string_view script);

}  // namespace kn::sim
