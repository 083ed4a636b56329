#pragma once
// Timers for periodic tasks, driven by the Qt event loop.

#include "platform/timer_host.h"

namespace orvane {

class QtTimerHost final : public TimerHost {
public:
    std::unique_ptr<Timer> CreateTimer(std::function<void()> onTick) override;
};

}  // namespace orvane
