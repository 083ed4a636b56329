#include "gui/sheet_pane.h"

#include <QLabel>
#include <QVBoxLayout>

#include "paint/qt_colour.h"
#include "paint/qt_font.h"

namespace orvane {
namespace {

constexpr int kBevel = 2;
constexpr int kTitlePadding = 8;

}  // namespace

SheetPane::SheetPane(Sheet& sheet, const SheetGridServices& services, QWidget* parent)
    : QWidget(parent), sheet_(sheet), title_(new QLabel(this)) {
    title_->setFrameShape(QFrame::Panel);
    title_->setFrameShadow(QFrame::Sunken);
    title_->setLineWidth(kBevel);
    title_->setTextFormat(Qt::PlainText);
    title_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    title_->setAutoFillBackground(true);
    auto* gridPanel = new QFrame(this);
    gridPanel->setFrameShape(QFrame::Panel);
    gridPanel->setFrameShadow(QFrame::Sunken);
    gridPanel->setLineWidth(kBevel);
    grid_ = new SheetGrid(sheet, services, gridPanel);
    auto* gridLayout = new QVBoxLayout(gridPanel);
    gridLayout->setContentsMargins(0, 0, 0, 0);
    gridLayout->addWidget(grid_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(title_);
    layout->addWidget(gridPanel, 1);
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
    title_->setFixedHeight(title_->fontMetrics().height() + kBevel + kTitlePadding);
}

}  // namespace orvane
