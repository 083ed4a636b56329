#pragma once
// The millisecond tick count that deadlines and timeouts are measured against.

#include <cstdint>

namespace orvane {

// A monotonic millisecond counter. It may wrap: users take unsigned differences.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::uint32_t TickCount() const = 0;
};

// The real clock of the host: a steady clock, never adjusted by the wall clock.
class SteadyClock final : public Clock {
public:
    std::uint32_t TickCount() const override;
};

}  // namespace orvane
