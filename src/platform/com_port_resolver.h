#pragma once
// Port numbers as the user counts them ("COM 1" ... "COM 256") on a system that names
// serial devices by driver. A value COM<n> under the settings key "Ports" names the
// device of port n outright; otherwise port n is the n-th serial device present, USB
// adapters first (/dev/ttyUSB*, then /dev/ttyACM*, then /dev/ttyS*, each in numeric
// order), so that COM 1, the default, is the first cable plugged in.

#include <string>
#include <vector>

#include "platform/port_locator.h"
#include "platform/settings_store.h"

namespace orvane {

class ComPortResolver final : public PortLocator {
public:
    struct Directories {
        std::string devices = "/dev";
        // Where the kernel tells which /dev/ttyS* have a UART behind them.
        std::string ttyClass = "/sys/class/tty";
    };

    // `store` may be null (no overrides); `portsKey` is the full key path of "Ports".
    ComPortResolver(const SettingsStore* store, std::string portsKey, Directories directories);
    ComPortResolver(const SettingsStore* store, std::string portsKey)
        : ComPortResolver(store, std::move(portsKey), Directories{}) {}

    std::string DevicePath(int number) const override;

    // The serial devices present, in port order.
    std::vector<std::string> PresentDevices() const;

private:
    bool HasUart(const std::string& name) const;

    const SettingsStore* store_;
    std::string portsKey_;
    Directories directories_;
};

}  // namespace orvane
