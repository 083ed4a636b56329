#include "gui/help_browser.h"

#include "gui/help_book.h"

namespace orvane {
namespace {

bool IsBookUrl(const QUrl& url) { return url.scheme() == QLatin1String("qthelp"); }

}  // namespace

HelpBrowser::HelpBrowser(HelpBook& book, QWidget* parent) : QTextBrowser(parent), book_(book) {
    setOpenExternalLinks(false);
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    const QUrl url = name.isRelative() ? source().resolved(name) : name;
    if (IsBookUrl(url)) {
        return book_.Engine().fileData(url);
    }
    return QTextBrowser::loadResource(type, name);
}

void HelpBrowser::doSetSource(const QUrl& url, QTextDocument::ResourceType type) {
    const QUrl resolved = url.isRelative() ? source().resolved(url) : url;
    // A page outside the book would need the network or another program: stay put.
    if (IsBookUrl(resolved)) {
        QTextBrowser::doSetSource(resolved, type);
    }
}

}  // namespace orvane
