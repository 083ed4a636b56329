#include "gui/help_topic_window.h"

#include <QVBoxLayout>

#include "gui/help_browser.h"

namespace orvane {

HelpTopicWindow::HelpTopicWindow(HelpBook& book, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    browser_ = new HelpBrowser(book, this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    connect(browser_, &QTextBrowser::sourceChanged, this,
            [this] { setWindowTitle(browser_->documentTitle()); });
}

void HelpTopicWindow::ShowTopic(const QUrl& url, QPoint topLeft) {
    browser_->setSource(url);
    move(topLeft);
    show();
}

}  // namespace orvane
