// Delivery order at one time: timers first, then posted tasks, then the source's events.
#include "platform/sim/sim_scheduler.h"

#include <algorithm>
#include <chrono>
#include <thread>
#include <utility>

namespace kn::sim {

namespace {
std::int64_t SteadyNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}
}  // namespace

RealClock::RealClock(double speed) : speed_(speed > 0 ? speed : 1), start_ns_(SteadyNs()) {}

Micros RealClock::Now() {
    return static_cast<Micros>(static_cast<double>(SteadyNs() - start_ns_) / 1000.0 * speed_);
}

void RealClock::WaitUntil(Micros t, EventSource* source) {
    const Micros left = t - Now();
    if (left <= 0) return;
    const double real_ms =
        std::min<double>(static_cast<double>(left) / speed_ / 1000.0 + 1, 1000.0);
    if (source) {
        source->AwaitInput(static_cast<int>(real_ms));
    } else {
        std::this_thread::sleep_for(std::chrono::milliseconds(static_cast<int>(real_ms)));
    }
}

int Scheduler::AddTimer(Micros interval, std::function<void()> tick) {
    timers_.push_back({interval, std::move(tick)});
    return static_cast<int>(timers_.size()) - 1;
}

void Scheduler::EnableTimer(int timer, bool on) {
    TimerSlot& slot = timers_[timer];
    if (on && !slot.enabled) slot.due = Now() + slot.interval;
    slot.enabled = on;
}

void Scheduler::Post(std::function<void()> task) {
    tasks_.emplace_back(Now(), std::move(task));
}

Scheduler::Next Scheduler::FindNext() const {
    Next next;
    for (std::size_t i = 0; i < timers_.size(); ++i) {
        const TimerSlot& t = timers_[i];
        if (t.enabled && Deliverable(t.due) && t.due < next.at) {
            next = {Kind::Timer, t.due, static_cast<int>(i)};
        }
    }
    // Tasks are posted in time order, so the first deliverable one is the earliest.
    const auto task = std::find_if(tasks_.begin(), tasks_.end(),
                                   [&](const auto& t) { return Deliverable(t.first); });
    if (task != tasks_.end() && task->first < next.at) next = {Kind::Task, task->first};
    if (source_) {
        const std::optional<Micros> at = source_->NextTime();
        if (at && Deliverable(*at) && *at < next.at) next = {Kind::Source, *at};
    }
    return next;
}

void Scheduler::Deliver(const Next& next) {
    std::function<void()> work;
    switch (next.kind) {
        case Kind::Timer: {
            TimerSlot& slot = timers_[next.timer];
            // Ticks that fell due while the thread was busy coalesce into one, as WM_TIMER does.
            slot.due = std::max(slot.due + slot.interval, Now());
            work = slot.tick;
            break;
        }
        case Kind::Task: {
            const auto it = std::find_if(tasks_.begin(), tasks_.end(),
                                         [&](const auto& t) { return Deliverable(t.first); });
            work = std::move(it->second);
            tasks_.erase(it);
            break;
        }
        case Kind::Source:
            work = [this] { source_->DeliverNext(); };
            break;
        case Kind::None:
            return;
    }
    running_.push_back(next.at);
    struct Pop {
        std::vector<Micros>& v;
        ~Pop() { v.pop_back(); }
    } pop{running_};
    work();
}

void Scheduler::DoEvents() {
    for (Next next = FindNext(); next.kind != Kind::None && next.at <= Now(); next = FindNext()) {
        Deliver(next);
        if (std::exchange(return_after_this_, false)) return;
    }
}

void Scheduler::WaitForEvents(Micros span) {
    if (span <= 0) return;
    const Micros deadline = Now() + span;
    for (;;) {
        const Next next = FindNext();
        if (next.kind != Kind::None && next.at <= Now()) {
            DoEvents();
            return;
        }
        const Micros until = std::min(next.at, deadline);
        if (until >= kForever) return;  // nothing can ever come
        clock_.WaitUntil(until, source_);
        if (Now() >= deadline) {
            DoEvents();
            return;
        }
    }
}

void Scheduler::RunMessageLoop() {
    for (;;) {
        // Once the source is done, only what its last events set going (a posted task) runs.
        if (SourceFinished() && tasks_.empty()) return;
        WaitForEvents(kForever / 2);
    }
}

}  // namespace kn::sim
