#include "platform/clock.h"

#include <chrono>

namespace orvane {

std::uint32_t SteadyClock::TickCount() const {
    using namespace std::chrono;
    auto ms = duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    return static_cast<std::uint32_t>(ms);
}

}  // namespace orvane
