#pragma once
// A small read-only sheet shown in a dialog: the sheet's grid, sized to its content and
// without scroll bars, in a bevelled panel above an OK button that Enter and Escape both
// press. The clone information window is one. It is shown without blocking; its owner
// keeps the main window disabled until it closes (see MainWindow).

#include <QDialog>
#include <memory>
#include <string>

#include "gui/sheet_grid.h"

namespace orvane {

class TextStore;
struct SheetEnvironment;

class SheetDialog final : public QDialog {
    Q_OBJECT

public:
    static constexpr int kPanelBorder = 8;
    static constexpr int kBevelWidth = 2;
    static constexpr int kButtonMargin = 5;

    // Builds sheet `sheetKey`, its linked cells drawn by `handler`, under `caption`,
    // centred over `owner` and kept on the work area.
    SheetDialog(const QString& caption, const std::string& sheetKey,
                const SheetEnvironment& environment, CellEvaluator& handler,
                const SheetGridServices& services, TextStore& texts, QWidget* owner);
    ~SheetDialog() override;

    Sheet& ShownSheet() { return *sheet_; }

private:
    std::unique_ptr<Sheet> sheet_;
    SheetGrid* grid_;  // owned here: it must go before the sheet it shows
};

}  // namespace orvane
