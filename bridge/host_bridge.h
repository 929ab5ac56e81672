// Everything the program does to the host client: finding its chat room, posting a line,
// pausing between lines, reading the signed-on screen name and running a keyword.
#pragma once

#include <string>
#include <string_view>

#include "platform/window_system.h"

namespace kn {

class CodePage;
class GuiRuntime;

class HostBridge {
  public:
    HostBridge(WindowSystem& ws, CodePage& cp, GuiRuntime& gui) : ws_(ws), cp_(cp), gui_(gui) {}

    // The front-most open window of the host that holds the four chat room controls, or 0.
    WindowHandle FindChatRoom();

    // Posts `line` into the chat room: sets the room's input box to it and presses Enter
    // there. Text the owner had typed into the box and not sent is put back afterwards, with
    // the caret at its end, if Enter emptied the box.
    void ChatSend(std::string_view line);

    // Returns after at least `seconds` on the monotonic clock, handling events meanwhile.
    void Pause(double seconds);

    // The window's title, as the characters the window system copied.
    std::string GetWindowCaption(WindowHandle w);

    // The screen name in the front-most welcome window's title, or "" when there is none.
    std::string GetOwnScreenName();

    // Types `keyword` into the host's keyword box and presses Enter there.
    void RunKeyword(std::string_view keyword);

    // Goes to the private room named `room`, exactly as typed.
    void EnterPrivateRoom(std::string_view room);

  private:
    bool IsChatRoom(WindowHandle candidate);

    WindowSystem& ws_;
    CodePage& cp_;
    GuiRuntime& gui_;
};

// The private-room link the host client understands; the room name follows it directly.
inline constexpr char kPrivateRoomPrefix[] = "aol://2719:2-2-";

}  // namespace kn
