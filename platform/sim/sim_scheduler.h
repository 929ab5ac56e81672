// The simulator's event pump: timers, posted tasks and an outside source of events (a script
// or the terminal), delivered in time order on one clock, virtual or real.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

namespace kn::sim {

using Micros = std::int64_t;
inline constexpr Micros kForever = INT64_MAX / 4;
inline Micros ToMicros(double seconds) {
    return static_cast<Micros>(seconds * 1e6 + 0.5);
}

// Where the outside events come from.
class EventSource {
  public:
    virtual ~EventSource() = default;
    // The time of the next event, if one is known.
    virtual std::optional<Micros> NextTime() = 0;
    // Delivers that event; runs it to its end.
    virtual void DeliverNext() = 0;
    // No event will ever come again.
    virtual bool Finished() = 0;
    // Real time only: waits up to `real_ms` for an event to arrive.
    virtual void AwaitInput(int /*real_ms*/) {}
};

class Clock {
  public:
    virtual ~Clock() = default;
    virtual Micros Now() = 0;
    // Lets time pass until `t`, or (in real time) until the source has an event.
    virtual void WaitUntil(Micros t, EventSource* source) = 0;
};

class VirtualClock final : public Clock {
  public:
    Micros Now() override { return now_; }
    void WaitUntil(Micros t, EventSource*) override { now_ = t > now_ ? t : now_; }

  private:
    Micros now_ = 0;
};

// Wall-clock time, running `speed` times faster.
class RealClock final : public Clock {
  public:
    explicit RealClock(double speed);
    Micros Now() override;
    void WaitUntil(Micros t, EventSource* source) override;

  private:
    double speed_;
    std::int64_t start_ns_;
};

class Scheduler {
  public:
    explicit Scheduler(Clock& clock) : clock_(clock) {}

    void SetSource(EventSource* source) { source_ = source; }
    Micros Now() { return clock_.Now(); }

    int AddTimer(Micros interval, std::function<void()> tick);
    void EnableTimer(int timer, bool on);
    bool TimerEnabled(int timer) const { return timers_[timer].enabled; }

    // Runs `task` at the current time, the next time the program waits for events.
    void Post(std::function<void()> task);

    void DoEvents();
    void WaitForEvents(Micros span);
    // The program's message loop: returns once the source has finished and nothing is left
    // that it caused.
    void RunMessageLoop();

    // While a modal prompt is open, every due event may be delivered, whatever is running.
    void EnterModal() { running_.push_back(-1); }
    void LeaveModal() { running_.pop_back(); }
    // Called by the item being handled: the loop that delivered it returns when it ends,
    // before anything else due at that time, as a closed dialog returns to its caller before
    // the next queued message is handled.
    void ReturnAfterThis() { return_after_this_ = true; }
    bool SourceFinished() { return source_ == nullptr || source_->Finished(); }

  private:
    struct TimerSlot {
        Micros interval;
        std::function<void()> tick;
        bool enabled = false;
        Micros due = 0;
    };
    enum class Kind { None, Timer, Task, Source };
    struct Next {
        Kind kind = Kind::None;
        Micros at = kForever;
        int timer = -1;
    };

    bool Deliverable(Micros t) const { return running_.empty() || t > running_.back(); }
    Next FindNext() const;
    void Deliver(const Next& next);

    Clock& clock_;
    EventSource* source_ = nullptr;
    std::vector<TimerSlot> timers_;
    std::deque<std::pair<Micros, std::function<void()>>> tasks_;
    // Start times of the items being handled, innermost last: an item due no later than the
    // innermost one waits until it has run to its end.
    std::vector<Micros> running_;
    bool return_after_this_ = false;
};

}  // namespace kn::sim
