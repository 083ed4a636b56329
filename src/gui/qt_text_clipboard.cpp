#include "gui/qt_text_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QString>

namespace orvane {

void QtTextClipboard::SetText(const std::string& text) {
    QGuiApplication::clipboard()->setText(
        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

}  // namespace orvane
