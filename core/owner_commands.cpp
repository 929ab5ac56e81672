// What each owner command does and the line that confirms it.
#include "core/owner_commands.h"

#include <string_view>

#include "core/chat_lines.h"
#include "core/idle_session.h"
#include "core/settings_file.h"
#include "core/startup.h"
#include "windows/forms.h"
#include "windows/program.h"

namespace kn {

namespace {

void Say(Program& p, std::string_view line) {
    p.bridge().ChatSend(line);
}

// {head2} + piece + {color1} + state, the shape of every window command's confirmation.
void ConfirmWindow(Program& p, std::string_view piece, std::string_view state) {
    Say(p, Cat({Head2(p), piece, Color1(p), state}));
}

constexpr std::string_view kCommandsPiece = "> kelvar nook commands <font color=#";
constexpr std::string_view kMainFormPiece = "> kelvar nook › main form <font color=#";
constexpr std::string_view kEditorPiece = "> kelvar nook › color editor <font color=#";

}  // namespace

void CmdIdleOn(Program& p, const std::string&) {
    if (Reason(p).empty()) {
        Say(p,
            Cat({Head2(p), "> please set reason before going <font color=#", Color1(p), ">idle"}));
        return;
    }
    StartIdleSession(p);
}

void CmdIdleOff(Program& p, const std::string&) {
    EndIdleSession(p);
}

void CmdReason(Program& p, const std::string& reason) {
    p.form1().Text1.SetText(reason);
    Say(p, Cat({Head2(p), "> new idle reason <font color=#", Color1(p), ">", Reason(p)}));
}

void CmdEnd(Program& p, const std::string&) {
    ExitProgram(p);
}

void CmdReasonQuery(Program& p, const std::string&) {
    const std::string reason = Reason(p);
    if (reason.empty()) {
        Say(p, Cat({Head2(p), "> no idle reason set"}));
    } else {
        Say(p, Cat({Head2(p), "> idle reason <font color=#", Color1(p), ">", reason}));
    }
}

void CmdHandle(Program& p, const std::string& handle) {
    p.form1().Label5.SetText(handle);
    Say(p, Cat({Head2(p), "> handle changed to <font color=#", Color1(p), ">", Handle(p)}));
    WriteIni(p, "prefs", "handle", Handle(p), SettingsPath(p));
}

void CmdCmds(Program& p, const std::string&) {
    p.form3().window().Show();
    ConfirmWindow(p, kCommandsPiece, ">shown");
}

void CmdXcmds(Program& p, const std::string&) {
    p.form3().window().Hide();
    ConfirmWindow(p, kCommandsPiece, ">hidden");
}

void CmdShow(Program& p, const std::string&) {
    p.form1().window().Show();
    ConfirmWindow(p, kMainFormPiece, ">shown");
}

void CmdHide(Program& p, const std::string&) {
    p.form1().window().Hide();
    ConfirmWindow(p, kMainFormPiece, ">hidden");
}

void CmdMini(Program& p, const std::string&) {
    p.form1().window().SetState(WindowState::Minimized);
    ConfirmWindow(p, kMainFormPiece, ">minimized");
}

void CmdMaxi(Program& p, const std::string&) {
    p.form1().window().SetState(WindowState::Normal);
    ConfirmWindow(p, kMainFormPiece, ">maximized");
}

void CmdColors(Program& p, const std::string&) {
    p.form2().window().Show();
    ConfirmWindow(p, kEditorPiece, ">shown");
}

void CmdXcolors(Program& p, const std::string&) {
    p.form2().window().Hide();
    ConfirmWindow(p, kEditorPiece, ">hidden");
}

void CmdPr(Program& p, const std::string& room) {
    Say(p, Cat({Head2(p), "> ", Handle(p), " attempting to enter <font color=#", Color1(p), ">",
                room}));
    p.bridge().EnterPrivateRoom(room);
}

void CmdReset(Program& p, const std::string&) {
    ResetIdleClock(p);
    Say(p, Cat({Head2(p), "> kelvar nook › idle time <font color=#", Color1(p), ">reset"}));
}

}  // namespace kn
