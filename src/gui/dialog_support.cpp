#include "gui/dialog_support.h"

#include <QScreen>
#include <QWidget>

#include "paint/qt_font.h"
#include "sheet/font_spec.h"
#include "text/text_store.h"

namespace orvane {

QString WindowText(TextStore& texts, const char* key, int line, std::string_view value) {
    return QString::fromStdString(TextStore::WithValue(texts.GetText(key, line), value));
}

QFont DialogFont(TextStore& texts) {
    FontDescription font = DefaultFont();
    ApplyFontSpec(font, texts.FirstLine("CellModel_BasicDialog"));
    return ToQFont(font);
}

QRect CentredOver(QRect window, const QRect& owner, const QRect& workArea) {
    window.moveTo(owner.left() + (owner.width() - window.width()) / 2,
                  owner.top() + (owner.height() - window.height()) / 2);
    if (window.right() > workArea.right()) {
        window.moveRight(workArea.right());
    }
    if (window.bottom() > workArea.bottom()) {
        window.moveBottom(workArea.bottom());
    }
    if (window.left() < workArea.left()) {
        window.moveLeft(workArea.left());
    }
    if (window.top() < workArea.top()) {
        window.moveTop(workArea.top());
    }
    return window;
}

QRect BelowCell(QSize size, const QRect& cell, const QRect& workArea) {
    constexpr int kIndent = 8;
    QRect window(QPoint(cell.left() + kIndent, cell.bottom() + 1), size);
    bool atWorkAreaBottom = false;
    if (window.bottom() > workArea.bottom()) {
        const int roomAbove = cell.top() - workArea.top();
        if (size.height() >= roomAbove) {
            window.moveBottom(workArea.bottom());
            atWorkAreaBottom = true;
        } else {
            window.moveBottom(cell.top() - 1);
        }
    }
    if (window.right() > workArea.right()) {
        window.moveRight(workArea.right());
        if (atWorkAreaBottom && cell.left() - size.width() >= workArea.left()) {
            window.moveRight(cell.left() - 1);
        }
    }
    return window;
}

void PlaceOverOwner(QWidget& window, const QWidget& owner) {
    const QScreen* screen = owner.screen();
    const QRect workArea = screen != nullptr ? screen->availableGeometry() : owner.frameGeometry();
    window.move(
        CentredOver(QRect(QPoint(), window.size()), owner.frameGeometry(), workArea).topLeft());
}

}  // namespace orvane
