#pragma once
// The "Import Airport Frequencies" dialog: the downloaded table of airport frequencies
// (chosen with the open dialog and remembered between runs), the airports' ICAO codes
// and the bank that takes their channels.

#include <QDialog>

#include "app/main_view.h"

class QLineEdit;
class QSpinBox;

namespace orvane {

class Prompter;
class TextStore;

class AirportDialog final : public QDialog {
    Q_OBJECT

public:
    // Centred over `owner`, holding `preset`.
    AirportDialog(TextStore& texts, Prompter& prompter, const AirportChoice& preset,
                  QWidget* owner);

    AirportChoice Choice() const;

    // Refuses, with a message, to close without a table or without an airport.
    void accept() override;

private:
    void Browse();

    TextStore& texts_;
    Prompter& prompter_;
    bool bankMode_;
    QLineEdit* table_ = nullptr;
    QLineEdit* codes_ = nullptr;
    QSpinBox* bank_ = nullptr;
};

}  // namespace orvane
