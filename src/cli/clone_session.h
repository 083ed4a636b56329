#pragma once
// The clone transport on a real serial device, driven by Qt's event loop, for the
// command-line verbs: each Run starts one operation and returns when it has ended. The
// caller owns the QCoreApplication.

#include <cstdint>
#include <optional>
#include <span>

#include "clone/busy_waiter.h"
#include "clone/clone_manager.h"
#include "clone/clone_result_checks.h"
#include "image/address_range.h"
#include "image/eeprom_image.h"
#include "platform/clock.h"
#include "platform/posix_serial_device.h"
#include "qt/qt_timer_host.h"
#include "text/text_store.h"

namespace orvane::cli {

class CloneSession {
public:
    // Failure messages go to `prompter`; `comPort` labels them and picks the device from
    // `locator`.
    CloneSession(const PortLocator& locator, int comPort, bool highSpeed, Prompter& prompter);
    CloneSession(const CloneSession&) = delete;
    CloneSession& operator=(const CloneSession&) = delete;

    // Each gives the operation's result code; on success the identity or image is set.
    int RunInformation(CloneManager::InformationSpeed speed);
    int RunRead(std::span<const AddressRange> ranges);
    int RunWrite(const EepromImage& image, std::span<const AddressRange> ranges);

    const RadioIdentity& Identity() const { return identity_; }
    const EepromImage& ReadImage() const { return readImage_; }
    TextStore& Texts() { return texts_; }
    const CloneManager& Manager() const { return manager_; }

private:
    // Runs the event loop until the operation `start` began has completed.
    int RunToEnd(bool started);

    QtTimerHost timers_;
    SteadyClock clock_;
    ClockBusyWaiter waiter_{clock_};
    PosixSerialDevice device_;
    TextStore texts_;
    MessageBus bus_;
    std::int32_t comPort_;
    std::int32_t comSpeedHigh_;
    CloneManager manager_;
    RadioIdentity identity_{};
    EepromImage readImage_;
    std::optional<int> finished_;
};

}  // namespace orvane::cli
