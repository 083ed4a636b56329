// The main window driven by the real main controller: the tree per model, the menus and
// their states, the toolbar, the status bar's panels, focus, enabling and closing.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QToolBar>
#include <algorithm>

#include "gui/image_lists.h"
#include "gui/main_status_bar.h"
#include "gui/main_tool_bar.h"
#include "sheet/sheet.h"
#include "sheet/sheet_messages.h"
#include "window_fixture.h"

namespace orvane {
namespace {

using testing::WindowFixture;

bool Contains(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

class MainWindowDrivenTest : public WindowFixture {};

TEST_F(MainWindowDrivenTest, ChoosingHtLk2InTheModelMenuDropsTheWxNode) {
    Launch();
    ASSERT_TRUE(Contains(TreeCaptions(), "  WX CH"));
    EXPECT_TRUE(MenuAction("&1 HT-Lk1")->isChecked());

    Choose("&2 HT-Lk2");
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, texts.FirstLine("GI_AppMess_ChangeModel_3"));
    EXPECT_FALSE(Contains(TreeCaptions(), "  WX CH"));
    EXPECT_EQ(TreeCaptions().front(), "HT-Lk2");
    EXPECT_EQ(Settings().Radio.modelType, 0);
    EXPECT_TRUE(MenuAction("&2 HT-Lk2")->isChecked());
    EXPECT_FALSE(MenuAction("&1 HT-Lk1")->isChecked());
    EXPECT_FALSE(MenuAction("&1 HT-Lk1")->isCheckable()) << "unchecked items show no mark";
}

TEST_F(MainWindowDrivenTest, TreeFollowsEachModel) {
    Launch();
    struct Case {
        const char* item;
        const char* top;
        bool wx;
        bool banks;
    };
    for (const Case& model :
         {Case{"&3 HT-Lk1S/Lk2S", "HT-Lk1S/Lk2S", false, false},
          Case{"&2 HT-Lk2", "HT-Lk2", false, true}, Case{"&1 HT-Lk1", "HT-Lk1", true, true}}) {
        Choose(model.item);
        ASSERT_TRUE(
            WaitUntil([&] { return TreeItem("Bank Operation") != nullptr || !model.banks; }));
        const std::vector<std::string> captions = TreeCaptions();
        EXPECT_EQ(captions.front(), model.top);
        EXPECT_EQ(Contains(captions, "  WX CH"), model.wx) << model.top;
        EXPECT_EQ(TreeItem("Bank Operation") != nullptr, model.banks) << model.top;
        EXPECT_FALSE(Contains(captions, "  EXPERT")) << "expert mode is off";
    }
}

// Each model's window as the user sees it, kept in the build tree for a look:
// build/tests/gui/screenshots/main_window_<model>.png.
TEST_F(MainWindowDrivenTest, EachModelDrawsItsTreeWithImages) {
    Launch();
    for (const auto& [item, file] : {std::pair{"&1 HT-Lk1", "HT-Lk1"},
                                     {"&2 HT-Lk2", "HT-Lk2"},
                                     {"&3 HT-Lk1S/Lk2S", "HT-Lk1S-Lk2S"}}) {
        Choose(item);
        QTest::qWait(100);  // the bank captions come with the bus's next pump
        SaveShot(*window, QString("main_window_%1").arg(file));
        // The sheet image of a node that is not selected (a selected one is tinted) is
        // drawn where its item stands.
        QTreeWidget& tree = *window->TreeView();
        const QImage drawn =
            tree.viewport()->grab(tree.visualItemRect(TreeItem("Clone Comment"))).toImage();
        const QImage sheet = image_list::TreeImage(2).pixmap(16).toImage();
        bool found = false;
        for (int x = 0; x + 16 <= drawn.width() && !found; ++x) {
            for (int y = 0; y + 16 <= drawn.height() && !found; ++y) {
                found = true;
                for (int i = 2; i < 14 && found; i += 3) {
                    found = drawn.pixelColor(x + i, y + i) == sheet.pixelColor(i, i);
                }
            }
        }
        EXPECT_TRUE(found) << file;
    }
}

TEST_F(MainWindowDrivenTest, RecentFileEntryOpensTheFile) {
    Launch();
    const std::string path = HomePath("club & co.zcf").toStdString();
    controller->SaveFile(path);
    ASSERT_EQ(Settings().Recent.FullPath(0), path);
    Choose("&2 HT-Lk2");
    Choose("&New");
    ASSERT_TRUE(testing::ShownTitle(*window).startsWith("Untitled - "));

    // "&" in a path is doubled so that it shows as itself.
    const QString caption = "&1 " + QString::fromStdString(path).replace("&", "&&");
    Choose(caption);
    EXPECT_EQ(testing::ShownTitle(*window), "club & co.zcf - Orvane");
    // The file holds HT-Lk1 data: the model and its tree follow it.
    EXPECT_EQ(Settings().Radio.modelType, 3);
    EXPECT_TRUE(Contains(TreeCaptions(), "  WX CH"));
}

TEST_F(MainWindowDrivenTest, RecentEntriesShowOnlyWhatTheListHolds) {
    Launch();
    // The first entry stays as a disabled placeholder, the others hide.
    QAction* first = MenuAction("Recent File");
    ASSERT_NE(first, nullptr);
    Choose("&New");
    EXPECT_TRUE(first->isVisible());
    EXPECT_FALSE(first->isEnabled());
    const QList<QAction*> all = qobject_cast<QMenu*>(first->parent())->actions();
    EXPECT_EQ(std::count_if(all.begin(), all.end(),
                            [](QAction* action) {
                                return action->text() == "Recent File" && action->isVisible();
                            }),
              1);
}

TEST_F(MainWindowDrivenTest, MenuItemsCarryTheirShortcutsAndSeparators) {
    Launch();
    struct Case {
        const char* caption;
        QKeySequence shortcut;
    };
    for (const Case& item :
         {Case{"&New", QKeySequence("Ctrl+N")}, Case{"&Open...", QKeySequence("Ctrl+O")},
          Case{"&Save", QKeySequence("Ctrl+S")}, Case{"E&xit", QKeySequence("Alt+F4")},
          Case{"&Contents", QKeySequence("F1")}, Case{"Save &As...", QKeySequence()},
          Case{"&Undo", QKeySequence("Ctrl+Z")}, Case{"&Redo", QKeySequence("Ctrl+Y")}}) {
        QAction* action = MenuAction(item.caption);
        ASSERT_NE(action, nullptr) << item.caption;
        EXPECT_EQ(action->shortcut(), item.shortcut) << item.caption;
    }
    const QList<QAction*> top = window->menuBar()->actions();
    QStringList titles;
    for (QAction* action : top) {
        titles << action->text();
    }
    EXPECT_EQ(titles,
              (QStringList{"&File", "&Edit", "&View", "COM &Port", "&Clone", "&Model", "&Help"}));
    const QList<QAction*> file = top.front()->menu()->actions();
    EXPECT_EQ(std::count_if(file.begin(), file.end(), [](QAction* a) { return a->isSeparator(); }),
              4);
    // Go Adjust Mode is for the adjustment start only.
    EXPECT_FALSE(MenuAction("&Go Adjust Mode")->isVisible());
}

TEST_F(MainWindowDrivenTest, ComPortAndSpeedEntriesCheckTheSetting) {
    Launch();
    Choose("COM &3");
    EXPECT_EQ(Settings().ComPort, 3);
    Choose("&High Speed");
    EXPECT_EQ(Settings().ComSpeedHigh, 1);
    EXPECT_TRUE(MenuAction("COM &3")->isChecked());
    EXPECT_FALSE(MenuAction("COM &1")->isChecked());
    EXPECT_TRUE(MenuAction("&High Speed")->isChecked());
    EXPECT_FALSE(MenuAction("&Normal Speed")->isChecked());
}

TEST_F(MainWindowDrivenTest, ToolbarFollowsTheSettingAndTheViewMenu) {
    Launch();
    MainToolBar* toolBar = window->ToolBar();
    ASSERT_NE(toolBar, nullptr);
    ASSERT_EQ(toolBar->Rows().size(), 1u);
    QToolBar* row = toolBar->Rows().front();
    QStringList hints;
    for (QAction* action : row->actions()) {
        if (!action->text().isEmpty()) {
            hints << action->toolTip();
            EXPECT_FALSE(action->icon().isNull()) << action->text().toStdString();
        }
    }
    EXPECT_EQ(hints,
              (QStringList{"New", "Open", "Save", "Clone Read", "Clone Write", "Clone Info."}));
    EXPECT_TRUE(row->isVisible());
    EXPECT_TRUE(MenuAction("&Toolbar")->isChecked());

    Choose("&Toolbar");
    EXPECT_FALSE(row->isVisible());
    EXPECT_EQ(Settings().ToolbarVisible, 0);
    EXPECT_FALSE(MenuAction("&Toolbar")->isChecked());
    Choose("&Toolbar");
    EXPECT_TRUE(row->isVisible());
}

TEST_F(MainWindowDrivenTest, HiddenToolbarSettingStartsHidden) {
    Launch();
    Settings().ToolbarVisible = 0;
    window->RefreshToolbar();
    EXPECT_FALSE(window->ToolBar()->Rows().front()->isVisible());
}

TEST_F(MainWindowDrivenTest, TreeSelectionOpensItsSheetAfterTheDelay) {
    Launch();
    QTreeWidgetItem* item = TreeItem("Common Setting");
    ASSERT_NE(item, nullptr);
    window->TreeView()->setCurrentItem(item);
    EXPECT_EQ(SheetTreeView::NodeOf(item), controller->Tree()->SelectedNode())
        << "the tree knows the selection at once";
    EXPECT_NE(window->ShownSheet()->CallText(), "[St_Common]GI_Sheet_Home,1")
        << "the sheet waits for the change delay";
    ASSERT_TRUE(WaitUntil(
        [&] { return window->ShownSheet()->CallText() == "[St_Common]GI_Sheet_Home,1"; }));
}

TEST_F(MainWindowDrivenTest, ShowingTheWindowOpensTheSelectedSheetAtOnce) {
    Launch();
    window->hide();
    controller->CloseSheet();
    ASSERT_EQ(window->ShownSheet(), nullptr);
    window->show();
    ASSERT_NE(window->ShownSheet(), nullptr) << "with the window, not a tick later";
    EXPECT_EQ(window->ShownSheet()->CallText(),
              controller->Tree()->SelectedNode()->cell.LinkText());
}

TEST_F(MainWindowDrivenTest, TreeItemsShareTheirImagesAndASyncThatChangesNothingTouchesNone) {
    Launch();
    ASSERT_TRUE(WaitUntil([&] { return TreeItem("Bank Operation") != nullptr; }));
    SheetTreeView& view = *window->TreeView();
    const QTreeWidgetItem* bank1 = view.ItemOf(controller->Tree()->FindBankNode(1));
    const QTreeWidgetItem* bank2 = view.ItemOf(controller->Tree()->FindBankNode(2));
    ASSERT_NE(bank1, nullptr);
    ASSERT_NE(bank2, nullptr);
    EXPECT_EQ(bank1->icon(0).cacheKey(), bank2->icon(0).cacheKey())
        << "one image drawn once for every node that shows it";

    int changedItems = 0;
    QObject::connect(&view, &QTreeWidget::itemChanged, [&] { ++changedItems; });
    view.OnNodesChanged();
    EXPECT_EQ(changedItems, 0) << "each change makes the view measure the item again";

    controller->Tree()->MarkSheets({}, {"[St_ColCut]GI_Sheet_MemoryCH,Bank 2"});
    EXPECT_GT(changedItems, 0);
    EXPECT_NE(bank1->icon(0).cacheKey(), bank2->icon(0).cacheKey()) << "bank 2 carries a mark";
}

TEST_F(MainWindowDrivenTest, SelectionMadeByTheControllerShowsInTheView) {
    Launch();
    bus.PostText(message::kTreeSelect, 0, 0, "[St_Common]GI_Sheet_Common,0", true);
    EXPECT_EQ(window->TreeView()->currentItem(), TreeItem("Clone Comment"));
}

TEST_F(MainWindowDrivenTest, MarksAndBankCaptionsReachTheView) {
    Launch();
    ASSERT_TRUE(WaitUntil([&] { return TreeItem("Bank Operation") != nullptr; }));
    QTreeWidgetItem* bank = window->TreeView()->ItemOf(controller->Tree()->FindBankNode(2));
    ASSERT_NE(bank, nullptr);
    const QImage plain = bank->icon(0).pixmap(16).toImage();

    controller->Tree()->MarkSheets({}, {"[St_ColCut]GI_Sheet_MemoryCH,Bank 2"});
    const QImage marked = bank->icon(0).pixmap(16).toImage();
    EXPECT_NE(marked, plain);
    const TreeNode& node = *SheetTreeView::NodeOf(bank);
    EXPECT_EQ(
        marked,
        image_list::TreeNodeIcon(node.imageIndex, SheetTree::kErrorImage, 16).pixmap(16).toImage())
        << "the bank's page with the error mark over it";

    bus.PostText(message::kBankNodeCaptionUpdate, 0, 2, "Bank 2  Tower", true);
    EXPECT_EQ(bank->text(0), "Bank 2  Tower");
}

TEST_F(MainWindowDrivenTest, ExpandingANodeRunsTheCheckAgain) {
    Launch();
    QTreeWidgetItem* memory = TreeItem("Memory CH");
    ASSERT_NE(memory, nullptr);
    ASSERT_FALSE(memory->isExpanded());
    const QString bankCall = "[St_ColCut]GI_Sheet_MemoryCH,Bank 0";
    // A mark that the check does not confirm goes with the next check.
    controller->Tree()->MarkSheets({bankCall.toStdString()}, {});
    ASSERT_EQ(SheetTreeView::NodeOf(memory)->overlay, SheetTree::kWarningOverlay);
    memory->setExpanded(true);
    EXPECT_TRUE(SheetTreeView::NodeOf(memory)->expanded);
    EXPECT_EQ(SheetTreeView::NodeOf(memory)->overlay, TreeNode::kNoOverlay);
}

TEST_F(MainWindowDrivenTest, StatusMessageIsDrawnInItsColours) {
    Launch();
    // Red text on yellow.
    bus.PostText(message::kStatusText, 0x0000FF, 0x00FFFF, " Copied", true);
    MainStatusBar* bar = window->StatusPanels();
    const QImage image = bar->grab().toImage();
    const QRect panel = bar->MessagePanel();
    ASSERT_GE(panel.width(), MainStatusBar::kMinMessageWidth);
    EXPECT_EQ(image.pixelColor(panel.right() - 2, panel.top() + 1), QColor(255, 255, 0));
    bool redText = false;
    for (int x = 0; x < 60 && !redText; ++x) {
        for (int y = 0; y < panel.height() && !redText; ++y) {
            const QColor pixel = image.pixelColor(x, y);
            redText = pixel.red() > 200 && pixel.green() < 80 && pixel.blue() < 80;
        }
    }
    EXPECT_TRUE(redText) << "the text is drawn in its own colour";
    EXPECT_EQ(bar->ModePanel(), QRect()) << "no mode panel outside expert mode";
}

TEST_F(MainWindowDrivenTest, ExitClosesTheWindowAndStopsTheController) {
    Launch();
    Choose("E&xit");
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(controller->Tree(), nullptr);
    EXPECT_EQ(window->TreeView()->Tree(), nullptr);
}

TEST_F(MainWindowDrivenTest, FocusGoesWhereTheControllerSends) {
    Launch();
    QApplication::setActiveWindow(window.get());
    window->SetFocus(ViewFocus::kTree);
    EXPECT_EQ(window->Focus(), ViewFocus::kTree);
    window->SetFocus(ViewFocus::kGrid);
    EXPECT_EQ(window->Focus(), ViewFocus::kGrid);
}

TEST_F(MainWindowDrivenTest, BusyCursorLastsUntilTheOutermostScopeEnds) {
    Launch();
    {
        BusyCursor outer(*window);
        { BusyCursor inner(*window); }
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(MainWindowDrivenTest, CloseIsRefusedWhileDisabledAndThenStoresThePlacement) {
    Launch();
    window->SetEnabled(false);
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());

    window->SetEnabled(true);
    window->setGeometry(30, 40, 640, 420);
    EXPECT_TRUE(window->close());
    EXPECT_EQ(Settings().Window, (WindowBounds{30, 40, 640, 420}));
    EXPECT_EQ(window->TreeView()->topLevelItemCount(), 0) << "the controller stopped";
    EXPECT_EQ(Settings().SplitterV, window->TreePanel()->width());
    EXPECT_EQ(window->ShownSheet(), nullptr);
}

TEST_F(MainWindowDrivenTest, CancelledSaveQuestionKeepsTheWindowOpen) {
    Launch();
    controller->CurrentDocument().Current().SetByte(100, 0x55);
    controller->CurrentDocument().NoteChanges();
    prompter.answers = {PromptAnswer::Cancel};
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(testing::ShownTitle(*window).startsWith("Untitled"));
}

class ExpertWindowTest : public WindowFixture {};

TEST_F(ExpertWindowTest, ProlixShowsTheTealModePanelAndTheExpertNode) {
    Launch({"orvane", "/PROLIX"});
    MainStatusBar* bar = window->StatusPanels();
    const QRect mode = bar->ModePanel();
    ASSERT_FALSE(mode.isNull());
    const QFontMetrics metrics(bar->font());
    EXPECT_EQ(mode.width(),
              metrics.horizontalAdvance("[ EXPERT ]") + metrics.horizontalAdvance("XXXX"));
    EXPECT_EQ(bar->MessagePanel().width(),
              std::max(bar->width() - mode.width() - MainStatusBar::kLastPanelWidth,
                       MainStatusBar::kMinMessageWidth));
    EXPECT_EQ(mode.left(), bar->MessagePanel().right() + 1);

    const QImage image = bar->grab().toImage();
    EXPECT_EQ(image.pixelColor(mode.left() + 1, mode.top() + 1), QColor(0, 128, 128));
    int white = 0;
    for (int x = mode.left(); x <= mode.right(); ++x) {
        white += image.pixelColor(x, mode.center().y()) == Qt::white ? 1 : 0;
    }
    EXPECT_GT(white, 0) << "white text across the middle";
    EXPECT_TRUE(Contains(TreeCaptions(), "  EXPERT"));

    // With the bank branch open and a message shown.
    TreeItem("Memory CH")->setExpanded(true);
    controller->Tree()->MarkSheets({"[St_ColCut]GI_Sheet_MemoryCH,Bank 1"},
                                   {"[St_ColCut]GI_Sheet_MemoryCH,Bank 3"});
    bus.PostText(message::kStatusText, colour::kWindowText, colour::kBtnFace, " Copied", true);
    QTest::qWait(100);
    SaveShot(*window, "main_window_expert");
}

TEST_F(ExpertWindowTest, MessagePanelKeepsItsMinimumInANarrowBar) {
    Launch({"orvane", "/prolix"});
    MainStatusBar* bar = window->StatusPanels();
    window->resize(400, 300);
    ASSERT_TRUE(WaitUntil([&] { return bar->width() <= 400; }));
    EXPECT_EQ(bar->MessagePanel().width(),
              std::max(bar->width() - bar->ModePanel().width() - MainStatusBar::kLastPanelWidth,
                       MainStatusBar::kMinMessageWidth));
    window->resize(900, 300);
    ASSERT_TRUE(WaitUntil([&] { return bar->width() > 800; }));
    EXPECT_EQ(bar->MessagePanel().width(),
              bar->width() - bar->ModePanel().width() - MainStatusBar::kLastPanelWidth);
}

}  // namespace
}  // namespace orvane
