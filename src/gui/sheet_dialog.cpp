#include "gui/sheet_dialog.h"

#include <QFrame>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "gui/dialog_support.h"
#include "sheet/sheet_factory.h"
#include "text/text_store.h"

namespace orvane {
namespace {

std::unique_ptr<Sheet> BuildSheet(const SheetEnvironment& environment, const std::string& key,
                                  CellEvaluator& handler) {
    std::unique_ptr<Sheet> sheet = CreateSheet(environment, key);
    sheet->SetOpening(SheetOpening{&handler, std::nullopt, std::nullopt});
    sheet->Build();
    return sheet;
}

// A frame `shadow` bevelled around `content`, `border` pixels inside the bevel.
QFrame* Bevelled(QWidget* content, QFrame::Shadow shadow, int border) {
    auto* frame = new QFrame();
    frame->setFrameStyle(QFrame::Panel | shadow);
    frame->setLineWidth(SheetDialog::kBevelWidth);
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(border, border, border, border);
    layout->addWidget(content);
    return frame;
}

}  // namespace

SheetDialog::SheetDialog(const QString& caption, const std::string& sheetKey,
                         const SheetEnvironment& environment, CellEvaluator& handler,
                         const SheetGridServices& services, TextStore& texts, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint),
      sheet_(BuildSheet(environment, sheetKey, handler)),
      grid_(new SheetGrid(*sheet_, services)) {
    setWindowTitle(caption);
    setFont(DialogFont(texts));
    grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setFixedSize(grid_->ContentSize());

    // Raised outside, lowered inside, the border between them.
    QFrame* inner = Bevelled(grid_, QFrame::Sunken, 0);
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

SheetDialog::~SheetDialog() { delete grid_; }

}  // namespace orvane
