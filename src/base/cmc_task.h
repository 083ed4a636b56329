#pragma once
// A periodic task on the GUI timer. The program has no worker threads: the message
// pump, the controller's tick, the serial transmit pump and the clone engine's steps
// are all cmcTask callbacks on the one event-loop thread.

#include <functional>
#include <memory>

#include "platform/timer_host.h"

namespace orvane {

class cmcTask {
public:
    using Callback = std::function<void(cmcTask&)>;

    // Tasks live on the heap because a running task may only destroy itself on a later
    // tick (see Dispose). Own them through cmcTaskPtr.
    static cmcTask* Create(TimerHost& host);

    void SetCallback(Callback callback) { callback_ = std::move(callback); }
    // Negative: stop. Otherwise run every max(interval, 1) ms.
    void Start(int intervalMs);
    void Stop() { Start(-1); }
    // Removes the callback and stops.
    void Reset();
    // Destroys a stopped task now; a running one, or one inside its callback, is reset
    // and destroys itself on its next tick, so a callback may dispose of its own task.
    void Dispose();

    // What an owner does when it lets go: destroys the task now, or on the next tick when
    // the owner is the task's own callback.
    void Release();

    bool IsRunning() const { return running_; }
    int Interval() const { return interval_; }

    cmcTask(const cmcTask&) = delete;
    cmcTask& operator=(const cmcTask&) = delete;

private:
    explicit cmcTask(TimerHost& host);
    ~cmcTask() = default;
    void Tick();

    std::unique_ptr<Timer> timer_;
    Callback callback_;
    int interval_ = -1;
    bool running_ = false;
    bool busy_ = false;
    bool disposeRequested_ = false;
};

struct cmcTaskDisposer {
    void operator()(cmcTask* task) const { task->Release(); }
};
using cmcTaskPtr = std::unique_ptr<cmcTask, cmcTaskDisposer>;

inline cmcTaskPtr MakeTask(TimerHost& host) { return cmcTaskPtr(cmcTask::Create(host)); }

}  // namespace orvane
