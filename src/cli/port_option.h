#pragma once
// The serial port a clone verb talks on: "--port COM<n>", a bare number, or a device
// path; without the option, the port the desktop program has stored.

#include <optional>
#include <string>

#include "cli/given_device_locator.h"
#include "platform/com_port_resolver.h"

namespace orvane::cli {

struct PortChoice {
    int number = 1;
    std::string devicePath;  // given outright; then the number only labels messages
};

// Empty when `text` names no port the program offers.
std::optional<PortChoice> ParsePort(const std::string& text);

// Maps the chosen port to its device: a given path as it stands, a number through the
// stored port table and the system's serial devices.
class PortTarget {
public:
    // `store` holds the desktop program's settings; `choice` empty means its stored port.
    PortTarget(const SettingsStore& store, std::optional<PortChoice> choice);

    int Number() const { return choice_.number; }
    const PortLocator& Locator() const;

private:
    PortChoice choice_;
    ComPortResolver resolver_;
    GivenDeviceLocator given_;
};

}  // namespace orvane::cli
