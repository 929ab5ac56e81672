// Owner test, cutting and lookup of one room line; at most one command runs for it.
#include "core/dispatcher.h"

#include <algorithm>

#include "core/chat_lines.h"
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

// What the commands that change one thing do; each row below confirms it.
constexpr auto kEndSession = [](Program& p, auto&) { EndIdleSession(p); };
constexpr auto kSetReason = [](Program& p, auto& reason) { p.form1().Text1.SetText(reason); };
constexpr auto kEnd = [](Program& p, auto&) { ExitProgram(p); };
constexpr auto kResetClock = [](Program& p, auto&) { ResetIdleClock(p); };
constexpr auto kHideMain = [](Program& p, auto&) { p.form1().window().Hide(); };
constexpr auto kHideCommands = [](Program& p, auto&) { p.form3().window().Hide(); };
constexpr auto kHideEditor = [](Program& p, auto&) { p.form2().window().Hide(); };
constexpr auto kMinimize = [](Program& p, auto&) {
    p.form1().window().SetState(WindowState::Minimized);
};
constexpr auto kRestore = [](Program& p, auto&) {
    p.form1().window().SetState(WindowState::Normal);
};

// The owner is typing in the room, so a window a command shows leaves the keyboard there.
void ShowBesideMain(Program& p, FormWindow& window) {
    window.ShowBeside(p.form1().window(), Activation::NoActivate);
}
constexpr auto kShowMain = [](Program& p, auto&) {
    p.form1().window().Show(Activation::NoActivate);
};
constexpr auto kShowCommands = [](Program& p, auto&) { ShowBesideMain(p, p.form3().window()); };
constexpr auto kShowEditor = [](Program& p, auto&) { ShowBesideMain(p, p.form2().window()); };

// The list's line for "mini" names it "minimize", as the window has always shown it.
constexpr CommandEntry kCommands[] = {
    {"idleon", None, CmdIdleOn, "", "", "idleon - enables idle session"},
    {"idleoff", None, kEndSession, "", "", "idleoff - disables idle session"},
    {"reason", Required, kSetReason, "new idle reason", "{reason}",
     "reason * - set new reason (* being the reason)"},
    {"end", None, kEnd, "", "", "end - ends program"},
    {"reason?", None, CmdReasonQuery, "", "", "reason? - shows current reason for idling"},
    {"handle", Required, CmdHandle, "", "", "handle * - changes handle (* being new handle)"},
    {"cmds", None, kShowCommands, "kelvar nook commands", "shown", "cmds - shows commands"},
    {"xcmds", None, kHideCommands, "kelvar nook commands", "hidden", "xcmds - hides commands"},
    {"show", None, kShowMain, "kelvar nook › main form", "shown", "show - shows main form"},
    {"hide", None, kHideMain, "kelvar nook › main form", "hidden", "hide - hides main form"},
    {"mini", None, kMinimize, "kelvar nook › main form", "minimized",
     "minimize - minimizes main form"},
    {"maxi", None, kRestore, "kelvar nook › main form", "maximized", "maxi - maximizes main form"},
    {"colors", None, kShowEditor, "kelvar nook › color editor", "shown",
     "colors - shows color editor"},
    {"xcolors", None, kHideEditor, "kelvar nook › color editor", "hidden",
     "xcolors - hides color editor"},
    {"pr", Required, CmdPr, "", "", "pr * - enter a private room (* being room)"},
    {"reset", None, kResetClock, "kelvar nook › idle time", "reset",
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
    Confirm(program, entry->what, entry->value);
}

}  // namespace kn
