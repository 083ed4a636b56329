#pragma once
// The main window's status bar: the message panel with its own text and colours, the
// teal "[ EXPERT ]" mode panel in expert mode, and a last empty panel. The message panel
// takes the width the other panels leave, but never less than 100 pixels.

#include <QColor>
#include <QStatusBar>
#include <QString>
#include <span>
#include <vector>

namespace orvane {

// The panels' widths for a bar `barWidth` wide: the message panel's first, then
// `otherWidths` as given.
std::vector<int> StatusPanelWidths(int barWidth, std::span<const int> otherWidths);

class MainStatusBar final : public QStatusBar {
    Q_OBJECT

public:
    static constexpr int kMinMessageWidth = 100;
    static constexpr int kLastPanelWidth = 50;
    // The mode panel: teal with white text.
    static constexpr QRgb kModeBackground = 0x008080;
    static constexpr QRgb kModeText = 0xFFFFFF;

    explicit MainStatusBar(QWidget* parent);

    void SetMessage(const QString& text, const QColor& textColour, const QColor& background);
    // An empty text removes the mode panel; otherwise it is as wide as the text plus
    // "XXXX".
    void SetModeText(const QString& text);

    QRect MessagePanel() const { return messagePanel_; }
    QRect ModePanel() const { return modePanel_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void ArrangePanels();

    QString message_;
    QColor messageText_;
    QColor messageBackground_;
    QString modeText_;
    QRect messagePanel_;
    QRect modePanel_;
};

}  // namespace orvane
