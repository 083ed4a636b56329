#pragma once
// The settings text of a serial port, "9600,N,8,1": baud rate, parity letter, data bits
// and stop bits.

#include <string_view>

#include "platform/serial_device.h"

namespace orvane {

// Parity letters M, m, O and o turn parity checking on; every other letter leaves it off.
// Data bits are clamped to 4..8; stop bits "1.5" and "2" are honoured, anything else is
// one. A missing or non-numeric baud rate gives 0, which no device accepts.
SerialLine ParseSerialSettings(std::string_view text);

}  // namespace orvane
