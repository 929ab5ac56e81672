// The chat scanner: watches the front-most chat room's transcript and raises ChatLine once
// for every line said there after it started, in order and none twice. Lines that can't be
// lined up with what it read before are dropped on purpose, not guessed at.
#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "platform/window_system.h"

namespace kn {

class CodePage;
class HostBridge;
class GuiRuntime;
class FormWindow;
class Timer;

class ChatScanner {
  public:
    // Screen name first, the line's text second.
    using ChatLineHandler = std::function<void(const std::string&, const std::string&)>;

    // The bridge finds the room; the transcript is read through `ws` and decoded by `cp`.
    // The poll timer is `owner`'s, under `timer_id`, which its other timers leave free.
    // `polled` runs after every poll, once its lines are raised: what the bridge found there
    // is then the host as it stands.
    ChatScanner(HostBridge& bridge, WindowSystem& ws, CodePage& cp, GuiRuntime& gui,
                FormWindow& owner, unsigned timer_id, ChatLineHandler handler,
                std::function<void()> polled = {});
    ~ChatScanner();

    // Starts watching; what the room holds at first sight is history and is not raised.
    void StartScan();

    // Reads the transcript once and raises ChatLine for what is new; the poll timer's tick.
    void Poll();

    static constexpr unsigned kPollMs = 200;
    // A trim that exactly balances an append keeps the length but shifts the first bytes,
    // so an unchanged length is trusted only with an unchanged head (a few lines long). Only
    // a run of identical top lines hides a trim from it; a full read every so many polls
    // bounds how long a line can wait then.
    static constexpr std::size_t kHeadBytes = 256;
    static constexpr int kFullReadEvery = 25;
    // Room beyond the measured length, so that a read known whole needs no second length: a
    // poll period's lines fit in it many times over.
    static constexpr std::size_t kReadSpare = 4096;

  private:
    void Read();
    void Meet(WindowHandle transcript);
    std::optional<std::string> ReadWhole(WindowHandle transcript, std::size_t length);
    bool LooksUnchanged(WindowHandle transcript, std::size_t length);
    void TakeNewText(std::string current, std::size_t length);
    void Raise();

    HostBridge& bridge_;
    WindowSystem& ws_;
    CodePage& cp_;
    ChatLineHandler handler_;
    std::function<void()> polled_;
    std::unique_ptr<Timer> timer_;
    WindowHandle transcript_ = 0;  // the transcript control watched, 0 when there is no room
    std::string seen_;             // its text as last read, in the ANSI code page
    std::string seen_lines_;       // the same as JoinedLines gives it
    std::size_t seen_length_ = 0;  // its length as TextLength measured it for that read
    int polls_since_read_ = 0;
    std::deque<std::pair<std::string, std::string>> pending_;
};

// The transcript's lines joined by "\n", without empty ones: CR LF, CR and LF all end a line,
// so a host that redraws its transcript with other line breaks shows the same lines. A rich
// edit keeps a paragraph's end as CR alone (EM_GETTEXTEX adds the LF only when asked), though
// Wine's answers WM_GETTEXT with CR LF.
std::string JoinedLines(std::string_view transcript);

// How many bytes at the start of `now` were already in `before` (both as JoinedLines gives
// them) when the host may have trimmed whole lines from the top and appended new ones.
std::size_t AlreadySeen(std::string_view before, std::string_view now);

}  // namespace kn
