// The chat line dispatcher: picks the owner's own lines out of the room and runs the command
// their first word names. Everybody else's lines go to what the owner missed, if anywhere.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kn {

class Program;

enum class ArgumentRule { None, Required };

struct CommandEntry {
    std::string_view word;  // lower case
    ArgumentRule rule;
    void (*run)(Program&, const std::string& argument);
    // Its confirmation, posted after `run` from the values it left: `what` in the second
    // colour, then `value` in the first. None when `run` says what it has to say.
    std::string_view what;
    std::string_view value;
    std::string_view list_line;  // its line in the command list window
};

// The sixteen commands in their fixed order.
std::span<const CommandEntry> CommandTable();

// The command list window's lines, one a command, in alphabetical order.
std::vector<std::string> CommandListLines();

// A line cut at its first blank: the word lower-cased, the argument exactly as typed.
struct CutLine {
    std::string word;
    std::string argument;
};
CutLine CutCommand(std::string_view text);

// A line the scanner saw said in the room: runs the owner's command; anyone else's may be kept
// as missed.
void HandleChatLine(Program& program, const std::string& screen_name, const std::string& text);

}  // namespace kn
