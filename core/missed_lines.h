// What the owner missed: the lines of other members that named the owner during an idle
// session, kept as the items of Form4's list, its count in Form4's label; nowhere else.
#pragma once

#include <string>
#include <string_view>

namespace kn {

class Program;

inline constexpr int kMissedLinesKept = 100;

// A line said by `speaker` that is not the owner's (`own` is the owner's screen name as just
// read, empty with no welcome window): kept when an idle session is on, a welcome window names
// the owner and the line names the owner too, the oldest going past the cap.
void KeepIfMissed(Program& program, const std::string& own, const std::string& speaker,
                  const std::string& text);

// A new idle session starts with nothing kept.
void ForgetMissedLines(Program& program);

// The session has ended: the window opens beside the main window, leaving the keyboard where it
// is, if anything was kept.
void ShowMissedLines(Program& program);

// Form4's label for `count` lines.
std::string MissedCountCaption(int count);

}  // namespace kn
