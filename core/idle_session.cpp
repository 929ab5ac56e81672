// Starting and ending the idle session, and the tick that reports every minute how long the
// owner has been idle and why.
#include "core/idle_session.h"

#include <charconv>
#include <string>

#include "core/chat_lines.h"
#include "windows/forms.h"
#include "windows/program.h"

namespace kn {

namespace {

// The counters are decimal text; anything else (never written by us) counts as 0.
long long Count(const Control& counter) {
    const std::string text = counter.Text();
    long long n = 0;
    std::from_chars(text.data(), text.data() + text.size(), n);
    return n;
}

void Advance(const Control& counter) {
    counter.SetText(std::to_string(Count(counter) + 1));
}

std::string StartedLine(Program& p) {
    const std::string c1 = Color1(p);
    return Cat({"</b><font color=#", c1, " face=\"tahoma\">            ›<font color=#", Color2(p),
                "> ", Handle(p), "<font color=#", c1, "> started idle session"});
}

std::string StartReasonLine(Program& p) {
    return Cat({"</b><font color=#", Color1(p),
                " face=\"tahoma\">            › reason: <font color=#", Color2(p), ">", Reason(p)});
}

std::string EndedLine(Program& p) {
    return Cat({"</b><font color=#", Color1(p),
                " face=\"tahoma\">            › idle session <font color=#", Color2(p), ">ended"});
}

std::string IdleLine(Program& p) {
    const std::string c1 = Color1(p), c2 = Color2(p);
    Form1& f = p.form1();
    return Cat({"</b><font color=#", c1, " face=\"tahoma\">            › <font color=#", c2, ">",
                Handle(p), " <font color=#", c1, ">is idle. H <font color=#", c2, ">",
                f.Label4.Text(), "<font color=#", c1, ">  M <font color=#", c2, ">",
                f.Label2.Text()});
}

std::string TimedReasonLine(Program& p) {
    const std::string c1 = Color1(p);
    return Cat({"</b><font color=#", c1, " face=\"tahoma\">            › <font color=#", c1,
                ">reason: <font color=#", Color2(p), ">", Reason(p)});
}

}  // namespace

void StartIdleSession(Program& p) {
    // Enabling a running timer leaves its countdown as it is: "on" twice doesn't delay the
    // next report.
    p.form1().Timer1().SetEnabled(true);
    p.bridge().ChatSend(StartedLine(p));
    p.bridge().Pause(kLinePause);
    p.bridge().ChatSend(StartReasonLine(p));
}

void EndIdleSession(Program& p) {
    p.form1().Timer1().SetEnabled(false);
    p.bridge().ChatSend(EndedLine(p));
    ResetIdleClock(p);
}

void ResetIdleClock(Program& p) {
    p.form1().Label2.SetText("0");
    p.form1().Label4.SetText("0");
}

void IdleTick(Program& p) {
    Form1& f = p.form1();
    Advance(f.Label2);
    if (f.Label2.Text() == "60") {
        Advance(f.Label4);
        f.Label2.SetText("0");
    }
    p.bridge().ChatSend(IdleLine(p));
    p.bridge().Pause(kLinePause);
    p.bridge().ChatSend(TimedReasonLine(p));
}

}  // namespace kn
