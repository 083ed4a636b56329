#include "clone/busy_waiter.h"

#include <thread>

#include "base/deadline.h"

namespace orvane {

void ClockBusyWaiter::Wait(std::uint32_t ms) {
    Deadline deadline(clock_);
    deadline.Arm(ms);
    while (deadline.Remaining() > 0) {
        // Polling the tick at a finer grain than it counts gains nothing.
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
}

}  // namespace orvane
