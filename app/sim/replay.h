// Script replay: the script's events as the event source of a run in virtual time.
#pragma once

#include <vector>

#include "app/sim/script.h"
#include "app/sim/world.h"

namespace kn::sim {

class ReplaySource final : public EventSource {
  public:
    ReplaySource(World& world, std::vector<Event> events)
        : world_(world), events_(std::move(events)) {}

    std::optional<Micros> NextTime() override;
    void DeliverNext() override;
    bool Finished() override { return next_ >= events_.size(); }

  private:
    World& world_;
    std::vector<Event> events_;
    std::size_t next_ = 0;
};

}  // namespace kn::sim
