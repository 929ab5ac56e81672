// The owner's commands that test a field or do a second thing besides their confirmation.
#include "core/owner_commands.h"

#include <string_view>

#include "core/chat_lines.h"
#include "core/idle_session.h"
#include "core/program.h"
#include "core/settings_file.h"
#include "windows/forms.h"

namespace kn {

namespace {

// The one answer that names no value.
constexpr std::string_view kNoReason = "<font color=#{color2}> no idle reason set";

}  // namespace

void CmdIdleOn(Program& p, const std::string&) {
    if (p.form1().Text1.Text().empty()) {
        Confirm(p, "please set reason before going", "idle");
        return;
    }
    StartIdleSession(p);
}

void CmdReasonQuery(Program& p, const std::string&) {
    if (p.form1().Text1.Text().empty()) {
        Say(p, kNoReason);
    } else {
        Confirm(p, "idle reason", "{reason}");
    }
}

void CmdHandle(Program& p, const std::string& handle) {
    p.form1().Label5.SetText(handle);
    Confirm(p, "handle changed to", "{handle}");
    SaveHandle(p);
}

void CmdPr(Program& p, const std::string& room) {
    Confirm(p, "{handle} attempting to enter", "{room}", room);
    p.bridge().EnterPrivateRoom(room);
}

}  // namespace kn
