#pragma once
// Event-loop timers: the only source of repetition in the program. Every periodic
// task runs on the one GUI thread, fired by the host's event loop.

#include <functional>
#include <memory>

namespace orvane {

// One repeating timer. Start() (re)arms it with the given interval in milliseconds.
class Timer {
public:
    virtual ~Timer() = default;
    virtual void Start(int intervalMs) = 0;
    virtual void Stop() = 0;
    virtual bool IsActive() const = 0;
};

// Creates timers that call back on the event-loop thread. A Qt host uses QTimer;
// tests use virtual time they advance by hand.
class TimerHost {
public:
    virtual ~TimerHost() = default;
    virtual std::unique_ptr<Timer> CreateTimer(std::function<void()> onTick) = 0;
};

}  // namespace orvane
