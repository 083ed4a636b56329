#pragma once
// The one application-wide object that ties the program together: the document and its
// model, the tree of sheets and the one open sheet, the warning check that marks the
// tree, the status bar's state, the periodic tick, and the file and clone commands. The
// menus, the toolbar and the tree reach it through the data model's command cells; the
// rest of the program reaches it through the message bus. What it needs from a window
// goes through MainView, so the desktop program and the command-line tool share it.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/clone_commands.h"
#include "app/document.h"
#include "app/edit_history.h"
#include "app/exchange_commands.h"
#include "app/file_commands.h"
#include "app/model_host.h"
#include "app/settings_column_width_store.h"
#include "app/settings_radio_options.h"
#include "app/sheet_comparison.h"
#include "app/sheet_position_memory.h"
#include "app/sheet_printer.h"
#include "app/tree_filter.h"
#include "base/cmc_task.h"
#include "base/deadline.h"
#include "clone/clone_environment.h"
#include "clone/clone_manager.h"
#include "radio/bank_table.h"
#include "radio/channel_clipboard.h"
#include "radio/channel_list_operations.h"
#include "radio/controller_port.h"
#include "radio/radio_cell_evaluator.h"
#include "sheet/choice_index.h"
#include "sheet/colour_table.h"
#include "sheet/sheet.h"
#include "sheet/sheet_tree.h"

namespace orvane {

class FontMetrics;
class MainView;
class TextClipboard;

// What the program around the controller provides besides the application objects.
struct ControllerServices {
    AppContext& app;
    MainView& view;
    const FontMetrics& fontMetrics;
    CloneEnvironment clone;       // the serial device and how port numbers map to devices
    CloneProgressView* progress;  // may be null: transfers then show no progress
    // Null where nothing is printed (the command-line tool, whose print verb lays the
    // sheets out itself); the print commands then say printing is missing.
    SheetPrinter* printer;
    // The desktop's clipboard, which also gets copied channels as text; null where there is
    // none (the command-line tool).
    TextClipboard* desktopClipboard = nullptr;
};

// The status bar's message panel.
struct StatusMessage {
    Colour textColour = colour::kWindowText;
    Colour background = colour::kBtnFace;
    std::string text;
};

class MainController final : public ControllerPort, public ModelHost, public SheetCatalog,
                             public BusSubscriber {
public:
    static constexpr int kTickMs = 50;
    static constexpr std::uint32_t kRecheckDelayMs = 250;
    // Identifies the tree's panel in the sheet messages.
    static constexpr std::intptr_t kTreePanel = 1;

    // `arguments` is the whole command line, the program name included: "/prolix" in
    // any case turns on expert mode.
    MainController(const ControllerServices& services, const std::vector<std::string>& arguments);
    ~MainController() override;
    MainController(const MainController&) = delete;
    MainController& operator=(const MainController&) = delete;

    // The window exists: the model is validated, a new document of it is set up, the
    // tree is built and the tick starts.
    void Start();
    // The window closes: the tick stops and the sheet and tree go.
    void Stop();

    // What the window shows.
    bool ExpertMode() const { return expertMode_; }
    const std::string& ModePanelText() const { return modePanelText_; }
    const StatusMessage& Status() const { return status_; }
    std::string Title();
    SheetTree* Tree() { return tree_.get(); }
    Sheet* OpenedSheet() { return sheet_.get(); }
    Document& CurrentDocument() { return document_; }
    FileCommands& Files() { return files_; }
    CloneCommands& Clone() { return clone_; }
    ExchangeCommands& Exchange() { return exchange_; }
    const RadioConfiguration& RadioOptions() const { return app_.settings.Radio; }
    CellEvaluator& Evaluator() { return evaluator_; }
    SheetEnvironment SheetContext();
    // The widths users keep for their sheets, which printing scales.
    const ColumnWidthMemory& ColumnWidths() const { return columnWidths_; }
    int PrinterFontSize() const { return app_.settings.PrinterFontSize; }
    int ModelType() const { return app_.settings.Radio.modelType; }
    // A clone operation runs; the window may not be disabled for it yet.
    bool TransferRunning() const { return cloneManager_.IsBusy(); }

    // The channels an import made: the current image becomes `image`, shown as after any
    // change of the whole image, and the edit history takes it as one step `stepName`.
    void ReplaceImage(const EepromImage& image, const std::string& stepName);
    // Opens the sheet `callText` with the cursor on the cell at `row` and `column`.
    void OpenCell(const std::string& callText, int row, int column);
    // The document's sheets against those of the clone data file at `path`, shown in the
    // selected model; empty when the file cannot be read (the reason was shown).
    std::optional<std::vector<CellDifference>> CompareWithFile(const std::string& path);

    // The window's events.
    // The tree's selection settled: the selected node's sheet opens.
    void TreeSelectionChanged();
    // A node was expanded or collapsed: the marks of collapsed branches follow.
    void TreeExpansionChanged();
    // The close query: false while the window is disabled or the user cancelled.
    bool QueryClose();
    // The periodic tick; the task calls it every 50 ms.
    void Tick();

    // Rebuilds the tree for the selected model.
    void BuildTree();
    void CloseSheet() override;
    // The help topic of a cell, 0 when none.
    int HelpContextOf(const SheetCell& cell);

    // ControllerPort.
    void ArmWarningRecheck() override;
    void NoteAction(const CellRequest& request) override;
    std::optional<std::string> UndoStepName() const override;
    std::optional<std::string> RedoStepName() const override;
    void Undo() override;
    void Redo() override;
    void ShowCellHelp(const SheetCell& cell) override;
    void ShowKeyHelp(const SheetCell& cell) override;
    void NewData() override;
    void OpenWithDialog() override;
    void OpenFile(const std::string& path) override;
    bool IsUntitled() const override { return document_.IsUntitled(); }
    void SaveFile(const std::string& path) override;
    void SaveAsWithDialog() override;
    std::string CurrentFilePath() const override;
    void PrintCurrent(PrintTarget target) override;
    void PrintAll(PrintTarget target) override;
    bool CanPrintCurrent() const override;
    void CloseMainWindow() override;
    void ComPortDialog() override;
    void CloneRead() override;
    void CloneWrite() override;
    void GoAdjustMode() override;
    void ChangeModel(int modelType, bool ask) override;
    void ShowAbout() override;
    void ShowHelpContents() override;
    void OpenSheet(const std::string& callText) override;
    void ReapplyModelRules() override;
    RadioIdentity LastRadioIdentity() const override { return clone_.Identity(); }
    std::string RecentFile(int slot) const override;
    int FontSizePercentage() const override { return app_.settings.FontSizePercentage; }
    void ChangeFontSize(int percentage) override;
    bool ToolbarVisible() const override { return app_.settings.ToolbarVisible != 0; }
    void ToggleToolbar() override;
    int ComPort() const override { return app_.settings.ComPort; }
    void SetComPort(int port) override;
    bool ComSpeedHigh() const override { return app_.settings.ComSpeedHigh != 0; }
    void SetComSpeedHigh(bool high) override;
    bool AdjustmentStart() const override { return app_.settings.AdjustmentStart; }
    void RunExchange(int command) override { exchange_.Run(command); }

    // ModelHost.
    void FinishCellEdit() override;
    void ChangeModel(std::int32_t modelType) override { ChangeModel(modelType, false); }
    void ImageReplaced(ImageChange change) override;
    WarningFindings RunWarningCheck(int* errors, int* warnings) override;

    // SheetCatalog.
    std::vector<std::string> TreeSheetCalls() const override;
    std::string OpenSheetCall() const override;

    void OnBusMessage(const BusMessage& message) override;

private:
    std::string Text(const char* key, int line = 0);
    void UpdateTitle();
    // Executes a tree node's cell as a click would: its sheet opens.
    void ExecuteNode(TreeNode& node);
    // With no sheet open in the shown window: the tree's selected sheet opens, else the
    // one shown last.
    void ShowSomeSheet();
    void FilterTree();
    // Destroys the open sheet, keeping the column widths its user gave it.
    void DestroySheet();
    void InsertChannel(int bank, int position);
    void DeleteChannel(int bank, int position);
    EditState CurrentState() const {
        return {document_.Current(), EditedOptions::Of(app_.settings.Radio, expertMode_)};
    }
    // Where `request` acted: the open sheet and the cell, else the sheet's cursor.
    EditPlace PlaceOf(const CellRequest& request) const;
    // Undo (`back`) or Redo: the data of the step's other side, its sheet opened with the
    // cursor where the step was made, and the status bar saying what was done.
    void StepThroughHistory(bool back);
    void Restore(const EditState& state, const EditPlace& place);
    void RedrawOpenSheet(const EditPlace& place);
    // The image changed as a whole: the sheet closes and the tree follows the data.
    void ShowReplacedImage();
    // Compares the data with the saved file's and shows the result in the title.
    void NoteModified();

    // True when there is a printer; otherwise says, in a box and in the status bar, that
    // printing is not available.
    bool PrinterReady();

    AppContext& app_;
    MainView& view_;
    const FontMetrics& fontMetrics_;
    SheetPrinter* printer_;
    bool expertMode_ = false;
    std::string modePanelText_;
    StatusMessage status_;

    SettingsRadioOptions radioOptions_;
    Document document_;
    ChoiceIndex choices_;
    RadioCellEvaluator evaluator_;
    ChannelClipboard channelClipboard_;
    ChannelListOperations listOperations_;
    BankTable banks_;
    TreeFilter treeFilter_;
    FileCommands files_;
    CloneManager cloneManager_;
    CloneCommands clone_;
    ExchangeCommands exchange_{*this, app_.settings, app_.texts, app_.prompter, view_};

    EditHistory history_;
    // The data when the running read began: the state its undo goes back to.
    EditState beforeRead_;

    std::unique_ptr<SheetTree> tree_;
    std::unique_ptr<Sheet> sheet_;
    SheetPositionMemory positions_;
    SettingsColumnWidthStore widthStore_{app_.settings};
    ColumnWidthMemory columnWidths_{app_.texts, widthStore_};
    // Set by a font size change: the next sheet that opens forgets the kept widths.
    bool resetWidthsOnOpen_ = false;
    bool gridHadFocus_ = true;
    std::optional<Deadline> recheck_;
    cmcTaskPtr tick_;
};

}  // namespace orvane
