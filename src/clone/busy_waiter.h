#pragma once
// The short pauses the transport takes on the spot, holding the thread (the settling
// time after a port is opened). Behind an interface so virtual time can stand in.

#include <cstdint>

#include "platform/clock.h"

namespace orvane {

class BusyWaiter {
public:
    virtual ~BusyWaiter() = default;
    virtual void Wait(std::uint32_t ms) = 0;
};

// Waits on a Deadline against the host's clock.
class ClockBusyWaiter final : public BusyWaiter {
public:
    explicit ClockBusyWaiter(const Clock& clock) : clock_(clock) {}
    void Wait(std::uint32_t ms) override;

private:
    const Clock& clock_;
};

}  // namespace orvane
