#pragma once
// The desktop program as its entry point builds it, in a scratch home: the real settings
// file, main window and controller, with a scripted user and no serial port in use. The
// window benchmarks make one once the application exists (on the offscreen platform) and
// drop it before the application goes.

#include <QTemporaryDir>

#include <string>

#include "app/application_objects.h"
#include "app/main_controller.h"
#include "clone/busy_waiter.h"
#include "gui/main_window.h"
#include "platform/com_port_resolver.h"
#include "platform/posix_serial_device.h"
#include "qt/qt_settings_store.h"
#include "qt/qt_timer_host.h"
#include "support/fake_instance_lock.h"
#include "support/scripted_prompter.h"

namespace orvane {

class DesktopProgram {
public:
    DesktopProgram()
        : store_(home_.filePath("Orvane.ini"), AppSettings::kRegistryPath),
          settings_(store_, lock_, ScreenSize{1280, 1024}, {"orvane"}),
          objects_(settings_, timers_, clock_, prompter_),
          window_(objects_.Context()),
          ports_(nullptr, "Ports"),
          controller_(
              ControllerServices{objects_.Context(), window_, window_.Fonts(),
                                 CloneEnvironment{timers_, clock_, waiter_, device_, ports_},
                                 nullptr, nullptr},
              {"orvane"}) {
        window_.Attach(controller_);
        controller_.Start();
    }

    MainController& Controller() { return controller_; }
    MainWindow& Window() { return window_; }
    ApplicationObjects& Objects() { return objects_; }
    std::string Home() const { return home_.path().toStdString(); }
    std::string HomeFile(const char* name) const { return home_.filePath(name).toStdString(); }

private:
    QTemporaryDir home_;
    QtSettingsStore store_;
    testing::FakeInstanceLock lock_;
    AppSettings settings_;
    QtTimerHost timers_;
    SteadyClock clock_;
    testing::ScriptedPrompter prompter_;
    ApplicationObjects objects_;
    MainWindow window_;
    PosixSerialDevice device_;
    ComPortResolver ports_;
    ClockBusyWaiter waiter_{clock_};
    MainController controller_;
};

}  // namespace orvane
