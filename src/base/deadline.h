#pragma once
// A one-shot millisecond deadline on the tick count, safe across counter wrap.

#include <cstdint>

#include "platform/clock.h"

namespace orvane {

class Deadline {
public:
    explicit Deadline(const Clock& clock) : clock_(&clock) {}

    // Stores the duration and the current tick.
    void Arm(std::uint32_t durationMs);
    bool IsArmed() const { return armed_; }

    // 0 when not armed; the time left while it runs; on expiry disarms and gives 0.
    std::uint32_t Remaining();

private:
    const Clock* clock_;
    std::uint32_t duration_ = 0;
    std::uint32_t start_ = 0;
    bool armed_ = false;
};

}  // namespace orvane
