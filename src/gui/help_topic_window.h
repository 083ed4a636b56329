#pragma once
// The small window in which a cell's help topic opens at the mouse cursor: the topic's
// page and nothing else, with a title and a close box but no minimise or maximise box.

#include <QWidget>

namespace orvane {

class HelpBook;
class HelpBrowser;

class HelpTopicWindow final : public QWidget {
    Q_OBJECT

public:
    // `book` is open and outlives the window.
    HelpTopicWindow(HelpBook& book, QWidget* parent);

    // Shows `url` with the window's top left corner at `topLeft`, keeping its size.
    void ShowTopic(const QUrl& url, QPoint topLeft);

    HelpBrowser* Browser() const { return browser_; }

private:
    HelpBrowser* browser_ = nullptr;
};

}  // namespace orvane
