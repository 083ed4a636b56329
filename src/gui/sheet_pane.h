#pragma once
// The open sheet as the main window shows it: its title bar over its grid.

#include <QFrame>

#include "gui/sheet_grid.h"

class QLabel;

namespace orvane {

class SheetPane final : public QFrame {
    Q_OBJECT

public:
    SheetPane(Sheet& sheet, const SheetGridServices& services, QWidget* parent = nullptr);
    ~SheetPane() override;

    SheetGrid& Grid() { return *grid_; }

private:
    void ShowTitle();

    Sheet& sheet_;
    QLabel* title_;
    SheetGrid* grid_;  // owned here: it must go before the sheet's owner lets go of it
};

}  // namespace orvane
