// Whole-program flows as a user goes through them: the real main window on the real
// controller, the settings in the real INI file of a temporary home directory,
// orvane-radio-sim on a pseudo-terminal as the radio, the menu bar's own actions, and the
// program's own message boxes and file dialogs, answered by finding them on screen and
// clicking them. Opening a file from the recent list is covered by the driven window's
// tests and is not repeated here.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QTimer>
#include <algorithm>
#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/sheet_text.h"
#include "clone_data_file.h"
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

// HT-Lk1 factory data, marked as made for it as a saved file is, with memory channel
// `position` (bank 0 holds the first positions) in use on `rxHz` under `name`; `edit`
// changes the image further.
Memory RadioMemory(int position, Hertz rxHz, const std::string& name,
                   const std::function<void(EepromImage&)>& edit = {}) {
    EepromImage image;
    image.Resize(kImageCapacity);
    PrepareDefaultImage(image, model_type::kLk1);
    image.SetByte(kModelTypeAddress, model_type::kLk1);
    MemoryChannel channel;
    channel.kind = MemoryChannel::kMemory;
    channel.position = position;
    channel.used = true;
    channel.rxHz = channel.txHz = rxHz;
    channel.name = name;
    ChannelStore(image, model_type::kLk1).Store(channel);
    if (edit) {
        edit(image);
    }
    return CloneArea(image);
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
    std::string DataFile(const QString& name, const Memory& memory) const {
        const std::string path = HomePath(name).toStdString();
        EXPECT_EQ(sim::WriteCloneDataFile(path, sim::ModelVersionOf(model_type::kLk1), memory), "");
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
            return window->windowTitle().toStdString() ==
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
    EXPECT_EQ(window->windowTitle(), "Untitled - Orvane");
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
    ASSERT_TRUE(Eventually([&] { return window->windowTitle() == "unedited.zcf - Orvane"; }));
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
    ASSERT_TRUE(Eventually([&] { return window->windowTitle() == "edited.zcf - Orvane"; }))
        << window->windowTitle().toStdString() << ::testing::PrintToString(boxTexts);

    Memory expected = ReadDataFile(unedited);
    const std::string name = "TOWER   ";
    constexpr std::int32_t kNameOffset = 6;
    std::copy(name.begin(), name.end(),
              expected.begin() + memory_map::kChannelRecords + kPosition * memory_map::kRecordSize +
                  kNameOffset);
    EXPECT_EQ(DifferingRanges(ReadDataFile(edited), expected), "");
    EXPECT_TRUE(boxTexts.empty());
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
    EXPECT_EQ(window->windowTitle(), "Untitled - Orvane");
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
        EXPECT_EQ(window->windowTitle().toStdString(), "confirmed.zcf - Orvane")
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
    EXPECT_TRUE(Eventually([&] { return window->windowTitle() == "handed.zcf - Orvane"; }));
}

}  // namespace
}  // namespace orvane::testing
