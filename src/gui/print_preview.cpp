#include "gui/print_preview.h"

#include <QAction>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

#include "app/app_context.h"
#include "gui/pdf_export.h"
#include "gui/print_setting_dialog.h"
#include "paint/paper_painting.h"
#include "paint/pdf_file.h"
#include "text/text_store.h"

namespace orvane {
namespace {

constexpr const char* kAppTitleKey = "GI_Sys_AppTitle";
constexpr const char* kPreviewKey = "GI_Sys_Printer_Preview";
enum PreviewText {
    kTopPage,
    kPreviousPage,
    kNextPage,
    kLastPage,
    kZoom,
    kSetting,
    kPrint,
    kSavePdf
};

constexpr int kToolBarHeight = 25;
constexpr int kPageBoxWidth = 30;
constexpr int kButtonWidth = 70;
constexpr int kStatusPanelWidth = 80;
constexpr int kRoomAroundPage = 50;

}  // namespace

// The page image, fitted into the visible room or at its own size.
class PrintPreview::PageView final : public QWidget {
public:
    using QWidget::QWidget;

    void SetImage(QImage image) {
        image_ = std::move(image);
        if (zoomed_) {
            resize(image_.size());
        }
        update();
    }
    void SetZoomed(bool zoomed) {
        zoomed_ = zoomed;
        if (zoomed_) {
            resize(image_.size());
        }
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Dark));
        if (image_.isNull()) {
            return;
        }
        if (zoomed_) {
            painter.drawImage(QPoint(0, 0), image_);
            return;
        }
        const QSize fitted = image_.size().scaled(size(), Qt::KeepAspectRatio);
        const QRect target(QPoint((width() - fitted.width()) / 2, (height() - fitted.height()) / 2),
                           fitted);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(target, image_);
    }

private:
    QImage image_;
    bool zoomed_ = false;
};

PrintPreview::PrintPreview(QWidget* owner, AppContext& app, const QtFontMetrics& fonts,
                           PreviewSetup setup)
    : QDialog(owner), app_(app), fonts_(fonts), setup_(std::move(setup)) {
    TextStore& texts = app_.texts;
    const auto text = [&texts](const char* key, int line) {
        return QString::fromStdString(texts.GetText(key, line));
    };
    setObjectName(QStringLiteral("printPreview"));
    setWindowTitle(text(kAppTitleKey, 0));
    auto* toolBar = new QToolBar(this);
    toolBar->setFixedHeight(kToolBarHeight);
    const auto tool = [&](PreviewText name, QStyle::StandardPixmap icon) {
        QAction* action = toolBar->addAction(style()->standardIcon(icon), text(kPreviewKey, name));
        action->setToolTip(text(kPreviewKey, name));
        return action;
    };
    top_ = tool(kTopPage, QStyle::SP_MediaSkipBackward);
    previous_ = tool(kPreviousPage, QStyle::SP_MediaSeekBackward);
    pageBox_ = new QLineEdit(toolBar);
    pageBox_->setFixedWidth(kPageBoxWidth);
    // Digits and what else a page number may be typed with.
    pageBox_->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9.!-(]*")), pageBox_));
    toolBar->addWidget(pageBox_);
    total_ = new QLabel(toolBar);
    toolBar->addWidget(total_);
    next_ = tool(kNextPage, QStyle::SP_MediaSeekForward);
    last_ = tool(kLastPage, QStyle::SP_MediaSkipForward);
    zoom_ = tool(kZoom, QStyle::SP_FileDialogContentsView);
    zoom_->setCheckable(true);
    setting_ = new QPushButton(text(kPreviewKey, kSetting), toolBar);
    print_ = new QPushButton(text(kPreviewKey, kPrint), toolBar);
    pdf_ = new QPushButton(text(kPreviewKey, kSavePdf), toolBar);
    for (QPushButton* button : {setting_, print_, pdf_}) {
        // Enter belongs to the page box.
        button->setAutoDefault(false);
        button->setMinimumWidth(kButtonWidth);
        toolBar->addWidget(button);
    }
    setting_->setFixedWidth(kButtonWidth);
    print_->setFixedWidth(kButtonWidth);

    scroll_ = new QScrollArea(this);
    scroll_->setAlignment(Qt::AlignCenter);
    scroll_->setFocusPolicy(Qt::NoFocus);
    view_ = new PageView;
    scroll_->setWidget(view_);
    auto* statusBar = new QStatusBar(this);
    statusBar->setSizeGripEnabled(false);
    status_ = new QLabel(statusBar);
    status_->setFixedWidth(kStatusPanelWidth);
    status_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    statusBar->addWidget(status_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolBar);
    layout->addWidget(scroll_, 1);
    layout->addWidget(statusBar);

    connect(top_, &QAction::triggered, this, [this] { ShowPage(0); });
    connect(previous_, &QAction::triggered, this, [this] { ShowPage(current_ - 1); });
    connect(next_, &QAction::triggered, this, [this] { ShowPage(current_ + 1); });
    connect(last_, &QAction::triggered, this, [this] { ShowPage(PageCount() - 1); });
    connect(zoom_, &QAction::toggled, this, [this] { ApplyZoom(); });
    connect(pageBox_, &QLineEdit::returnPressed, this, [this] { JumpToTypedPage(); });
    connect(setting_, &QPushButton::clicked, this, [this] { ChangeSetting(); });
    connect(print_, &QPushButton::clicked, this, &QDialog::accept);
    connect(pdf_, &QPushButton::clicked, this, [this] { SaveAsPdf(); });
    pageBox_->installEventFilter(this);

    scale_ = static_cast<double>(logicalDpiX()) / std::max(1, setup_.page.dpi);
    LayOut();
    ApplyZoom();
    ShowPage(0);
    PlaceOnScreen();
    pageBox_->setFocus();
}

PrintPreview::~PrintPreview() = default;

void PrintPreview::LayOut() {
    layout_ =
        std::make_unique<SheetLayout>(setup_.sources, setup_.page, app_.settings.PrinterFontSize);
    const bool first = calls_.empty();
    for (const std::string& call : first ? setup_.calls : calls_) {
        if (layout_->LayOutSheet(call, LayoutMode::kPreview) > 0 && first) {
            calls_.push_back(call);
        }
    }
}

void PrintPreview::ShowPage(int index) {
    const int count = PageCount();
    current_ = std::clamp(index, 0, std::max(0, count - 1));
    const int shown = count == 0 ? 0 : current_ + 1;
    view_->SetImage(count == 0
                        ? QImage()
                        : PageImage(*layout_, layout_->PreviewPages()[current_], fonts_, scale_));
    pageBox_->setText(QString::number(shown));
    total_->setText(QStringLiteral(" / %1").arg(count));
    status_->setText(QString::asprintf(" %d / %d", shown, count));
    top_->setEnabled(current_ > 0);
    previous_->setEnabled(current_ > 0);
    next_->setEnabled(current_ < count - 1);
    last_->setEnabled(current_ < count - 1);
    print_->setEnabled(count > 0);
    pdf_->setEnabled(count > 0);
}

bool PrintPreview::Zoomed() const { return zoom_->isChecked(); }

void PrintPreview::ApplyZoom() {
    scroll_->setWidgetResizable(!Zoomed());
    view_->SetZoomed(Zoomed());
}

void PrintPreview::JumpToTypedPage() {
    bool number = false;
    const QString typed = pageBox_->text();
    qsizetype digits = 0;
    while (digits < typed.size() && typed[digits].isDigit()) {
        ++digits;
    }
    const int page = typed.left(digits).toInt(&number);
    ShowPage(number ? page - 1 : current_);
}

void PrintPreview::ChangeSetting() {
    if (const std::optional<int> points =
            AskPrintedFontSize(this, app_.texts, app_.settings.PrinterFontSize)) {
        app_.settings.PrinterFontSize = *points;
        LayOut();
        ShowPage(0);
    }
    pageBox_->setFocus();
}

void PrintPreview::SaveAsPdf() {
    const std::optional<std::string> path = ChoosePdfPath(this, app_, setup_.documentPath);
    if (!path) {
        return;
    }
    PdfFile file(QString::fromStdString(*path), setup_.paperSize, fonts_, setup_.page.dpi);
    QString problem;
    if (!WriteRecordedPagesAsPdf(*layout_, layout_->PreviewPages(), file, problem)) {
        ReportPdfFailure(app_, *path, problem);
    }
}

bool PrintPreview::PageKey(int key) {
    QScrollBar* vertical = scroll_->verticalScrollBar();
    QScrollBar* horizontal = scroll_->horizontalScrollBar();
    switch (key) {
        case Qt::Key_PageUp:
            ShowPage(current_ - 1);
            return true;
        case Qt::Key_PageDown:
            ShowPage(current_ + 1);
            return true;
        case Qt::Key_Up:
            vertical->triggerAction(QAbstractSlider::SliderSingleStepSub);
            return true;
        case Qt::Key_Down:
            vertical->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            return true;
        case Qt::Key_Left:
        case Qt::Key_Right:
            if (!Zoomed()) {
                return false;
            }
            horizontal->triggerAction(key == Qt::Key_Left ? QAbstractSlider::SliderSingleStepSub
                                                          : QAbstractSlider::SliderSingleStepAdd);
            return true;
        default:
            return false;
    }
}

bool PrintPreview::eventFilter(QObject* watched, QEvent* event) {
    if (watched == pageBox_ && event->type() == QEvent::KeyPress &&
        PageKey(static_cast<QKeyEvent*>(event)->key())) {
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void PrintPreview::keyPressEvent(QKeyEvent* event) {
    if (!PageKey(event->key())) {
        QDialog::keyPressEvent(event);
    }
}

void PrintPreview::PlaceOnScreen() {
    const QScreen* screen =
        parentWidget() != nullptr ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    const QRect work = screen->availableGeometry();
    const QSize page(static_cast<int>(setup_.page.width * scale_),
                     static_cast<int>(setup_.page.height * scale_));
    const int bars = kToolBarHeight + status_->sizeHint().height();
    const QSize size(
        std::min(page.width() + 2 * kRoomAroundPage, screen->geometry().width()),
        std::min(page.height() + 2 * kRoomAroundPage + bars, screen->geometry().height()));
    resize(size);
    move(std::max(work.left(), work.left() + (work.width() - size.width()) / 2),
         std::max(work.top(), work.top() + (work.height() - size.height()) / 2));
}

}  // namespace orvane
