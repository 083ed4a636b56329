#include "support/virtual_time.h"

#include <vector>

namespace orvane::testing {

class VirtualTime::VirtualTimer final : public Timer {
public:
    VirtualTimer(VirtualTime& time, std::uint64_t id) : time_(time), id_(id) {}
    ~VirtualTimer() override { time_.timers_.erase(id_); }

    void Start(int intervalMs) override {
        Entry& entry = time_.timers_.at(id_);
        entry.interval = intervalMs;
        entry.due = time_.now_ + static_cast<std::uint32_t>(intervalMs);
        entry.active = true;
    }
    void Stop() override { time_.timers_.at(id_).active = false; }
    bool IsActive() const override { return time_.timers_.at(id_).active; }

private:
    VirtualTime& time_;
    std::uint64_t id_;
};

std::unique_ptr<Timer> VirtualTime::CreateTimer(std::function<void()> onTick) {
    std::uint64_t id = nextId_++;
    timers_[id] = Entry{std::move(onTick), 0, 0, false};
    return std::make_unique<VirtualTimer>(*this, id);
}

void VirtualTime::Advance(std::uint32_t ms) {
    for (std::uint32_t remaining = ms; remaining > 0;) {
        // Straight on to the next millisecond at which a timer falls due, or to the end:
        // nothing happens in between.
        std::uint32_t step = remaining;
        for (const auto& [id, entry] : timers_) {
            const std::uint32_t until = entry.due - now_;
            if (entry.active && until >= 1 && until < step) {
                step = until;
            }
        }
        now_ += step;
        remaining -= step;
        std::vector<std::uint64_t> due;
        for (const auto& [id, entry] : timers_) {
            if (entry.active && entry.due == now_) {
                due.push_back(id);
            }
        }
        // A tick may stop, restart or destroy any timer, its own included.
        for (std::uint64_t id : due) {
            auto it = timers_.find(id);
            if (it == timers_.end() || !it->second.active || it->second.due != now_) {
                continue;
            }
            it->second.due = now_ + static_cast<std::uint32_t>(it->second.interval);
            std::function<void()> onTick = it->second.onTick;
            onTick();
        }
    }
}

std::size_t VirtualTime::ActiveTimerCount() const {
    std::size_t count = 0;
    for (const auto& [id, entry] : timers_) {
        count += entry.active ? 1 : 0;
    }
    return count;
}

}  // namespace orvane::testing
