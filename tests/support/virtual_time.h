#pragma once
// Virtual time for tests: a clock and a timer host whose time moves only when the test
// advances it, firing the due timers in order.

#include <cstdint>
#include <map>

#include "platform/clock.h"
#include "platform/timer_host.h"

namespace orvane::testing {

class VirtualTime final : public Clock, public TimerHost {
public:
    std::uint32_t TickCount() const override { return now_; }
    std::unique_ptr<Timer> CreateTimer(std::function<void()> onTick) override;

    // Moves time on by `ms`, one millisecond at a time, firing every timer that falls due.
    void Advance(std::uint32_t ms);
    // Sets the counter without firing anything (for wrap-around cases).
    void SetTick(std::uint32_t tick) { now_ = tick; }

    std::size_t ActiveTimerCount() const;
    std::size_t TimerCount() const { return timers_.size(); }

private:
    class VirtualTimer;
    struct Entry {
        std::function<void()> onTick;
        int interval = 0;
        std::uint32_t due = 0;
        bool active = false;
    };

    std::uint32_t now_ = 0;
    std::uint64_t nextId_ = 0;
    std::map<std::uint64_t, Entry> timers_;
};

}  // namespace orvane::testing
