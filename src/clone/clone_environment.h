#pragma once
// What the clone transport needs from its host: timers for its periodic tasks, the
// clock and the pause for its timeouts, the serial device and how port numbers map to
// devices.

#include "clone/busy_waiter.h"
#include "platform/clock.h"
#include "platform/port_locator.h"
#include "platform/serial_device.h"
#include "platform/timer_host.h"

namespace orvane {

struct CloneEnvironment {
    TimerHost& timers;
    const Clock& clock;
    BusyWaiter& waiter;
    SerialDevice& device;
    const PortLocator& locator;
};

}  // namespace orvane
