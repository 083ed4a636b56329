#include "base/deadline.h"

namespace orvane {

void Deadline::Arm(std::uint32_t durationMs) {
    duration_ = durationMs;
    start_ = clock_->TickCount();
    armed_ = true;
}

std::uint32_t Deadline::Remaining() {
    if (!armed_) {
        return 0;
    }
    // Unsigned subtraction keeps the elapsed time right when the counter wraps.
    std::uint32_t elapsed = clock_->TickCount() - start_;
    if (elapsed < duration_) {
        return duration_ - elapsed;
    }
    armed_ = false;
    return 0;
}

}  // namespace orvane
