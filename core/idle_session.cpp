// Starting and ending the idle session, and the tick that reports every minute how long the
// owner has been idle and why.
#include "core/idle_session.h"

#include <charconv>
#include <string>

#include "core/chat_lines.h"
#include "core/missed_lines.h"
#include "core/program.h"
#include "windows/forms.h"

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

constexpr std::string_view kStarted =
    "<font color=#{color2}> {handle}<font color=#{color1}> started idle session";
constexpr std::string_view kStartReason = " reason: <font color=#{color2}>{reason}";
constexpr std::string_view kEnded = " idle session <font color=#{color2}>ended";
constexpr std::string_view kIdle =
    " <font color=#{color2}>{handle} <font color=#{color1}>is idle. H <font color=#{color2}>"
    "{hours}<font color=#{color1}>  M <font color=#{color2}>{minutes}";
constexpr std::string_view kTimedReason =
    " <font color=#{color1}>reason: <font color=#{color2}>{reason}";

}  // namespace

void StartIdleSession(Program& p) {
    // "on" during a session goes on with it: the lines kept so far stay.
    if (!p.form1().Timer1().Enabled()) ForgetMissedLines(p);
    // Enabling a running timer leaves its countdown as it is: "on" twice doesn't delay the
    // next report.
    p.form1().Timer1().SetEnabled(true);
    SayTwo(p, kStarted, kStartReason);
}

// "off" with no session on ends none, so it shows nothing the owner has already seen.
void EndIdleSession(Program& p) {
    const bool ending = p.form1().Timer1().Enabled();
    p.form1().Timer1().SetEnabled(false);
    Say(p, kEnded);
    ResetIdleClock(p);
    if (ending) ShowMissedLines(p);
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
    SayTwo(p, kIdle, kTimedReason);
}

}  // namespace kn
