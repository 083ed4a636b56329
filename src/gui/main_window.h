#pragma once
// The main window: menu, toolbar, the tree of sheets on the left, the open sheet on the
// right and the status bar. The main controller drives it through MainView: the window
// shows what the controller decides, hands the user's commands to the data model and
// records its placement in the settings when it closes.

#include <QMainWindow>
#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>

#include "app/app_context.h"
#include "app/main_view.h"
#include "paint/qt_font.h"

class QDialog;
class QFrame;
class QSplitter;
class QStackedLayout;

namespace orvane {

class DifferencesWindow;
class HelpViewer;
class MainController;
class MainStatusBar;
class MainToolBar;
class MenuBuilder;
class MenuMirror;
class SheetGrid;
class SheetPane;
class SheetTreeView;
class ToolBarBuilder;

class MainWindow final : public QMainWindow, public MainView {
    Q_OBJECT

public:
    explicit MainWindow(AppContext& context);
    ~MainWindow() override;

    // From now on `controller` drives the window: the menu, the toolbar and the status
    // bar are built over it. Once, before the controller starts.
    void Attach(MainController& controller);

    // Shows the window for the first time, with `file` (the one the program was started
    // with) already open, so that the first paint holds its sheet. A file that cannot be
    // opened is reported as the Open command reports it, over the window, and on `errors`
    // as the command-line tool reports it.
    void ShowAtStart(const std::optional<std::string>& file, std::ostream& errors);

    // The panel on the left that holds the tree of sheets.
    QFrame* TreePanel() const { return treePanel_; }
    SheetTreeView* TreeView() const { return treeView_; }
    MainStatusBar* StatusPanels() const { return statusBar_; }
    // Null until attached.
    MainToolBar* ToolBar() const { return toolBar_.get(); }
    // The sheet the controller opened last, null when none is open.
    Sheet* ShownSheet() const { return shownSheet_; }
    // The grid of the sheet shown; null while none is.
    SheetGrid* ShownGrid() const;
    // Text measuring for the sheets: the controller lays them out with it, the grid draws
    // with it.
    const QtFontMetrics& Fonts() const { return fonts_; }
    HelpViewer& Help() const { return *help_; }

    // MainView.
    void SetTitle(const std::string& title, bool modified) override;
    void SetEnabled(bool enabled) override;
    bool IsEnabled() const override { return isEnabled(); }
    void SetBusyCursor(bool busy) override;
    void SetFocus(ViewFocus focus) override;
    ViewFocus Focus() const override;
    bool IsVisible() const override { return isVisible(); }
    void ShowTree(SheetTree* tree) override;
    void ShowSheet(Sheet* sheet) override;
    void MoveSheetCursor(int column, int row) override;
    void RefreshStatusBar() override;
    void RefreshToolbar() override;
    void RefreshCommandStates() override;
    void ShowCloneInformation() override;
    std::optional<std::string> ChooseFile(const FileChooserRequest& request) override;
    std::optional<int> ChooseComPort(int current) override;
    std::optional<AirportChoice> ChooseAirports(const AirportChoice& preset) override;
    void ShowDifferences(const std::string& otherFile,
                         const std::vector<CellDifference>& differences) override;
    // The list of the last comparison; null before one.
    DifferencesWindow* Differences() const { return differences_; }
    void ShowAbout() override;
    HelpOutcome ShowHelpContents() override;
    HelpOutcome ShowHelpTopic(int context) override;
    void Close() override { close(); }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // A clone data file dropped onto the window opens as the Open command opens it.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // The window's font: the cell font of the main form's definition.
    void ApplyFormFont();
    void BuildPanels();
    void PlaceFromSettings();
    void StorePlacement();
    // Shows `dialog` without blocking; the window stays disabled until it closes.
    void ShowOverDisabledWindow(const std::function<QDialog*()>& createDialog);
    void ApplyEnabled();

    AppContext& context_;
    QtFontMetrics fonts_;
    MainController* controller_ = nullptr;
    std::unique_ptr<MenuBuilder> menuBuilder_;
    std::unique_ptr<MenuMirror> menu_;
    std::unique_ptr<ToolBarBuilder> toolBarBuilder_;
    std::unique_ptr<MainToolBar> toolBar_;

    QSplitter* splitter_ = nullptr;
    QFrame* treePanel_ = nullptr;
    QFrame* sheetPanel_ = nullptr;
    SheetTreeView* treeView_ = nullptr;
    QStackedLayout* sheetStack_ = nullptr;
    // Takes the sheet panel while no sheet shows there.
    QWidget* sheetPlaceholder_ = nullptr;
    SheetPane* sheetView_ = nullptr;
    MainStatusBar* statusBar_ = nullptr;
    std::unique_ptr<HelpViewer> help_;
    Sheet* shownSheet_ = nullptr;
    DifferencesWindow* differences_ = nullptr;

    int busyDepth_ = 0;
    // The window is enabled only while the controller wants it so and none of its
    // modeless dialogs is open.
    bool disabledByController_ = false;
    int openDialogs_ = 0;
};

}  // namespace orvane
