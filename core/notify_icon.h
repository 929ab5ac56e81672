// What the program's icon in the notification area shows and says, and what a click on it does.
#pragma once

#include <string>

#include "platform/notify_icon.h"

namespace kn {

class Program;

// What the icon tells, as the main window holds it.
struct IconFacts {
    bool idle = false;           // an idle session is on
    std::string minutes, hours;  // the idle clock, decimal
    std::string reason;
    std::string sign;  // "ok", "no host", ...
};

// The look for `facts`: the program's name, the idle session, the sign and the reason, one to
// a line, the reason last so that a tip cut short loses only the reason's end.
NotifyLook LookOf(const IconFacts& facts);

// The sign's word as the main window holds it; none reads as "ok".
std::string SignWord(Program& program);

// The icon with the main window's facts now.
void ShowNotifyIcon(Program& program);

// The main window shown, restored and in front, wherever it was.
void RestoreFromIcon(Program& program);

}  // namespace kn
