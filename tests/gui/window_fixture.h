#pragma once
// The desktop program's main window driven by the real main controller, offscreen: the
// settings in a real INI file under a temporary home directory, the program's text
// resources, Qt's timers and clock, the bus pumped as the program pumps it, and a
// scripted prompter standing in for the message boxes (or, for tests that answer them
// as a user does, the program's own message boxes).

#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <functional>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "app/application_objects.h"
#include "app/main_controller.h"
#include "app/startup_file.h"
#include "base/cmc_task.h"
#include "clone/busy_waiter.h"
#include "gui/main_window.h"
#include "gui/message_box_prompter.h"
#include "gui/print_job.h"
#include "gui/progress_window.h"
#include "gui/qt_text_clipboard.h"
#include "gui/sheet_grid.h"
#include "gui/sheet_tree_view.h"
#include "paint/qt_font.h"
#include "platform/com_port_resolver.h"
#include "platform/posix_serial_device.h"
#include "qt/qt_settings_store.h"
#include "qt/qt_timer_host.h"
#include "qt_application.h"
#include "sheet/sheet.h"
#include "support/fake_instance_lock.h"
#include "support/scripted_prompter.h"

namespace orvane::testing {

class WindowFixture : public ::testing::Test {
private:
    // First, so that the application and the home directory exist before the rest.
    QApplication& application_;
    QByteArray homeWas_;
    QTemporaryDir home_;
    QtSettingsStore store_;
    FakeInstanceLock lock_;

protected:
    static constexpr int kWaitMs = 3000;

    enum class Prompts { kScripted, kMessageBoxes };

    explicit WindowFixture(Prompts prompts = Prompts::kScripted)
        : application_(TestApplication()),
          homeWas_(qgetenv("HOME")),
          store_(home_.filePath("config/Zelk/Orvane.ini"), AppSettings::kRegistryPath),
          prompts_(prompts) {
        qputenv("HOME", home_.path().toUtf8());
        texts.SetSource(MainResource());
        helpTexts.SetSource(HelpTopicResource());
    }

    ~WindowFixture() override {
        if (window && window->isVisible()) {
            // Whatever a test left modified is not saved.
            prompter.answers = {PromptAnswer::No};
            window->close();
        }
        controller.reset();
        printJob_.reset();
        progress_.reset();
        window.reset();
        settings_.reset();
        qputenv("HOME", homeWas_);
    }

    // Starts the program as the desktop entry point does, with `arguments` as its
    // command line (the program name first), and shows the window with the file the
    // command line names.
    void Launch(const std::vector<std::string>& arguments = {"orvane"}) {
        settings_ = std::make_unique<AppSettings>(store_, lock_, ScreenSize{1280, 1024}, arguments);
        Prompter& prompts =
            prompts_ == Prompts::kScripted ? static_cast<Prompter&>(prompter) : messageBoxes_;
        context_ = std::make_unique<AppContext>(
            AppContext{*settings_, texts, helpTexts, bus, cellNames, timers, clock, prompts});
        busPump_ = MakeTask(timers);
        busPump_->SetCallback([this](cmcTask&) { bus.Pump(); });
        busPump_->Start(ApplicationObjects::kBusPumpIntervalMs);
        window = std::make_unique<MainWindow>(*context_);
        messageBoxes_.SetParent(window.get());
        progress_ = std::make_unique<ProgressWindow>(window.get());
        printJob_ = std::make_unique<PrintJob>(*window, *context_, window->Fonts());
        controller = std::make_unique<MainController>(
            ControllerServices{*context_, *window, window->Fonts(),
                               CloneEnvironment{timers, clock, waiter_, device_, ports_},
                               progress_.get(), printJob_.get(), &clipboard_},
            arguments);
        printJob_->Attach(*controller);
        window->Attach(*controller);
        controller->Start();
        window->ShowAtStart(FileToOpenAtStart(arguments), startErrors);
        titleWhenShown = ShownTitle(*window);
        sheetWhenShown = window->ShownSheet() != nullptr;
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        // The tick opens the first node's sheet once the window shows.
        ASSERT_TRUE(WaitUntil([this] { return window->ShownSheet() != nullptr; }));
    }

    AppSettings& Settings() { return *settings_; }
    AppContext& Context() { return *context_; }
    // The settings file the program reads, for a setting that no menu offers.
    SettingsStore& Store() { return store_; }
    const ProgressWindow& Progress() const { return *progress_; }
    QString HomePath(const QString& name) const { return home_.filePath(name); }

    static bool WaitUntil(const std::function<bool()>& condition, int timeoutMs = kWaitMs) {
        return QTest::qWaitFor(condition, timeoutMs);
    }

    // The menu action captioned `caption`, searched through every menu.
    QAction* MenuAction(const QString& caption) const {
        return FindAction(window->menuBar()->actions(), caption);
    }

    // Opens the menu that holds the action captioned `caption` as the user would, so
    // that it asks for its items' states, then triggers the action.
    void Choose(const QString& caption) {
        QAction* action = MenuAction(caption);
        ASSERT_NE(action, nullptr) << caption.toStdString();
        if (auto* menu = qobject_cast<QMenu*>(action->parent())) {
            emit menu->aboutToShow();
        }
        action->trigger();
    }

    // The captions of the tree view's items in tree order, two blanks per level.
    std::vector<std::string> TreeCaptions() const {
        std::vector<std::string> captions;
        AddCaptions(*window->TreeView()->invisibleRootItem(), 0, captions);
        return captions;
    }

    // Keeps a picture of `widget` for a look: build/tests/gui/screenshots/<name>.png.
    static void SaveShot(QWidget& widget, const QString& name) {
        const QDir shots(ORVANE_BINARY_DIR "/tests/gui/screenshots");
        shots.mkpath(".");
        EXPECT_TRUE(widget.grab().save(shots.filePath(name + ".png"))) << name.toStdString();
    }

    // Moves the grid's cursor with the arrow keys, as a user does, to the cell of
    // `cellId` that belongs to memory channel `position`.
    static void MoveTo(SheetGrid& grid, CellId cellId, int position) {
        Sheet& sheet = grid.ShownSheet();
        std::optional<GridCell> target;
        for (int row = 0; row < sheet.RowCount() && !target; ++row) {
            for (int column = 0; column < sheet.ColumnCount() && !target; ++column) {
                const CellLink& link = sheet.CellAt(column, row).link;
                if (link.cellId == cellId && link.index == position) {
                    target = GridCell{column, row};
                }
            }
        }
        ASSERT_TRUE(target.has_value()) << "no cell " << cellId << " of channel " << position;
        grid.setFocus();
        for (int keys = 0; keys < 200 && grid.View().Current() != *target; ++keys) {
            const GridCell now = grid.View().Current();
            QTest::keyClick(&grid,
                            now.row != target->row
                                ? (now.row < target->row ? Qt::Key_Down : Qt::Key_Up)
                                : (now.column < target->column ? Qt::Key_Right : Qt::Key_Left));
        }
        ASSERT_EQ(grid.View().Current(), *target);
    }

    QTreeWidgetItem* TreeItem(const QString& caption) const {
        const QList<QTreeWidgetItem*> items =
            window->TreeView()->findItems(caption, Qt::MatchExactly | Qt::MatchRecursive);
        return items.isEmpty() ? nullptr : items.front();
    }

    TextStore texts;
    TextStore helpTexts;
    MessageBus bus;
    CellNames cellNames;
    QtTimerHost timers;
    SteadyClock clock;
    ScriptedPrompter prompter;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<MainController> controller;
    // What the start-up reported on stderr, and the window as it first showed.
    std::ostringstream startErrors;
    QString titleWhenShown;
    bool sheetWhenShown = false;

private:
    static QAction* FindAction(const QList<QAction*>& actions, const QString& caption) {
        for (QAction* action : actions) {
            if (action->text() == caption) {
                return action;
            }
            if (action->menu() != nullptr) {
                if (QAction* found = FindAction(action->menu()->actions(), caption)) {
                    return found;
                }
            }
        }
        return nullptr;
    }

    static void AddCaptions(const QTreeWidgetItem& parent, int depth,
                            std::vector<std::string>& captions) {
        for (int i = 0; i < parent.childCount(); ++i) {
            const QTreeWidgetItem& item = *parent.child(i);
            captions.push_back(std::string(static_cast<std::size_t>(depth) * 2, ' ') +
                               item.text(0).toStdString());
            AddCaptions(item, depth + 1, captions);
        }
    }

    Prompts prompts_;
    MessageBoxPrompter messageBoxes_;
    std::unique_ptr<AppSettings> settings_;
    std::unique_ptr<AppContext> context_;
    cmcTaskPtr busPump_;
    std::unique_ptr<ProgressWindow> progress_;
    std::unique_ptr<PrintJob> printJob_;
    PosixSerialDevice device_;
    ComPortResolver ports_{&store_, std::string(AppSettings::kRegistryPath) + "\\Ports"};
    ClockBusyWaiter waiter_{clock};
    QtTextClipboard clipboard_;
};

}  // namespace orvane::testing
