#include "gui/main_window.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>

#include "app/window_title.h"
#include "gui/qt_font.h"
#include "sheet/cell_parser.h"

namespace orvane {

namespace {

constexpr int kSplitterWidth = 3;
constexpr int kMinPanelWidth = 8;

QFrame* MakePanel(QWidget* parent) {
    auto* panel = new QFrame(parent);
    panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    panel->setLineWidth(2);
    panel->setMinimumWidth(kMinPanelWidth);
    return panel;
}

}  // namespace

MainWindow::MainWindow(AppContext& context) : context_(context) {
    setMinimumSize(kMinWindowWidth, kMinWindowHeight);
    SetDocumentName(QString::fromStdString(std::string(kUntitledName)));
    ApplyFormFont();
    BuildPanels();
    PlaceFromSettings();
}

void MainWindow::ApplyFormFont() {
    SheetCell cell;
    CellParser(context_.texts, context_.cellNames)
        .ParseCell(cell, context_.texts.FirstLine("GI_Form_Main_BasicCell"), nullptr, nullptr);
    if (cell.font) {
        setFont(ToQFont(*cell.font));
    }
}

void MainWindow::BuildPanels() {
    splitter_ = new QSplitter(Qt::Horizontal, this);
    splitter_->setHandleWidth(kSplitterWidth);
    splitter_->setChildrenCollapsible(false);
    splitter_->setOpaqueResize(true);
    treePanel_ = MakePanel(splitter_);
    sheetPanel_ = MakePanel(splitter_);
    splitter_->addWidget(treePanel_);
    splitter_->addWidget(sheetPanel_);
    // The tree keeps its width when the window is resized; the sheet takes the rest.
    splitter_->setStretchFactor(0, 0);
    splitter_->setStretchFactor(1, 1);
    setCentralWidget(splitter_);
    statusBar()->setSizeGripEnabled(true);
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
    WorkArea area{available.left(), available.top(), available.right() + 1, available.bottom() + 1};
    WindowBounds bounds = ClampToWorkArea(context_.settings.Window, area);
    setGeometry(bounds.left, bounds.top, std::max(bounds.width, kMinWindowWidth),
                std::max(bounds.height, kMinWindowHeight));
    const int treeWidth = std::max(context_.settings.SplitterV, kMinPanelWidth);
    splitter_->setSizes({treeWidth, std::max(width() - treeWidth - kSplitterWidth, 0)});
}

void MainWindow::StorePlacement() {
    // The normal geometry, so that a maximised window comes back at its normal size.
    QRect normal = normalGeometry();
    context_.settings.Window =
        WindowBounds{normal.x(), normal.y(), normal.width(), normal.height()};
    context_.settings.SplitterV = splitter_->sizes().value(0, context_.settings.SplitterV);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    StorePlacement();
    event->accept();
}

}  // namespace orvane
