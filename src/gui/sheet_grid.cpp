#include "gui/sheet_grid.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>
#include <QTimer>

#include <algorithm>
#include <vector>

#include "gui/choice_popup.h"
#include "gui/menu_mirror.h"
#include "paint/qt_canvas.h"
#include "paint/qt_colour.h"
#include "paint/qt_font.h"
#include "sheet/column_widths.h"
#include "sheet/key_codes.h"

namespace orvane {
namespace {

// How near a column's right edge, in the fixed rows, the mouse may size it.
constexpr int kSizingZone = 4;
constexpr int kAutoScrollMs = 50;

// The platform key number the sheet view knows for a key; 0 for the others.
int PlatformKey(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return key::vk::kReturn;
        case Qt::Key_Escape:
            return key::vk::kEscape;
        case Qt::Key_PageUp:
            return key::vk::kPageUp;
        case Qt::Key_PageDown:
            return key::vk::kPageDown;
        case Qt::Key_End:
            return key::vk::kEnd;
        case Qt::Key_Home:
            return key::vk::kHome;
        case Qt::Key_Left:
            return key::vk::kLeft;
        case Qt::Key_Up:
            return key::vk::kUp;
        case Qt::Key_Right:
            return key::vk::kRight;
        case Qt::Key_Down:
            return key::vk::kDown;
        default:
            break;
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) {
        return key::vk::kF1 + (qtKey - Qt::Key_F1);
    }
    return 0;
}

// Shift, Ctrl and the like arrive as key presses of their own before the key they
// modify; alone they do nothing to the sheet (and must not close the editor).
bool IsModifierKey(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
        case Qt::Key_Meta:
        case Qt::Key_Super_L:
        case Qt::Key_Super_R:
        case Qt::Key_CapsLock:
        case Qt::Key_NumLock:
            return true;
        default:
            return false;
    }
}

unsigned Modifiers(Qt::KeyboardModifiers modifiers) {
    unsigned bits = 0;
    if (modifiers & Qt::ShiftModifier) bits |= SheetView::kShift;
    if (modifiers & Qt::ControlModifier) bits |= SheetView::kCtrl;
    if (modifiers & Qt::AltModifier) bits |= SheetView::kAlt;
    return bits;
}

// What a key types, as the data model receives characters: 13 for Enter, 8 for
// Backspace, printable ASCII as itself; 0 for anything else. A key held with Ctrl, Alt or
// Meta types nothing, whatever text the keyboard layout gives it: Ctrl+V is a shortcut.
int TypedCharacter(const QKeyEvent& event) {
    if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) {
        return key::kEnter;
    }
    if (event.key() == Qt::Key_Backspace) {
        return key::kBackspace;
    }
    if ((event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0) {
        return 0;
    }
    const QString text = event.text();
    if (text.size() == 1 && text[0].unicode() >= key::kSpace &&
        text[0].unicode() <= key::kLastPrintable) {
        return text[0].unicode();
    }
    return 0;
}

SheetView::MouseButton ButtonOf(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return SheetView::MouseButton::kLeft;
        case Qt::RightButton:
            return SheetView::MouseButton::kRight;
        default:
            return SheetView::MouseButton::kOther;
    }
}

}  // namespace

// The in-place editor: a plain text box whose text keeps the distance from the box's
// sides that the cell's text keeps from the cell's.
class SheetGrid::CellEditor final : public QPlainTextEdit {
public:
    // The text keeps this margin inside its viewport: room for the caret after the last
    // character of a right-aligned line. The viewport reaches as far past the text's
    // place, so that the text itself stands where the placement puts it.
    static constexpr int kCaretRoom = 1;

    explicit CellEditor(QWidget* parent) : QPlainTextEdit(parent) {
        setFrameShape(QFrame::NoFrame);
        // The margins beside the text show the box's colour, not the cell under it.
        setBackgroundRole(QPalette::Base);
        setAutoFillBackground(true);
        setLineWrapMode(QPlainTextEdit::NoWrap);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        document()->setDocumentMargin(kCaretRoom);
        setTabChangesFocus(true);
    }

    void Place(const EditorPlacement& placement) {
        setViewportMargins(placement.leftIndent - kCaretRoom, -kCaretRoom,
                           placement.rightIndent - kCaretRoom, -kCaretRoom);
        QTextOption option = document()->defaultTextOption();
        option.setAlignment(AlignmentOf(placement.alignment));
        document()->setDefaultTextOption(option);
        setGeometry(ToQRect(placement.rect));
    }

private:
    static Qt::Alignment AlignmentOf(HorizontalAlignment alignment) {
        switch (alignment) {
            case HorizontalAlignment::Centre:
                return Qt::AlignHCenter;
            case HorizontalAlignment::Right:
                return Qt::AlignRight;
            case HorizontalAlignment::Left:
                break;
        }
        return Qt::AlignLeft;
    }
};

SheetGrid::SheetGrid(Sheet& sheet, const SheetGridServices& services, QWidget* parent)
    : QAbstractScrollArea(parent),
      sheet_(sheet),
      services_(services),
      painter_(sheet, *sheet.Opening().handler),
      leftColumn_(sheet.FixedColumnCount()),
      topRow_(sheet.FixedRowCount()),
      autoScroll_(new QTimer(this)) {
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    autoScroll_->setInterval(kAutoScrollMs);
    connect(autoScroll_, &QTimer::timeout, this, &SheetGrid::AutoScrollStep);
    UpdateScrollBars();
    GridHost& host = *this;
    view_ = std::make_unique<SheetView>(sheet_, host, services_.timers);
}

SheetGrid::~SheetGrid() {
    delete choiceList_;
    view_.reset();
}

// ---- Geometry ------------------------------------------------------------------------

int SheetGrid::FixedWidth() const { return ColumnLeft(sheet_.FixedColumnCount()); }

int SheetGrid::FixedHeight() const { return RowTop(sheet_.FixedRowCount()); }

int SheetGrid::ColumnLeft(int column) const {
    const int fixed = sheet_.FixedColumnCount();
    int x = 0;
    for (int c = 0; c < std::min(column, fixed); ++c) {
        x += sheet_.ColumnWidth(c);
    }
    if (column <= fixed) {
        return x;
    }
    for (int c = leftColumn_; c < column; ++c) {
        x += sheet_.ColumnWidth(c);
    }
    for (int c = column; c < leftColumn_; ++c) {
        x -= sheet_.ColumnWidth(c);
    }
    return x;
}

int SheetGrid::RowTop(int row) const {
    const int fixed = sheet_.FixedRowCount();
    int y = 0;
    for (int r = 0; r < std::min(row, fixed); ++r) {
        y += sheet_.RowHeight(r);
    }
    if (row <= fixed) {
        return y;
    }
    for (int r = topRow_; r < row; ++r) {
        y += sheet_.RowHeight(r);
    }
    for (int r = row; r < topRow_; ++r) {
        y -= sheet_.RowHeight(r);
    }
    return y;
}

PixelRect SheetGrid::CellRect(int column, int row) const {
    return PixelRect::FromSize(ColumnLeft(column), RowTop(row), sheet_.ColumnWidth(column),
                               sheet_.RowHeight(row));
}

VisibleCells SheetGrid::Visible() const {
    VisibleCells visible{leftColumn_, topRow_, leftColumn_ - 1, topRow_ - 1};
    for (int x = FixedWidth(), c = leftColumn_; c < sheet_.ColumnCount() && x < viewport()->width();
         x += sheet_.ColumnWidth(c), ++c) {
        visible.lastColumn = c;
    }
    for (int y = FixedHeight(), r = topRow_; r < sheet_.RowCount() && y < viewport()->height();
         y += sheet_.RowHeight(r), ++r) {
        visible.lastRow = r;
    }
    return visible;
}

int SheetGrid::ColumnAt(int x) const {
    for (int c = 0; c < sheet_.ColumnCount(); ++c) {
        if (c == sheet_.FixedColumnCount() && c < leftColumn_) {
            c = leftColumn_;
        }
        const int left = ColumnLeft(c);
        if (x >= left && x < left + sheet_.ColumnWidth(c)) {
            return c;
        }
    }
    return -1;
}

int SheetGrid::RowAt(int y) const {
    for (int r = 0; r < sheet_.RowCount(); ++r) {
        if (r == sheet_.FixedRowCount() && r < topRow_) {
            r = topRow_;
        }
        const int top = RowTop(r);
        if (y >= top && y < top + sheet_.RowHeight(r)) {
            return r;
        }
    }
    return -1;
}

QSize SheetGrid::ContentSize() const {
    int width = 0;
    for (int c = 0; c < sheet_.ColumnCount(); ++c) {
        width += sheet_.ColumnWidth(c);
    }
    int height = 0;
    for (int r = 0; r < sheet_.RowCount(); ++r) {
        height += sheet_.RowHeight(r);
    }
    return {width, height};
}

void SheetGrid::UpdateScrollBars() {
    // The last left column (top row) is the one from which the rest fills the view, so
    // scrolling never shows empty space after the last column (row).
    auto lastStart = [](int first, int count, int room, auto extent) {
        int start = count - 1;
        for (int used = 0; start >= first; --start) {
            used += extent(start);
            if (used > room) {
                return std::min(start + 1, count - 1);
            }
        }
        return first;
    };
    const int fixedColumns = sheet_.FixedColumnCount();
    const int fixedRows = sheet_.FixedRowCount();
    const int lastLeft =
        lastStart(fixedColumns, sheet_.ColumnCount(), viewport()->width() - FixedWidth(),
                  [this](int c) { return sheet_.ColumnWidth(c); });
    const int lastTop = lastStart(fixedRows, sheet_.RowCount(),
                                  viewport()->height() - FixedHeight(),
                                  [this](int r) { return sheet_.RowHeight(r); });
    const VisibleCells visible = Visible();
    horizontalScrollBar()->setRange(fixedColumns, std::max(fixedColumns, lastLeft));
    horizontalScrollBar()->setPageStep(std::max(1, visible.lastColumn - visible.firstColumn));
    verticalScrollBar()->setRange(fixedRows, std::max(fixedRows, lastTop));
    verticalScrollBar()->setPageStep(std::max(1, visible.lastRow - visible.firstRow));
    horizontalScrollBar()->setValue(leftColumn_);
    verticalScrollBar()->setValue(topRow_);
}

void SheetGrid::SetLeftColumn(int column) { horizontalScrollBar()->setValue(column); }

void SheetGrid::SetTopRow(int row) { verticalScrollBar()->setValue(row); }

void SheetGrid::ScrollIntoView(int column, int row) {
    if (!viewport()->isVisible()) {
        pendingScroll_ = GridCell{column, row};
        return;
    }
    if (column >= sheet_.FixedColumnCount()) {
        int left = std::min(leftColumn_, column);
        // Scroll right until the whole column shows, or it is the left one.
        for (int right = ColumnLeft(column) + sheet_.ColumnWidth(column) - ColumnLeft(leftColumn_) +
                         FixedWidth();
             left < column && right > viewport()->width(); ++left) {
            right -= sheet_.ColumnWidth(left);
        }
        SetLeftColumn(left);
    }
    if (row >= sheet_.FixedRowCount()) {
        int top = std::min(topRow_, row);
        for (int bottom = RowTop(row) + sheet_.RowHeight(row) - RowTop(topRow_) + FixedHeight();
             top < row && bottom > viewport()->height(); ++top) {
            bottom -= sheet_.RowHeight(top);
        }
        SetTopRow(top);
    }
}

bool SheetGrid::ShowsScrollBars() const {
    return horizontalScrollBar()->maximum() > horizontalScrollBar()->minimum() ||
           verticalScrollBar()->maximum() > verticalScrollBar()->minimum();
}

void SheetGrid::scrollContentsBy(int, int) {
    leftColumn_ = horizontalScrollBar()->value();
    topRow_ = verticalScrollBar()->value();
    if (editor_ && editor_->isVisible() && view_->EditedCell()) {
        const GridCell edited = *view_->EditedCell();
        const PixelRect cell = CellRect(edited.column, edited.row);
        editor_->move(cell.left, editor_->y() + RowTop(edited.row) - cell.top);
    }
    viewport()->update();
    if (view_) {
        view_->OnScrolled();
    }
}

void SheetGrid::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
    ScrollPendingCellIntoView();
}

void SheetGrid::showEvent(QShowEvent* event) {
    QAbstractScrollArea::showEvent(event);
    // The layouts around a grid just shown settle in the events already posted.
    QTimer::singleShot(0, this, &SheetGrid::ScrollPendingCellIntoView);
}

void SheetGrid::ScrollPendingCellIntoView() {
    if (pendingScroll_ && viewport()->isVisible()) {
        const GridCell cell = *pendingScroll_;
        pendingScroll_.reset();
        ScrollIntoView(cell.column, cell.row);
    }
}

// ---- Painting ------------------------------------------------------------------------

void SheetGrid::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    const QRect dirty = event->rect();
    const QRegion& region = event->region();
    const QRect screen = viewport()->rect();
    // Cells the paint covers only in part keep older pixels besides the new ones.
    std::vector<QPoint> partlyPainted;
    const auto paintedWhole = [&](const QRect& cell) {
        const QRect shown = cell & screen;
        return region.rectCount() == 1 ? dirty.contains(shown)
                                       : region.intersected(shown) == QRegion(shown);
    };
    QtCanvas canvas(painter, services_.fonts, palette());
    const VisibleCells visible = Visible();
    // Every cell fills its own background; only the room past the last column and row
    // needs the grid's, the basic cell's colour. A disabled grid keeps it: a sheet
    // without selectable cells is no greyed-out control.
    const QColor background = ToQColor(sheet_.BasicCell().colour, palette());
    const int contentRight = ColumnLeft(visible.lastColumn + 1);
    const int contentBottom = RowTop(visible.lastRow + 1);
    painter.fillRect(
        QRect(contentRight, 0, viewport()->width() - contentRight, viewport()->height()),
        background);
    painter.fillRect(QRect(0, contentBottom, contentRight, viewport()->height() - contentBottom),
                     background);
    const int fixedColumns = sheet_.FixedColumnCount();
    const int fixedRows = sheet_.FixedRowCount();
    const int right = viewport()->width() - 1;
    const int bottom = viewport()->height() - 1;
    // The four areas: frozen corner, frozen rows, frozen columns and the scrolling body;
    // each is clipped so that a span reaching in from a scrolled-away cell stays in its
    // area.
    auto drawArea = [&](int firstColumn, int lastColumn, int firstRow, int lastRow,
                        const PixelRect& area) {
        if (area.left > area.right || area.top > area.bottom) {
            return;
        }
        CanvasClip clip(canvas, area);
        for (int row = firstRow; row <= lastRow; ++row) {
            for (int column = firstColumn; column <= lastColumn; ++column) {
                const PixelRect cell = CellRect(column, row);
                const QRect cellRect = ToQRect(cell);
                if (cell.Width() <= 0 || cell.Height() <= 0 || !dirty.intersects(cellRect)) {
                    continue;
                }
                painter_.DrawCell(canvas, *this, column, row, cell);
                if (!paintedWhole(cellRect)) {
                    partlyPainted.emplace_back(column, row);
                }
            }
        }
    };
    const int fixedRight = FixedWidth() - 1;
    const int fixedBottom = FixedHeight() - 1;
    drawArea(0, fixedColumns - 1, 0, fixedRows - 1, {0, 0, fixedRight, fixedBottom});
    drawArea(visible.firstColumn, visible.lastColumn, 0, fixedRows - 1,
             {fixedRight + 1, 0, right, fixedBottom});
    drawArea(0, fixedColumns - 1, visible.firstRow, visible.lastRow,
             {0, fixedBottom + 1, fixedRight, bottom});
    drawArea(visible.firstColumn, visible.lastColumn, visible.firstRow, visible.lastRow,
             {fixedRight + 1, fixedBottom + 1, right, bottom});
    // After all the drawing: a span's owner may be drawn whole after a covered part.
    for (const QPoint& cell : partlyPainted) {
        painter_.ForgetAnswer(cell.x(), cell.y());
    }
}

void SheetGrid::RefreshCell(int column, int row) {
    if (!painter_.ShowsCurrentAnswer(*this, column, row)) {
        InvalidateCell(column, row);
    }
}

void SheetGrid::InvalidateCell(int column, int row) {
    // A span's text reaches over its covered neighbours, which show its owner.
    int first = column;
    while (first > 0 && sheet_.CellAt(first, row).IsCovered()) {
        --first;
    }
    int last = column;
    while (last + 1 < sheet_.ColumnCount() && sheet_.CellAt(last + 1, row).IsCovered()) {
        ++last;
    }
    const PixelRect from = CellRect(first, row);
    const PixelRect to = CellRect(last, row);
    viewport()->update(ToQRect(PixelRect{from.left, from.top, to.right, from.bottom}));
}

void SheetGrid::InvalidateAll() { viewport()->update(); }

void SheetGrid::PaintNow() { viewport()->repaint(); }

void SheetGrid::SetGridEnabled(bool enabled) { setEnabled(enabled); }

void SheetGrid::TitleChanged() { emit SheetTitleChanged(); }

void SheetGrid::RowCountChanged() {
    UpdateScrollBars();
    viewport()->update();
}

bool SheetGrid::IsSlotSelected(int column, int row) const {
    return view_ && view_->IsSlotSelected(column, row);
}

int SheetGrid::CurrentColumn() const { return view_ ? view_->Current().column : -1; }

int SheetGrid::CurrentRow() const { return view_ ? view_->Current().row : -1; }

bool SheetGrid::HasFocus() const { return hasFocus(); }

bool SheetGrid::EditorOpen() const { return editor_ && editor_->isVisible(); }

bool SheetGrid::DialogMode() const { return sheet_.Options().dialogMode; }

// ---- Focus and the in-place editor ----------------------------------------------------

bool SheetGrid::GridHasFocus() const { return hasFocus(); }

void SheetGrid::FocusGrid() { setFocus(Qt::OtherFocusReason); }

void SheetGrid::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    view_->OnFocusChanged(true);
}

void SheetGrid::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    view_->OnFocusChanged(false);
}

void SheetGrid::ShowEditor(const EditorPlacement& placement) {
    if (!editor_) {
        editor_ = std::make_unique<CellEditor>(viewport());
        editor_->installEventFilter(this);
        connect(editor_.get(), &QPlainTextEdit::textChanged, this, [this] {
            const QString text = editor_->toPlainText();
            if (text.size() > EditorPlacement::kEditorMaxLength) {
                editor_->setPlainText(text.left(EditorPlacement::kEditorMaxLength));
                editor_->moveCursor(QTextCursor::End);
            }
        });
    }
    editor_->setFont(ToQFont(placement.font));
    editor_->Place(placement);
    editor_->setPlainText(QString::fromStdString(placement.text));
    QTextCursor cursor = editor_->textCursor();
    cursor.setPosition(placement.selStart);
    cursor.setPosition(placement.selStart + placement.selLength, QTextCursor::KeepAnchor);
    editor_->setTextCursor(cursor);
    editor_->document()->clearUndoRedoStacks();
    editor_->show();
    editor_->setFocus(Qt::OtherFocusReason);
}

void SheetGrid::HideEditor() {
    if (!editor_ || !editor_->isVisible()) {
        return;
    }
    const bool hadFocus = editor_->hasFocus();
    editor_->hide();
    if (hadFocus) {
        setFocus(Qt::OtherFocusReason);
    }
}

std::string SheetGrid::EditorText() const {
    return editor_ ? editor_->toPlainText().toStdString() : std::string();
}

bool SheetGrid::eventFilter(QObject* watched, QEvent* event) {
    if (editor_ && watched == editor_.get()) {
        if (event->type() == QEvent::KeyPress) {
            auto* keyEvent = static_cast<QKeyEvent*>(event);
            const int platformKey = PlatformKey(keyEvent->key());
            if (platformKey != 0 &&
                view_->OnEditorKey(platformKey, Modifiers(keyEvent->modifiers()))) {
                return true;
            }
        } else if (event->type() == QEvent::FocusOut && editor_->isVisible()) {
            // Focus that leaves the editor for anything but the grid commits it; the grid
            // taking the focus back commits it through the view.
            if (QApplication::focusWidget() != this) {
                view_->CommitEditor();
            }
        }
    }
    return QAbstractScrollArea::eventFilter(watched, event);
}

// ---- Keys and the mouse -------------------------------------------------------------------

bool SheetGrid::event(QEvent* event) {
    // F1 is also the shortcut of Help > Contents; on the grid it asks about the current
    // cell, which opens the contents itself when the cell has no topic.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* keyEvent = static_cast<QKeyEvent*>(event);
        if (keyEvent->key() == Qt::Key_F1 && keyEvent->modifiers() == Qt::NoModifier) {
            event->accept();
            return true;
        }
    }
    return QAbstractScrollArea::event(event);
}

void SheetGrid::keyPressEvent(QKeyEvent* event) {
    if (IsModifierKey(event->key())) {
        event->ignore();
        return;
    }
    if (event->key() == Qt::Key_Menu || (event->key() == Qt::Key_F10 &&
                                         event->modifiers() == Qt::ShiftModifier)) {
        if (MenuBuilder* menu = view_->PopupMenu()) {
            const PixelRect cell = CellRect(view_->Current().column, view_->Current().row);
            ShowPopupMenu(*menu, PixelPoint{cell.left + cell.Width() / 2, cell.bottom + 1});
        }
        return;
    }
    if (view_->OnKey(PlatformKey(event->key()), Modifiers(event->modifiers()),
                     TypedCharacter(*event))) {
        return;
    }
    if (EditorOpen()) {
        QApplication::sendEvent(editor_.get(), event);
        return;
    }
    // The keys the grid leaves alone may be the shortcuts of the cell's popup menu
    // (Ctrl+C, Del, Ins, Ctrl+Up ...), which work without opening it; the keypad's Del
    // and Ins count as the others.
    const QKeySequence keys(QKeyCombination(event->modifiers() & ~Qt::KeypadModifier,
                                            static_cast<Qt::Key>(event->key())));
    if (MenuBuilder* menu = view_->PopupMenu(); menu != nullptr && ClickShortcut(*menu, keys)) {
        return;
    }
    event->ignore();
}

std::optional<int> SheetGrid::SizingColumnAt(QPoint point) const {
    if (!sheet_.Style().columnSizing || point.y() >= FixedHeight()) {
        return std::nullopt;
    }
    const int column = ColumnAt(point.x() - kSizingZone);
    if (column < 0) {
        return std::nullopt;
    }
    const int edge = ColumnLeft(column) + sheet_.ColumnWidth(column);
    if (std::abs(point.x() - edge) > kSizingZone || !IsSizableColumn(sheet_, column)) {
        return std::nullopt;
    }
    return column;
}

void SheetGrid::KeepWidthsWithinLimits() {
    if (sheet_.Style().columnSizing) {
        KeepColumnWidthsWithinLimits(sheet_, viewport()->width());
    }
    UpdateScrollBars();
    viewport()->update();
}

void SheetGrid::AutoFitColumn(int column) {
    orvane::AutoFitColumn(sheet_, column, *sheet_.Opening().handler, services_.fonts);
    KeepWidthsWithinLimits();
}

void SheetGrid::mousePressEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    lastMouse_ = point;
    if (event->button() == Qt::LeftButton) {
        sizingColumn_ = SizingColumnAt(point);
        if (sizingColumn_) {
            return;
        }
    }
    view_->OnMouseDown(ColumnAt(point.x()), RowAt(point.y()), PixelPoint{point.x(), point.y()},
                       ButtonOf(event->button()), Modifiers(event->modifiers()));
}

void SheetGrid::mouseMoveEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    lastMouse_ = point;
    if (sizingColumn_) {
        sheet_.SetColumnWidth(*sizingColumn_,
                              std::max(1, point.x() - ColumnLeft(*sizingColumn_)));
        KeepWidthsWithinLimits();
        return;
    }
    viewport()->setCursor(SizingColumnAt(point) ? Qt::SplitHCursor : Qt::ArrowCursor);
    const bool dragging = (event->buttons() & Qt::LeftButton) != 0;
    if (dragging && !viewport()->rect().contains(point)) {
        autoScroll_->start();
    } else {
        autoScroll_->stop();
    }
    view_->OnMouseMove(ColumnAt(point.x()), RowAt(point.y()));
}

void SheetGrid::mouseReleaseEvent(QMouseEvent* event) {
    autoScroll_->stop();
    if (sizingColumn_) {
        sizingColumn_.reset();
        return;
    }
    const QPoint point = event->position().toPoint();
    view_->OnMouseUp(ColumnAt(point.x()), RowAt(point.y()), PixelPoint{point.x(), point.y()},
                     ButtonOf(event->button()));
}

void SheetGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        view_->OnDoubleClick(ColumnAt(point.x()), RowAt(point.y()),
                             PixelPoint{point.x(), point.y()});
    }
}

void SheetGrid::AutoScrollStep() {
    const QRect area = viewport()->rect();
    if (lastMouse_.y() >= area.bottom()) {
        SetTopRow(topRow_ + 1);
    } else if (lastMouse_.y() < FixedHeight()) {
        SetTopRow(topRow_ - 1);
    }
    if (lastMouse_.x() >= area.right()) {
        SetLeftColumn(leftColumn_ + 1);
    } else if (lastMouse_.x() < FixedWidth()) {
        SetLeftColumn(leftColumn_ - 1);
    }
    const QPoint inside(std::clamp(lastMouse_.x(), FixedWidth(), area.right() - 1),
                        std::clamp(lastMouse_.y(), FixedHeight(), area.bottom() - 1));
    view_->OnMouseMove(ColumnAt(inside.x()), RowAt(inside.y()));
}

void SheetGrid::contextMenuEvent(QContextMenuEvent* event) {
    // The mouse's right button reaches the view through the press; the keyboard's
    // context key is handled with the other keys.
    event->accept();
}

// ---- Windows the view opens ---------------------------------------------------------------

void SheetGrid::ShowPopupMenu(MenuBuilder& menu, PixelPoint at) {
    // What the items allow may have changed since the cursor came to the cell (a Copy
    // fills the clipboard that Paste needs).
    menu.RefreshStates();
    QMenu popup(this);
    MenuMirror mirror(popup, menu);
    popup.exec(viewport()->mapToGlobal(QPoint(at.x, at.y)));
}

void SheetGrid::OpenChoicePopup(const CellRequest& request, const std::string& listKey,
                                const CellLink& focus) {
    delete choiceList_;
    const PixelRect cell = CellRect(view_->Current().column, view_->Current().row);
    const QRect onScreen(viewport()->mapToGlobal(QPoint(cell.left, cell.top)),
                         QSize(cell.Width(), cell.Height()));
    auto* popup = new ChoicePopup(sheet_, request, listKey, focus, services_, this);
    choiceList_ = popup;
    popup->ShowUnder(onScreen);
}

void SheetGrid::HideHost() { emit Finished(); }

}  // namespace orvane
