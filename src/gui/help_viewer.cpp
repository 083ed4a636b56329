#include "gui/help_viewer.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>

#include "app/help_context.h"
#include "app/help_topic_placement.h"
#include "gui/help_book.h"
#include "gui/help_topic_window.h"
#include "gui/help_window.h"
#include "text/text_store.h"

namespace orvane {
namespace {

QString Text(TextStore& texts, const char* key) {
    return QString::fromStdString(texts.FirstLine(key));
}

// The work area of the screen under `point`.
WorkArea WorkAreaAt(QPoint point) {
    QScreen* screen = QGuiApplication::screenAt(point);
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    const QRect area = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 800, 600);
    return {area.left(), area.top(), area.right() + 1, area.bottom() + 1};
}

}  // namespace

QString LocateHelpFile(const QString& programDir, const QString& name) {
    const QDir dir(programDir);
    const QString beside = dir.filePath(name);
    const QString installed = QDir::cleanPath(dir.filePath(ORVANE_HELP_DATA_DIR "/" + name));
    if (!QFileInfo(beside).isFile() && QFileInfo(installed).isFile()) {
        return installed;
    }
    return beside;
}

HelpViewer::HelpViewer(TextStore& texts, TextStore& helpTexts, QWidget* owner)
    : texts_(texts),
      helpTexts_(helpTexts),
      owner_(owner),
      book_(std::make_unique<HelpBook>(LocateHelpFile(QCoreApplication::applicationDirPath(),
                                                      Text(texts, "GI_Sys_MyHelpFile")))) {}

HelpViewer::~HelpViewer() = default;

const QString& HelpViewer::HelpFile() const { return book_->File(); }

void HelpViewer::SetHelpFile(const QString& path) {
    book_.reset();
    window_.reset();
    topicWindow_.reset();
    book_ = std::make_unique<HelpBook>(path);
}

HelpOutcome HelpViewer::ShowContents() {
    const HelpResult result = book_->Open();
    if (result != HelpResult::kShown) {
        return {result, HelpFile().toStdString()};
    }
    if (!window_) {
        window_ = std::make_unique<HelpWindow>(*book_, texts_, owner_);
    }
    window_->Show(HelpBook::ContentsUrl());
    return {HelpResult::kShown, HelpFile().toStdString()};
}

HelpOutcome HelpViewer::ShowTopic(int context) {
    const HelpResult result = book_->Open();
    if (result != HelpResult::kShown) {
        return {result, HelpFile().toStdString()};
    }
    const QUrl url = book_->TopicUrl(QString::fromStdString(HelpTopicName(context, helpTexts_)));
    if (url.isEmpty()) {
        return {HelpResult::kNoTopic, HelpFile().toStdString()};
    }
    if (!topicWindow_) {
        topicWindow_ = std::make_unique<HelpTopicWindow>(*book_, owner_);
        topicWindow_->resize(TopicWindowSize());
    }
    // A window the user resized keeps its size; only its place follows the cursor.
    const QSize size = topicWindow_->frameGeometry().size();
    const QPoint cursor = QCursor::pos();
    const ScreenPoint corner =
        PlaceTopicWindow(size.width(), size.height(), {cursor.x(), cursor.y()}, WorkAreaAt(cursor));
    topicWindow_->ShowTopic(url, QPoint(corner.x, corner.y));
    return {HelpResult::kShown, HelpFile().toStdString()};
}

QSize HelpViewer::TopicWindowSize() const {
    return {Text(texts_, "GI_Sys_HtmlHelp_Popup_Width").toInt(),
            Text(texts_, "GI_Sys_HtmlHelp_Popup_Height").toInt()};
}

}  // namespace orvane
