// Turns the record's happenings into what the owner sees: the room's lines as the host
// client shows them, and short notes for the prompt, the keyword box, dumps, the lines the
// owner missed and the end.
#pragma once

#include <string_view>

#include "app/sim/terminal_view.h"
#include "platform/sim/sim_scheduler.h"

namespace kn::sim {

class SimHost;
class SimGuiRuntime;

class RoomFeed {
  public:
    RoomFeed(SimHost& host, SimGuiRuntime& gui, View& view) : host_(host), gui_(gui), view_(view) {}

    // The record observer.
    void OnRecord(Micros at, std::string_view kind, std::string_view text);
    void Notice(std::string_view text);
    void Aside(std::string_view text);  // a notice's further lines, such as /help's
    void Error(std::string_view text);

    // Handle prompts opened so far. A prompt that has been answered stays open until the
    // program next looks at it, so the count tells the terminal whether one still waits.
    int prompts_opened() const { return prompts_opened_; }

  private:
    void Chat(std::string_view text);
    void Missed();

    SimHost& host_;
    SimGuiRuntime& gui_;
    View& view_;
    int prompts_opened_ = 0;
};

}  // namespace kn::sim
