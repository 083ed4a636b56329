#include "gui/main_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

#include "app/window_title.h"

namespace orvane {

MainWindow::MainWindow(AppContext& context) : context_(context) {
    setMinimumSize(kMinWindowWidth, kMinWindowHeight);
    SetDocumentName(QString::fromStdString(std::string(kUntitledName)));
    PlaceFromSettings();
}

void MainWindow::SetDocumentName(const QString& fileName) {
    std::string appTitle = context_.texts.FirstLine("GI_Sys_AppTitle");
    // The platform appends the display name to titles that lack it; the title already
    // ends with the application title, so this keeps it from appearing twice.
    QGuiApplication::setApplicationDisplayName(QString::fromStdString(appTitle));
    setWindowTitle(QString::fromStdString(MainWindowTitle(fileName.toStdString(), appTitle)));
}

void MainWindow::PlaceFromSettings() {
    QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    WorkArea area{available.left(), available.top(), available.right() + 1,
                  available.bottom() + 1};
    WindowBounds bounds = ClampToWorkArea(context_.settings.Window, area);
    setGeometry(bounds.left, bounds.top, std::max(bounds.width, kMinWindowWidth),
                std::max(bounds.height, kMinWindowHeight));
}

void MainWindow::StorePlacement() {
    // The normal geometry, so that a maximised window comes back at its normal size.
    QRect normal = normalGeometry();
    context_.settings.Window = WindowBounds{normal.x(), normal.y(), normal.width(),
                                            normal.height()};
}

void MainWindow::closeEvent(QCloseEvent* event) {
    StorePlacement();
    event->accept();
}

}  // namespace orvane
