#include "base/cmc_task.h"

#include <algorithm>

namespace orvane {

cmcTask* cmcTask::Create(TimerHost& host) { return new cmcTask(host); }

cmcTask::cmcTask(TimerHost& host) : timer_(host.CreateTimer([this] { Tick(); })) {}

void cmcTask::Start(int intervalMs) {
    interval_ = intervalMs;
    if (intervalMs < 0) {
        running_ = false;
        timer_->Stop();
        return;
    }
    running_ = true;
    timer_->Start(std::max(intervalMs, 1));
}

void cmcTask::Reset() {
    callback_ = nullptr;
    Stop();
}

void cmcTask::Dispose() {
    // Inside its own callback a task is still in use by Tick, even when the callback
    // stopped it first, so its deletion waits for the next tick.
    if (!running_ && !busy_) {
        delete this;
        return;
    }
    Reset();
    disposeRequested_ = true;
    Start(1);
}

void cmcTask::Release() {
    if (!busy_) {
        Stop();
    }
    Dispose();
}

void cmcTask::Tick() {
    if (disposeRequested_) {
        delete this;
        return;
    }
    if (busy_ || !callback_) {
        return;
    }
    busy_ = true;
    // A copy, so that the callback may reset or replace its own task's callback.
    Callback callback = callback_;
    callback(*this);
    busy_ = false;
}

}  // namespace orvane
