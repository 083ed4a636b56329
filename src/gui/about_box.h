#pragma once
// The About box of the Help menu: the program's icon, its name and revision, and an OK
// button that Enter and Escape both press. It is shown without blocking; the main
// window stays disabled until it closes (see MainWindow).

#include <QDialog>

class QIcon;

namespace orvane {

class TextStore;

class AboutBox final : public QDialog {
    Q_OBJECT

public:
    // The icon at its natural size sets the box's proportions.
    static constexpr int kIconSize = 32;

    AboutBox(TextStore& texts, const QIcon& icon, QWidget* owner);
};

}  // namespace orvane
