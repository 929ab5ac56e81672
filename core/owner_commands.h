// The sixteen commands the owner types into the room; each confirms itself there with a
// styled line built after its own changes, from the values as read back from their fields.
#pragma once

#include <string>

namespace kn {

class Program;

void CmdIdleOn(Program& p, const std::string& argument);
void CmdIdleOff(Program& p, const std::string& argument);
void CmdReason(Program& p, const std::string& reason);
void CmdEnd(Program& p, const std::string& argument);
void CmdReasonQuery(Program& p, const std::string& argument);
void CmdHandle(Program& p, const std::string& handle);
void CmdCmds(Program& p, const std::string& argument);
void CmdXcmds(Program& p, const std::string& argument);
void CmdShow(Program& p, const std::string& argument);
void CmdHide(Program& p, const std::string& argument);
void CmdMini(Program& p, const std::string& argument);
void CmdMaxi(Program& p, const std::string& argument);
void CmdColors(Program& p, const std::string& argument);
void CmdXcolors(Program& p, const std::string& argument);
void CmdPr(Program& p, const std::string& room);
void CmdReset(Program& p, const std::string& argument);

}  // namespace kn
