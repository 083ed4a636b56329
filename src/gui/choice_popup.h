#pragma once
// The choice list that opens under a cell: its own sheet in dialog mode, in a popup
// window that closes when a choice is made, on Escape or when the user clicks elsewhere.
// A choice commits through the request of the cell it opened under.

#include <QFrame>

#include <memory>
#include <string>

#include "gui/sheet_grid.h"

namespace orvane {

class ChoicePopup final : public QFrame {
    Q_OBJECT

public:
    // Builds list `listKey` for the cell of `request` in `owner`, its cursor on the row
    // linked as `focus`. The popup deletes itself when it closes.
    ChoicePopup(Sheet& owner, const CellRequest& request, const std::string& listKey,
                const CellLink& focus, const SheetGridServices& services, QWidget* parent);
    ~ChoicePopup() override;

    // Shows the whole list under `cell` (in screen coordinates), or as much of it as the
    // work area holds, with scroll bars.
    void ShowUnder(const QRect& cell);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::unique_ptr<Sheet> sheet_;
    SheetGrid* grid_;  // owned here: it must go before the sheet it shows
};

}  // namespace orvane
