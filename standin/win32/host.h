// The stand-in host client: the frame with its MDI client and toolbar, the open windows front
// to back (chat rooms, the welcome window, plain ones), and what the control lines do to them.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "standin/win32/chat_room.h"
#include "standin/win32/options.h"
#include "standin/win32/record.h"

namespace standin {

class Host {
  public:
    Host(HINSTANCE instance, Options options);

    // The host as it is at time 0: signed on, one chat room open behind the welcome window,
    // the keyword box in its toolbar. Nothing when it is running already.
    void Start();
    // All its windows go; the process stays, so it can start again.
    void Quit();
    bool Running() const { return frame_ != nullptr; }

    // Each is false when there was nothing to do it to (no room, host quit).
    bool OwnerSays(std::wstring_view text);
    bool Draft(std::wstring_view text);
    bool MemberSays(std::wstring_view name, std::wstring_view text);
    bool SignOn(std::wstring_view name);
    bool SignOff();
    bool SetWelcomeTitle(std::wstring_view title);
    bool OpenRoom();
    bool CloseRoom();
    bool OpenWindow(std::wstring_view title);
    bool OpenDecoy(Decoy kind);
    // "CRLF", "CR" or "LF": every room's transcript is redrawn with that line break, and
    // later lines get it too, until the host starts again. False for any other word.
    bool SetLineEnd(std::wstring_view name);

    // The frame is going away on its own (a person closed it).
    void FrameGone() { frame_ = nullptr; }

    Record& record() { return record_; }
    const std::wstring& screen_name() const { return screen_name_; }
    const std::wstring& line_break() const { return line_break_; }
    HINSTANCE instance() const { return instance_; }
    HWND Mdi() const;

  private:
    HWND Welcome() const;
    ChatRoom* FrontRoom() const;
    HWND NewWindow(std::wstring_view title, const RECT& place);
    void SendBehind(HWND window);

    HINSTANCE instance_;
    const Options options_;
    Record record_;
    std::wstring screen_name_;
    std::wstring line_break_ = L"\r\n";
    HWND frame_ = nullptr;
    HWND welcome_ = nullptr;
};

}  // namespace standin
