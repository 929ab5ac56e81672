// The stand-in host client inside the simulator: its window tree, a chat room whose input
// box says what Enter finds in it, a transcript, a welcome window and a keyword box.
#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <string_view>

#include "platform/sim/record.h"
#include "platform/sim/sim_window_system.h"

namespace kn {
class CodePage;
}

namespace kn::sim {

class SimHost {
  public:
    SimHost(SimWindowSystem& ws, CodePage& cp, Record& record, std::string screen_name);

    // The host at time 0: signed on, one chat room open, the keyword box in its toolbar.
    void Start();
    // All its windows go.
    void Quit();
    bool Running() const { return frame_ != 0; }

    // The owner types into the front-most room's input box (and presses Enter); false when
    // no chat room is open.
    bool OwnerSays(std::string_view text);
    bool Draft(std::string_view text);
    // A member says a line in the room (lost when no room is open).
    void MemberSays(std::string_view name, std::string_view text);

    void SignOn(std::string_view name);
    void SignOff();
    void SetWelcomeTitle(std::string_view title);
    void OpenRoom();
    void CloseRoom();
    void OpenWindow(std::string_view title);
    // Every room's transcript is redrawn with `line_break` before each line, and later lines
    // get it too, until the host starts again.
    void SetLineEnd(std::string_view line_break);

    // The front-most room's input box text (UTF-8), or "" with no room.
    std::string InputText() const;
    // The transcript as the front-most room holds it (ANSI).
    std::string Transcript() const;
    WindowHandle FrontRoom() const;
    // At most this many lines stay in a transcript; older ones go from the top.
    void SetTranscriptLimit(std::size_t lines) { transcript_limit_ = lines; }
    const std::string& screen_name() const { return screen_name_; }
    // The window system the host's windows live in, for tests that reach its seams.
    SimWindowSystem& window_system() { return ws_; }

  private:
    WindowHandle Mdi() const;
    WindowHandle Welcome() const;
    WindowHandle InputBoxOf(WindowHandle room) const;
    void Say(WindowHandle room, std::string_view name_ansi, std::string_view line_ansi);
    void InputChar(WindowHandle box, unsigned ch);
    void KeywordChar(WindowHandle edit, unsigned ch);

    SimWindowSystem& ws_;
    CodePage& cp_;
    Record& record_;
    const std::string initial_name_;
    std::string screen_name_;
    WindowHandle frame_ = 0;
    WindowHandle welcome_ = 0;
    std::string keyword_;  // what the program last put into the keyword box
    std::size_t transcript_limit_ = 500;
    std::string line_break_ = "\r\n";
};

}  // namespace kn::sim
