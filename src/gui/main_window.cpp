#include "gui/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QShortcut>
#include <QShowEvent>
#include <QSplitter>
#include <QStackedLayout>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include <optional>
#include <ostream>

#include "app/main_controller.h"
#include "app/window_title.h"
#include "gui/about_box.h"
#include "gui/airport_dialog.h"
#include "gui/com_port_dialog.h"
#include "gui/differences_window.h"
#include "gui/file_chooser.h"
#include "gui/help_viewer.h"
#include "gui/image_lists.h"
#include "gui/main_status_bar.h"
#include "gui/main_tool_bar.h"
#include "gui/menu_mirror.h"
#include "gui/sheet_dialog.h"
#include "gui/sheet_pane.h"
#include "gui/sheet_tree_view.h"
#include "image/file_error.h"
#include "paint/qt_colour.h"
#include "paint/qt_font.h"
#include "sheet/cell_parser.h"
#include "sheet/definition_text.h"
#include "sheet/menu_builder.h"
#include "sheet/sheet_messages.h"
#include "sheet/tool_bar_builder.h"

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
    setAcceptDrops(true);
    // No application display name is set: the platform would append it to every
    // window's caption ("COM Port — Orvane"), and each caption is already complete.
    SetTitle(MainWindowTitle(kUntitledName, context_.texts.FirstLine("GI_Sys_AppTitle")), false);
    setWindowIcon(image_list::ApplicationIcon());
    ApplyFormFont();
    BuildPanels();
    PlaceFromSettings();
    help_ = std::make_unique<HelpViewer>(context_.texts, context_.helpTexts, this);
}

MainWindow::~MainWindow() = default;

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

    // The tree reports to the controller once there is one.
    SheetTreeView::Handlers handlers;
    handlers.selectionSettled = [this] {
        if (controller_ != nullptr) {
            controller_->TreeSelectionChanged();
        }
    };
    handlers.expansionChanged = [this] {
        if (controller_ != nullptr) {
            controller_->TreeExpansionChanged();
        }
    };
    treeView_ = new SheetTreeView(std::move(handlers), treePanel_);
    auto* treeLayout = new QVBoxLayout(treePanel_);
    treeLayout->setContentsMargins(0, 0, 0, 0);
    treeLayout->addWidget(treeView_);

    sheetStack_ = new QStackedLayout(sheetPanel_);
    sheetPlaceholder_ = new QWidget(sheetPanel_);
    sheetPlaceholder_->setFocusPolicy(Qt::StrongFocus);
    sheetStack_->addWidget(sheetPlaceholder_);

    statusBar_ = new MainStatusBar(this);
    setStatusBar(statusBar_);
}

void MainWindow::Attach(MainController& controller) {
    controller_ = &controller;
    const MenuEnvironment environment{context_.texts, context_.cellNames, context_.bus,
                                      controller.Evaluator()};
    menuBuilder_ = std::make_unique<MenuBuilder>(environment, "GI_Menu_Main");
    menuBuilder_->Build();
    menu_ = std::make_unique<MenuMirror>(*menuBar(), *menuBuilder_);
    // The items' states decide which shortcuts work before any menu opens.
    menuBuilder_->RefreshStates();
    // Redo also answers the other key desktops use for it; an open in-place editor keeps
    // both for its own text.
    auto* redoAlias = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), this);
    connect(redoAlias, &QShortcut::activated, this,
            [this] { ClickShortcut(*menuBuilder_, QKeySequence(Qt::CTRL | Qt::Key_Y)); });
    toolBarBuilder_ = std::make_unique<ToolBarBuilder>(environment, "GI_ToolBar_Main");
    toolBarBuilder_->Build();
    toolBar_ = std::make_unique<MainToolBar>(*this, *toolBarBuilder_, context_.bus);
    RefreshToolbar();
    treeView_->SetChangeDelay(LeadingNumber(context_.texts.FirstLine("GI_Sys_TreeChangeDelay")));
    RefreshStatusBar();
}

void MainWindow::ShowAtStart(const std::optional<std::string>& file, std::ostream& errors) {
    if (file && controller_ != nullptr) {
        FileCommands& files = controller_->Files();
        if (!files.OpenFile(*file) && files.LastFileError() != FileError::None) {
            errors << FileErrorLine(*file, files.LastFileError(), context_.texts) << std::endl;
        }
    }
    show();
}

namespace {

// The local file a drag carries, when it carries exactly one.
std::optional<std::string> DroppedFile(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls() || data->urls().size() != 1 ||
        !data->urls().front().isLocalFile()) {
        return std::nullopt;
    }
    return data->urls().front().toLocalFile().toStdString();
}

}  // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (controller_ != nullptr && isEnabled() && DroppedFile(event->mimeData())) {
        event->acceptProposedAction();
    }
}

void MainWindow::dropEvent(QDropEvent* event) {
    const std::optional<std::string> path = DroppedFile(event->mimeData());
    if (controller_ == nullptr || !isEnabled() || !path) {
        return;
    }
    event->acceptProposedAction();
    activateWindow();
    // The open may ask questions; the drag has ended by the time they show.
    QTimer::singleShot(0, this, [this, file = *path] { controller_->OpenFile(file); });
}

void MainWindow::PlaceFromSettings() {
    QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    WorkArea area{available.left(), available.top(), available.right() + 1, available.bottom() + 1};
    WindowBounds bounds = ClampToWorkArea(context_.settings.Window, area);
    setGeometry(bounds.left, bounds.top, bounds.width, bounds.height);
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
    if (controller_ != nullptr && !controller_->QueryClose()) {
        event->ignore();
        return;
    }
    StorePlacement();
    if (controller_ != nullptr) {
        controller_->Stop();
    }
    event->accept();
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The tick opens the selected node's sheet once the window shows; running it now
    // puts the sheet into the window's first frame instead of up to a tick later.
    if (controller_ != nullptr && !event->spontaneous()) {
        controller_->Tick();
    }
}

// ---- What the controller asks of the window ------------------------------------------

void MainWindow::SetTitle(const std::string& title, bool modified) {
    // Qt shows the modified mark in place of "[*]"; a "[*]" of the file's name is doubled
    // to stay itself.
    QString shown = QString::fromStdString(title);
    shown.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    setWindowTitle(QStringLiteral("[*]") + shown);
    setWindowModified(modified);
}

void MainWindow::SetEnabled(bool enabled) {
    disabledByController_ = !enabled;
    ApplyEnabled();
}

void MainWindow::ApplyEnabled() {
    const bool enabled = !disabledByController_ && openDialogs_ == 0;
    if (isEnabled() != enabled) {
        setEnabled(enabled);
    }
}

void MainWindow::SetBusyCursor(bool busy) {
    if (busy && busyDepth_++ == 0) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (!busy && busyDepth_ > 0 && --busyDepth_ == 0) {
        QApplication::restoreOverrideCursor();
    }
}

void MainWindow::SetFocus(ViewFocus focus) {
    QWidget* target = focus == ViewFocus::kTree ? treeView_ : sheetStack_->currentWidget();
    target->setFocus(Qt::OtherFocusReason);
}

ViewFocus MainWindow::Focus() const {
    // The window's own focus child: it is kept while another window is active.
    return focusWidget() == treeView_ ? ViewFocus::kTree : ViewFocus::kGrid;
}

void MainWindow::ShowTree(SheetTree* tree) { treeView_->SetTree(tree); }

void MainWindow::ShowSheet(Sheet* sheet) {
    // The grid goes before the sheet it shows: the controller lets go of a sheet only
    // after it has asked for the panel to be emptied.
    sheetStack_->setCurrentWidget(sheetPlaceholder_);
    delete sheetView_;
    sheetView_ = nullptr;
    shownSheet_ = sheet;
    if (sheet == nullptr) {
        return;
    }
    sheetView_ = new SheetPane(*sheet, SheetGridServices{context_.timers, fonts_}, sheetPanel_);
    sheetStack_->addWidget(sheetView_);
    sheetStack_->setCurrentWidget(sheetView_);
}

void MainWindow::MoveSheetCursor(int column, int row) {
    if (sheetView_ != nullptr) {
        sheetView_->Grid().View().MoveCursorTo(GridCell{column, row});
    }
}

SheetGrid* MainWindow::ShownGrid() const {
    return sheetView_ != nullptr ? &sheetView_->Grid() : nullptr;
}

void MainWindow::RefreshStatusBar() {
    if (controller_ == nullptr) {
        return;
    }
    const StatusMessage& status = controller_->Status();
    const QPalette& look = statusBar_->palette();
    statusBar_->SetMessage(QString::fromStdString(status.text), ToQColor(status.textColour, look),
                           ToQColor(status.background, look));
    statusBar_->SetModeText(QString::fromStdString(controller_->ModePanelText()));
}

void MainWindow::RefreshCommandStates() {
    if (menuBuilder_) {
        menuBuilder_->RefreshStates();
    }
}

void MainWindow::RefreshToolbar() {
    if (controller_ != nullptr && toolBar_) {
        toolBar_->SetVisible(controller_->ToolbarVisible());
    }
}

// ---- Dialogs ----------------------------------------------------------------------------

void MainWindow::ShowOverDisabledWindow(const std::function<QDialog*()>& createDialog) {
    // Disabled first: a window made after its owner was disabled stays enabled itself.
    ++openDialogs_;
    ApplyEnabled();
    QDialog* dialog = createDialog();
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::finished, this, [this] {
        --openDialogs_;
        ApplyEnabled();
        activateWindow();
    });
    dialog->show();
}

void MainWindow::ShowCloneInformation() {
    if (controller_ == nullptr) {
        return;
    }
    ShowOverDisabledWindow([this] {
        return new SheetDialog(QString::fromStdString(context_.texts.FirstLine("GI_Sys_AppTitle")),
                               "GI_Sheet_CloneInfo", controller_->SheetContext(),
                               controller_->Evaluator(), SheetGridServices{context_.timers, fonts_},
                               context_.texts, this);
    });
}

void MainWindow::ShowAbout() {
    ShowOverDisabledWindow(
        [this] { return new AboutBox(context_.texts, image_list::ApplicationIcon(), this); });
}

std::optional<std::string> MainWindow::ChooseFile(const FileChooserRequest& request) {
    return ChooseFileWithDialog(this, request, context_.texts, context_.prompter);
}

std::optional<int> MainWindow::ChooseComPort(int current) {
    ComPortDialog dialog(context_.texts, context_.prompter, current, this);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Port();
}

HelpOutcome MainWindow::ShowHelpContents() { return help_->ShowContents(); }

HelpOutcome MainWindow::ShowHelpTopic(int context) { return help_->ShowTopic(context); }

std::optional<AirportChoice> MainWindow::ChooseAirports(const AirportChoice& preset) {
    AirportDialog dialog(context_.texts, context_.prompter, preset, this);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Choice();
}

void MainWindow::ShowDifferences(const std::string& otherFile,
                                 const std::vector<CellDifference>& differences) {
    delete differences_;
    differences_ = new DifferencesWindow(
        context_.texts, otherFile, differences,
        [this](const CellDifference& cell) {
            if (controller_ != nullptr) {
                controller_->OpenCell(cell.call, cell.row, cell.column);
                activateWindow();
            }
        },
        this);
    differences_->show();
}

}  // namespace orvane
