#include "gui/progress_window.h"

#include <QCloseEvent>
#include <QFrame>
#include <QPainter>

#include "clone/progress_fill.h"

namespace orvane {
namespace {

constexpr int kBevelWidth = 1;
constexpr int kExtraWidth = 32;
constexpr int kExtraHeight = 32;
constexpr int kPanelLeft = 16;
constexpr int kPanelTop = 8;

// A tool window that refuses the user's requests to close it.
class CloningWindow final : public QWidget {
public:
    explicit CloningWindow(QWidget* owner)
        : QWidget(owner, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {}

protected:
    void closeEvent(QCloseEvent* event) override { event->ignore(); }
};

// Floor division, so a window larger than its owner still centres the same way on
// every side.
int FloorHalf(int value) { return value >= 0 ? value / 2 : -((-value + 1) / 2); }

}  // namespace

class ProgressWindow::BarArea final : public QWidget {
public:
    explicit BarArea(QWidget* parent) : QWidget(parent) {
        setFixedSize(kProgressAreaWidth, kProgressAreaHeight);
    }
    void SetFilled(int filled) {
        filled_ = filled;
        update();
    }
    int Filled() const { return filled_; }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QColor highlight = palette().color(QPalette::Highlight);
        const QColor background = palette().color(QPalette::Window);
        painter.fillRect(rect(), background);
        for (int i = 0; i < kProgressCells; ++i) {
            ProgressCellColumns cell = ProgressCellAt(i, width());
            painter.fillRect(QRect(QPoint(cell.first, 0), QPoint(cell.last, height() - 1)),
                             i < filled_ ? highlight : background);
        }
    }

private:
    int filled_ = 0;
};

void ProgressWindow::Open() {
    if (IsOpen()) {
        return;
    }
    auto* window = new CloningWindow(owner_.data());
    window->setWindowTitle(QStringLiteral("Cloning"));
    window->setAttribute(Qt::WA_DeleteOnClose, false);

    auto* panel = new QFrame(window);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(kBevelWidth);
    auto* bar = new BarArea(panel);
    bar->move(kBevelWidth, kBevelWidth);
    panel->setFixedSize(kProgressAreaWidth + 2 * kBevelWidth,
                        kProgressAreaHeight + 2 * kBevelWidth);
    panel->move(kPanelLeft, kPanelTop);
    window->setFixedSize(panel->width() + kExtraWidth, panel->height() + kExtraHeight);

    if (owner_) {
        const QRect main = owner_->frameGeometry();
        window->move(main.left() + FloorHalf(main.width() - window->width()),
                     main.top() + FloorHalf(main.height() - window->height()));
        ownerWasEnabled_ = owner_->isEnabled();
        owner_->setEnabled(false);
    }
    window_ = window;
    bar_ = bar;
    window->show();
}

void ProgressWindow::Paint(int filledCells) {
    if (bar_) {
        bar_->SetFilled(filledCells);
    }
}

void ProgressWindow::Close() {
    if (!IsOpen()) {
        return;
    }
    QWidget* window = window_.data();
    window_.clear();
    bar_.clear();
    window->hide();
    delete window;
    if (owner_ && ownerWasEnabled_) {
        owner_->setEnabled(true);
    }
}

}  // namespace orvane
