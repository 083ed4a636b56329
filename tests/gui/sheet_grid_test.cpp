// The sheet grid in the real main window with the real controller and data model,
// offscreen: every shipped sheet shows under every model, a frequency typed into a
// channel reaches the image, the in-place editor opens on F2, commits on Enter and
// cancels on Escape, the drawn pixels show the selection and the marks, and a value
// changed through a cell repaints every cell that shows it and no other.

#include <QDir>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>

#include "gui/sheet_grid.h"
#include "gui/sheet_pane.h"
#include "image/model_type.h"
#include "radio/bank_table.h"
#include "radio/channel_store.h"
#include "sheet/column_widths.h"
#include "sheet/key_codes.h"
#include "window_fixture.h"

namespace orvane::testing {
namespace {

const std::string kBank0 = "[St_ColCut]GI_Sheet_MemoryCH,Bank 0";

class SheetGridTest : public WindowFixture {
protected:
    SheetGrid& OpenSheet(const std::string& call) {
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        controller->OpenSheet(call);
        SheetGrid* grid = window->ShownGrid();
        EXPECT_NE(grid, nullptr) << call;
        grid->setFocus();
        QCoreApplication::processEvents();
        return *grid;
    }

    // Moves the cursor to the first selectable cell linked to `cellId` in `row`.
    static void GoTo(SheetGrid& grid, int row, CellId cellId) {
        Sheet& sheet = grid.ShownSheet();
        for (int column = 0; column < sheet.ColumnCount(); ++column) {
            if (sheet.CellAt(column, row).link.cellId == cellId &&
                sheet.CellAt(column, row).IsSelectable()) {
                grid.View().OnMouseDown(column, row, {}, SheetView::MouseButton::kLeft, 0);
                grid.View().OnMouseUp(column, row, {}, SheetView::MouseButton::kLeft);
                return;
            }
        }
        ADD_FAILURE() << "no cell " << cellId << " in row " << row;
    }

    // The grid row of memory channel `position` on the bank 0 sheet.
    static int RowOfChannel(SheetGrid& grid, int position) {
        Sheet& sheet = grid.ShownSheet();
        for (int row = 0; row < sheet.RowCount(); ++row) {
            for (int column = 0; column < sheet.ColumnCount(); ++column) {
                const SheetCell& cell = sheet.CellAt(column, row);
                if (cell.link.cellId == cell::kMchFreq && cell.link.index == position) {
                    return row;
                }
            }
        }
        return -1;
    }

    // The program launched with bank 0's sheet open and its cursor on the `cellId` cell
    // of memory channel `position`.
    SheetGrid& OnBank0Channel(int position, CellId cellId) {
        Launch();
        SheetGrid& grid = OpenSheet(kBank0);
        const int row = RowOfChannel(grid, position);
        if (row < 0) {
            ADD_FAILURE() << "no row for channel " << position;
        } else {
            GoTo(grid, row, cellId);
        }
        return grid;
    }

    // F2 on the grid: the in-place editor it opens, with the focus; null if none opened.
    static QPlainTextEdit* OpenEditor(SheetGrid& grid) {
        QTest::keyClick(&grid, Qt::Key_F2);
        if (!grid.View().EditedCell()) {
            return nullptr;
        }
        return qobject_cast<QPlainTextEdit*>(QApplication::focusWidget());
    }

    MemoryChannel Channel(int position) {
        ChannelStore channels(controller->CurrentDocument().Current(), controller->ModelType());
        return channels.Load(MemoryChannel::kMemory, position);
    }

    // Types `text` as a user does: each key goes where the focus is, so the keys after
    // the first reach the in-place editor that the first one opened.
    static void Type(const QString& text) {
        for (const QChar character : text) {
            QWidget* focus = QApplication::focusWidget();
            ASSERT_NE(focus, nullptr);
            QTest::keyClicks(focus, QString(character));
        }
    }

    static QImage Grab(QWidget& widget) { return widget.grab().toImage(); }

    // What the screen shows of the grid: the pixels the window last flushed, where a
    // cell left unpainted keeps its old look (Grab paints the grid afresh).
    static QImage Shown(SheetGrid& grid) {
        QWidget& window = *grid.window();
        const QPoint origin = grid.viewport()->mapTo(&window, QPoint(0, 0));
        return window.screen()
            ->grabWindow(window.winId(), origin.x(), origin.y(), grid.viewport()->width(),
                         grid.viewport()->height())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }

    // Paints what is invalid, as the event loop does after an input event.
    static void PaintInvalid(SheetGrid& grid) {
        QCoreApplication::sendPostedEvents(grid.window(), QEvent::UpdateRequest);
    }

    // The first selectable cell linked to `cellId` (and `index`, when given).
    static GridCell CellOf(SheetGrid& grid, CellId cellId, std::optional<int> index = {}) {
        Sheet& sheet = grid.ShownSheet();
        for (int row = 0; row < sheet.RowCount(); ++row) {
            for (int column = 0; column < sheet.ColumnCount(); ++column) {
                const SheetCell& cell = sheet.CellAt(column, row);
                if (cell.link.cellId == cellId && cell.IsSelectable() &&
                    (!index || cell.link.index == *index)) {
                    return {column, row};
                }
            }
        }
        ADD_FAILURE() << "no cell " << cellId;
        return {-1, -1};
    }

    // Where the text is in `area`: the bounds of its dark pixels.
    static QRect Ink(const QImage& image, const QRect& area) {
        QRect ink;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                ink |= image.pixelColor(x, y).lightness() < 100 ? QRect(x, y, 1, 1) : QRect();
            }
        }
        return ink;
    }

    static void Save(QWidget& widget, const QString& name) {
        QDir().mkpath("screenshots");
        widget.grab().save("screenshots/" + name + ".png");
    }
};

TEST_F(SheetGridTest, EverySheetShowsUnderEveryModel) {
    Launch({"orvane", "/prolix"});
    window->resize(1100, 700);
    for (const int model : model_type::kSelectable) {
        controller->ChangeModel(model, false);
        QCoreApplication::processEvents();
        int index = 0;
        for (const std::string& call : controller->TreeSheetCalls()) {
            SCOPED_TRACE(call);
            SheetGrid& grid = OpenSheet(call);
            EXPECT_GT(grid.ContentSize().width(), 0);
            // Something is drawn: not every pixel is the background (but for one empty label).
            const QImage image = Grab(grid);
            const QRgb background = image.pixel(image.width() - 1, image.height() - 1);
            bool drawn = false;
            for (int y = 0; y < image.height() && !drawn; y += 3) {
                for (int x = 0; x < image.width() && !drawn; x += 3) {
                    drawn = image.pixel(x, y) != background;
                }
            }
            EXPECT_EQ(drawn, grid.ShownSheet().Name() != "GI_Sheet_TreeTop");
            Save(*window, QString("sheet_model%1_%2").arg(model).arg(index++, 2, 10, QChar('0')));
        }
    }
}

TEST_F(SheetGridTest, ASheetWiderThanTheWindowOpensAtItsFirstColumn) {
    Launch();
    window->resize(640, 600);
    SheetGrid& grid = OpenSheet("[St_Common]GI_Sheet_Home,1");
    ASSERT_TRUE(WaitUntil([&] { return grid.isVisible(); }));
    QCoreApplication::processEvents();
    EXPECT_GT(grid.horizontalScrollBar()->maximum(), grid.horizontalScrollBar()->minimum())
        << "the sheet is wider than the window";
    EXPECT_EQ(grid.horizontalScrollBar()->value(), grid.horizontalScrollBar()->minimum())
        << "the labels left of the first cell show";
}

TEST_F(SheetGridTest, AFrequencyTypedIntoAChannelReachesTheImage) {
    OnBank0Channel(2, cell::kMchFreq);
    Type("121.5");
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCoreApplication::processEvents();
    const MemoryChannel channel = Channel(2);
    EXPECT_TRUE(channel.used);
    EXPECT_EQ(channel.rxHz, 121'500'000);
    EXPECT_TRUE(controller->CurrentDocument().Modified());
}

TEST_F(SheetGridTest, TheEditorOpensOnF2CommitsOnEnterAndCancelsOnEscape) {
    SheetGrid& grid = OnBank0Channel(1, cell::kMchFreq);
    const Hertz before = Channel(1).rxHz;

    QPlainTextEdit* editor = OpenEditor(grid);
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, "122.8");
    QTest::keyClick(editor, Qt::Key_Escape);
    EXPECT_EQ(grid.View().EditedCell(), std::nullopt);
    EXPECT_EQ(Channel(1).rxHz, before);

    editor = OpenEditor(grid);
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, "122.8");
    EXPECT_EQ(grid.View().EditedCell(), grid.View().Current()) << "still editing";
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(grid.View().EditedCell(), std::nullopt);
    EXPECT_EQ(Channel(1).rxHz, 122'800'000);
}

TEST_F(SheetGridTest, EditingKeysInTheEditorEditItsTextNotTheSheet) {
    SheetGrid& grid = OnBank0Channel(1, cell::kMchFreq);
    const MemoryChannel before = Channel(1);

    QPlainTextEdit* editor = OpenEditor(grid);
    ASSERT_NE(editor, nullptr);
    // The Ctrl press of its own that comes first leaves the editor open.
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(editor->textCursor().selectedText(), editor->toPlainText()) << "Ctrl+A selects all";
    QTest::keyClicks(editor, "122.85");
    QTest::keyClick(editor, Qt::Key_Left);
    QTest::keyClick(editor, Qt::Key_Delete);
    EXPECT_EQ(editor->toPlainText(), "122.8");
    EXPECT_EQ(grid.View().EditedCell(), grid.View().Current()) << "still editing";
    EXPECT_EQ(Channel(1).rxHz, before.rxHz) << "nothing reached the channel yet";
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(Channel(1).rxHz, 122'800'000);
}

TEST_F(SheetGridTest, ADoubleClickOpensAChoiceListThatEscapeCloses) {
    SheetGrid& grid = OnBank0Channel(1, cell::kMchWxCh);
    const GridCell wx = grid.View().Current();
    grid.View().OnDoubleClick(wx.column, wx.row, {});
    ASSERT_TRUE(WaitUntil([&] { return grid.OpenChoiceList() != nullptr; }));
    QWidget* list = grid.OpenChoiceList();
    EXPECT_TRUE(list->isVisible());
    // The whole list shows, without scroll bars.
    auto* listGrid = list->findChild<SheetGrid*>();
    ASSERT_NE(listGrid, nullptr);
    EXPECT_EQ(listGrid->size(), listGrid->ContentSize());
    Save(*list, "choice_list_wx");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_TRUE(WaitUntil([&] { return grid.OpenChoiceList() == nullptr; }));
}

TEST_F(SheetGridTest, TheDrawnGridShowsTheCurrentCellAndAWarningMark) {
    Launch();
    // A channel received outside the band carries the warning mark.
    ChannelStore channels(controller->CurrentDocument().Current(), controller->ModelType());
    MemoryChannel far = channels.Load(MemoryChannel::kMemory, 3);
    far.used = true;
    far.rxHz = 150'000'000;
    far.txHz = 150'000'000;
    channels.Store(far);
    SheetGrid& grid = OpenSheet(kBank0);
    const int row = RowOfChannel(grid, 3);
    ASSERT_GE(row, 0);
    GoTo(grid, RowOfChannel(grid, 0), cell::kMchFreq);
    QCoreApplication::processEvents();
    Save(*window, "sheet_grid_marks");

    const QImage image = Grab(*grid.viewport());
    const QColor highlight = grid.palette().color(QPalette::Active, QPalette::Highlight);
    const GridCell current = grid.View().Current();
    Sheet& sheet = grid.ShownSheet();
    int x = 0;
    for (int c = 0; c < current.column; ++c) x += sheet.ColumnWidth(c);
    int y = 0;
    for (int r = 0; r < current.row; ++r) y += sheet.RowHeight(r);
    EXPECT_EQ(QColor(image.pixel(x + 2, y + 2)), highlight) << "the current cell is highlighted";

    // The warning triangle is drawn in the frequency cell of the far channel: some pixel
    // of that cell is neither the cell's background nor its text colour.
    int fx = 0;
    int column = 0;
    for (; column < sheet.ColumnCount(); ++column) {
        if (sheet.CellAt(column, row).link.cellId == cell::kMchFreq) break;
        fx += sheet.ColumnWidth(column);
    }
    int fy = 0;
    for (int r = 0; r < row; ++r) fy += sheet.RowHeight(r);
    bool marked = false;
    for (int py = fy; py < fy + sheet.RowHeight(row) && !marked; ++py) {
        for (int px = fx; px < fx + sheet.ColumnWidth(column) && !marked; ++px) {
            const QColor pixel(image.pixel(px, py));
            marked = pixel.red() > 200 && pixel.green() > 150 && pixel.blue() < 100;
        }
    }
    EXPECT_TRUE(marked) << "a yellow warning triangle in the far channel's frequency";
}

// Each operation changes values other cells show too (the transmit cell of a channel
// turned navigation-band, the extra row becoming a channel, the cells of the VFO
// settings, the whole home sheet); after its repaint the screen shows exactly what a
// fresh painting of the grid shows.
TEST_F(SheetGridTest, AfterAnOperationNoCellShowsAStaleValue) {
    struct Case {
        const char* name;
        std::string sheet;
        CellId cellId;
        std::optional<int> index;
        std::int32_t key;
        std::optional<std::string> text;
    };
    const Case cases[] = {
        {"frequency", kBank0, cell::kMchFreq, 5, key::kNone, "121.5"},
        {"navigation band", kBank0, cell::kMchFreq, 6, key::kNone, "110.0"},
        {"new channel", kBank0, cell::kMchFreq, std::nullopt, '1', {}},
        {"home mode", "[St_Common]GI_Sheet_Home,1", cell::kHomeMode, {}, key::kSpace, {}},
        {"VFO mode", "[St_Common]GI_Sheet_Expert,2", cell::kCommonVFOMode, {}, key::kSpace, {}},
    };
    Launch({"orvane", "/prolix"});
    BankTable(controller->CurrentDocument().Current()).SetBankCapacity(0, 10);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SheetGrid& grid = OpenSheet(c.sheet);
        // The extra row after the bank's last channel takes a new one.
        const std::optional<int> index =
            c.index || c.sheet != kBank0 ? c.index : std::optional<int>(10);
        const GridCell cell = CellOf(grid, c.cellId, index);
        ASSERT_GE(cell.row, 0);
        PaintInvalid(grid);
        const QImage before = Shown(grid);
        grid.View().SendOperation(cell, c.key, 0, c.text);
        // The program pumps the bus (a new row) and an edit that opened ends.
        bus.Pump();
        if (grid.View().EditedCell()) {
            grid.View().OnEditorKey(key::vk::kEscape, 0);
        }
        PaintInvalid(grid);
        const QImage shown = Shown(grid);
        EXPECT_NE(shown, before) << "the operation changed something";
        EXPECT_EQ(shown, Grab(*grid.viewport()));
    }
}

TEST_F(SheetGridTest, ACommittedFrequencyRepaintsOnlyItsRow) {
    struct PaintedArea : QObject {
        QRegion region;
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint) {
                region += static_cast<QPaintEvent*>(event)->region();
            }
            return false;
        }
    };
    Launch();
    SheetGrid& grid = OpenSheet(kBank0);
    const GridCell cell = CellOf(grid, cell::kMchFreq, 5);
    GoTo(grid, cell.row, cell::kMchFreq);
    // Drawn whole first: a cell never drawn whole is always drawn on a refresh.
    grid.viewport()->repaint();
    PaintedArea painted;
    grid.viewport()->installEventFilter(&painted);
    for (const char* frequency : {"121.5", "122.8"}) {
        painted.region = QRegion();
        grid.View().SendOperation(cell, key::kNone, 0, std::string(frequency));
        PaintInvalid(grid);
        const QRect area = painted.region.boundingRect();
        EXPECT_FALSE(area.isEmpty()) << frequency;
        EXPECT_LE(area.height(), grid.ShownSheet().RowHeight(cell.row)) << frequency;
    }
}

// The text does not move when the editor opens over its cell, and the cell's rules still
// frame the editor: its box ends one pixel short of the right and the bottom rule.
TEST_F(SheetGridTest, TheEditorShowsTheTextWhereTheCellDrewIt) {
    SheetGrid& grid = OnBank0Channel(1, cell::kMchFreq);
    const int row = RowOfChannel(grid, 1);
    for (const auto& [cellId, text] :
         {std::pair{cell::kMchFreq, "121.5"}, {cell::kMchName, "TOWER"}}) {
        grid.View().SendOperation(CellOf(grid, cellId, 1), key::kNone, 0, std::string(text));
        GoTo(grid, row, cellId);
        QPlainTextEdit* editor = OpenEditor(grid);
        ASSERT_NE(editor, nullptr);
        editor->setPlainText(editor->toPlainText());  // no selection
        editor->setCursorWidth(0);
        const QRect box = editor->geometry();
        const QImage edited = Grab(*grid.viewport());
        EXPECT_EQ(edited.pixelColor(box.right() + 1, box.bottom()), QColor(0x80, 0x80, 0x80));
        EXPECT_EQ(edited.pixelColor(box.center().x(), box.bottom() + 1), QColor(0x80, 0x80, 0x80));
        QTest::keyClick(editor, Qt::Key_Escape);
        GoTo(grid, row + 1, cellId);  // the cell drawn plain, its row not tinted
        EXPECT_EQ(Ink(edited, box), Ink(Grab(*grid.viewport()), box)) << text;
    }
}

// The title bar stands above the grid with a bevel of its own (navy just inside it), 16 +
// 2 + 8 pixels high for the 16-pixel title font; the grid panel's sunken bevel follows.
TEST_F(SheetGridTest, TheTitleBarStandsAboveTheGridsSunkenPanel) {
    Launch();
    SheetGrid& grid = OpenSheet(kBank0);
    QWidget* panel = grid.parentWidget();
    auto& pane = dynamic_cast<SheetPane&>(*panel->parentWidget());
    EXPECT_EQ(pane.TitleBar().geometry(), QRect(0, 0, pane.width(), 26));
    EXPECT_EQ(panel->geometry(), QRect(0, 26, pane.width(), pane.height() - 26));
    EXPECT_EQ(Grab(pane).pixelColor(pane.width() - 10, 2), QColor(0, 0, 128));
}

// The start page has no selectable cell: shown disabled, with no current cell, and the
// room past its cells keeps the grid's colour, not a disabled control's grey.
TEST_F(SheetGridTest, TheStartPageHasNoCursorAndKeepsTheGridsColour) {
    Launch();
    SheetGrid& grid = *window->ShownGrid();
    EXPECT_EQ(grid.View().Current(), SheetView::kNoCell);
    const QImage image = Grab(*grid.viewport());
    EXPECT_EQ(image.pixelColor(image.width() - 1, image.height() - 1),
              grid.palette().color(QPalette::Active, QPalette::Base));
}

// A font size change drops the widths kept before (narrowed to 12 here): the bank sheet
// reopens with its columns laid out for the new font, fit for their texts, and keeps them.
TEST_F(SheetGridTest, AFontSizeChangeFitsTheColumnsToTheNewFontAndKeepsThem) {
    Launch();
    const auto banks =
        window->TreeView()->findItems("0:", Qt::MatchStartsWith | Qt::MatchRecursive);
    ASSERT_EQ(banks.size(), 1);
    window->TreeView()->setCurrentItem(banks.front());
    ASSERT_TRUE(WaitUntil([&] { return controller->OpenSheetCall() == kBank0; }));
    for (int column = 0; column < controller->OpenedSheet()->ColumnCount(); ++column) {
        controller->OpenedSheet()->SetColumnWidth(column, 12);
    }
    Choose("&5  150% (Big)");
    ASSERT_TRUE(WaitUntil([&] { return controller->OpenSheetCall() == kBank0; }));
    Sheet& sheet = *controller->OpenedSheet();
    const std::string key = std::string(AppSettings::kRegistryPath) + "\\Display\\memch\\colwidth";
    for (int column = 0; column < sheet.ColumnCount(); ++column) {
        if (IsSizableColumn(sheet, column)) {
            const int width = sheet.ColumnWidth(column);
            EXPECT_EQ(Settings().ReadRegistryInt(key, std::to_string(column)), width);
            // Fitting sets the widest text's width with its margins.
            EXPECT_GE(width,
                      AutoFitColumn(sheet, column, controller->Evaluator(), window->Fonts()));
        }
    }
}

}  // namespace
}  // namespace orvane::testing
