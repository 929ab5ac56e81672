// The simulator's record: one line per happening, each with the virtual time in seconds with
// two decimals. Observers (the terminal view) may listen in as well.
#pragma once

#include <cstdio>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/sim/sim_scheduler.h"

namespace kn::sim {

class Record {
  public:
    Record(Scheduler& scheduler, std::FILE* out) : scheduler_(scheduler), out_(out) {}

    // One line: "T KIND TEXT" (TEXT may be empty, then "T KIND").
    void Line(std::string_view kind, std::string_view text = {});

    using Observer = std::function<void(Micros, std::string_view kind, std::string_view text)>;
    void AddObserver(Observer observer) { observers_.push_back(std::move(observer)); }
    void SetOutput(std::FILE* out) { out_ = out; }

    static std::string FormatTime(Micros t);

  private:
    Scheduler& scheduler_;
    std::FILE* out_;
    std::vector<Observer> observers_;
};

}  // namespace kn::sim
