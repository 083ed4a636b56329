#pragma once
// Turns a port number, as the settings and the menus count ports, into the device to
// open.

#include <string>

namespace orvane {

class PortLocator {
public:
    virtual ~PortLocator() = default;
    // The device path of port `number`; empty when there is no such port.
    virtual std::string DevicePath(int number) const = 0;
};

}  // namespace orvane
