// Owner test, cutting and lookup of one room line; at most one command runs for it.
#include "core/dispatcher.h"

#include <algorithm>

#include "core/idle_session.h"
#include "core/missed_lines.h"
#include "core/owner_commands.h"
#include "core/program.h"
#include "core/startup.h"
#include "platform/ascii.h"
#include "windows/forms.h"

namespace kn {

namespace {

using enum ArgumentRule;

// The owner is typing in the room, so a window a command shows leaves the keyboard there.
// The list's line for "mini" names it "minimize", as the window has always shown it.
constexpr CommandEntry kCommands[] = {
    {"idleon", None, CmdIdleOn, {}, "idleon - enables idle session"},
    {"idleoff",
     None,
     [](Program& p, auto&) { EndIdleSession(p); },
     {},
     "idleoff - disables idle session"},
    {"reason",
     Required,
     [](Program& p, auto& reason) { p.form1().Text1.SetText(reason); },
     {"new idle reason", "{reason}"},
     "reason * - set new reason (* being the reason)"},
    {"end", None, [](Program& p, auto&) { ExitProgram(p); }, {}, "end - ends program"},
    {"reason?", None, CmdReasonQuery, {}, "reason? - shows current reason for idling"},
    {"handle", Required, CmdHandle, {}, "handle * - changes handle (* being new handle)"},
    {"cmds",
     None,
     [](Program& p, auto&) {
         p.form3().window().ShowBeside(p.form1().window(), Activation::NoActivate);
     },
     {"kelvar nook commands", "shown"},
     "cmds - shows commands"},
    {"xcmds",
     None,
     [](Program& p, auto&) { p.form3().window().Hide(); },
     {"kelvar nook commands", "hidden"},
     "xcmds - hides commands"},
    {"show",
     None,
     [](Program& p, auto&) { p.form1().window().Show(Activation::NoActivate); },
     {"kelvar nook › main form", "shown"},
     "show - shows main form"},
    {"hide",
     None,
     [](Program& p, auto&) { p.form1().window().Hide(); },
     {"kelvar nook › main form", "hidden"},
     "hide - hides main form"},
    {"mini",
     None,
     [](Program& p, auto&) { p.form1().window().SetState(WindowState::Minimized); },
     {"kelvar nook › main form", "minimized"},
     "minimize - minimizes main form"},
    {"maxi",
     None,
     [](Program& p, auto&) { p.form1().window().SetState(WindowState::Normal); },
     {"kelvar nook › main form", "maximized"},
     "maxi - maximizes main form"},
    {"colors",
     None,
     [](Program& p, auto&) {
         p.form2().window().ShowBeside(p.form1().window(), Activation::NoActivate);
     },
     {"kelvar nook › color editor", "shown"},
     "colors - shows color editor"},
    {"xcolors",
     None,
     [](Program& p, auto&) { p.form2().window().Hide(); },
     {"kelvar nook › color editor", "hidden"},
     "xcolors - hides color editor"},
    {"pr", Required, CmdPr, {}, "pr * - enter a private room (* being room)"},
    {"reset",
     None,
     [](Program& p, auto&) { ResetIdleClock(p); },
     {"kelvar nook › idle time", "reset"},
     "reset - resets idle time back to 0"},
};

}  // namespace

std::span<const CommandEntry> CommandTable() {
    return kCommands;
}

std::vector<std::string> CommandListLines() {
    std::vector<std::string> lines;
    for (const CommandEntry& e : kCommands) lines.emplace_back(e.list_line);
    std::sort(lines.begin(), lines.end());
    return lines;
}

CutLine CutCommand(std::string_view text) {
    const std::size_t blank = text.find(' ');
    CutLine cut;
    // Only ASCII letters fold, as the command words are ASCII; other bytes stay as typed.
    cut.word = LowerAscii(text.substr(0, blank));
    if (blank != std::string_view::npos) cut.argument = std::string(text.substr(blank + 1));
    return cut;
}

void HandleChatLine(Program& program, const std::string& screen_name, const std::string& text) {
    const std::string own = program.bridge().GetOwnScreenName();
    // The program's own line coming back is proof it was heard, never a command (a line whose
    // markup broke could read as one and post again, without end) and never a line that named
    // the owner, whoever the welcome window says is signed on by then.
    if (program.bridge().posted().TakeEcho(text)) return;
    // With no welcome window nobody is the owner, not even a line without a screen name.
    if (own.empty() || own != screen_name) {
        KeepIfMissed(program, own, screen_name, text);
        return;
    }
    const CutLine cut = CutCommand(text);
    const auto entry = std::find_if(std::begin(kCommands), std::end(kCommands),
                                    [&](const CommandEntry& e) { return e.word == cut.word; });
    if (entry == std::end(kCommands)) return;
    const bool has_argument = !cut.argument.empty();
    if (has_argument != (entry->rule == Required)) return;
    entry->run(program, cut.argument);
    Confirm(program, entry->confirmation);
}

}  // namespace kn
