// How the room's lines look on the terminal: the speaker, then the line as the host client
// shows it, the program's lines in their font colours; nothing in a line can steer the terminal.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace kn::sim {

struct Rgb {
    unsigned char r, g, b;
};

// A font colour the way the host client takes it: exactly six hex digits, any case.
std::optional<Rgb> ParseColour(std::string_view text);

// The 24-bit foreground for a run's colour; the terminal's own colour when it isn't one.
std::string Foreground(std::string_view colour);

// The text with every control character shown as a caret pair (ESC as "^["), C1 controls
// and broken UTF-8 as U+FFFD, and tabs as blanks.
std::string Printable(std::string_view utf8);

// Terminal columns the printable text takes: one for each code point.
std::size_t Columns(std::string_view utf8);

// The text cut to `width` columns, its last one an ellipsis when it had to be cut.
std::string Fit(std::string_view utf8, std::size_t width);

// A line the program posted: its markup rendered to runs, each in its colour.
std::string RenderProgramLine(std::string_view speaker, std::string_view markup, bool colour);

// A member's line, the owner's included: tags hidden as the room does, no colours.
std::string RenderMemberLine(std::string_view speaker, std::string_view text, bool colour);

// What the simulator itself has to say, set apart from the room's lines.
std::string RenderNotice(std::string_view text, bool colour);
std::string RenderAside(std::string_view text, bool colour);
std::string RenderError(std::string_view text, bool colour);

}  // namespace kn::sim
