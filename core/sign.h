// The sign on the main window: whether the room hears the program, from what the chat
// scanner's last poll found. It posts nothing, writes nothing and takes no keyboard.
#pragma once

#include <string_view>

namespace kn {

class Program;

namespace sign {
inline constexpr std::string_view kNoHost = "no host";
inline constexpr std::string_view kNoRoom = "no room";
inline constexpr std::string_view kSignedOff = "signed off";
inline constexpr std::string_view kUnheard = "unheard";
inline constexpr std::string_view kOk = "ok";
}  // namespace sign

// The first word that holds now, in the order above.
std::string_view SignNow(Program& program);

// Puts SignNow into Form1's sign when it differs from what the sign shows.
void UpdateSign(Program& program);

}  // namespace kn
