// What each owner command does and the line that confirms it. The owner is typing in the room,
// so a window a command shows leaves the keyboard there.
#include "core/owner_commands.h"

#include <string_view>

#include "core/chat_lines.h"
#include "core/idle_session.h"
#include "core/program.h"
#include "core/settings_file.h"
#include "core/startup.h"
#include "windows/forms.h"

namespace kn {

namespace {

// Each command's confirmation, after the head every styled line starts with.
constexpr std::string_view kNoReasonToIdle =
    "<font color=#{color2}> please set reason before going <font color=#{color1}>idle";
constexpr std::string_view kNewReason =
    "<font color=#{color2}> new idle reason <font color=#{color1}>{reason}";
constexpr std::string_view kNoReason = "<font color=#{color2}> no idle reason set";
constexpr std::string_view kReason =
    "<font color=#{color2}> idle reason <font color=#{color1}>{reason}";
constexpr std::string_view kNewHandle =
    "<font color=#{color2}> handle changed to <font color=#{color1}>{handle}";
constexpr std::string_view kCommandsShown =
    "<font color=#{color2}> kelvar nook commands <font color=#{color1}>shown";
constexpr std::string_view kCommandsHidden =
    "<font color=#{color2}> kelvar nook commands <font color=#{color1}>hidden";
constexpr std::string_view kMainFormShown =
    "<font color=#{color2}> kelvar nook › main form <font color=#{color1}>shown";
constexpr std::string_view kMainFormHidden =
    "<font color=#{color2}> kelvar nook › main form <font color=#{color1}>hidden";
constexpr std::string_view kMainFormMinimized =
    "<font color=#{color2}> kelvar nook › main form <font color=#{color1}>minimized";
constexpr std::string_view kMainFormMaximized =
    "<font color=#{color2}> kelvar nook › main form <font color=#{color1}>maximized";
constexpr std::string_view kEditorShown =
    "<font color=#{color2}> kelvar nook › color editor <font color=#{color1}>shown";
constexpr std::string_view kEditorHidden =
    "<font color=#{color2}> kelvar nook › color editor <font color=#{color1}>hidden";
constexpr std::string_view kEnteringRoom =
    "<font color=#{color2}> {handle} attempting to enter <font color=#{color1}>{room}";
constexpr std::string_view kClockReset =
    "<font color=#{color2}> kelvar nook › idle time <font color=#{color1}>reset";

}  // namespace

void CmdIdleOn(Program& p, const std::string&) {
    if (p.form1().Text1.Text().empty()) {
        Say(p, kNoReasonToIdle);
        return;
    }
    StartIdleSession(p);
}

void CmdIdleOff(Program& p, const std::string&) {
    EndIdleSession(p);
}

void CmdReason(Program& p, const std::string& reason) {
    p.form1().Text1.SetText(reason);
    Say(p, kNewReason);
}

void CmdEnd(Program& p, const std::string&) {
    ExitProgram(p);
}

void CmdReasonQuery(Program& p, const std::string&) {
    if (p.form1().Text1.Text().empty()) {
        Say(p, kNoReason);
    } else {
        Say(p, kReason);
    }
}

void CmdHandle(Program& p, const std::string& handle) {
    p.form1().Label5.SetText(handle);
    Say(p, kNewHandle);
    SaveHandle(p);
}

void CmdCmds(Program& p, const std::string&) {
    p.form3().window().ShowBeside(p.form1().window(), Activation::NoActivate);
    Say(p, kCommandsShown);
}

void CmdXcmds(Program& p, const std::string&) {
    p.form3().window().Hide();
    Say(p, kCommandsHidden);
}

void CmdShow(Program& p, const std::string&) {
    p.form1().window().Show(Activation::NoActivate);
    Say(p, kMainFormShown);
}

void CmdHide(Program& p, const std::string&) {
    p.form1().window().Hide();
    Say(p, kMainFormHidden);
}

void CmdMini(Program& p, const std::string&) {
    p.form1().window().SetState(WindowState::Minimized);
    Say(p, kMainFormMinimized);
}

void CmdMaxi(Program& p, const std::string&) {
    p.form1().window().SetState(WindowState::Normal);
    Say(p, kMainFormMaximized);
}

void CmdColors(Program& p, const std::string&) {
    p.form2().window().ShowBeside(p.form1().window(), Activation::NoActivate);
    Say(p, kEditorShown);
}

void CmdXcolors(Program& p, const std::string&) {
    p.form2().window().Hide();
    Say(p, kEditorHidden);
}

void CmdPr(Program& p, const std::string& room) {
    Say(p, kEnteringRoom, room);
    p.bridge().EnterPrivateRoom(room);
}

void CmdReset(Program& p, const std::string&) {
    ResetIdleClock(p);
    Say(p, kClockReset);
}

}  // namespace kn
