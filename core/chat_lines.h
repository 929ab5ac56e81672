// The styled chat lines: two-colour markup the host shows as coloured text, built from the
// values in the window fields at the moment of building, and the two-line announcements.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace kn {

class Program;

// The values a line template reads, each from its field, every time.
std::string Color1(Program& program);
std::string Color2(Program& program);
std::string Handle(Program& program);
std::string Reason(Program& program);

// A template's pieces joined with nothing added, removed or trimmed.
std::string Cat(std::initializer_list<std::string_view> pieces);

std::string UserBannerLine(Program& program);
std::string LoadedBannerLine(Program& program);
std::string UnloadedBannerLine(Program& program);
std::string ColorPreviewLine(Program& program);

// The head shared by the confirmations of the owner commands, up to the colour-2 value.
std::string Head2(Program& program);

// Two lines as one message: the second is built after the pause, with the values then.
void AnnounceLoaded(Program& program);
void AnnounceUnloaded(Program& program);

inline constexpr double kLinePause = 0.51;

}  // namespace kn
