// orvane: the desktop program. Creates the application-wide objects in their fixed
// order (settings, the two text stores, the message bus), ends at once when another
// instance runs, and otherwise shows the main window until it closes.

#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <exception>

#include "app/app_context.h"
#include "base/cmc_task.h"
#include "base/fatal.h"
#include "gui/gui_fatal_handler.h"
#include "gui/main_window.h"
#include "gui/message_box_prompter.h"
#include "gui/termination_signals.h"
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
    if (!settings.IsFirstInstance()) {
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

    MainWindow window(context);
    prompter.SetParent(&window);
    TerminationSignals terminationSignals([&window] { window.close(); });
    window.show();
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
