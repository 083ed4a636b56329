// Whole-program flows as a user goes through them: the real main window on the real
// controller, the settings in the real INI file of a temporary home directory,
// orvane-radio-sim on a pseudo-terminal as the radio, the menu bar's own actions, and the
// program's own message boxes and file dialogs, answered by finding them on screen and
// clicking them. Opening a file from the recent list is covered by the driven window's
// tests and is not repeated here.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QSpinBox>
#include <QTimer>
#include <algorithm>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/sheet_text.h"
#include "clone_data_file.h"
#include "gui/airport_dialog.h"
#include "gui/differences_window.h"
#include "gui/file_handoff.h"
#include "gui/handed_files.h"
#include "gui/image_lists.h"
#include "gui/sheet_grid.h"
#include "gui/sheet_tree_view.h"
#include "image/default_images.h"
#include "image/model_type.h"
#include "platform/instance_lock.h"
#include "radio/cell_ids.h"
#include "radio/channel_store.h"
#include "radio/memory_map.h"
#include "radio_protocol.h"
#include "sheet/sheet_tree.h"
#include "simulator_process.h"
#include "support/clone_box_texts.h"
#include "support/protocol_check.h"
#include "window_fixture.h"

namespace orvane::testing {
namespace {

using Memory = std::vector<std::uint8_t>;

// Generous: the flows run transfers and dialogs on a loaded two-core machine.
constexpr int kFlowWaitMs = 20000;
constexpr const char* kReadQuestion = "Reads the transceiver's current setting data";

// What a clone data file holds of `image`.
Memory CloneArea(const EepromImage& image) {
    return Memory(image.Bytes().begin(), image.Bytes().begin() + kCloneAreaSize);
}

// The 16-byte record of memory channel `position` and its flag byte.
Memory ChannelEntry(const Memory& memory, int position) {
    const auto record =
        memory.begin() + memory_map::kChannelRecords + position * memory_map::kRecordSize;
    Memory entry(record, record + memory_map::kRecordSize);
    entry.push_back(memory[memory_map::kChannelFlags + position]);
    return entry;
}

// Stores memory channel `position` (bank 0 holds the first positions) in use on `rxHz`
// under `name`.
void StoreChannel(EepromImage& image, int position, Hertz rxHz, const std::string& name) {
    MemoryChannel channel;
    channel.kind = MemoryChannel::kMemory;
    channel.position = position;
    channel.used = true;
    channel.rxHz = channel.txHz = rxHz;
    channel.name = name;
    ChannelStore(image, image.GetByte(kModelTypeAddress)).Store(channel);
}

// Factory data of `model`, marked as made for it as a saved file is, changed by `edit`.
Memory ModelMemory(std::int32_t model, const std::function<void(EepromImage&)>& edit) {
    EepromImage image;
    image.Resize(kImageCapacity);
    PrepareDefaultImage(image, model);
    image.SetByte(kModelTypeAddress, static_cast<std::uint8_t>(model));
    edit(image);
    return CloneArea(image);
}

// HT-Lk1 factory data with memory channel `position` in use on `rxHz` under `name`;
// `edit` changes the image further.
Memory RadioMemory(int position, Hertz rxHz, const std::string& name,
                   const std::function<void(EepromImage&)>& edit = {}) {
    return ModelMemory(model_type::kLk1, [&](EepromImage& image) {
        StoreChannel(image, position, rxHz, name);
        if (edit) {
            edit(image);
        }
    });
}

// The address ranges where `a` and `b` differ, as "first-last" in hexadecimal.
std::string DifferingRanges(const Memory& a, const Memory& b) {
    std::string ranges;
    for (std::size_t i = 0; i < std::min(a.size(), b.size()); ++i) {
        if (a[i] == b[i]) {
            continue;
        }
        std::size_t last = i;
        while (last + 1 < a.size() && a[last + 1] != b[last + 1]) {
            ++last;
        }
        ranges += QString::asprintf("%04zX-%04zX ", i, last).toStdString();
        i = last;
    }
    return ranges;
}

// The radio starts on memory channel `position` of bank 0.
void StartOnBank0Channel(EepromImage& image, int position) {
    image.SetByte(memory_map::kHomeMode, 1);
    image.SetByte(memory_map::kHomeBank, 0);
    image.SetByte(memory_map::kHomeChannels, static_cast<std::uint8_t>(position));
}

// Whether `widget` shows the error mark: a red disc.
bool ShowsErrorMark(QWidget& widget) {
    const QImage image = widget.grab().toImage();
    const QColor errorRed(0xD0, 0x20, 0x20);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == errorRed) {
                return true;
            }
        }
    }
    return false;
}

bool Contains(const std::vector<std::string>& lines, const std::string& part) {
    return std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
        return line.find(part) != std::string::npos;
    });
}

class UserFlowTest : public WindowFixture {
protected:
    // What the user does in a modal dialog the program opens.
    using Step = std::function<void(QWidget&)>;

    UserFlowTest() : WindowFixture(Prompts::kMessageBoxes) {
        modalWatch_.setInterval(20);
        QObject::connect(&modalWatch_, &QTimer::timeout, [this] {
            AnswerModal();
            freeDuringTransfer |= window && Progress().IsOpen() && window->isEnabled();
        });
        modalWatch_.start();
    }

    ~UserFlowTest() override {
        // Whatever a test left modified is not saved.
        if (window && window->isVisible()) {
            steps_ = {Click(QMessageBox::No)};
            window->close();
        }
    }

    // The clone data file `name` in the temporary home, written with the simulator's
    // own writer so that the program's file code is tested by reading it.
    std::string DataFile(const QString& name, const Memory& memory,
                         std::int32_t model = model_type::kLk1) const {
        const std::string path = HomePath(name).toStdString();
        EXPECT_EQ(sim::WriteCloneDataFile(path, sim::ModelVersionOf(model), memory), "");
        return path;
    }

    static Memory ReadDataFile(const std::string& path) {
        Memory memory(kCloneAreaSize);
        EXPECT_EQ(sim::ReadCloneDataFile(path, memory), "") << path;
        return memory;
    }

    // The user's port 1 is the simulator's pseudo-terminal, named in the settings file,
    // and chosen in the COM Port menu.
    void UsePortOf(const SimulatorProcess& sim) {
        ASSERT_FALSE(sim.DevicePath().empty());
        Store().WriteString(std::string(AppSettings::kRegistryPath) + "\\Ports", "COM1",
                            sim.DevicePath());
        Choose("COM &1");
        ASSERT_EQ(Settings().ComPort, 1);
    }

    // The dialogs that open from now on get `steps`, one each.
    void Answering(std::deque<Step> steps) { steps_ = std::move(steps); }

    // Runs the menu command `caption`; the dialogs it opens get `steps`, one each.
    void ChooseAnswering(const QString& caption, std::deque<Step> steps) {
        Answering(std::move(steps));
        Choose(caption);
    }

    // Opens `path` with File > Open and waits until the window shows its data.
    void OpenThroughTheMenu(const std::string& path) {
        ChooseAnswering("&Open...", {TypeFileName(path)});
        ASSERT_TRUE(Eventually([&] {
            return ShownTitle(*window).toStdString() ==
                       std::filesystem::path(path).filename().string() + " - Orvane" &&
                   window->ShownSheet() != nullptr;
        }));
    }

    static bool Eventually(const std::function<bool()>& condition) {
        return WaitUntil(condition, kFlowWaitMs);
    }

    // Waits until the transfer a clone command started is over and the window is free.
    bool TransferEnded(const std::function<bool()>& outcome) {
        return Eventually([&] { return outcome() && !Progress().IsOpen() && window->isEnabled(); });
    }

    // Clicks the tree item of `node` as a user does and waits for its sheet.
    void ShowSheetOf(const TreeNode* node) {
        SheetTreeView& tree = *window->TreeView();
        QTreeWidgetItem* item = tree.ItemOf(node);
        ASSERT_NE(item, nullptr);
        for (QTreeWidgetItem* parent = item->parent(); parent; parent = parent->parent()) {
            parent->setExpanded(true);
        }
        tree.scrollToItem(item);
        QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualItemRect(item).center());
        const std::string call(node->cell.LinkText());
        ASSERT_TRUE(Eventually([&] {
            return window->ShownSheet() != nullptr && window->ShownSheet()->CallText() == call;
        })) << call;
    }

    // Shows the sheet of `node` in the active window, ready for keys, and returns its grid.
    SheetGrid& ShowGridOf(const TreeNode* node) {
        ShowSheetOf(node);
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        EXPECT_NE(window->ShownGrid(), nullptr);
        return *window->ShownGrid();
    }

    // The rows of the shown sheet as the grid draws them, marks written out.
    std::vector<std::string> ShownRows() {
        Sheet* sheet = window->ShownSheet();
        return sheet != nullptr ? SheetRowTexts(*sheet, controller->Evaluator())
                                : std::vector<std::string>{};
    }

    static Step Click(QMessageBox::StandardButton which) {
        return [which](QWidget& modal) {
            auto* box = qobject_cast<QMessageBox*>(&modal);
            QAbstractButton* button = box != nullptr ? box->button(which) : nullptr;
            if (button == nullptr) {
                ADD_FAILURE() << "no such button in " << modal.metaObject()->className();
                Dismiss(modal);
                return;
            }
            QTest::mouseClick(button, Qt::LeftButton);
        };
    }

    // Types the full path into the file dialog's name field and clicks its accept button.
    static Step TypeFileName(const std::string& path) {
        return [path](QWidget& modal) {
            auto* dialog = qobject_cast<QFileDialog*>(&modal);
            auto* name = dialog ? dialog->findChild<QLineEdit*>("fileNameEdit") : nullptr;
            auto* buttons = dialog ? dialog->findChild<QDialogButtonBox*>() : nullptr;
            if (name == nullptr || buttons == nullptr) {
                ADD_FAILURE() << "not a file dialog: " << modal.metaObject()->className();
                Dismiss(modal);
                return;
            }
            // With the focus really in the name field, the dialog's listing, which may
            // arrive later, does not overwrite what was typed with the file it selects.
            dialog->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
            name->setFocus();
            name->selectAll();
            QTest::keyClicks(name, QString::fromStdString(path));
            EXPECT_EQ(name->text().toStdString(), path);
            QPushButton* accept = buttons->button(QDialogButtonBox::Open);
            accept = accept != nullptr ? accept : buttons->button(QDialogButtonBox::Save);
            ASSERT_NE(accept, nullptr);
            QTest::mouseClick(accept, Qt::LeftButton);
        };
    }

    // Opens the current cell's popup menu with the Menu key, as a user does, and hands it
    // to `use` once it shows; a menu `use` leaves open closes afterwards.
    static void UsePopupMenu(SheetGrid& grid, const std::function<void(QMenu&)>& use) {
        bool used = false;
        QTimer watch;
        watch.setInterval(10);
        QObject::connect(&watch, &QTimer::timeout, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (menu == nullptr || used) {
                return;
            }
            used = true;
            use(*menu);
            if (menu->isVisible()) {
                menu->close();
            }
        });
        watch.start();
        grid.setFocus();
        QTest::keyClick(&grid, Qt::Key_Menu);
        EXPECT_TRUE(used) << "no popup menu showed";
    }

    // The items of `menu` in order, a disabled one in brackets; separators and hidden
    // items left out.
    static std::string ItemStates(const QMenu& menu) {
        std::string states;
        for (const QAction* action : menu.actions()) {
            if (action->isSeparator() || !action->isVisible()) {
                continue;
            }
            const std::string caption = action->text().toStdString();
            states +=
                (states.empty() ? "" : " ") + (action->isEnabled() ? caption : "(" + caption + ")");
        }
        return states;
    }

    // Clicks the item captioned `caption` of an open popup menu.
    static void ClickItem(QMenu& menu, const QString& caption) {
        for (QAction* action : menu.actions()) {
            if (action->text() == caption) {
                QTest::mouseClick(&menu, Qt::LeftButton, {}, menu.actionGeometry(action).center());
                return;
            }
        }
        ADD_FAILURE() << "no item " << caption.toStdString();
    }

    // The texts of the message boxes answered so far, in order.
    std::vector<std::string> boxTexts;
    // Whether the main window was ever seen enabled while the Cloning window was up.
    bool freeDuringTransfer = false;

private:
    static void Dismiss(QWidget& modal) { QTest::keyClick(&modal, Qt::Key_Escape); }

    void AnswerModal() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || modal == answered_ || !modal->isVisible()) {
            return;
        }
        answered_ = modal;
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            boxTexts.push_back(box->text().toStdString());
        }
        // A dialog nobody expected is closed, so that the test fails on what it checks
        // rather than waiting for ever.
        Step step = Dismiss;
        if (!steps_.empty()) {
            step = std::move(steps_.front());
            steps_.pop_front();
        }
        // Run from the event loop rather than from this timer's own call: a dialog the
        // step leads to runs a loop in which this timer has to fire again.
        QTimer::singleShot(0, modal, [step, modal] { step(*modal); });
    }

    QTimer modalWatch_;
    QPointer<QWidget> answered_;
    std::deque<Step> steps_;
};

TEST_F(UserFlowTest, CloneReadThroughTheMenuShowsTheRadiosChannels) {
    constexpr int kPosition = 3;
    const Memory radio = RadioMemory(kPosition, 119'250'000, "APPROACH");
    SimulatorProcess sim({"--read-file", DataFile("radio.zcf", radio)});
    ProtocolCheck check(sim);
    Launch();
    UsePortOf(sim);

    ChooseAnswering("&Read <- TR", {Click(QMessageBox::Yes)});
    ASSERT_TRUE(TransferEnded([&] { return controller->CurrentDocument().Modified(); }));
    EXPECT_FALSE(freeDuringTransfer) << "the window is held while the radio is read";

    ASSERT_EQ(boxTexts.size(), 1u) << "only the question";
    EXPECT_EQ(boxTexts[0].rfind(kReadQuestion, 0), 0u) << boxTexts[0];
    EXPECT_EQ(ShownTitle(*window), "*Untitled - Orvane") << "the read data is in no file yet";
    EXPECT_EQ(ChannelEntry(CloneArea(controller->CurrentDocument().Current()), kPosition),
              ChannelEntry(radio, kPosition));
    ShowSheetOf(controller->Tree()->FindBankNode(0));
    const std::vector<std::string> rows = ShownRows();
    EXPECT_TRUE(Contains(rows, "119.250")) << ::testing::PrintToString(rows);
    EXPECT_TRUE(Contains(rows, "APPROACH")) << ::testing::PrintToString(rows);
}

TEST_F(UserFlowTest, AWriteStoppedByABadChannelWritesNothingAndMarksTheErrors) {
    // The radio would start on a channel it cannot receive: the home setting is in error.
    constexpr int kPosition = 2;
    const std::string opened = DataFile(
        "bad channel.zcf", RadioMemory(kPosition, 50'000'000, "BAD", [](EepromImage& image) {
            StartOnBank0Channel(image, kPosition);
        }));
    const std::string radioFile = DataFile("radio.zcf", RadioMemory(1, 118'100'000, "TOWER"));
    const Memory radioBefore = ReadDataFile(radioFile);
    SimulatorProcess sim({"--read-file", radioFile, "--write-file", radioFile});
    ProtocolCheck check(sim);
    Launch();
    UsePortOf(sim);
    OpenThroughTheMenu(opened);

    ChooseAnswering("&Write -> TR", {Click(QMessageBox::Ok)});
    ASSERT_TRUE(TransferEnded([&] { return !boxTexts.empty(); }));

    EXPECT_EQ(boxTexts, std::vector<std::string>{kDataErrorText});
    EXPECT_EQ(ReadDataFile(radioFile), radioBefore) << "nothing reached the radio";
    EXPECT_FALSE(controller->CurrentDocument().Modified());
    // The home setting's node carries the error mark in the tree, and its sheet the "x"
    // at the home channel.
    TreeNode* home = FindNamedNode(*controller->Tree(), "Common Setting");
    ASSERT_NE(home, nullptr);
    const QImage treeIcon = window->TreeView()->ItemOf(home)->icon(0).pixmap(16).toImage();
    EXPECT_EQ(treeIcon, image_list::TreeNodeIcon(home->imageIndex, SheetTree::kErrorImage, 16)
                            .pixmap(16)
                            .toImage());
    ShowSheetOf(home);
    EXPECT_TRUE(Contains(ShownRows(), "[x]")) << ::testing::PrintToString(ShownRows());
    ASSERT_NE(window->ShownGrid(), nullptr);
    EXPECT_TRUE(ShowsErrorMark(*window->ShownGrid()->viewport()));
    SaveShot(*window, "write_stopped_by_an_error");
}

TEST_F(UserFlowTest, ANameTypedIntoTheGridIsSavedAtItsChannel) {
    constexpr int kPosition = 1;
    const std::string opened = DataFile("club.zcf", RadioMemory(kPosition, 118'100'000, "OLD"));
    const std::string unedited = HomePath("unedited.zcf").toStdString();
    const std::string edited = HomePath("edited.zcf").toStdString();
    Launch();
    OpenThroughTheMenu(opened);
    // Saved once unedited: the file in the program's own form (loading and saving fit
    // the data to the model), which the edited file must repeat but for the name.
    ChooseAnswering("Save &As...", {TypeFileName(unedited)});
    ASSERT_TRUE(Eventually([&] { return ShownTitle(*window) == "unedited.zcf - Orvane"; }));
    ShowSheetOf(controller->Tree()->FindBankNode(0));
    SheetGrid* grid = window->ShownGrid();
    ASSERT_NE(grid, nullptr);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));

    MoveTo(*grid, cell::kMchName, kPosition);
    // The first key opens the in-place editor, which takes the focus and the rest.
    QTest::keyClicks(grid, "T");
    ASSERT_NE(grid->View().EditedCell(), std::nullopt);
    QTest::keyClicks(QApplication::focusWidget(), "ower");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    ASSERT_EQ(grid->View().EditedCell(), std::nullopt);
    EXPECT_TRUE(Eventually([&] { return controller->CurrentDocument().Modified(); }));
    ChooseAnswering("Save &As...", {TypeFileName(edited)});
    ASSERT_TRUE(Eventually([&] { return ShownTitle(*window) == "edited.zcf - Orvane"; }))
        << ShownTitle(*window).toStdString() << ::testing::PrintToString(boxTexts);

    Memory expected = ReadDataFile(unedited);
    const std::string name = "TOWER   ";
    constexpr std::int32_t kNameOffset = 6;
    std::copy(name.begin(), name.end(),
              expected.begin() + memory_map::kChannelRecords + kPosition * memory_map::kRecordSize +
                  kNameOffset);
    EXPECT_EQ(DifferingRanges(ReadDataFile(edited), expected), "");
    EXPECT_TRUE(boxTexts.empty());
}

TEST_F(UserFlowTest, CtrlZTakesATypedFrequencyBackAndCtrlYDoesItAgain) {
    constexpr int kPosition = 1;
    const std::string opened = DataFile("club.zcf", RadioMemory(kPosition, 118'100'000, "OLD"));
    Launch();
    OpenThroughTheMenu(opened);
    ASSERT_TRUE(Eventually([&] { return ShownTitle(*window) == "club.zcf - Orvane"; }));
    ShowSheetOf(controller->Tree()->FindBankNode(0));
    SheetGrid* grid = window->ShownGrid();
    ASSERT_NE(grid, nullptr);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    // The Edit menu's Undo, whose caption names the step.
    const auto undo = [this] { return window->menuBar()->actions().at(1)->menu()->actions()[0]; };
    EXPECT_FALSE(undo()->isEnabled());

    MoveTo(*grid, cell::kMchFreq, kPosition);
    const GridCell changed = grid->View().Current();
    QTest::keyClicks(grid, "1");
    ASSERT_NE(grid->View().EditedCell(), std::nullopt);
    QTest::keyClicks(QApplication::focusWidget(), "22.8");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    ASSERT_TRUE(Eventually([&] { return ShownTitle(*window) == "*club.zcf - Orvane"; }));
    EXPECT_TRUE(Contains(ShownRows(), "122.800"));
    EXPECT_TRUE(undo()->isEnabled());
    EXPECT_EQ(undo()->text(), "&Undo RX");

    MoveTo(*grid, cell::kMchFreq, kPosition + 2);  // the cursor goes back to the change
    QTest::keyClick(grid, Qt::Key_Z, Qt::ControlModifier);
    ASSERT_TRUE(Eventually([&] { return ShownTitle(*window) == "club.zcf - Orvane"; }));
    EXPECT_TRUE(Contains(ShownRows(), "118.100")) << ::testing::PrintToString(ShownRows());
    EXPECT_FALSE(Contains(ShownRows(), "122.800"));
    ASSERT_NE(window->ShownGrid(), nullptr);
    EXPECT_EQ(window->ShownGrid()->View().Current(), changed) << "back on the changed cell";
    EXPECT_FALSE(undo()->isEnabled());
    SaveShot(*window, "after_undo");

    QTest::keyClick(window->ShownGrid(), Qt::Key_Y, Qt::ControlModifier);
    ASSERT_TRUE(Eventually([&] { return ShownTitle(*window) == "*club.zcf - Orvane"; }));
    EXPECT_TRUE(Contains(ShownRows(), "122.800"));
    EXPECT_EQ(controller->Status().text, " Redone: RX");

    // Undone again, and done again with the other Redo key.
    QTest::keyClick(window->ShownGrid(), Qt::Key_Z, Qt::ControlModifier);
    ASSERT_TRUE(Eventually([&] { return ShownTitle(*window) == "club.zcf - Orvane"; }));
    QTest::keyClick(window->ShownGrid(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_TRUE(Eventually([&] { return ShownTitle(*window) == "*club.zcf - Orvane"; }));
    EXPECT_TRUE(Contains(ShownRows(), "122.800"));

    // A model change is a step too; its undo shows the tree's sheet and says so.
    ChooseAnswering("&2 HT-Lk2", {Click(QMessageBox::Ok)});
    ASSERT_TRUE(Eventually([&] { return controller->ModelType() == model_type::kLk2; }));
    EXPECT_EQ(undo()->text(), "&Undo HT-Lk2");
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    ASSERT_TRUE(Eventually([&] { return window->ShownSheet() != nullptr; }));
    EXPECT_EQ(controller->ModelType(), model_type::kLk1);
    QTest::qWait(3 * MainController::kTickMs);
    EXPECT_EQ(controller->Status().text, " Undone: HT-Lk2");
}

TEST_F(UserFlowTest, AConfirmedWriteThroughTheMenuReachesTheRadio) {
    constexpr int kPosition = 4;
    const std::string opened = DataFile("club.zcf", RadioMemory(kPosition, 122'800'000, "UNICOM"));
    const std::string radioFile = HomePath("radio.zcf").toStdString();
    SimulatorProcess sim({"--write-file", radioFile});
    ProtocolCheck check(sim);
    Launch();
    UsePortOf(sim);
    OpenThroughTheMenu(opened);
    const std::string shownCall = window->ShownSheet()->CallText();

    ChooseAnswering("&Write -> TR", {Click(QMessageBox::Ok), Click(QMessageBox::Ok)});
    ASSERT_TRUE(TransferEnded([&] { return boxTexts.size() == 2; }));
    EXPECT_FALSE(freeDuringTransfer) << "the window is held while the radio is written";

    EXPECT_EQ(boxTexts, (std::vector<std::string>{"Write to transceiver. Are you sure?",
                                                  kWriteSucceededText}));
    ASSERT_TRUE(std::filesystem::exists(radioFile));
    EXPECT_EQ(ChannelEntry(ReadDataFile(radioFile), kPosition),
              ChannelEntry(CloneArea(controller->CurrentDocument().Current()), kPosition));
    EXPECT_FALSE(controller->CurrentDocument().Modified());
    // The write closed the sheet; the selected node's sheet comes back.
    EXPECT_TRUE(Eventually(
        [&] { return window->ShownSheet() && window->ShownSheet()->CallText() == shownCall; }));
}

// The names of the first `count` memory channels of a saved file, "-" for a blank one.
std::vector<std::string> ChannelNames(const Memory& memory, int count) {
    constexpr std::int32_t kNameOffset = 6;
    std::vector<std::string> names;
    for (int position = 0; position < count; ++position) {
        const Memory entry = ChannelEntry(memory, position);
        if ((entry.back() & memory_map::kFlagBlank) != 0) {
            names.emplace_back("-");
            continue;
        }
        std::string name(entry.begin() + kNameOffset,
                         entry.begin() + kNameOffset + memory_map::kNameLength);
        names.push_back(name.substr(0, name.find_last_not_of(' ') + 1));
    }
    return names;
}

// Bank 0 of five positions, ALPHA and BRAVO in the first two, the other banks empty.
void TwoChannelsInBankOf5(EepromImage& image) {
    StoreChannel(image, 0, 118'100'000, "ALPHA");
    StoreChannel(image, 1, 121'500'000, "BRAVO");
    for (int bank = 0; bank < 10; ++bank) {
        image.SetByte(memory_map::kBankCapacities + bank, bank == 0 ? 5 : 0);
    }
}

// Which popup menu items a user can choose on telling rows of each kind of list; then
// Copy, Paste, Up, Down, Insert, Delete and Clear on a bank sheet, each from the popup
// menu or its key as a user gives them: the status bar after each, and the channels of
// the saved file.
TEST_F(UserFlowTest, ChannelListOperationsFromThePopupMenuAndTheirKeys) {
    const std::string opened =
        DataFile("club.zcf", ModelMemory(model_type::kLk1, TwoChannelsInBankOf5));
    const std::string edited = HomePath("edited.zcf").toStdString();
    Launch();
    const std::string fullFile =
        DataFile("full.zcf", ModelMemory(model_type::kLk1, [](EepromImage& image) {
                     StoreChannel(image, 0, 118'100'000, "ALPHA");
                     for (int bank = 0; bank < 10; ++bank) {
                         image.SetByte(memory_map::kBankCapacities + bank, bank < 2 ? 100 : 0);
                     }
                 }));
    const std::string exportFile = DataFile(
        "export.zcf",
        ModelMemory(model_type::kLk1S,
                    [](EepromImage& image) { StoreChannel(image, 0, 118'100'000, "ALPHA"); }),
        model_type::kLk1S);
    struct Case {
        const char* what;
        const std::string& file;
        const char* sheetCall;  // empty: bank 0
        CellId cellId;
        int position;
        const char* items;
    };
    const Case cases[] = {
        {"HT-Lk1, a used channel", opened, "", cell::kMchName, 1,
         "Edit... Copy Paste Up Down Clear Delete Insert Help"},
        {"HT-Lk1, the New row", opened, "", cell::kMchName, 5,
         "Edit... (Copy) (Paste) (Up) (Down) (Clear) (Delete) Insert Help"},
        {"HT-Lk1, the first channel of a full bank", fullFile, "", cell::kMchName, 0,
         "Edit... Copy Paste (Up) Down Clear Delete Insert Help"},
        {"HT-Lk1, bank 0 of the bank table", opened, "GI_Sheet_BankOp", cell::kBankName, 0,
         "Edit... (Up) Down Help"},
        {"HT-Lk1S/Lk2S, the first channel, nothing copied", exportFile,
         "[St_S_ColCut]GI_Sheet_MemoryCH_S,0", cell::kMchName, 0,
         "Edit... Copy (Paste) (Up) Down Clear Delete Insert Help"},
        {"HT-Lk1S/Lk2S, the last channel", exportFile, "[St_S_ColCut]GI_Sheet_MemoryCH_S,0",
         cell::kMchName, 99, "Edit... Copy (Paste) Up (Down) Clear Delete Insert Help"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        OpenThroughTheMenu(c.file);
        SheetGrid& grid =
            ShowGridOf(*c.sheetCall ? controller->Tree()->FindNodeByLinkText(c.sheetCall)
                                    : controller->Tree()->FindBankNode(0));
        MoveTo(grid, c.cellId, c.position);
        UsePopupMenu(grid, [&](QMenu& menu) { EXPECT_EQ(ItemStates(menu), c.items); });
    }
    // Every position is allocated: Ins says so and changes nothing.
    OpenThroughTheMenu(fullFile);
    SheetGrid& full = ShowGridOf(controller->Tree()->FindBankNode(0));
    MoveTo(full, cell::kMchName, 0);
    Answering({Click(QMessageBox::Ok)});
    QTest::keyClick(&full, Qt::Key_Insert);
    ASSERT_FALSE(boxTexts.empty()) << controller->Status().text;
    EXPECT_EQ(boxTexts.back().rfind("The number of channels exceed.", 0), 0u) << boxTexts.back();
    EXPECT_FALSE(controller->CurrentDocument().Modified());

    // The operations themselves, on the two channels of bank 0.
    boxTexts.clear();
    OpenThroughTheMenu(opened);
    SheetGrid& grid = ShowGridOf(controller->Tree()->FindBankNode(0));

    struct Action {
        const char* what;
        int position;               // the channel whose name cell has the cursor
        std::function<void()> act;  // the user's action there
        std::deque<Step> answers;   // to the questions it asks
        const char* status;
        std::vector<std::string> names;  // bank 0 afterwards, its capacity in all
    };
    const auto popup = [&](const char* caption) {
        return [&grid, caption] {
            UsePopupMenu(grid, [caption](QMenu& menu) { ClickItem(menu, caption); });
        };
    };
    const auto key = [&grid](Qt::Key pressed, Qt::KeyboardModifiers modifiers = {}) {
        return [&grid, pressed, modifiers] { QTest::keyClick(&grid, pressed, modifiers); };
    };
    // clang-format off
    const std::vector<Action> actions = {
        {"Copy from the popup menu", 0, popup("Copy"), {}, " Copied",
         {"ALPHA", "BRAVO", "-", "-", "-"}},
        {"Ctrl+V onto a blank row asks nothing", 3, key(Qt::Key_V, Qt::ControlModifier), {},
         " Pasted", {"ALPHA", "BRAVO", "-", "ALPHA", "-"}},
        {"Ctrl+Up", 3, key(Qt::Key_Up, Qt::ControlModifier), {}, "",
         {"ALPHA", "BRAVO", "ALPHA", "-", "-"}},
        {"Down from the popup menu", 0, popup("Down"), {}, "",
         {"BRAVO", "ALPHA", "ALPHA", "-", "-"}},
        {"Ins", 1, key(Qt::Key_Insert), {}, " Inserted",
         {"BRAVO", "-", "ALPHA", "ALPHA", "-", "-"}},
        {"Del of a used channel, confirmed", 2, key(Qt::Key_Delete), {Click(QMessageBox::Ok)},
         " Deleted", {"BRAVO", "-", "ALPHA", "-", "-"}},
        {"Clear from the popup menu, confirmed", 0, popup("Clear"), {Click(QMessageBox::Ok)},
         " Cleared", {"-", "-", "ALPHA", "-", "-"}},
    };
    // clang-format on
    for (const Action& action : actions) {
        SCOPED_TRACE(action.what);
        MoveTo(grid, cell::kMchName, action.position);
        Answering(action.answers);
        action.act();
        EXPECT_EQ(controller->Status().text, action.status);
        const Memory now = CloneArea(controller->CurrentDocument().Current());
        EXPECT_EQ(now[memory_map::kBankCapacities], action.names.size());
        EXPECT_EQ(ChannelNames(now, static_cast<int>(action.names.size())), action.names);
    }
    EXPECT_EQ(boxTexts,
              (std::vector<std::string>{"Deleting. Are you sure?", "Clearing. Are you sure?"}));
    EXPECT_TRUE(QGuiApplication::clipboard()->text().contains("ALPHA"));

    ChooseAnswering("Save &As...", {TypeFileName(edited)});
    ASSERT_TRUE(Eventually([&] { return ShownTitle(*window) == "edited.zcf - Orvane"; }));
    const Memory before = ReadDataFile(opened);
    const Memory after = ReadDataFile(edited);
    EXPECT_EQ(after[memory_map::kBankCapacities], 5);
    EXPECT_EQ(ChannelNames(after, 5), actions.back().names);
    // The surviving ALPHA is the record that was copied, moved and shifted, unchanged.
    EXPECT_EQ(ChannelEntry(after, 2), ChannelEntry(before, 0));
}

TEST_F(UserFlowTest, AFileNamedAtStartIsOpenWhenTheWindowFirstPaints) {
    Launch({"orvane", DataFile("club.zcf", RadioMemory(1, 118'100'000, "TOWER"))});
    // Before the window could handle any event: its first paint shows the file's sheet.
    EXPECT_EQ(titleWhenShown, "club.zcf - Orvane");
    EXPECT_TRUE(sheetWhenShown);
}

TEST_F(UserFlowTest, AMissingFileNamedAtStartIsReportedOverTheWindow) {
    const std::string missing = HomePath("nosuch.zcf").toStdString();
    bool overTheWindow = false;
    Answering({[&](QWidget& box) {
        overTheWindow = box.parentWidget() == window.get() && window->isVisible();
        Click(QMessageBox::Ok)(box);
    }});
    Launch({"orvane", missing});

    EXPECT_EQ(boxTexts, std::vector<std::string>{"File error.\n\nCannot open the file."});
    EXPECT_TRUE(overTheWindow);
    EXPECT_EQ(startErrors.str(), missing + ": file error 1: Cannot open the file.\n");
    EXPECT_EQ(ShownTitle(*window), "Untitled - Orvane");
}

TEST_F(UserFlowTest, AFileHandedOverUnderTheWriteQuestionWaitsUntilTheWriteIsDone) {
    constexpr int kPosition = 4;
    const std::string confirmed =
        DataFile("confirmed.zcf", RadioMemory(kPosition, 122'800'000, "UNICOM"));
    const std::string handed = DataFile("handed.zcf", RadioMemory(kPosition, 121'500'000, "GUARD"));
    const std::string radioFile = HomePath("radio.zcf").toStdString();
    SimulatorProcess sim({"--write-file", radioFile});
    ProtocolCheck check(sim);
    Launch();
    UsePortOf(sim);
    OpenThroughTheMenu(confirmed);
    const Memory confirmedData = CloneArea(controller->CurrentDocument().Current());

    // This process is the running copy: it holds the instance lock in a runtime directory
    // of its own and takes over files as the program does.
    ASSERT_TRUE(QDir(HomePath("")).mkdir("run"));
    const QByteArray runtimeWas = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", HomePath("run").toUtf8());
    const auto restoreRuntime = qScopeGuard([&] { qputenv("XDG_RUNTIME_DIR", runtimeWas); });
    FileInstanceLock lock;
    ASSERT_EQ(lock.TryAcquire(AppSettings::kMutexName), LockState::kAcquired) << lock.Problem();
    HandedFiles handedFiles(*window, *controller);
    FileHandoffServer server(HandoffSocketName(lock.FilePath()),
                             [&](const std::string& path) { return handedFiles.Take(path); });
    ASSERT_EQ(server.Problem(), "");

    // While the question is up, a later start hands the other file over.
    const Step handOverThenConfirm = [&](QWidget& question) {
        QProcess second;  // in this process's environment, with its runtime directory
        second.start(ORVANE_GUI_PATH, {QString::fromStdString(handed)});
        EXPECT_TRUE(Eventually([&] { return second.state() == QProcess::NotRunning; }));
        EXPECT_EQ(second.exitCode(), 0) << second.readAllStandardError().toStdString();
        EXPECT_TRUE(question.isVisible());
        EXPECT_EQ(ShownTitle(*window).toStdString(), "confirmed.zcf - Orvane")
            << "nothing replaced the data";
        Click(QMessageBox::Ok)(question);
    };
    ChooseAnswering("&Write -> TR", {handOverThenConfirm, Click(QMessageBox::Ok)});
    ASSERT_TRUE(TransferEnded([&] { return boxTexts.size() == 2; }));
    EXPECT_EQ(boxTexts, (std::vector<std::string>{"Write to transceiver. Are you sure?",
                                                  kWriteSucceededText}));

    // The radio holds the data the user confirmed; the handed file opens afterwards.
    ASSERT_NE(ChannelEntry(confirmedData, kPosition),
              ChannelEntry(ReadDataFile(handed), kPosition));
    EXPECT_EQ(ChannelEntry(ReadDataFile(radioFile), kPosition),
              ChannelEntry(confirmedData, kPosition));
    EXPECT_TRUE(Eventually([&] { return ShownTitle(*window) == "handed.zcf - Orvane"; }));
}

}  // namespace
}  // namespace orvane::testing

namespace orvane::testing {
namespace {

// Fills the airport dialog as a user types into it and accepts it.
std::function<void(QWidget&)> FillAirportDialog(const std::string& table, const std::string& codes,
                                                int bank) {
    return [=](QWidget& modal) {
        auto* dialog = qobject_cast<AirportDialog*>(&modal);
        if (dialog == nullptr) {
            ADD_FAILURE() << "not the airport dialog: " << modal.metaObject()->className();
            QTest::keyClick(&modal, Qt::Key_Escape);
            return;
        }
        const auto edits = dialog->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly);
        edits[0]->setText(QString::fromStdString(table));
        edits[1]->clear();
        QTest::keyClicks(edits[1], QString::fromStdString(codes));
        dialog->findChild<QSpinBox*>()->setValue(bank);
        QTest::mouseClick(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok),
                          Qt::LeftButton);
    };
}

TEST_F(UserFlowTest, AirportFrequenciesAreOneAcceptedChangeAndTheComparisonFindsThem) {
    const std::string opened = DataFile("club.zcf", RadioMemory(1, 118'100'000, "OLD"));
    const std::string table = HomePath("airport-frequencies.csv").toStdString();
    std::ofstream(table)
        << ("\"id\",\"airport_ref\",\"airport_ident\",\"type\",\"description\","
            "\"frequency_mhz\"\n"
            "1,10,\"EDDF\",\"TWR\",\"TOWER\",\"119.9\"\n"
            "2,10,\"EDDF\",\"ATIS\",\"ATIS\",\"118.025\"\n");
    Launch();
    OpenThroughTheMenu(opened);
    const EepromImage before = controller->CurrentDocument().Current();

    // Cancelled at the summary: nothing changes.
    ChooseAnswering("Import &Airport Frequencies...",
                    {FillAirportDialog(table, "eddf", 3), Click(QMessageBox::Cancel)});
    ASSERT_TRUE(Eventually([&] { return boxTexts.size() == 1; }));
    EXPECT_EQ(
        boxTexts[0].rfind("2 channels imported, 0 rows refused\nadded: EDDF TWR 119.900\n", 0), 0U)
        << boxTexts[0];
    EXPECT_TRUE(controller->CurrentDocument().Current().Equals(before));
    EXPECT_FALSE(controller->CurrentDocument().Modified());
    EXPECT_EQ(Settings().AirportTable, table);

    // The table is offered again; accepted, the channels arrive in bank 3 at once.
    std::string presetTable;
    ChooseAnswering("Import &Airport Frequencies...",
                    {[&](QWidget& modal) {
                         presetTable = modal.findChild<QLineEdit*>()->text().toStdString();
                         FillAirportDialog(table, "EDDF", 3)(modal);
                     },
                     Click(QMessageBox::Ok)});
    ASSERT_TRUE(Eventually([&] { return controller->CurrentDocument().Modified(); }));
    EXPECT_EQ(presetTable, table);
    ShowSheetOf(controller->Tree()->FindBankNode(3));
    EXPECT_TRUE(Contains(ShownRows(), "EDDF TWR")) << ::testing::PrintToString(ShownRows());

    // Compared with the file as opened, each new cell is a line that opens its cell.
    ChooseAnswering("Co&mpare With...", {TypeFileName(opened)});
    ASSERT_TRUE(Eventually([&] { return window->Differences() != nullptr; }));
    QTreeWidget& list = *window->Differences()->List();
    SaveShot(*window->Differences(), "differences_window");
    std::vector<std::string> lines;
    for (int i = 0; i < list.topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = list.topLevelItem(i);
        lines.push_back(
            (item->text(0) + "|" + item->text(2) + "|" + item->text(3) + "|" + item->text(4))
                .toStdString());
    }
    EXPECT_TRUE(Contains(lines, "3: EDDF|Name|EDDF TWR|")) << ::testing::PrintToString(lines);
    QTreeWidgetItem* name = list.findItems("EDDF TWR", Qt::MatchExactly, 3).value(0);
    ASSERT_NE(name, nullptr);
    emit list.itemActivated(name, 0);
    ASSERT_TRUE(Eventually([&] { return window->ShownGrid() != nullptr; }));
    const SheetCell& current = window->ShownSheet()->CellAt(
        window->ShownGrid()->View().Current().column, window->ShownGrid()->View().Current().row);
    EXPECT_EQ(current.link.cellId, cell::kMchName);
    EXPECT_NE(ShownRows()[static_cast<std::size_t>(window->ShownGrid()->View().Current().row)].find(
                  "EDDF TWR"),
              std::string::npos);
    // The bank took the airport's name, and the tree shows it.
    EXPECT_TRUE(Eventually([&] {
        return window->TreeView()->ItemOf(controller->Tree()->FindBankNode(3))->text(0).trimmed() ==
               "3: EDDF";
    }));
}

}  // namespace
}  // namespace orvane::testing
