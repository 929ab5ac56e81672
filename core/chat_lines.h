// The styled chat lines: two-colour markup the host shows as coloured text. Each line is
// written once, as the room shows it, with named placeholders for the values it carries.
#pragma once

#include <string>
#include <string_view>

namespace kn {

class Program;

// What every styled line starts with, up to its first "›".
inline constexpr std::string_view kHead = "</b><font color=#{color1} face=\"tahoma\">            ›";

// kHead followed by `body`, the placeholders {color1}, {color2}, {handle}, {reason}, {hours},
// {minutes} and {room} filled in one pass. Each value is read from its field when the line
// first needs it and goes in as it is: a value holding "{color1}" stays as it was typed.
std::string Styled(Program& program, std::string_view body, std::string_view room = {});

// Posts the styled line.
void Say(Program& program, std::string_view body, std::string_view room = {});

// Posts a command's confirmation: `what` in the second colour, then `value` in the first,
// each a template as for Styled. Nothing when `what` is empty.
void Confirm(Program& program, std::string_view what, std::string_view value,
             std::string_view room = {});

// Two lines as one message: the second is built after the pause, with the values then.
void SayTwo(Program& program, std::string_view first, std::string_view second);

void SayColorPreview(Program& program);
void AnnounceLoaded(Program& program);
void AnnounceUnloaded(Program& program);

inline constexpr double kLinePause = 0.51;

}  // namespace kn
