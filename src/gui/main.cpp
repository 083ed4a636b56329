// orvane: the desktop program. Creates the application-wide objects in their fixed
// order (settings, the two text stores, the message bus, the main controller), ends at
// once when another instance runs, and otherwise shows the main window until it closes.

#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <exception>
#include <memory>
#include <optional>

#include "app/app_context.h"
#include "app/main_controller.h"
#include "app/startup_file.h"
#include "base/cmc_task.h"
#include "base/fatal.h"
#include "clone/busy_waiter.h"
#include "gui/file_handoff.h"
#include "gui/gui_fatal_handler.h"
#include "gui/main_window.h"
#include "gui/measurement_probe.h"
#include "gui/message_box_prompter.h"
#include "gui/progress_window.h"
#include "gui/qt_font.h"
#include "gui/qt_text_clipboard.h"
#include "gui/termination_signals.h"
#include "platform/com_port_resolver.h"
#include "platform/posix_serial_device.h"
#include "qt/qt_settings_store.h"
#include "qt/qt_timer_host.h"

namespace orvane {
namespace {

constexpr int kBusPumpIntervalMs = 10;

int Run(QApplication& application, const std::vector<std::string>& arguments) {
    QSize screen = QGuiApplication::primaryScreen()->size();
    QtSettingsStore store(QtSettingsStore::DefaultFilePath(), AppSettings::kRegistryPath);
    FileInstanceLock lock;
    AppSettings settings(store, lock, ScreenSize{screen.width(), screen.height()}, arguments);
    const std::optional<std::string> file = FileToOpenAtStart(arguments);
    const std::string handoffSocket = HandoffSocketName(AppSettings::kMutexName);
    if (!settings.IsFirstInstance()) {
        // The running copy opens the file; this one ends either way, as the
        // single-instance rule wants.
        if (file) {
            HandFileToRunningInstance(handoffSocket, *file);
        }
        return 0;
    }
    TextStore texts;
    texts.SetSource(MainResource());
    TextStore helpTexts;
    helpTexts.SetSource(HelpTopicResource());
    MessageBus bus;
    CellNames cellNames;
    QtTimerHost timers;
    SteadyClock clock;
    MessageBoxPrompter prompter;
    AppContext context{settings, texts, helpTexts, bus, cellNames, timers, clock, prompter};

    cmcTaskPtr busPump = MakeTask(timers);
    busPump->SetCallback([&bus](cmcTask&) { bus.Pump(); });
    busPump->Start(kBusPumpIntervalMs);

    // The window comes first, as the controller's view; the controller starts once the
    // window has built its menu, toolbar and status bar over it.
    MainWindow window(context);
    prompter.SetParent(&window);
    // A termination request that comes while the rest starts up waits for the event
    // loop, and then closes the window the orderly way.
    TerminationSignals terminationSignals([&window] { window.close(); });
    ProgressWindow progress(&window);
    PosixSerialDevice serialDevice;
    const ComPortResolver ports(&store, std::string(AppSettings::kRegistryPath) + "\\Ports");
    ClockBusyWaiter waiter(clock);
    QtTextClipboard clipboard;
    MainController controller(
        ControllerServices{context, window, window.Fonts(),
                           CloneEnvironment{timers, clock, waiter, serialDevice, ports}, &progress,
                           nullptr, &clipboard},
        arguments);
    window.Attach(controller);
    controller.Start();
    // Null unless a measuring script asked for reports; made before the window shows, to
    // see its first paint.
    const std::unique_ptr<MeasurementProbe> probe = MeasurementProbe::FromEnvironment(window);
    window.show();
    // A file named on the command line opens once the window shows, as if chosen; so
    // does one that a later start hands over, which also brings the window to the front.
    if (file) {
        QTimer::singleShot(0, &window, [&controller, path = *file] { controller.OpenFile(path); });
    }
    FileHandoffServer handoff(handoffSocket, [&window, &controller](const std::string& path) {
        window.raise();
        window.activateWindow();
        // While a transfer or a dialog holds the window, a file cannot replace the data.
        if (window.isEnabled()) {
            controller.OpenFile(path);
        }
    });
    return application.exec();
}

}  // namespace
}  // namespace orvane

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    orvane::GuiFatalHandler fatalHandler;
    orvane::ScopedFatalHandler installed(fatalHandler);
    std::vector<std::string> arguments(argv, argv + argc);
    try {
        return orvane::Run(application, arguments);
    } catch (const std::exception& error) {
        // The program ends after showing what escaped, with a status that says it failed.
        QMessageBox::critical(nullptr, QApplication::applicationName(),
                              QString::fromLocal8Bit(error.what()));
        return 1;
    }
}
