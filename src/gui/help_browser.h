#pragma once
// A text browser over the pages of the help file: pages, pictures and style sheets come
// from the book, and links lead only within it (no network).

#include <QTextBrowser>

namespace orvane {

class HelpBook;

class HelpBrowser final : public QTextBrowser {
    Q_OBJECT

public:
    HelpBrowser(HelpBook& book, QWidget* parent);

protected:
    QVariant loadResource(int type, const QUrl& name) override;
    void doSetSource(const QUrl& url, QTextDocument::ResourceType type) override;

private:
    HelpBook& book_;
};

}  // namespace orvane
