#include "gui/help_book.h"

#include <QFileInfo>
#include <QHelpLink>
#include <utility>

namespace orvane {

HelpBook::HelpBook(QString file) : file_(std::move(file)) {}

HelpResult HelpBook::Open() {
    if (registered_) {
        return HelpResult::kShown;
    }
    if (!QFileInfo(file_).isFile()) {
        return HelpResult::kFileMissing;
    }
    if (!engine_) {
        if (!collectionDir_.isValid()) {
            return HelpResult::kNoEngine;
        }
        auto engine = std::make_unique<QHelpEngine>(collectionDir_.filePath("orvane.qhc"));
        engine->setReadOnly(false);
        engine->setUsesFilterEngine(true);
        if (!engine->setupData()) {
            return HelpResult::kNoEngine;
        }
        engine_ = std::move(engine);
    }
    registered_ = engine_->registerDocumentation(file_);
    if (!registered_) {
        return HelpResult::kFileMissing;
    }
    // Builds the contents and the index of the newly registered book.
    engine_->setupData();
    return HelpResult::kShown;
}

QUrl HelpBook::ContentsUrl() {
    return QUrl(QStringLiteral("qthelp://%1/%2/index.html").arg(kNamespace, kFolder));
}

QUrl HelpBook::TopicUrl(const QString& topic) const {
    if (!registered_ || topic.isEmpty()) {
        return {};
    }
    const QList<QHelpLink> links = engine_->documentsForIdentifier(topic);
    return links.isEmpty() ? QUrl() : links.front().url;
}

}  // namespace orvane
