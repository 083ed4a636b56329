#include "gui/sheet_pane.h"

#include <QLabel>
#include <QVBoxLayout>

#include "gui/qt_colour.h"
#include "gui/qt_font.h"

namespace orvane {
namespace {

constexpr int kTitleBevel = 2;
constexpr int kTitlePadding = 8;

}  // namespace

SheetPane::SheetPane(Sheet& sheet, const SheetGridServices& services, QWidget* parent)
    : QFrame(parent), sheet_(sheet), title_(new QLabel(this)) {
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setLineWidth(kTitleBevel);
    title_->setFrameShape(QFrame::Panel);
    title_->setFrameShadow(QFrame::Sunken);
    title_->setLineWidth(kTitleBevel);
    title_->setTextFormat(Qt::PlainText);
    title_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    title_->setAutoFillBackground(true);
    grid_ = new SheetGrid(sheet, services, this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(title_);
    layout->addWidget(grid_, 1);
    setFocusProxy(grid_);
    connect(grid_, &SheetGrid::SheetTitleChanged, this, &SheetPane::ShowTitle);
    ShowTitle();
}

SheetPane::~SheetPane() { delete grid_; }

void SheetPane::ShowTitle() {
    const SheetStyle& style = sheet_.Style();
    title_->setVisible(!style.title.empty());
    if (style.title.empty()) {
        return;
    }
    title_->setText(QString::fromStdString(style.title));
    if (style.titleFont) {
        title_->setFont(ToQFont(*style.titleFont));
    }
    QPalette palette = title_->palette();
    palette.setColor(QPalette::Window, ToQColor(style.titleColour, palette));
    if (style.titleFont) {
        palette.setColor(QPalette::WindowText, ToQColor(style.titleFont->colour, palette));
    }
    title_->setPalette(palette);
    title_->setFixedHeight(title_->fontMetrics().height() + kTitleBevel + kTitlePadding);
}

}  // namespace orvane
