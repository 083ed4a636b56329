#pragma once
// The main window: menu, toolbar, the tree of sheets on the left, the open sheet on the
// right and the status bar. It shows what the core decides and records its placement
// in the settings when it closes.

#include <QMainWindow>

#include "app/app_context.h"

namespace orvane {

class MainWindow final : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(AppContext& context);

    // Shows "<file name> - <application title>".
    void SetDocumentName(const QString& fileName);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void PlaceFromSettings();
    void StorePlacement();

    AppContext& context_;
};

}  // namespace orvane
