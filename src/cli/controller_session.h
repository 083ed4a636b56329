#pragma once
// The desktop program's main controller for a verb, without a window: the stored
// settings (read, never written back), the text resources, the data model and the clone
// transport on a real serial device, driven by Qt's event loop.

#include <QCoreApplication>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/app_settings.h"
#include "app/application_objects.h"
#include "app/main_controller.h"
#include "base/message_bus.h"
#include "cli/character_metrics.h"
#include "cli/headless_view.h"
#include "cli/port_option.h"
#include "cli/read_only_settings_store.h"
#include "cli/unshared_instance_lock.h"
#include "clone/busy_waiter.h"
#include "platform/clock.h"
#include "platform/posix_serial_device.h"
#include "qt/qt_settings_store.h"
#include "qt/qt_timer_host.h"
#include "text/text_store.h"

namespace orvane::cli {

struct SessionOptions {
    explicit SessionOptions(Prompter& boxes) : prompter(boxes) {}

    Prompter& prompter;
    CloneProgressView* progress = nullptr;
    std::optional<PortChoice> port;  // empty: the stored port
    bool highSpeed = false;
    // Command-line arguments after the program name, as the desktop program would get
    // them: "/prolix" turns on expert mode. Adjustment start needs a complete stored
    // record as well.
    std::vector<std::string> arguments;
};

class ControllerSession {
public:
    explicit ControllerSession(const SessionOptions& options);
    ControllerSession(const ControllerSession&) = delete;
    ControllerSession& operator=(const ControllerSession&) = delete;

    MainController& Controller() { return controller_; }
    TextStore& Texts() { return objects_.Texts(); }
    // What the controller and the clone manager post while a command runs.
    MessageBus& Bus() { return objects_.Bus(); }

    // Delivers the queued messages (the tree's bank captions among them).
    void Settle();

    // Runs `command` (a clone command of the controller) and the event loop until that
    // command has ended.
    CloneOutcome RunClone(const std::function<void(MainController&)>& command);

private:
    // Qt's timers and sockets need an application object; a verb may run without one.
    std::unique_ptr<QCoreApplication> application_;
    // The whole command line, the program name first.
    std::vector<std::string> arguments_;
    QtSettingsStore store_;
    ReadOnlySettingsStore readOnlyStore_;
    UnsharedInstanceLock lock_;
    AppSettings settings_;
    QtTimerHost timers_;
    SteadyClock clock_;
    ApplicationObjects objects_;
    ClockBusyWaiter waiter_{clock_};
    PosixSerialDevice device_;
    PortTarget port_;
    HeadlessView view_;
    CharacterMetrics metrics_;
    MainController controller_;
};

}  // namespace orvane::cli
