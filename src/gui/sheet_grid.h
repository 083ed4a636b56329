#pragma once
// The grid that shows one built sheet: owner-drawn cells with the fixed rows and columns
// frozen, both scroll bars scrolling whole cells, column sizing in the fixed rows, the
// borderless in-place editor and the popup menu. The widget is humble: the sheet view
// decides what every key and click does, the cell painter draws every cell, the
// column-width rules keep the widths.

#include <QAbstractScrollArea>
#include <QPointer>

#include <memory>
#include <optional>

#include "sheet/cell_painter.h"
#include "sheet/grid_host.h"
#include "sheet/sheet_view.h"

class QTimer;

namespace orvane {

class QtFontMetrics;
class SheetPane;
class TimerHost;

// What a grid needs from the program around it. The sheet's owner restores and keeps
// its remembered column widths.
struct SheetGridServices {
    TimerHost& timers;
    const QtFontMetrics& fonts;
};

class SheetGrid final : public QAbstractScrollArea, private GridHost, private GridPaintState {
    Q_OBJECT

public:
    // `sheet` is built, with its handler in its opening; it must outlive the grid.
    SheetGrid(Sheet& sheet, const SheetGridServices& services, QWidget* parent = nullptr);
    ~SheetGrid() override;

    Sheet& ShownSheet() { return sheet_; }
    SheetView& View() { return *view_; }
    // The whole grid's size in pixels, for windows that fit themselves to it.
    QSize ContentSize() const;
    // The choice list opened from this grid, while it is open.
    QWidget* OpenChoiceList() const { return choiceList_; }

signals:
    // The sheet's title text changed.
    void SheetTitleChanged();
    // Dialog mode: the choice was made and the window holding the grid should close.
    void Finished();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // GridHost
    PixelRect CellRect(int column, int row) const override;
    VisibleCells Visible() const override;
    void SetLeftColumn(int column) override;
    void SetTopRow(int row) override;
    void ScrollIntoView(int column, int row) override;
    bool ShowsScrollBars() const override;
    void InvalidateCell(int column, int row) override;
    void RefreshCell(int column, int row) override;
    void InvalidateAll() override;
    void PaintNow() override;
    void SetGridEnabled(bool enabled) override;
    void TitleChanged() override;
    void RowCountChanged() override;
    bool GridHasFocus() const override;
    void FocusGrid() override;
    void ShowEditor(const EditorPlacement& placement) override;
    void HideEditor() override;
    std::string EditorText() const override;
    void ShowPopupMenu(MenuBuilder& menu, PixelPoint at) override;
    void OpenChoicePopup(const CellRequest& request, const std::string& listKey,
                         const CellLink& focus) override;
    void HideHost() override;
    void AutoFitColumn(int column) override;

    // GridPaintState
    bool IsSlotSelected(int column, int row) const override;
    int CurrentColumn() const override;
    int CurrentRow() const override;
    bool HasFocus() const override;
    bool EditorOpen() const override;
    bool DialogMode() const override;

    // Geometry.
    int FixedWidth() const;
    int FixedHeight() const;
    int ColumnLeft(int column) const;
    int RowTop(int row) const;
    // The cell under a point of the viewport; -1 for none.
    int ColumnAt(int x) const;
    int RowAt(int y) const;
    void UpdateScrollBars();
    // A column border in the fixed rows that the mouse can drag: the column left of it.
    std::optional<int> SizingColumnAt(QPoint point) const;
    void KeepWidthsWithinLimits();
    void AutoScrollStep();
    void ScrollPendingCellIntoView();

    Sheet& sheet_;
    SheetGridServices services_;
    CellPainter painter_;
    int leftColumn_;
    int topRow_;
    class CellEditor;
    std::unique_ptr<CellEditor> editor_;
    QPointer<QWidget> choiceList_;
    std::optional<int> sizingColumn_;  // the column being sized by a drag
    QTimer* autoScroll_;
    // A cell to scroll into view once the grid shows at its laid-out size: scrolled in a
    // grid not yet sized, a cell on the right would push the columns before it out of
    // a view that turns out wide enough for them.
    std::optional<GridCell> pendingScroll_;
    QPoint lastMouse_;
    // Last, so that it goes first: its destruction posts messages the grid may get.
    std::unique_ptr<SheetView> view_;
};

}  // namespace orvane
