// Runs one session in process and holds its record, the settings file it leaves and the next
// start on that file to the promises every session keeps. Each promise names itself first, so
// that shrinking keeps the same one broken.
#include <algorithm>
#include <cctype>
#include <deque>
#include <map>
#include <set>
#include <sstream>

#include "app/sim/script.h"
#include "app/sim/world.h"
#include "platform/ascii.h"
#include "tests/native/session.h"
#include "tests/native/sim_run.h"

namespace kn::test {
namespace {

struct Line {
    double at;
    std::string kind, text;
};

struct Event {
    double at;
    std::string text;  // the verb and its argument
    bool Is(std::string_view prefix) const { return text.starts_with(prefix); }
};

// A room line, cut as the dispatcher cuts it; `owner` when a signed-on name said it.
struct Said {
    double at;
    bool owner;
    std::string word, arg, text;
};

struct Facts {
    const Session& session;
    SimRun run;
    std::optional<std::string> file;  // the settings file the run left
    std::vector<Line> lines;
    std::vector<Event> events;
    std::vector<Said> said;
};

// The first "<mark><digits><mark>" in `text`, or "".
std::string FirstToken(std::string_view text, char mark) {
    for (std::size_t at = text.find(mark); at != std::string_view::npos;
         at = text.find(mark, at + 1)) {
        std::size_t end = at + 1;
        while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end]))) ++end;
        if (end > at + 1 && end < text.size() && text[end] == mark) {
            return std::string(text.substr(at, end + 1 - at));
        }
    }
    return "";
}

// A key's value in a settings file, or none when the key is absent.
std::optional<std::string> Value(const std::string& file, std::string_view key) {
    std::istringstream lines(file);
    for (std::string line; std::getline(lines, line);) {
        if (line.ends_with('\r')) line.pop_back();
        if (line.size() > key.size() && line[key.size()] == '=' &&
            EqualFoldingAscii(std::string_view(line).substr(0, key.size()), key))
            return line.substr(key.size() + 1);
    }
    return std::nullopt;
}

// Far more posts in 10 s than any session asks for (PostsEnd's bound is at most 109 short
// lines): a run that passes it floods and is stopped there, as an event that finds nothing to
// act on stops a run (with exit 2, named line 0). A loop's lines grow, so bytes count too.
constexpr std::size_t kFloodPosts = 200, kFloodBytes = 100000;

SimRun RunCut(const ScratchDir& dir, const std::string& script) {
    return RunScript(dir, script, "Owner", [](sim::World& w) {
        w.record().AddObserver(
            [posts = std::deque<std::pair<sim::Micros, std::size_t>>(), bytes = std::size_t{0}](
                sim::Micros at, auto kind, auto text) mutable {
                if (kind != "post") return;
                posts.emplace_back(at, text.size());
                bytes += text.size();
                for (; posts.front().first < at - sim::ToMicros(10); posts.pop_front())
                    bytes -= posts.front().second;
                if (posts.size() > kFloodPosts || bytes > kFloodBytes)
                    throw sim::EventFault{0, "the record floods"};
            });
    });
}

Facts Gather(const Session& session, const ScratchDir& dir) {
    Facts f{session, RunCut(dir, session.Script()), std::nullopt, {}, {}, {}};
    if (std::filesystem::exists(dir.dir() / "kelvarnook.ini")) f.file = dir.Read("kelvarnook.ini");
    for (const std::string& r : f.run.record) {
        const std::size_t a = r.find(' '), b = r.find(' ', a + 1);
        f.lines.push_back({std::stod(r.substr(0, a)), r.substr(a + 1, b - a - 1),
                           b == std::string::npos ? "" : r.substr(b + 1)});
    }
    for (const std::string& e : session.events) {
        f.events.push_back({std::stod(e.substr(1)), e.substr(e.find(' ') + 1)});
    }
    for (const Line& l : f.lines) {
        if (l.kind != "chat") continue;
        const std::size_t colon = l.text.find(": ");
        const std::string name = l.text.substr(0, colon), text = l.text.substr(colon + 2);
        const std::size_t blank = text.find(' ');
        std::string word = text.substr(0, blank);
        for (char& c : word) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        const bool owner = std::ranges::find(kOwnerNames, name) != kOwnerNames.end();
        f.said.push_back(
            {l.at, owner, word, blank == std::string::npos ? "" : text.substr(blank + 1), text});
    }
    return f;
}

// Everything that shows the program acting, which must stop when its process has ended.
std::string EndsOnce(const Facts& f) {
    int exits = 0;
    for (const Line& l : f.lines) {
        if (l.kind == "exit" && ++exits > 1) return "the process ended twice";
        if (exits > 0 && l.kind != "exit") return "a " + l.kind + " after the exit";
    }
    return "";
}

std::string StrangersRunNothing(const Facts& f) {
    for (const Line& l : f.lines) {
        if (l.kind != "post" && l.kind != "keyword") continue;
        const std::string token = FirstToken(l.text, 's');
        if (!token.empty()) return "a stranger's " + token + " in a " + l.kind + ": " + l.text;
    }
    return "";
}

// Every line the program posts is one of its styled lines, whatever the owner typed.
std::string PostsAreStyled(const Facts& f) {
    for (const Line& l : f.lines)
        if (l.kind == "post" && !l.text.starts_with("</b><font color=#"))
            return "not a styled line: " + l.text;
    return "";
}

// The argument commands' confirmations, each ending in the argument it confirms.
const std::pair<std::string_view, std::string_view> kArgumentConfirmations[] = {
    {"reason", "> new idle reason <font color=#"},
    {"handle", "> handle changed to <font color=#"},
    {"pr", " attempting to enter <font color=#"},
};

// The confirmations of commands without an argument, with the words and clicks that ask for
// each.
struct Asking {
    std::vector<std::string_view> words, clicks, confirmations;
};
const Asking kAskings[] = {
    {{"idleon"}, {"mnuon"}, {"> please set reason before going <font", "> started idle session"}},
    {{"idleoff"}, {"mnuoff"}, {"\xE2\x80\xBA idle session <font color=#"}},
    {{"reset"}, {}, {"\xE2\x80\xBA idle time <font"}},
    {{"reason?"}, {}, {"> no idle reason set", "> idle reason <font"}},
    {{"cmds", "xcmds"}, {}, {"> kelvar nook commands <font"}},
    {{"show", "hide", "mini", "maxi"}, {}, {"\xE2\x80\xBA main form <font"}},
    {{"colors", "xcolors"}, {}, {"\xE2\x80\xBA color editor <font"}},
};

// Each token an owner's argument command carries, with its word.
std::map<std::string, std::string> TypedArguments(const Facts& f) {
    std::map<std::string, std::string> typed;
    for (const Said& s : f.said) {
        const std::string token = FirstToken(s.arg, 'o');
        if (s.owner && !token.empty()) typed.emplace(token, s.word);
    }
    return typed;
}

// The tokens confirmed, in the order of their confirmations, for one word.
std::vector<std::string> Confirmed(const Facts& f, std::string_view word) {
    std::vector<std::string> tokens;
    for (const auto& [w, needle] : kArgumentConfirmations) {
        if (w != word) continue;
        for (const Line& l : f.lines) {
            const std::size_t at = l.kind == "post" ? l.text.find(needle) : std::string::npos;
            if (at != std::string::npos) tokens.push_back(FirstToken(l.text.substr(at), 'o'));
        }
    }
    return tokens;
}

std::string ConfirmedOnceInOrder(const Facts& f) {
    const std::map<std::string, std::string> typed = TypedArguments(f);
    std::set<std::string> confirmed;
    int last = 0;
    std::map<const Asking*, int> posted;
    for (const Line& l : f.lines) {
        if (l.kind != "post") continue;
        for (const auto& [word, needle] : kArgumentConfirmations) {
            const std::size_t at = l.text.find(needle);
            if (at == std::string::npos) continue;
            const std::string token = FirstToken(l.text.substr(at + needle.size()), 'o');
            const auto asked = typed.find(token);
            if (asked == typed.end() || asked->second != word)
                return "confirms a " + std::string(word) + " nobody typed: " + l.text;
            if (!confirmed.insert(token).second) return "confirms " + token + " twice";
            const int number = std::stoi(token.substr(1));
            if (number < last) return "confirms " + token + " out of order";
            last = number;
        }
        for (const Asking& a : kAskings) {
            if (std::ranges::none_of(a.confirmations,
                                     [&](auto c) { return l.text.find(c) != std::string::npos; })) {
                continue;
            }
            int asked = 0;
            for (const Said& s : f.said)
                asked += s.at <= l.at && s.owner && s.arg.empty() &&
                         std::ranges::find(a.words, s.word) != a.words.end();
            for (const Event& e : f.events)
                asked += e.at <= l.at && e.Is("click ") &&
                         std::ranges::find(a.clicks, e.text.substr(6)) != a.clicks.end();
            if (++posted[&a] > asked)
                return std::to_string(posted[&a]) + " confirmations of " + std::string(a.words[0]) +
                       " for " + std::to_string(asked) + " asked";
        }
    }
    return "";
}

// Within any 10 s: at most twice the lines its events (two each) and one tick ask for, and
// the banners.
std::string PostsEnd(const Facts& f) {
    if (f.run.errors.starts_with("line 0: ")) return "the record passed its bound";
    std::vector<double> posts;
    for (const Line& l : f.lines)
        if (l.kind == "post") posts.push_back(l.at);
    for (const double t : posts) {
        const auto in = [t](double at, double span) { return at >= t - span && at <= t; };
        const auto n = std::ranges::count_if(posts, [&](double p) { return in(p, 10); });
        // A second's grace for the scanner to bring an event's line in.
        const auto k =
            std::ranges::count_if(f.events, [&](const Event& e) { return in(e.at, 11); });
        if (n > 2 * (2 * k + 2) + 5)
            return std::to_string(n) + " posts in the 10 s before " + std::to_string(t);
    }
    return "";
}

// The last confirmed token of `word` when no later way of changing that value could have
// gone unconfirmed, and the file holds it; `unconfirmed` names those other ways.
std::string Saved(const Facts& f, std::string_view word, std::string_view key,
                  const std::vector<std::string_view>& unconfirmed) {
    const std::vector<std::string> tokens = Confirmed(f, word);
    if (tokens.empty() || tokens.back().empty()) return "";
    const std::string& token = tokens.back();
    const auto typed = std::ranges::find_if(
        f.said, [&](const Said& s) { return s.text.find(token) != std::string::npos; });
    if (typed == f.said.end()) return "";
    for (const Said& s : f.said) {
        const std::string other = FirstToken(s.arg, 'o');
        if (s.at >= typed->at && s.owner && s.word == word && !other.empty() &&
            std::ranges::find(tokens, other) == tokens.end())
            return "";
    }
    for (const Event& e : f.events)
        if (e.at >= typed->at && std::ranges::any_of(unconfirmed, [&](auto u) { return e.Is(u); }))
            return "";
    const std::optional<std::string> value = f.file ? Value(*f.file, key) : std::nullopt;
    if (!value || value->find(token) == std::string::npos)
        return "the file's " + std::string(key) + " is not the confirmed " + token;
    return "";
}

// An exit inside the first start's prompt leaves no file, on purpose: the next start is a
// first start again.
std::string SavedOnExit(const Facts& f) {
    if (!f.file || std::ranges::none_of(f.lines, [](const Line& l) { return l.kind == "exit"; }))
        return "";
    const std::string broken = Saved(f, "handle", "HANDLE", {"click mnuhandle", "answer"});
    return broken.empty() ? Saved(f, "reason", "REASON", {"type Form1.Text1"}) : broken;
}

// The front room's draft and the host's state as the sign would name it, at each dump.
struct Expected {
    std::string input;
    std::optional<std::string> sign;  // none: the host changed too lately or too oddly to say
};

std::vector<Expected> AtEachDump(const Facts& f) {
    std::vector<Expected> dumps;
    std::vector<std::string> rooms = {""};  // front first
    bool running = true, signed_on = true, known = true;
    double changed = -10;
    for (const Event& e : f.events) {
        const bool host = e.Is("host ") && !e.Is("host busy") && !e.Is("host line-end");
        if (host) changed = e.at;
        if (e.Is("host quit")) running = false, rooms.clear();
        if (e.Is("host start") && !running) running = signed_on = known = true, rooms = {""};
        if (e.Is("host room open") && running) rooms.push_back("");
        if (e.Is("host room close") && !rooms.empty()) rooms.erase(rooms.begin());
        if (e.Is("host signoff")) signed_on = false;
        if (e.Is("host signon") && running) signed_on = known = true;
        if (e.Is("host title") && running) known = false;
        if ((e.Is("draft ") || e.Is("owner ")) && !rooms.empty())
            rooms.front() = e.Is("draft ") ? e.text.substr(6) : "";
        if (e.text != "dump") continue;
        Expected x{rooms.empty() ? "" : rooms.front(), std::nullopt};
        if (known && e.at - changed >= 1)
            x.sign = !running        ? "no host"
                     : rooms.empty() ? "no room"
                     : !signed_on    ? "signed off"
                                     : "";
        dumps.push_back(x);
    }
    return dumps;
}

constexpr std::string_view kRenamings[] = {"host signon", "host signoff", "host title", "host quit",
                                           "host start"};

std::string AgreesAtDumps(const Facts& f) {
    const std::vector<Expected> expected = AtEachDump(f);
    std::size_t dump = 0;
    // Lines said since anything first asked for an idle session, bar the owner's while the
    // owner is surely the one the session began with: more than missed may count. A busy host
    // may hold a line back 20 s, past a change of who is signed on.
    double start = 1e300, renamed = 1e300;
    for (const Event& e : f.events)
        if (std::ranges::any_of(kRenamings, [&](auto r) { return e.Is(r); }))
            renamed = std::min(renamed, e.at);
    for (const Event& e : f.events)
        if (e.Is("click mnuon")) start = std::min(start, e.at);
    for (const Said& s : f.said)
        if (s.owner && s.word == "idleon") start = std::min(start, s.at);
    int said = 0;
    for (const Line& l : f.lines) {
        if (l.kind == "chat" && l.at >= start &&
            (!l.text.starts_with("Owner: ") || l.at + 25 >= renamed))
            ++said;
        if (l.kind != "state") continue;
        const std::size_t eq = l.text.find('=');
        const std::string key = l.text.substr(0, eq), value = l.text.substr(eq + 1);
        if (key == "Form1.Text1") ++dump;
        const Expected& x = expected.at(dump - 1);
        if (key == "input" && value != x.input)
            return "the input box holds [" + value + "], not the draft [" + x.input + "]";
        if (key == "sign" && x.sign &&
            (x.sign->empty() ? value != "ok" && value != "unheard" : value != *x.sign))
            return "the sign reads " + value + " at " + std::to_string(l.at);
        if (key == "missed" && (std::stoi(value) > 100 || std::stoi(value) > said))
            return "missed counts " + value + " of " + std::to_string(said) + " lines";
    }
    return "";
}

// The next start on the file the run left reads both colours, unless the owner emptied one:
// a file that holds a handle holds them, and one without (left by a fault) must not take them.
std::string ColoursKept(const Facts& f, const ScratchDir& dir) {
    if (!f.file) return "";
    const std::optional<std::string> handle = Value(*f.file, "HANDLE");
    const SimRun next = RunCut(dir, handle && handle->find_first_not_of(" \t") != std::string::npos
                                        ? "@1 dump\n"
                                        : "@1 answer x\n@2 dump\n");
    for (const char* field : {"1", "2"}) {
        const std::string key = std::string("COLOR") + field;
        const bool emptied =
            std::ranges::any_of(
                f.events, [&](auto& e) { return e.Is("type Form2.Text" + std::string(field)); }) ||
            (f.session.settings && Value(*f.session.settings, key) == "");
        for (const std::string& s : Texts(next, "state"))
            if (s == "Form2.Text" + std::string(field) + "=" && !emptied)
                return "the next start reads an empty " + key + " from " + *f.file;
    }
    return "";
}

std::string RefusalNamesItsLine(const Facts& f) {
    if (f.run.status == 0) return "";
    if (f.run.status != 2)
        return "exit status " + std::to_string(f.run.status) + ": " + f.run.errors;
    int line = 0;
    if (std::sscanf(f.run.errors.c_str(), "line %d: ", &line) != 1 || line < 1 ||
        line > static_cast<int>(f.session.events.size()))
        return "refused without its line: " + f.run.errors;
    return "";
}

using Promise = std::string (*)(const Facts&);
const std::pair<const char*, Promise> kPromises[] = {
    {"ends once", EndsOnce},
    {"strangers run nothing", StrangersRunNothing},
    {"posts are styled", PostsAreStyled},
    {"confirmed once, in order", ConfirmedOnceInOrder},
    {"posts end", PostsEnd},
    {"saved on exit", SavedOnExit},
    {"agrees at dumps", AgreesAtDumps},
    {"refusal names its line", RefusalNamesItsLine},
};

}  // namespace

std::string BrokenPromise(const Session& session) {
    const ScratchDir dir;
    if (session.settings) dir.Write("kelvarnook.ini", *session.settings);
    Facts facts = [&] {
        try {
            return Gather(session, dir);
        } catch (const sim::ParseError& e) {
            return Facts{session, {{}, 3, e.Message()}, std::nullopt, {}, {}, {}};
        }
    }();
    for (const auto& [name, promise] : kPromises) {
        const std::string broken = promise(facts);
        if (!broken.empty()) return std::string(name) + ": " + broken;
    }
    // Last: the next start rewrites the file.
    const std::string broken = ColoursKept(facts, dir);
    return broken.empty() ? "" : "colours kept: " + broken;
}

Session Shrink(Session session, const std::string& promise) {
    const std::string name = promise.substr(0, promise.find(':') + 1);
    for (bool dropped = true; dropped;) {
        dropped = false;
        for (std::size_t i = session.events.size(); i-- > 0;) {
            Session fewer = session;
            fewer.events.erase(fewer.events.begin() + static_cast<std::ptrdiff_t>(i));
            if (BrokenPromise(fewer).starts_with(name)) {
                session = std::move(fewer);
                dropped = true;
            }
        }
    }
    return session;
}

}  // namespace kn::test
