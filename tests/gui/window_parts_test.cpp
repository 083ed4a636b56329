// The window's rules that need no window: the status bar's panel widths, dialog
// placement, file dialog filters and the shortcut texts of the definitions.

#include <gtest/gtest.h>

#include <QRect>

#include "gui/dialog_support.h"
#include "gui/file_chooser.h"
#include "gui/menu_mirror.h"
#include "gui/main_status_bar.h"
#include "qt_application.h"

namespace orvane {
namespace {

TEST(StatusPanelWidthsTest, MessagePanelTakesTheRestButAtLeast100) {
    struct Case {
        int bar;
        std::vector<int> others;
        std::vector<int> expected;
    };
    for (const Case& c :
         {Case{600, {50}, {550, 50}}, Case{600, {96, 50}, {454, 96, 50}},
          Case{240, {96, 50}, {100, 96, 50}}, Case{0, {50}, {100, 50}}, Case{300, {}, {300}}}) {
        EXPECT_EQ(StatusPanelWidths(c.bar, c.others), c.expected) << c.bar;
    }
}

TEST(DialogPlacementTest, CentredOverTheOwnerAndKeptOnTheWorkArea) {
    const QRect work(0, 0, 1280, 1000);
    struct Case {
        QRect owner;
        QSize dialog;
        QPoint expected;
    };
    for (const Case& c : {
             Case{{100, 100, 600, 400}, {200, 100}, {300, 250}},
             Case{{1100, 100, 600, 400}, {300, 100}, {980, 250}},  // past the right edge
             Case{{-500, -300, 600, 400}, {300, 100}, {0, 0}},     // past left and top
             Case{{100, 900, 600, 400}, {200, 150}, {300, 850}},   // past the bottom
             Case{{100, 100, 600, 400}, {1500, 1200}, {0, 0}},     // larger than the area
         }) {
        EXPECT_EQ(CentredOver(QRect(QPoint(), c.dialog), c.owner, work).topLeft(), c.expected)
            << c.owner.x() << "," << c.owner.y();
    }
}

TEST(DialogPlacementTest, ChoiceListUnderItsCellAndKeptOnTheWorkArea) {
    const QRect work(0, 0, 1280, 1000);
    struct Case {
        QPoint cell;  // an 80 x 20 cell's top left
        QSize list;
        QPoint expected;
    };
    for (const Case& c : {
             Case{{100, 200}, {150, 300}, {108, 220}},
             Case{{100, 900}, {150, 300}, {108, 600}},    // past the bottom: above the cell
             Case{{100, 300}, {150, 800}, {108, 200}},    // taller than the room above
             Case{{1200, 200}, {150, 300}, {1130, 220}},  // past the right edge
             Case{{1200, 300}, {150, 800}, {1050, 200}},  // at the bottom, left of the cell
         }) {
        EXPECT_EQ(BelowCell(c.list, QRect(c.cell, QSize(80, 20)), work).topLeft(), c.expected)
            << c.cell.x() << "," << c.cell.y();
    }
}

TEST(NameFiltersTest, PatternFieldsBecomeQtFilters) {
    EXPECT_EQ(NameFiltersOf("Data files (*.zcf)|*.zcf|All files (*.*)|*.*"),
              (QStringList{"Data files (*.zcf)", "All files (*)"}));
    EXPECT_EQ(NameFiltersOf("Clone data|*.zcf;*.ZCF"), (QStringList{"Clone data (*.zcf *.ZCF)"}));
    // The pattern field wins over what the description says.
    EXPECT_EQ(NameFiltersOf("Text (*.doc)|*.txt"), (QStringList{"Text (*.txt)"}));
    EXPECT_TRUE(NameFiltersOf("").isEmpty());
    EXPECT_TRUE(NameFiltersOf("Dangling description").isEmpty());
}

TEST(ShortcutTextTest, DefinitionTextsBecomeKeySequences) {
    testing::TestApplication();
    struct Case {
        const char* text;
        QKeySequence expected;
    };
    for (const Case& c :
         {Case{"Ctrl+N", QKeySequence(Qt::CTRL | Qt::Key_N)},
          Case{"Alt+F4", QKeySequence(Qt::ALT | Qt::Key_F4)},
          Case{"F12", QKeySequence(Qt::Key_F12)}, Case{"Del", QKeySequence(Qt::Key_Delete)},
          Case{"Ins", QKeySequence(Qt::Key_Insert)}, Case{"Enter", QKeySequence(Qt::Key_Enter)},
          Case{"Ctrl+Up", QKeySequence(Qt::CTRL | Qt::Key_Up)},
          Case{"Shift+Ctrl+C", QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_C)},
          Case{"", QKeySequence()}, Case{"Ctrl+Nonsense", QKeySequence()},
          Case{"A, B", QKeySequence()}}) {
        EXPECT_EQ(ShortcutOf(c.text), c.expected) << c.text;
    }
}

}  // namespace
}  // namespace orvane
