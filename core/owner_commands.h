// The owner's commands that do more than change one thing and confirm it: the others are
// whole rows of the dispatcher's command table.
#pragma once

#include <string>

namespace kn {

class Program;

void CmdIdleOn(Program& p, const std::string& argument);
void CmdReasonQuery(Program& p, const std::string& argument);
void CmdHandle(Program& p, const std::string& handle);
void CmdPr(Program& p, const std::string& room);

}  // namespace kn
