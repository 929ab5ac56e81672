// Runs a script through the simulator in-process and hands back its record, so tests can
// read like the behaviour: a script in, record lines and the settings file out.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/sim/sim_scheduler.h"
#include "tests/shared/scratch_dir.h"

namespace kn::sim {
class World;
}

namespace kn::test {

struct SimRun {
    std::vector<std::string> record;  // the record's lines, without line ends
    int status = 0;
    std::string errors;  // what went to standard error
};

// Events at set times without a script: for what a script can't time (inside one lookup) or
// say (the dispatcher called directly).
class TimedEvents final : public sim::EventSource {
  public:
    using Event = std::pair<double, std::function<void()>>;
    explicit TimedEvents(std::vector<Event> events) : events_(std::move(events)) {}
    std::optional<sim::Micros> NextTime() override {
        if (Finished()) return std::nullopt;
        return sim::ToMicros(events_[next_].first);
    }
    void DeliverNext() override { events_[next_++].second(); }
    bool Finished() override { return next_ >= events_.size(); }

  private:
    std::vector<Event> events_;
    std::size_t next_ = 0;
};

// Runs the program in `dir` on the events that `events` makes for its world (setting the world
// up as it likes); `inspect` sees the world as the run left it.
using MakeEvents = std::function<std::unique_ptr<sim::EventSource>(sim::World&)>;
SimRun RunEvents(const ScratchDir& dir, const std::string& screen_name, const MakeEvents& events,
                 const std::function<void(sim::World&)>& inspect = {});

// Replays `script` with the program in `dir`; `setup` sees the world before the run and
// `inspect` as the run left it.
SimRun RunScript(const ScratchDir& dir, const std::string& script,
                 const std::string& screen_name = "Owner",
                 const std::function<void(sim::World&)>& setup = {},
                 const std::function<void(sim::World&)>& inspect = {});

// Only the record lines of one kind that carry a text ("post", "chat", "state", ...), with
// their times.
std::vector<std::string> Lines(const SimRun& run, const std::string& kind);
// The same without the times.
std::vector<std::string> Texts(const SimRun& run, const std::string& kind);

// A settings file as the program writes it after a first start with handle `handle`.
std::string SettingsAfterFirstStart(const std::string& handle);

}  // namespace kn::test
