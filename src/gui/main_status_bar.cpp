#include "gui/main_status_bar.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <numeric>

namespace orvane {

std::vector<int> StatusPanelWidths(int barWidth, std::span<const int> otherWidths) {
    const int others = std::accumulate(otherWidths.begin(), otherWidths.end(), 0);
    std::vector<int> widths{std::max(barWidth - others, MainStatusBar::kMinMessageWidth)};
    widths.insert(widths.end(), otherWidths.begin(), otherWidths.end());
    return widths;
}

MainStatusBar::MainStatusBar(QWidget* parent) : QStatusBar(parent) {
    setSizeGripEnabled(true);
    messageText_ = palette().color(QPalette::WindowText);
    messageBackground_ = palette().color(QPalette::Button);
}

void MainStatusBar::SetMessage(const QString& text, const QColor& textColour,
                               const QColor& background) {
    message_ = text;
    messageText_ = textColour;
    messageBackground_ = background;
    update(messagePanel_);
}

void MainStatusBar::SetModeText(const QString& text) {
    modeText_ = text;
    ArrangePanels();
    update();
}

void MainStatusBar::ArrangePanels() {
    std::vector<int> others;
    if (!modeText_.isEmpty()) {
        const QFontMetrics metrics(font());
        others.push_back(metrics.horizontalAdvance(modeText_) +
                         metrics.horizontalAdvance(QStringLiteral("XXXX")));
    }
    others.push_back(kLastPanelWidth);
    const std::vector<int> widths = StatusPanelWidths(width(), others);
    messagePanel_ = QRect(0, 0, widths[0], height());
    modePanel_ = modeText_.isEmpty() ? QRect() : QRect(widths[0], 0, widths[1], height());
}

void MainStatusBar::resizeEvent(QResizeEvent* event) {
    QStatusBar::resizeEvent(event);
    ArrangePanels();
}

void MainStatusBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(messagePanel_, messageBackground_);
    painter.setPen(messageText_);
    painter.drawText(messagePanel_, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     message_);
    if (!modePanel_.isNull()) {
        painter.fillRect(modePanel_, QColor(kModeBackground));
        painter.setPen(QColor(kModeText));
        painter.drawText(modePanel_, Qt::AlignCenter | Qt::TextSingleLine, modeText_);
    }
}

}  // namespace orvane
