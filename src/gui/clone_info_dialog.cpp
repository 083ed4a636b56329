#include "gui/clone_info_dialog.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/sheet_text.h"
#include "gui/dialog_support.h"
#include "gui/qt_colour.h"
#include "gui/qt_font.h"
#include "sheet/sheet.h"
#include "sheet/sheet_factory.h"
#include "text/text_store.h"

namespace orvane {
namespace {

constexpr const char* kSheetName = "GI_Sheet_CloneInfo";
constexpr int kTextInset = 2;

Qt::Alignment AlignmentOf(const SheetCell& cell) {
    switch (cell.Horizontal()) {
        case HorizontalAlignment::Centre:
            return Qt::AlignHCenter | Qt::AlignVCenter;
        case HorizontalAlignment::Right:
            return Qt::AlignRight | Qt::AlignVCenter;
        case HorizontalAlignment::Left:
            break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

// A frame `shadow` bevelled around `content`, `border` pixels inside the bevel.
QFrame* Bevelled(QWidget* content, QFrame::Shadow shadow, int border) {
    auto* frame = new QFrame();
    frame->setFrameStyle(QFrame::Panel | shadow);
    frame->setLineWidth(CloneInfoDialog::kBevelWidth);
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(border, border, border, border);
    layout->addWidget(content);
    return frame;
}

}  // namespace

CloneInfoDialog::CloneInfoDialog(const SheetEnvironment& sheetEnvironment, CellEvaluator& evaluator,
                                 TextStore& texts, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint),
      sheet_(CreateSheet(sheetEnvironment, kSheetName)) {
    setWindowTitle(QString::fromStdString(texts.FirstLine("GI_Sys_AppTitle")));
    setFont(DialogFont(texts));
    sheet_->Build();

    // Raised outside, lowered inside, the border between them.
    QFrame* inner = Bevelled(SheetArea(evaluator), QFrame::Sunken, 0);
    QFrame* panel = Bevelled(inner, QFrame::Raised, kPanelBorder);
    panel->setParent(this);
    panel->adjustSize();
    panel->move(0, 0);

    auto* ok =
        new QPushButton(QString::fromStdString(texts.FirstLine("GI_AppInd_Button_OkCancel")), this);
    ok->setDefault(true);
    ok->adjustSize();
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    const int width = std::max(panel->width(), ok->width() + 2 * kButtonMargin);
    const int height = panel->height() + ok->height() + 2 * kButtonMargin;
    panel->setFixedWidth(width);
    ok->move(width - kButtonMargin - ok->width(), height - kButtonMargin - ok->height());
    setFixedSize(width, height);
    if (owner != nullptr) {
        PlaceOverOwner(*this, *owner);
    }
    ok->setFocus();
}

CloneInfoDialog::~CloneInfoDialog() = default;

QWidget* CloneInfoDialog::SheetArea(CellEvaluator& evaluator) {
    auto* area = new QWidget();
    area->setAutoFillBackground(true);
    int top = 0;
    for (int row = 0; row < sheet_->RowCount(); ++row) {
        int left = 0;
        for (int column = 0; column < sheet_->ColumnCount(); ++column) {
            SheetCell& cell = sheet_->CellAt(column, row);
            int span = sheet_->ColumnWidth(column);
            // Covered cells belong to the span of the cell on their left.
            while (column + 1 < sheet_->ColumnCount() &&
                   sheet_->CellAt(column + 1, row).IsCovered()) {
                span += sheet_->ColumnWidth(++column);
            }
            const DrawnCell drawn = DrawCell(*sheet_, cell, evaluator);
            const FontDescription& font = sheet_->CellFont(cell);
            auto* label = new QLabel(QString::fromStdString(drawn.text), area);
            label->setTextFormat(Qt::PlainText);
            label->setFont(ToQFont(font));
            label->setAlignment(AlignmentOf(cell));
            label->setIndent(kTextInset);
            label->setAutoFillBackground(true);
            QPalette look = label->palette();
            look.setColor(QPalette::Window, ToQColor(cell.colour, look));
            look.setColor(QPalette::WindowText,
                          ToQColor(drawn.textColour.value_or(font.colour), look));
            label->setPalette(look);
            label->setGeometry(left, top, span, sheet_->RowHeight(row));
            left += span;
        }
        top += sheet_->RowHeight(row);
    }
    int width = 0;
    for (int column = 0; column < sheet_->ColumnCount(); ++column) {
        width += sheet_->ColumnWidth(column);
    }
    area->setFixedSize(width, top);
    return area;
}

}  // namespace orvane
