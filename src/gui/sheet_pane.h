#pragma once
// The open sheet as the main window shows it: its title bar, bevelled on its own, over
// the grid's sunken panel.

#include <QWidget>

#include "gui/sheet_grid.h"

class QLabel;

namespace orvane {

class SheetPane final : public QWidget {
    Q_OBJECT

public:
    SheetPane(Sheet& sheet, const SheetGridServices& services, QWidget* parent = nullptr);
    ~SheetPane() override;

    SheetGrid& Grid() { return *grid_; }
    // The title bar, hidden when the sheet has no title.
    QLabel& TitleBar() { return *title_; }

private:
    void ShowTitle();

    Sheet& sheet_;
    QLabel* title_;
    SheetGrid* grid_;  // owned here: it must go before the sheet's owner lets go of it
};

}  // namespace orvane
