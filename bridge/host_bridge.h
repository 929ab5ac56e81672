// Everything the program does to the host client: finding its chat room, posting a line,
// pausing between lines, reading the signed-on screen name and running a keyword.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "bridge/posted_lines.h"
#include "platform/window_system.h"

namespace kn {

class CodePage;
class GuiRuntime;

// How far the last search for the chat room got.
enum class HostReach { NoHost, NoRoom, Room };

class HostBridge {
  public:
    HostBridge(WindowSystem& ws, CodePage& cp, GuiRuntime& gui) : ws_(ws), cp_(cp), gui_(gui) {}

    // The front-most open window of the host that holds the four chat room controls, or 0.
    WindowHandle FindChatRoom();
    // What the last FindChatRoom found: no frame, a frame without a room, or a room.
    HostReach reach() const { return reach_; }

    // Posts `line` into the chat room: sets the room's input box to it and presses Enter
    // there. Text the owner had typed into the box and not sent is put back afterwards, with
    // the caret at its end, if Enter emptied the box.
    void ChatSend(std::string_view line);
    // The lines ChatSend posted, to be known when they come back and missed when they don't.
    PostedLines& posted() { return posted_; }

    // Returns after at least `seconds` on the monotonic clock, handling events meanwhile.
    void Pause(double seconds);

    // The screen name in the front-most welcome window's title, or "" when there is none.
    std::string GetOwnScreenName();
    // Whether a welcome window names the owner, as GetOwnScreenName found at most
    // kSignedOnEvery seconds ago: every poll asks, and the walk is not free.
    bool SignedOn();
    static constexpr double kSignedOnEvery = 0.75;

    // Types `keyword` into the host's keyword box and presses Enter there.
    void RunKeyword(std::string_view keyword);

    // Goes to the private room named `room`, exactly as typed.
    void EnterPrivateRoom(std::string_view room);

  private:
    bool IsChatRoom(WindowHandle candidate);
    // The front-most of the open windows inside the host's `frame` that `fits`, or 0. Each
    // operation walks afresh: the host opens and closes its windows at will.
    WindowHandle FirstOpenWindow(WindowHandle frame, const std::function<bool(WindowHandle)>& fits);

    WindowSystem& ws_;
    CodePage& cp_;
    GuiRuntime& gui_;
    HostReach reach_ = HostReach::NoHost;
    PostedLines posted_;
    bool signed_on_ = false;
    double signed_on_asked_ = -1;  // when SignedOn last walked the host's windows; -1: never
};

// The private-room link the host client understands; the room name follows it directly.
inline constexpr char kPrivateRoomPrefix[] = "aol://2719:2-2-";

}  // namespace kn
