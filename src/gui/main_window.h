#pragma once
// The main window: menu, toolbar, the tree of sheets on the left, the open sheet on the
// right and the status bar. It shows what the core decides and records its placement
// in the settings when it closes.

#include <QMainWindow>

#include "app/app_context.h"

class QFrame;
class QSplitter;

namespace orvane {

class MainWindow final : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(AppContext& context);

    // The panel on the left that holds the tree of sheets, and the one on the right that
    // holds the open sheet.
    QFrame* TreePanel() const { return treePanel_; }
    QFrame* SheetPanel() const { return sheetPanel_; }

    // Shows "<file name> - <application title>".
    void SetDocumentName(const QString& fileName);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // The window's font: the cell font of the main form's definition.
    void ApplyFormFont();
    void BuildPanels();
    void PlaceFromSettings();
    void StorePlacement();

    AppContext& context_;
    QSplitter* splitter_ = nullptr;
    QFrame* treePanel_ = nullptr;
    QFrame* sheetPanel_ = nullptr;
};

}  // namespace orvane
