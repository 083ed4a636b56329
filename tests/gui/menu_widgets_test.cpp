// The menu bar and the toolbar over their builders, with a stand-in data model: what the
// widgets show for the items' states, what a click sends, and rebuilding a menu while
// its actions are still around.

#include <gtest/gtest.h>

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QToolBar>

#include "gui/menu_mirror.h"
#include "gui/main_tool_bar.h"
#include "qt_application.h"
#include "sheet/fake_evaluator.h"
#include "sheet/sheet_messages.h"
#include "sheet/sheet_test_support.h"

namespace orvane {
namespace {

using testing::DefinitionResource;
using testing::FakeEvaluator;
using testing::SheetTestEnvironment;

class MenuWidgetsTest : public ::testing::Test {
protected:
    MenuWidgetsTest() { testing::TestApplication(); }

    MenuEnvironment Environment() {
        return MenuEnvironment{environment.store, environment.vocabulary, environment.bus,
                               evaluator};
    }
    std::int32_t Cell(const char* name) { return environment.vocabulary.CellIdFromName(name); }

    DefinitionResource resource{{
        {"T_Menu_BasicCell", ""},
        {"T_Menu_Body",
         "+&File\t{(%CL_Null)}\n"
         " +&New\t{(%CL_Menu_File_New:Ctrl+N)}\n"
         " +-\n"
         " +Recent File\t{(%CL_Menu_File_Recent[0])}\n"
         " +&Print\t{(%CL_Null)}\n"
         "  +&All...\t{(%CL_Menu_File_Print_All)}\n"
         "+&Edit\t{(%CL_Menu_Edit_Top)}\n"
         " +&Undo\t{(%CL_Menu_Undo)}\n"
         "+&View\t{(%CL_Null)}\n"
         " +&Toolbar\t{(%CL_Menu_View_ToolBar)}"},
        {"T_Bar_BasicCell", ""},
        {"T_Bar_Body",
         "Read\t{(ImageIndex=7)(%CL_Menu_View_ToolBar)}\n/\nSave\t{(ImageIndex=2)(%CL_Menu_File_"
         "Save)}\n-\nOdd\t{(ImageIndex=42)(%CL_Menu_File_New)}"},
    }};
    SheetTestEnvironment environment{resource.Resource()};
    FakeEvaluator evaluator;
};

// A separator shows as "-" followed by its text, which a menu would draw beside the
// line: a separator has none.
QStringList Texts(const QList<QAction*>& actions) {
    QStringList texts;
    for (const QAction* action : actions) {
        texts << (action->isSeparator() ? "-" + action->text() : action->text());
    }
    return texts;
}

TEST_F(MenuWidgetsTest, MenuBarMirrorsTheItems) {
    MenuBuilder builder(Environment(), "T_Menu");
    builder.Build();
    QMenuBar bar;
    MenuMirror menu(bar, builder);
    ASSERT_EQ(Texts(bar.actions()), (QStringList{"&File", "&Edit", "&View"}));
    QMenu* file = bar.actions()[0]->menu();
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(Texts(file->actions()), (QStringList{"&New", "-", "Recent File", "&Print"}));
    EXPECT_EQ(file->actions()[0]->shortcut(), QKeySequence("Ctrl+N"));
    ASSERT_NE(file->actions()[3]->menu(), nullptr);
    EXPECT_EQ(Texts(file->actions()[3]->menu()->actions()), QStringList{"&All..."});
}

TEST_F(MenuWidgetsTest, StatesFromTheDataModelReachTheActions) {
    MenuBuilder builder(Environment(), "T_Menu");
    builder.Build();
    QMenuBar bar;
    MenuMirror menu(bar, builder);
    evaluator.answers[Cell("CL_Menu_View_ToolBar")] = {SheetCell::kItemChecked, ""};
    evaluator.answers[Cell("CL_Menu_File_New")] = {SheetCell::kItemDisabled, ""};
    evaluator.answers[Cell("CL_Menu_File_Print_All")] = {SheetCell::kItemHidden, ""};
    evaluator.answers[Cell("CL_Menu_File_Recent")] = {SheetCell::kItemCaptionFromText,
                                                      "&1 /home/pilot/a&&b.zcf"};
    environment.bus.Post(message::kRefreshMenuStates, 0, 0, true);

    QMenu* file = bar.actions()[0]->menu();
    QAction* toolbar = bar.actions()[2]->menu()->actions()[0];
    EXPECT_TRUE(toolbar->isCheckable());
    EXPECT_TRUE(toolbar->isChecked());
    EXPECT_FALSE(file->actions()[0]->isEnabled());
    EXPECT_FALSE(file->actions()[3]->menu()->actions()[0]->isVisible());
    EXPECT_EQ(file->actions()[2]->text(), "&1 /home/pilot/a&&b.zcf");

    evaluator.answers.clear();
    emit file->aboutToShow();
    EXPECT_TRUE(file->actions()[0]->isEnabled()) << "opening a menu asks again";
    EXPECT_FALSE(toolbar->isChecked());
    EXPECT_FALSE(toolbar->isCheckable());
}

TEST_F(MenuWidgetsTest, ChoosingAnActionRunsItsCommand) {
    MenuBuilder builder(Environment(), "T_Menu");
    builder.Build();
    QMenuBar bar;
    MenuMirror menu(bar, builder);
    evaluator.calls.clear();
    bar.actions()[0]->menu()->actions()[0]->trigger();
    ASSERT_FALSE(evaluator.calls.empty());
    EXPECT_EQ(evaluator.calls[0].link.cellId, Cell("CL_Menu_File_New"));
    EXPECT_EQ(evaluator.calls[0].keyCode, 13);
    EXPECT_EQ(evaluator.calls[0].mode, CellEvaluator::kOperate);
}

TEST_F(MenuWidgetsTest, ClearedItemsLeaveTheMenuWhileItsOldActionsAreStillAround) {
    MenuBuilder builder(Environment(), "T_Menu");
    builder.Build();
    QMenuBar bar;
    MenuMirror menu(bar, builder);
    QPointer<QMenu> oldEdit = bar.actions()[1]->menu();
    environment.bus.Post(message::kClearMenuItems, 0, Cell("CL_Menu_Edit_Top"), true);
    // The rebuilt bar shows Edit without items; the old menu goes with the event loop.
    ASSERT_EQ(Texts(bar.actions()), (QStringList{"&File", "&Edit", "&View"}));
    EXPECT_EQ(bar.actions()[1]->menu(), nullptr);
    EXPECT_FALSE(oldEdit.isNull());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(oldEdit.isNull());
    // States go to the new actions only.
    evaluator.answers[Cell("CL_Menu_Edit_Top")] = {SheetCell::kItemDisabled, ""};
    environment.bus.Post(message::kRefreshMenuStates, 0, 0, true);
    EXPECT_FALSE(bar.actions()[1]->isEnabled());
}

TEST_F(MenuWidgetsTest, ToolBarRowsGapsAndStates) {
    ToolBarBuilder builder(Environment(), "T_Bar");
    builder.Build();
    QMainWindow window;
    MainToolBar toolBar(window, builder, environment.bus);
    ASSERT_EQ(toolBar.Rows().size(), 2u) << "a row break starts a second row";
    const QList<QAction*> first = toolBar.Rows()[0]->actions();
    const QList<QAction*> second = toolBar.Rows()[1]->actions();
    // Each row starts with the indent; the separator is a gap of its own width.
    ASSERT_EQ(first.size(), 2);
    ASSERT_EQ(second.size(), 4);
    EXPECT_EQ(toolBar.Rows()[0]->widgetForAction(first[0])->width(), ToolBarBuilder::kIndent);
    EXPECT_EQ(toolBar.Rows()[1]->widgetForAction(second[2])->width(),
              ToolBarBuilder::kSeparatorWidth);
    EXPECT_EQ(first[1]->toolTip(), "Read");
    EXPECT_FALSE(first[1]->icon().isNull());
    EXPECT_TRUE(second[3]->icon().isNull()) << "no image for an unknown index";
    EXPECT_EQ(window.toolBarBreak(toolBar.Rows()[1]), true);

    evaluator.answers[Cell("CL_Menu_View_ToolBar")] = {SheetCell::kItemChecked, ""};
    evaluator.answers[Cell("CL_Menu_File_Save")] = {SheetCell::kItemDisabled, ""};
    environment.bus.Post(message::kRefreshMenuStates, 0, 0, true);
    EXPECT_TRUE(first[1]->isChecked());
    EXPECT_FALSE(second[1]->isEnabled());

    evaluator.calls.clear();
    second[3]->trigger();
    ASSERT_FALSE(evaluator.calls.empty());
    EXPECT_EQ(evaluator.calls[0].link.cellId, Cell("CL_Menu_File_New"));
    EXPECT_EQ(evaluator.calls[0].mode, CellEvaluator::kOperate);

    window.show();
    toolBar.SetVisible(false);
    EXPECT_FALSE(toolBar.Rows()[0]->isVisible());
    EXPECT_FALSE(toolBar.Rows()[1]->isVisible());
}

}  // namespace
}  // namespace orvane
