// The main window's face as the terminal keeps it in view: the idle clock, the reason, the
// session and window states, the sign, and the two other windows while the program shows them.
#pragma once

#include <string>

namespace kn::sim {

class World;

struct Face {
    std::string minutes = "0";
    std::string hours = "0";
    std::string reason;
    bool idle_on = false;
    std::string window = "hidden";  // as `dump` says it: normal, minimized, hidden
    std::string sign = "ok";        // whether the room hears the program
    bool colours_shown = false;
    std::string colour1, colour2;
    bool commands_shown = false;
    std::string command_count;

    bool operator==(const Face&) const = default;
};

// Read afresh from the windows' fields, the way the program itself reads them.
Face ReadFace(World& world);

}  // namespace kn::sim
