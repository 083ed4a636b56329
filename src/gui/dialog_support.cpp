#include "gui/dialog_support.h"

#include <QScreen>
#include <QWidget>

#include "gui/qt_font.h"
#include "sheet/font_spec.h"
#include "text/text_store.h"

namespace orvane {

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

void PlaceOverOwner(QWidget& window, const QWidget& owner) {
    const QScreen* screen = owner.screen();
    const QRect workArea = screen != nullptr ? screen->availableGeometry() : owner.frameGeometry();
    window.move(
        CentredOver(QRect(QPoint(), window.size()), owner.frameGeometry(), workArea).topLeft());
}

}  // namespace orvane
