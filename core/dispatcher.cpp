// Owner test, cutting and lookup of one room line; at most one command runs for it.
#include "core/dispatcher.h"

#include <algorithm>

#include "core/owner_commands.h"
#include "core/program.h"
#include "platform/ascii.h"

namespace kn {

namespace {

constexpr CommandEntry kCommands[] = {
    {"idleon", ArgumentRule::None, CmdIdleOn},       {"idleoff", ArgumentRule::None, CmdIdleOff},
    {"reason", ArgumentRule::Required, CmdReason},   {"end", ArgumentRule::None, CmdEnd},
    {"reason?", ArgumentRule::None, CmdReasonQuery}, {"handle", ArgumentRule::Required, CmdHandle},
    {"cmds", ArgumentRule::None, CmdCmds},           {"xcmds", ArgumentRule::None, CmdXcmds},
    {"show", ArgumentRule::None, CmdShow},           {"hide", ArgumentRule::None, CmdHide},
    {"mini", ArgumentRule::None, CmdMini},           {"maxi", ArgumentRule::None, CmdMaxi},
    {"colors", ArgumentRule::None, CmdColors},       {"xcolors", ArgumentRule::None, CmdXcolors},
    {"pr", ArgumentRule::Required, CmdPr},           {"reset", ArgumentRule::None, CmdReset},
};

}  // namespace

std::span<const CommandEntry> CommandTable() {
    return kCommands;
}

CutLine CutCommand(std::string_view text) {
    const std::size_t blank = text.find(' ');
    CutLine cut;
    // Only ASCII letters fold, as the command words are ASCII; other bytes stay as typed.
    cut.word = LowerAscii(text.substr(0, blank));
    if (blank != std::string_view::npos) cut.argument = std::string(text.substr(blank + 1));
    return cut;
}

void Form1_VexoScan1_ChatLine(Program& program, const std::string& screen_name,
                              const std::string& text) {
    const std::string own = program.bridge().GetOwnScreenName();
    // With no welcome window nobody is the owner, not even a line without a screen name.
    if (own.empty() || own != screen_name) return;
    const CutLine cut = CutCommand(text);
    const auto entry = std::find_if(std::begin(kCommands), std::end(kCommands),
                                    [&](const CommandEntry& e) { return e.word == cut.word; });
    if (entry == std::end(kCommands)) return;
    const bool has_argument = !cut.argument.empty();
    if (has_argument != (entry->rule == ArgumentRule::Required)) return;
    entry->run(program, cut.argument);
}

}  // namespace kn
