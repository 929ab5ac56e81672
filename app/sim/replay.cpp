// Delivers script events one at a time; the index moves first, since an event's handling
// may wait for events and so deliver the next ones itself.
#include "app/sim/replay.h"

namespace kn::sim {

std::optional<Micros> ReplaySource::NextTime() {
    if (Finished()) return std::nullopt;
    return events_[next_].at;
}

void ReplaySource::DeliverNext() {
    const Event& event = events_[next_++];
    world_.Perform(event);
}

}  // namespace kn::sim
