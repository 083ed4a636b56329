#pragma once
// The clone information window: the cells of the "GI_Sheet_CloneInfo" sheet, which show
// the model and the comment the last information request found in the radio, in a
// bevelled panel above an OK button that Enter and Escape both press. It is shown
// without blocking; the main window stays disabled until it closes (see MainWindow).

#include <QDialog>
#include <memory>

namespace orvane {

class CellEvaluator;
class Sheet;
class TextStore;
struct SheetEnvironment;

class CloneInfoDialog final : public QDialog {
    Q_OBJECT

public:
    static constexpr int kPanelBorder = 8;
    static constexpr int kBevelWidth = 2;
    static constexpr int kButtonMargin = 5;

    CloneInfoDialog(const SheetEnvironment& sheetEnvironment, CellEvaluator& evaluator,
                    TextStore& texts, QWidget* owner);
    ~CloneInfoDialog() override;

private:
    // The sheet's cells as labels at the sheet's own column widths and row heights.
    QWidget* SheetArea(CellEvaluator& evaluator);

    std::unique_ptr<Sheet> sheet_;
};

}  // namespace orvane
