// orvane: the desktop program. Creates the application-wide objects in their fixed
// order (settings, the ApplicationObjects with the two text stores and the message bus,
// the main controller), ends at once when another instance runs (handing it the file
// named on the command line), and otherwise shows the main window until it closes.

#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <exception>
#include <iostream>
#include <memory>
#include <optional>

#include "app/application_objects.h"
#include "app/main_controller.h"
#include "app/startup_file.h"
#include "base/fatal.h"
#include "clone/busy_waiter.h"
#include "gui/file_handoff.h"
#include "gui/gui_fatal_handler.h"
#include "gui/handed_files.h"
#include "gui/main_window.h"
#include "gui/measurement_probe.h"
#include "gui/message_box_prompter.h"
#include "gui/print_job.h"
#include "gui/progress_window.h"
#include "gui/qt_text_clipboard.h"
#include "gui/termination_signals.h"
#include "paint/qt_font.h"
#include "platform/com_port_resolver.h"
#include "platform/instance_lock.h"
#include "platform/posix_serial_device.h"
#include "qt/qt_settings_store.h"
#include "qt/qt_timer_host.h"

namespace orvane {
namespace {

// The second copy's part: hands the file to the running copy. Fails when that copy did
// not take it, so that a file manager or a script can tell.
int HandOver(const FileInstanceLock& lock, const std::optional<std::string>& file) {
    if (!file) {
        return 0;
    }
    std::string problem;
    if (HandFileToRunningInstance(HandoffSocketName(lock.FilePath()), *file, problem)) {
        return 0;
    }
    std::cerr << "orvane: " << *file << " was not handed to the running copy: " << problem << '\n';
    return 1;
}

int Run(QApplication& application, const std::vector<std::string>& arguments) {
    QSize screen = QGuiApplication::primaryScreen()->size();
    QtSettingsStore store(QtSettingsStore::DefaultFilePath(), AppSettings::kRegistryPath);
    FileInstanceLock lock;
    AppSettings settings(store, lock, ScreenSize{screen.width(), screen.height()}, arguments);
    const std::optional<std::string> file = FileToOpenAtStart(arguments);
    if (!settings.IsFirstInstance()) {
        // The running copy opens the file; this one ends either way, as the
        // single-instance rule wants.
        return HandOver(lock, file);
    }
    if (!lock.IsHeld()) {
        std::cerr << "orvane: " << lock.Problem()
                  << "; starting without the single-instance check\n";
    }
    QtTimerHost timers;
    SteadyClock clock;
    MessageBoxPrompter prompter;
    ApplicationObjects objects(settings, timers, clock, prompter);
    AppContext& context = objects.Context();

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
    PrintJob printJob(window, context, window.Fonts());
    MainController controller(
        ControllerServices{context, window, window.Fonts(),
                           CloneEnvironment{timers, clock, waiter, serialDevice, ports}, &progress,
                           &printJob, &clipboard},
        arguments);
    printJob.Attach(controller);
    window.Attach(controller);
    controller.Start();
    // A later start hands its file over from now on; each waits until the program is idle.
    HandedFiles handedFiles(window, controller);
    std::optional<FileHandoffServer> handoff;
    if (lock.IsHeld()) {
        handoff.emplace(HandoffSocketName(lock.FilePath()),
                        [&handedFiles](const std::string& path) { return handedFiles.Take(path); });
        if (const std::string problem = handoff->Problem(); !problem.empty()) {
            std::cerr << "orvane: later starts cannot hand files over: " << problem << '\n';
        }
    }
    // Null unless a measuring script asked for reports; made before the window shows, to
    // see its first paint.
    const std::unique_ptr<MeasurementProbe> probe = MeasurementProbe::FromEnvironment(window);
    window.ShowAtStart(file, std::cerr);
    return application.exec();
}

}  // namespace
}  // namespace orvane

int main(int argc, char* argv[]) {
    // Before the application: printing the usage or the version needs no display.
    if (orvane::PrintRequestedInformation(std::vector<std::string>(argv, argv + argc), std::cout)) {
        return 0;
    }
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
