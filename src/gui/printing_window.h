#pragma once
// The small "Now Printing" window shown while pages go to the printer, with the Cancel
// button that stops the printing at the next page. It is sized from its label: twice
// the label's width, three times the label's and the button's height.

#include <QDialog>

class QLabel;
class QPushButton;

namespace orvane {

class TextStore;

class PrintingWindow final : public QDialog {
public:
    PrintingWindow(QWidget* owner, TextStore& texts);

    bool CancelRequested() const { return cancelRequested_; }
    QPushButton* CancelButton() const { return cancel_; }

private:
    QLabel* label_;
    QPushButton* cancel_;
    bool cancelRequested_ = false;
};

}  // namespace orvane
