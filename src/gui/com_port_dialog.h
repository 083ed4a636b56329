#pragma once
// The "COM Port" dialog of the COM Port menu's "More..." entry: one edit for a port
// number 1..256. A number outside the range is reported and the dialog stays open with
// the focus back in the edit.

#include <QDialog>

class QLineEdit;

namespace orvane {

class Prompter;
class TextStore;

class ComPortDialog final : public QDialog {
    Q_OBJECT

public:
    // Centred over `owner`, holding `current`.
    ComPortDialog(TextStore& texts, Prompter& prompter, int current, QWidget* owner);

    // The accepted port number.
    int Port() const { return port_; }

    void accept() override;

private:
    TextStore& texts_;
    Prompter& prompter_;
    QLineEdit* edit_ = nullptr;
    int port_ = 0;
};

}  // namespace orvane
