// A chat room of the stand-in host: an open window holding the transcript, the three other
// controls that mark it as a room, and the input box where Enter says a line.
#pragma once

#include <richedit.h>
#include <windows.h>

#include <cstddef>
#include <deque>
#include <string>
#include <string_view>

namespace standin {

class Host;

// Owned by its window, which deletes it when it goes (open_window.cpp).
class ChatRoom {
  public:
    // Fills `window`, an open host window, with the room's controls.
    ChatRoom(Host& host, HWND window, std::size_t max_lines);
    ~ChatRoom();
    ChatRoom(const ChatRoom&) = delete;
    ChatRoom& operator=(const ChatRoom&) = delete;

    // The room that `window` is, or null.
    static ChatRoom* Of(HWND window);

    HWND window() const { return window_; }
    HWND input() const { return input_; }

    // A line said in the room by `name`; it is recorded as a chat line.
    void Chat(std::wstring_view name, std::wstring_view text);

    // The owner replaces what the input box holds.
    void Type(std::wstring_view text);

    // Enter in the input box: its text is said under the signed-on screen name and the box
    // empties. The program's Enter is recorded as a post, a person's as the owner's chat line.
    void Enter(bool by_program);

    void Layout();

    // The transcript is laid out again with the host's line break before every line.
    void Redraw();

  private:
    void AddToTranscript(std::wstring_view name, std::wstring_view text);

    Host& host_;
    HWND window_;
    HWND transcript_ = nullptr;
    HWND input_ = nullptr;
    std::size_t max_lines_;
    std::deque<std::wstring> lines_;
};

// Open windows that look like a room to a careless search but are not one.
enum class Decoy {
    Nested,   // all four room controls, but inside a panel rather than directly in the window
    Partial,  // every room control but "_AOL_Static"
};
void FillDecoy(HWND window, Decoy kind);

// The line as the room shows it: every tag, from "<" to the next ">", taken out.
std::wstring WithoutTags(std::wstring_view line);

void RegisterChatRoomClasses(HINSTANCE instance);

}  // namespace standin
