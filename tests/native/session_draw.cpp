// Draws random whole sessions: a settings file and a script that reaches every verb of the
// simulator, weighted so that most sessions get past start-up and some run for hours.
#include <array>
#include <cctype>
#include <cstdio>
#include <string_view>

#include "tests/native/session.h"

namespace kn::test {
namespace {

constexpr std::array<std::string_view, 16> kWords = {
    "idleon", "idleoff", "reason", "end",  "reason?", "handle",  "cmds", "xcmds",
    "show",   "hide",    "mini",   "maxi", "colors",  "xcolors", "pr",   "reset"};
constexpr bool TakesArgument(std::string_view word) {
    return word == "reason" || word == "handle" || word == "pr";
}
// Names that are never signed on, some a near miss of a name that is.
constexpr std::array<std::string_view, 7> kStrangers = {"Bob",    "owner",  "Owner ", " Owner",
                                                        "KitKat", "Owner!", "kit kat"};
constexpr std::array<std::string_view, 13> kTargets = {
    "Picture2",       "Picture3",       "Picture5",      "mnuon",       "mnuoff",
    "mnucolors",      "mnuhandle",      "mnucommands",   "mnuminimize", "mnuexit",
    "Form2.Command1", "Form2.Command2", "Form2.Command4"};
// Colours as typed: plain, empty, and ones whose ">" would end the tag before a command word.
constexpr std::array<std::string_view, 8> kColours = {
    "ff0000", "", "00ff00", " 99ccff", "c0c0c0>handle", "x>reason", "1>idleon", "ab\"c"};
constexpr std::array<std::string_view, 4> kTitles = {"Welcome, Owner!", "Welcome, !", "Buddy List",
                                                     "Welcome, Kit Kat!"};
// Seconds between events: at one instant, inside and around a pause, across a tick, for an hour.
constexpr std::array<double, 14> kGaps = {0, 0, 0.05, 0.2, 0.3, 0.5, 0.51,
                                          1, 2, 5,    12,  20,  61,  120};

class Drawer {
  public:
    explicit Drawer(const Pick& pick) : pick_(pick) {}

    template <typename T, std::size_t N>
    T From(const std::array<T, N>& items) {
        return items[pick_(N)];
    }
    bool OneIn(std::size_t n) { return pick_(n) == 0; }
    std::string Token(char mark) { return mark + std::to_string(++tokens_) + mark; }

    // A command word as the owner might type it: in any case, sometimes a near miss.
    std::string OwnerLine(bool near_miss) {
        const std::string_view word = From(kWords);
        std::string line(word);
        for (char& c : line) c = static_cast<char>(OneIn(2) ? std::toupper(c) : c);
        if (!near_miss) {
            if (TakesArgument(word))
                line += (OneIn(4) ? "  " : " ") + Token('o');
            else if (OneIn(4))
                line += " ";
            return line;
        }
        const std::size_t miss = pick_(5);
        if (miss == 0) return " " + line;
        if (miss == 1) return line + " " + Token('o');
        if (miss == 2) return line + (OneIn(2) ? " " : "");
        return miss == 3 ? line + "x" : "minimize";
    }
    std::string StrangerLine() {
        const std::size_t kind = pick_(3);
        if (kind == 0) return std::string(From(kWords)) + " " + Token('s');
        if (kind == 1) return std::string(From(kOwnerNames)) + " are you there " + Token('s');
        return std::string(From(kWords));
    }

    // Each kind of event by its share of 24 draws; the order keeps old seeds' sessions.
    std::string Event() {
        const std::size_t k = pick_(24);
        if (k < 5) return "owner " + OwnerLine(OneIn(4));
        if (k == 5) return "chat " + std::string(From(kOwnerNames)) + ": " + OwnerLine(OneIn(4));
        if (k < 9) return "chat " + std::string(From(kStrangers)) + ": " + StrangerLine();
        if (k < 11) return "click " + std::string(From(kTargets));
        if (k == 11) return "type Form1.Text1 " + (OneIn(3) ? std::string() : Token('o'));
        if (k == 12)
            return std::string("type Form2.Text") + (OneIn(2) ? "1 " : "2 ") +
                   std::string(From(kColours));
        if (k == 13) return OneIn(3) ? "cancel" : "answer " + (OneIn(4) ? "" : Token('o'));
        if (k == 14) return "close Form" + std::to_string(1 + pick_(4));
        if (k == 15)
            return OneIn(2) ? "host signoff" : "host signon " + std::string(From(kOwnerNames));
        if (k == 16) return "host title " + std::string(From(kTitles));
        if (k == 17) return OneIn(2) ? "host room close" : "host room open";
        if (k == 18) return OneIn(2) ? "host quit" : OneIn(2) ? "host start" : "host window Mail";
        if (k == 19)
            return "host line-end " + std::string(OneIn(3) ? "CR" : OneIn(2) ? "LF" : "CRLF");
        if (k == 20) return "host busy " + std::string(OneIn(2) ? "0.3" : OneIn(2) ? "5" : "20");
        return k == 21 ? "draft half " + Token('o') : "dump";
    }

    std::optional<std::string> Settings() {
        const char* const end = OneIn(4) ? "\n" : "\r\n";
        const std::string handle = "HANDLE=abc", c1 = "COLOR1=c0c0c0", c2 = "COLOR2=99ccff",
                          reason = "REASON=away";
        const std::size_t kind = pick_(7);
        if (kind == 0) return std::nullopt;
        std::vector<std::string> keys = {handle, c1, c2, reason};
        if (kind == 2) keys = {OneIn(2) ? "HANDLE=" : "", c1, c2};
        if (kind == 3) keys = {"HANDLE=a\tb \x01", c1, c2, "REASON=\"q\" \xff\x7f "};
        if (kind == 4) std::erase_if(keys, [this](const std::string&) { return OneIn(2); });
        if (kind == 5) keys = {handle, "COLOR1=", c2};  // the owner emptied colour 1
        if (kind == 6) keys = {handle, "COLOR1=c0c0c0>reason", c2};
        std::string file = "[prefs]" + std::string(end);
        for (const std::string& k : keys)
            if (!k.empty()) file += k + end;
        return file;
    }

  private:
    const Pick& pick_;
    int tokens_ = 0;
};

}  // namespace

std::string Session::Script() const {
    std::string script;
    for (const std::string& e : events) script += e + "\n";
    return script;
}

Session DrawSession(const Pick& pick) {
    Drawer d(pick);
    Session s;
    s.settings = d.Settings();
    double at = 0;
    const std::size_t count = 1 + pick(24);
    for (std::size_t i = 0; i < count; ++i) {
        at += d.OneIn(400) ? 3600 : d.From(kGaps);
        char time[32];
        std::snprintf(time, sizeof time, "@%.2f ", at);
        s.events.push_back(time + d.Event());
    }
    return s;
}

std::string AsStory(const Session& session) {
    return "NAME.script:\n" + session.Script() + "NAME.before.ini" +
           (session.settings ? " (line ends as shown by \\r):\n" : ": none, a first start\n") +
           [&] {
               std::string shown;
               for (const char c : session.settings.value_or(""))
                   shown += c == '\r' ? "\\r" : std::string(1, c);
               return shown;
           }();
}

}  // namespace kn::test
