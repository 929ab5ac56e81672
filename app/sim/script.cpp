// Script syntax: "[TIME] VERB [ARGUMENT]", TIME "+S" or "@S"; the argument is everything
// after the single blank that follows the verb or its fixed words, blanks kept. Each verb is
// one row of kVerbs: its words, its argument and what it does to the world.
#include "app/sim/script.h"

#include <cctype>

#include "app/sim/world.h"

namespace kn::sim {

namespace {

constexpr Choice kTargets[] = {
    {"Picture2", "minimise"},
    {"Picture3", "menu"},
    {"Picture5", "the X"},
    {"mnuon", ""},
    {"mnuoff", ""},
    {"mnucolors", ""},
    {"mnuhandle", ""},
    {"mnucommands", ""},
    {"mnuminimize", ""},
    {"mnuexit", ""},
    {"Form2.Command1", "save"},
    {"Form2.Command2", "ok"},
    {"Form2.Command4", "preview"},
};
constexpr Choice kFields[] = {
    {"Form1.Text1", "the reason"}, {"Form2.Text1", ""}, {"Form2.Text2", ""}};
constexpr Choice kWindows[] = {{"Form1", ""}, {"Form2", ""}, {"Form3", ""}, {"Form4", ""}};
constexpr Choice kLineEnds[] = {{"CRLF", ""}, {"CR", ""}, {"LF", ""}};

bool OneOf(std::span<const Choice> set, std::string_view s) {
    for (const Choice& item : set) {
        if (item.word == s) return true;
    }
    return false;
}

std::string Quoted(std::string_view s) {
    return "\"" + std::string(s) + "\"";
}

// Virtual time still passes poll by poll of the chat scanner, five a second, so a script
// reaching further than some eleven days would take minutes to replay.
constexpr double kLatestSecond = 1e6;

// A decimal number of seconds, up to kLatestSecond.
std::optional<std::string> ParseSeconds(std::string_view token, std::string_view digits,
                                        Micros& span) {
    std::size_t dots = 0, count = 0;
    for (char c : digits) {
        if (c == '.') {
            ++dots;
        } else if (std::isdigit(static_cast<unsigned char>(c))) {
            ++count;
        } else {
            return "bad time " + Quoted(token);
        }
    }
    if (count == 0 || dots > 1 || digits.size() > 15) return "bad time " + Quoted(token);
    const double seconds = std::stod(std::string(digits));
    // Checked before converting: fifteen digits of seconds overflow the microsecond clock.
    if (seconds > kLatestSecond) return "time too late: " + Quoted(token);
    span = ToMicros(seconds);
    return std::nullopt;
}

std::optional<std::string> ParseTime(std::string_view token, Micros previous, Micros& at) {
    Micros span = 0;
    if (auto bad = ParseSeconds(token, token.substr(1), span)) return bad;
    at = token.front() == '+' ? previous + span : span;
    if (at < previous) return "time goes back: " + Quoted(token);
    if (at > ToMicros(kLatestSecond)) return "time too late: " + Quoted(token);
    return std::nullopt;
}

// Fills `out` from the argument text of a verb of shape `arg`.
std::optional<std::string> TakeArgument(Arg arg, std::string_view words, bool has_blank,
                                        std::string_view rest, Event& out) {
    switch (arg) {
        case Arg::None:
            if (has_blank) return Quoted(words) + " takes no argument";
            return std::nullopt;
        case Arg::Text:
            out.first = rest;
            return std::nullopt;
        case Arg::Named: {
            const std::size_t sep = rest.find(": ");
            if (sep == std::string_view::npos) return "\"chat\" needs NAME: TEXT";
            out.first = rest.substr(0, sep);
            out.second = rest.substr(sep + 2);
            return std::nullopt;
        }
        case Arg::Target:
        case Arg::Window:
        case Arg::LineEnd:
            out.first = rest;
            break;
        case Arg::Field: {
            const std::size_t blank = rest.find(' ');
            out.first = rest.substr(0, blank);
            if (blank != std::string_view::npos) out.second = rest.substr(blank + 1);
            break;
        }
        case Arg::Seconds: {
            Micros span = 0;
            if (auto bad = ParseSeconds(rest, rest, span)) return bad;
            out.first = rest;
            return std::nullopt;
        }
    }
    // The rest name one of a few words.
    const Shape& shape = ShapeOf(arg);
    if (!OneOf(shape.choices, out.first)) {
        return "unknown " + std::string(shape.called) + " " + Quoted(out.first);
    }
    return std::nullopt;
}

// The line break named by a `host line-end` argument: CRLF, CR or LF.
std::string_view LineBreakNamed(std::string_view name) {
    if (name == "CR") return "\r";
    if (name == "LF") return "\n";
    return "\r\n";
}

// The span named by a `host busy` argument, which the parser has checked.
Micros SecondsNamed(std::string_view seconds) {
    return ToMicros(std::stod(std::string(seconds)));
}

// A verb that finds nothing to act on stops the run.
void Needs(bool found, const Event& e, const char* what) {
    if (!found) throw EventFault{e.line, what};
}

constexpr char kNoRoom[] = "no chat room is open";
constexpr char kNoPrompt[] = "no prompt is open";

// A new verb is a row here and its line in docs/host-script.md; the terminal's /help reads it here.
constexpr Verb kVerbs[] = {
    {"owner", Arg::Text, Acts::InRoom,
     [](auto& w, auto& e) { Needs(w.host().OwnerSays(e.first), e, kNoRoom); },
     "the owner says TEXT in the room"},
    {"chat", Arg::Named, Acts::InRoom,
     [](auto& w, auto& e) { w.host().MemberSays(e.first, e.second); },
     "NAME says TEXT in the room"},
    {"draft", Arg::Text, Acts::OnHost,
     [](auto& w, auto& e) { Needs(w.host().Draft(e.first), e, kNoRoom); },
     "TEXT goes into the room's input box, not sent"},
    {"click", Arg::Target, Acts::OnWindows, [](auto& w, auto& e) { w.Click(e); },
     "a skin button, a menu item or a colour editor button"},
    {"type", Arg::Field, Acts::OnWindows, [](auto& w, auto& e) { w.TypeInto(e); },
     "TEXT replaces what FIELD holds"},
    {"answer", Arg::Text, Acts::OnPrompt,
     [](auto& w, auto& e) { Needs(w.gui().Answer(e.first), e, kNoPrompt); },
     "answers the handle prompt"},
    {"cancel", Arg::None, Acts::OnPrompt,
     [](auto& w, auto& e) { Needs(w.gui().Cancel(), e, kNoPrompt); },
     "presses Cancel in the handle prompt"},
    {"close", Arg::Window, Acts::OnWindows, [](auto& w, auto& e) { w.Close(e); },
     "Form1 from outside, the others with their close button"},
    {"host signon", Arg::Text, Acts::OnHost, [](auto& w, auto& e) { w.host().SignOn(e.first); },
     "the welcome window greets TEXT"},
    {"host signoff", Arg::None, Acts::OnHost, [](auto& w, auto&) { w.host().SignOff(); },
     "the welcome window closes"},
    {"host title", Arg::Text, Acts::OnHost,
     [](auto& w, auto& e) { w.host().SetWelcomeTitle(e.first); },
     "the welcome window's title becomes TEXT"},
    {"host room open", Arg::None, Acts::OnHost, [](auto& w, auto&) { w.host().OpenRoom(); },
     "a chat room opens"},
    {"host room close", Arg::None, Acts::OnHost, [](auto& w, auto&) { w.host().CloseRoom(); },
     "the chat room closes"},
    {"host window", Arg::Text, Acts::OnHost, [](auto& w, auto& e) { w.host().OpenWindow(e.first); },
     "a host window titled TEXT opens, not a room"},
    {"host quit", Arg::None, Acts::OnHost, [](auto& w, auto&) { w.host().Quit(); },
     "the host client exits"},
    {"host start", Arg::None, Acts::OnHost, [](auto& w, auto&) { w.host().Start(); },
     "the host client starts again"},
    {"host line-end", Arg::LineEnd, Acts::OnHost,
     [](auto& w, auto& e) { w.host().SetLineEnd(LineBreakNamed(e.first)); },
     "the room's line break"},
    {"host busy", Arg::Seconds, Acts::OnHost,
     [](auto& w, auto& e) { w.HostBusy(SecondsNamed(e.first)); },
     "the host answers nothing for S seconds"},
    {"dump", Arg::None, Acts::OnHost, [](auto& w, auto&) { w.Dump(); },
     "the program's shared state"},
};

}  // namespace

std::span<const Verb> Verbs() {
    return kVerbs;
}

const Shape& ShapeOf(Arg arg) {
    // In the order of Arg.
    static constexpr Shape kShapes[] = {
        {"", {}, ""},
        {"TEXT", {}, ""},
        {"NAME: TEXT", {}, ""},
        {"TARGET", kTargets, "click target"},
        {"FIELD TEXT", kFields, "field"},
        {"WINDOW", kWindows, "window"},
        {"END", kLineEnds, "line end"},
        {"S", {}, ""},
    };
    return kShapes[static_cast<std::size_t>(arg)];
}

std::optional<std::string> ParseCommand(std::string_view text, Event& out) {
    for (const Verb& verb : kVerbs) {
        if (!text.starts_with(verb.words)) continue;
        const std::string_view after = text.substr(verb.words.size());
        if (!after.empty() && after.front() != ' ') continue;
        out.verb = &verb;
        return TakeArgument(verb.arg, verb.words, !after.empty(),
                            after.empty() ? after : after.substr(1), out);
    }
    return "unknown verb " + Quoted(text.substr(0, text.find(' ')));
}

std::vector<Event> ParseScript(std::string_view script) {
    std::vector<Event> events;
    Micros previous = 0;
    int number = 0;
    while (!script.empty()) {
        ++number;
        const std::size_t end = script.find('\n');
        std::string_view line = script.substr(0, end);
        script = end == std::string_view::npos ? std::string_view() : script.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.find_first_not_of(" \t") == std::string_view::npos || line.front() == '#') {
            continue;
        }
        Event event;
        event.line = number;
        event.at = previous;
        if (line.front() == '+' || line.front() == '@') {
            const std::size_t blank = line.find(' ');
            if (blank == std::string_view::npos) throw ParseError{number, "no verb after the time"};
            if (auto bad = ParseTime(line.substr(0, blank), previous, event.at)) {
                throw ParseError{number, *bad};
            }
            line = line.substr(blank + 1);
        }
        if (auto bad = ParseCommand(line, event)) throw ParseError{number, *bad};
        previous = event.at;
        events.push_back(std::move(event));
    }
    return events;
}

}  // namespace kn::sim
