#include "app/main_controller.h"

#include <algorithm>
#include <filesystem>

#include "app/app_messages.h"
#include "app/documents_directory.h"
#include "app/edit_step_naming.h"
#include "app/help_context.h"
#include "app/main_view.h"
#include "app/model_handling.h"
#include "app/radio_capabilities.h"
#include "app/startup_file.h"
#include "app/window_title.h"
#include "base/ascii_case.h"
#include "clone/clone_messages.h"
#include "image/model_type.h"
#include "radio/bank_channel_requests.h"
#include "radio/radio_messages.h"
#include "radio/user_messages.h"
#include "sheet/key_codes.h"
#include "sheet/sheet_factory.h"
#include "sheet/sheet_messages.h"
#include "text/text_store.h"

namespace orvane {
namespace {

constexpr const char* kAppTitleKey = "GI_Sys_AppTitle";
constexpr const char* kModelNamesKey = "GI_AppInd_Model";
constexpr const char* kExpertPanelKey = "GI_StatusPanel_Expert";
constexpr const char* kChangeModelKey = "GI_AppMess_ChangeModel_3";
constexpr const char* kTreeKey = "GI_Tree_Main";
constexpr const char* kPrintingMissingKey = "GI_Sys_PrintingMissing";
constexpr const char* kUndoneKey = "GI_Edit_Undone";
constexpr const char* kRedoneKey = "GI_Edit_Redone";
constexpr const char* kReadStepKey = "GI_Edit_ReadStep";

bool HasExpertArgument(const std::vector<std::string>& arguments) {
    return std::any_of(arguments.begin(), arguments.end(), [](const std::string& argument) {
        return EqualIgnoringAsciiCase(argument, kExpertSwitch);
    });
}

// Only the models the menus offer can be selected; anything else starts as the HT-Lk1.
std::int32_t ValidStartModel(std::int32_t modelType) {
    const auto& selectable = model_type::kSelectable;
    return std::find(selectable.begin(), selectable.end(), modelType) != selectable.end()
               ? modelType
               : model_type::kLk1;
}

void CollectCalls(const TreeNode& node, std::vector<std::string>& calls) {
    if (!node.cell.LinkText().empty()) {
        calls.emplace_back(node.cell.LinkText());
    }
    for (const auto& child : node.children) {
        CollectCalls(*child, calls);
    }
}

}  // namespace

MainController::MainController(const ControllerServices& services,
                               const std::vector<std::string>& arguments)
    : app_(services.app),
      view_(services.view),
      fontMetrics_(services.fontMetrics),
      printer_(services.printer),
      expertMode_(HasExpertArgument(arguments)),
      radioOptions_(app_.settings),
      document_(StartDirectory(app_.settings.CurrentDirectory)),
      choices_(app_.texts, app_.cellNames),
      evaluator_(RadioEnvironment{document_.Current(), radioOptions_, app_.texts, app_.cellNames,
                                  choices_, app_.bus, app_.prompter, *this}),
      listOperations_(channelClipboard_, services.desktopClipboard, app_.texts, app_.prompter,
                      app_.bus),
      banks_(document_.Current()),
      treeFilter_(app_.texts, app_.bus, banks_),
      files_(FileCommandsContext{document_, app_.settings, app_.texts, app_.prompter, view_, *this,
                                 expertMode_}),
      cloneManager_(services.clone,
                    CloneManagerHost{app_.texts,
                                     app_.prompter,
                                     app_.bus,
                                     {app_.settings.ComPort, app_.settings.ComSpeedHigh},
                                     services.progress}),
      clone_(CloneCommandsContext{document_, app_.settings, app_.texts, app_.prompter, view_,
                                  app_.bus, *this, files_, cloneManager_, expertMode_}),
      tick_(MakeTask(app_.timers)) {
    if (expertMode_) {
        modePanelText_ = Text(kExpertPanelKey);
    }
    evaluator_.SetListOperations(&listOperations_);
    tick_->SetCallback([this](cmcTask&) { Tick(); });
    app_.bus.Subscribe(this);
}

MainController::~MainController() {
    tick_->Stop();
    DestroySheet();
    app_.bus.Unsubscribe(this);
}

std::string MainController::Text(const char* key, int line) {
    return app_.texts.GetText(key, line);
}

void MainController::Start() {
    app_.settings.Radio.modelType = ValidStartModel(app_.settings.Radio.modelType);
    document_.Template() =
        BuildTemplateImage(app_.settings.Radio, expertMode_, app_.settings.ExtraChannels);
    document_.Current().Assign(document_.Template());
    document_.MarkSaved();
    history_.Reset(CurrentState());
    view_.RefreshCommandStates();
    UpdateTitle();
    CloseSheet();
    app_.bus.Post(message::kMenusBuilt, 0, 0, true);
    BuildTree();
    tick_->Start(kTickMs);
}

void MainController::Stop() {
    tick_->Stop();
    DestroySheet();
    tree_.reset();
    view_.ShowTree(nullptr);
}

std::string MainController::Title() { return document_.Title(Text(kAppTitleKey)); }

void MainController::UpdateTitle() { view_.SetTitle(Title(), document_.Modified()); }

SheetEnvironment MainController::SheetContext() {
    return SheetEnvironment{app_.texts, app_.cellNames, fontMetrics_,
                            app_.bus,   radioOptions_,  banks_};
}

// ---- Tree -------------------------------------------------------------------------

void MainController::BuildTree() {
    view_.ShowTree(nullptr);
    tree_.reset();
    tree_ = std::make_unique<SheetTree>(SheetContext(), kTreeKey, kTreePanel, true);
    tree_->Build();
    if (!tree_->TopNodes().empty()) {
        tree_->TopNodes().front()->text = Text(kModelNamesKey, ModelType());
    }
    RunWarningCheck(nullptr, nullptr);
    CloseSheet();
    view_.ShowTree(tree_.get());
    app_.bus.Post(message::kDataOrModelChanged, 0, 0, true);
    if (!tree_->TopNodes().empty()) {
        tree_->Select(tree_->TopNodes().front().get());
    }
}

void MainController::FilterTree() {
    if (tree_) {
        treeFilter_.Apply(*tree_, ModelType(), expertMode_);
    }
}

void MainController::TreeSelectionChanged() {
    TreeNode* node = tree_ ? tree_->SelectedNode() : nullptr;
    if (node == nullptr || (sheet_ && sheet_->CallText() == node->cell.LinkText())) {
        return;
    }
    ExecuteNode(*node);
}

void MainController::TreeExpansionChanged() { RunWarningCheck(nullptr, nullptr); }

void MainController::ExecuteNode(TreeNode& node) {
    CellRequest request;
    request.cell = &node.cell;
    request.keyCode = key::kEnter;
    evaluator_.EvaluateCell(request, CellEvaluator::kOperate);
}

WarningFindings MainController::RunWarningCheck(int* errors, int* warnings) {
    WarningCheck check(app_.texts, app_.cellNames, evaluator_);
    return check.RunWarningCheck(tree_.get(), errors, warnings);
}

std::vector<std::string> MainController::TreeSheetCalls() const {
    std::vector<std::string> calls;
    if (tree_) {
        for (const auto& top : tree_->TopNodes()) {
            CollectCalls(*top, calls);
        }
    }
    return calls;
}

// ---- Sheets -----------------------------------------------------------------------

void MainController::OpenSheet(const std::string& callText) {
    CloseSheet();
    SheetOptions options;
    options.fontPercent = app_.settings.FontSizePercentage;
    sheet_ = CreateSheet(SheetContext(), callText, options);
    sheet_->SetOpening(SheetOpening{&evaluator_, std::nullopt, std::nullopt});
    if (const auto position = positions_.Find(callText)) {
        sheet_->RememberedPosition() = *position;
    }
    sheet_->Build();
    if (resetWidthsOnOpen_) {
        resetWidthsOnOpen_ = false;
        columnWidths_.Reset(*sheet_);
    } else {
        columnWidths_.Restore(*sheet_);
    }
    view_.ShowSheet(sheet_.get());
    if (view_.IsVisible() && view_.IsEnabled()) {
        view_.SetFocus(gridHadFocus_ ? ViewFocus::kGrid : ViewFocus::kTree);
    }
}

void MainController::CloseSheet() {
    if (!sheet_) {
        return;
    }
    positions_.Remember(sheet_->CallText(), sheet_->RememberedPosition());
    gridHadFocus_ = !tree_ || view_.Focus() != ViewFocus::kTree;
    DestroySheet();
}

void MainController::DestroySheet() {
    if (sheet_) {
        // The window lets go of the sheet's grid before the sheet goes.
        view_.ShowSheet(nullptr);
        columnWidths_.Save(*sheet_);
        sheet_.reset();
    }
}

std::string MainController::OpenSheetCall() const {
    return sheet_ ? sheet_->CallText() : std::string();
}

bool MainController::CanPrintCurrent() const { return sheet_ && sheet_->CanPrint(); }

void MainController::ReplaceImage(const EepromImage& image, const std::string& stepName) {
    document_.Current().Assign(image);
    ShowReplacedImage();
    RunWarningCheck(nullptr, nullptr);
    // One step for the whole import, so that one Undo takes it back.
    history_.Record(CurrentState(), EditStep{stepName, {}});
    view_.RefreshCommandStates();
    NoteModified();
}

void MainController::OpenCell(const std::string& callText, int row, int column) {
    CloseSheet();
    positions_.Remember(callText, SheetPosition{column, row, -1, -1});
    OpenSheet(callText);
}

std::optional<std::vector<CellDifference>> MainController::CompareWithFile(
    const std::string& path) {
    FinishCellEdit();
    EepromImage other;
    other.Resize(document_.Current().Size());
    if (!files_.ReadFitted(path, other)) {
        return std::nullopt;
    }
    BusyCursor busy(view_);
    const std::vector<ShownSheet> ours = ShowAllSheets(*this);
    const EepromImage kept = document_.Current();
    document_.Current().Assign(other);
    const std::vector<ShownSheet> theirs = ShowAllSheets(*this);
    document_.Current().Assign(kept);
    // The data is the same as before: the sheets are redrawn, the history stays.
    ShowReplacedImage();
    return CompareShownSheets(ours, theirs);
}

void MainController::ShowReplacedImage() {
    CloseSheet();
    app_.bus.Post(message::kDataOrModelChanged, 0, 0, true);
}

void MainController::ImageReplaced(ImageChange change) {
    ShowReplacedImage();
    switch (change) {
        case ImageChange::kNewDocument:
            history_.Reset(CurrentState());
            break;
        case ImageChange::kRead:
            history_.Reset(std::move(beforeRead_));
            history_.Record(CurrentState(), EditStep{Text(kReadStepKey), {}, true});
            break;
        case ImageChange::kRefit:
            history_.Rebase(CurrentState());
            break;
    }
    view_.RefreshCommandStates();
}

// ---- Periodic work ----------------------------------------------------------------

void MainController::Tick() {
    ShowSomeSheet();
    if (recheck_ && recheck_->Remaining() == 0) {
        recheck_.reset();
        RunWarningCheck(nullptr, nullptr);
    }
}

void MainController::ShowSomeSheet() {
    if (sheet_ || !view_.IsVisible()) {
        return;
    }
    if (tree_) {
        if (TreeNode* node = tree_->SelectedNode()) {
            ExecuteNode(*node);
        }
    } else if (const std::string call = positions_.MostRecent(); !call.empty()) {
        OpenSheet(call);
    }
}

void MainController::ArmWarningRecheck() {
    if (!recheck_) {
        recheck_.emplace(app_.clock);
    }
    recheck_->Arm(kRecheckDelayMs);
}

void MainController::NoteModified() {
    if (document_.NoteChanges()) {
        UpdateTitle();
    }
}

// ---- Edit history -----------------------------------------------------------------

void MainController::NoteAction(const CellRequest& request) {
    if (!history_.Present().SameData(CurrentState())) {
        history_.Record(CurrentState(), EditStep{StepName(request, sheet_.get()), PlaceOf(request)});
        view_.RefreshCommandStates();
    }
    NoteModified();
}

EditPlace MainController::PlaceOf(const CellRequest& request) const {
    if (!sheet_) {
        return {};
    }
    return {sheet_->CallText(),
            ActedCellPosition(request, *sheet_).value_or(sheet_->RememberedPosition())};
}

std::optional<std::string> MainController::UndoStepName() const {
    const EditStep* step = history_.NextUndo();
    return step != nullptr ? std::optional(step->name) : std::nullopt;
}

std::optional<std::string> MainController::RedoStepName() const {
    const EditStep* step = history_.NextRedo();
    return step != nullptr ? std::optional(step->name) : std::nullopt;
}

void MainController::Undo() { StepThroughHistory(true); }
void MainController::Redo() { StepThroughHistory(false); }

void MainController::StepThroughHistory(bool back) {
    // A Undo chosen from the menu while a cell is being edited takes back that edit.
    FinishCellEdit();
    const EditStep* next = back ? history_.NextUndo() : history_.NextRedo();
    if (next == nullptr) {
        return;
    }
    const EditStep step = *next;
    Restore(back ? history_.Undo() : history_.Redo(), step.place);
    // A step made where no sheet was open (a model change) shows the tree's sheet now,
    // so that opening it later does not clear the status text below.
    ShowSomeSheet();
    if (step.readFromRadio) {
        document_.SetReadUnsaved(!back);
    }
    NoteModified();
    view_.RefreshCommandStates();
    ShowStatusText(app_.bus, " " + Text(back ? kUndoneKey : kRedoneKey) + " " + step.name);
}

void MainController::Restore(const EditState& state, const EditPlace& place) {
    const std::int32_t modelBefore = ModelType();
    document_.Current().Assign(state.image);
    state.options.ApplyTo(app_.settings.Radio);
    if (sheet_ && sheet_->Conditions() == app_.settings.Radio &&
        (place.sheetCall.empty() || place.sheetCall == sheet_->CallText()) &&
        sheet_->FollowReplacedData()) {
        RedrawOpenSheet(place);
        return;
    }
    if (ModelType() != modelBefore) {
        banks_.ClampBankCursor();
        document_.Template() =
            BuildTemplateImage(app_.settings.Radio, expertMode_, app_.settings.ExtraChannels);
        BuildTree();
    } else {
        CloseSheet();
        app_.bus.Post(message::kDataOrModelChanged, 0, 0, true);
        RunWarningCheck(nullptr, nullptr);
    }
    if (place.sheetCall.empty()) {
        return;
    }
    positions_.Remember(place.sheetCall, place.position);
    OpenSheet(place.sheetCall);
    if (TreeNode* node = tree_ ? tree_->FindNodeByLinkText(place.sheetCall) : nullptr) {
        tree_->Select(node);
    }
}

// The open sheet keeps its columns and has brought its rows in line with the data: its
// values are redrawn in place, which takes a fraction of the time of building it again.
void MainController::RedrawOpenSheet(const EditPlace& place) {
    app_.bus.Post(message::kRefreshAllLinked, 0, 0, true);
    app_.bus.Post(message::kBankSheetTitle, 0, 0, true);
    treeFilter_.FollowBanks();
    RunWarningCheck(nullptr, nullptr);
    if (!place.sheetCall.empty()) {
        view_.MoveSheetCursor(place.position.column, place.position.row);
    }
}

// ---- Model ------------------------------------------------------------------------

void MainController::ChangeModel(int modelType, bool ask) {
    if (modelType == ModelType()) {
        return;
    }
    if (ask) {
        Prompt prompt;
        prompt.caption = Text(kAppTitleKey);
        prompt.text = Text(kChangeModelKey);
        prompt.icon = PromptIcon::Warning;
        prompt.buttons = PromptButtons::OkCancel;
        if (app_.prompter.Ask(prompt) != PromptAnswer::Ok) {
            return;
        }
    }
    app_.settings.Radio.modelType = modelType;
    banks_.ClampBankCursor();
    document_.Template() =
        BuildTemplateImage(app_.settings.Radio, expertMode_, app_.settings.ExtraChannels);
    BuildTree();
}

void MainController::ReapplyModelRules() {
    FitImageToModel(document_.Current(), FitKind::kFileLoad,
                    {app_.settings.Radio, document_.Template(), expertMode_,
                     app_.settings.ExtraChannels});
    MirrorHomeBlocks(document_.Current());
}

// ---- Commands ---------------------------------------------------------------------

void MainController::FinishCellEdit() { app_.bus.Post(message::kFinishCellEdit, 0, 0, true); }

void MainController::NewData() { files_.NewData(); }
void MainController::OpenWithDialog() { files_.OpenWithDialog(); }
void MainController::OpenFile(const std::string& path) { files_.OpenFile(path); }
void MainController::SaveFile(const std::string& path) { files_.SaveFile(path); }
void MainController::SaveAsWithDialog() { files_.SaveAsWithDialog(); }
void MainController::PrintCurrent(PrintTarget target) {
    if (PrinterReady()) {
        files_.PrintCurrent(*printer_, *this, target);
    }
}

void MainController::PrintAll(PrintTarget target) {
    if (PrinterReady()) {
        files_.PrintAll(*printer_, *this, target);
    }
}

bool MainController::PrinterReady() {
    if (printer_ != nullptr) {
        return true;
    }
    // A print command that silently did nothing would look like a print that went
    // astray. Status texts begin with a blank that keeps them off the panel's edge.
    const std::string text = Text(kPrintingMissingKey);
    ShowStatusText(app_.bus, " " + text);
    app_.prompter.Ask(Prompt{Text(kAppTitleKey), text, PromptIcon::Information, PromptButtons::Ok});
    return false;
}

void MainController::CloneRead() {
    beforeRead_ = CurrentState();
    clone_.CloneRead();
}
void MainController::CloneWrite() { clone_.CloneWrite(); }
void MainController::GoAdjustMode() { clone_.GoAdjustMode(); }
void MainController::CloseMainWindow() { view_.Close(); }
void MainController::ShowAbout() { view_.ShowAbout(); }
void MainController::ShowHelpContents() {
    ReportHelpOutcome(view_.ShowHelpContents(), app_.texts, app_.prompter);
}

void MainController::ShowCellHelp(const SheetCell& cell) {
    ReportHelpOutcome(view_.ShowHelpTopic(HelpContextOf(cell)), app_.texts, app_.prompter);
}

void MainController::ShowKeyHelp(const SheetCell& cell) {
    if (HelpContextOf(cell) == 0) {
        ShowHelpContents();
    } else {
        ShowCellHelp(cell);
    }
}

int MainController::HelpContextOf(const SheetCell& cell) {
    return orvane::HelpContextOf(cell.link.cellId, app_.helpTexts);
}

std::string MainController::CurrentFilePath() const {
    if (!document_.IsUntitled()) {
        return document_.FileName();
    }
    return (std::filesystem::path(document_.Directory()) / kUntitledName).string();
}

std::string MainController::RecentFile(int slot) const {
    return slot < 0 ? std::string() : app_.settings.Recent.FullPath(static_cast<std::size_t>(slot));
}

void MainController::ChangeFontSize(int percentage) {
    app_.settings.FontSizePercentage = percentage;
    // The widths kept for the old size would cut the texts of the new one: the next
    // sheet to open drops them and keeps its widths laid out at the new size.
    resetWidthsOnOpen_ = true;
    // The tick opens the sheet again at the new size, where it was.
    CloseSheet();
}

void MainController::ToggleToolbar() {
    app_.settings.ToolbarVisible = app_.settings.ToolbarVisible != 0 ? 0 : 1;
    view_.RefreshToolbar();
}

void MainController::SetComPort(int port) { app_.settings.ComPort = port; }

void MainController::SetComSpeedHigh(bool high) { app_.settings.ComSpeedHigh = high ? 1 : 0; }

void MainController::ComPortDialog() {
    if (const std::optional<int> port = view_.ChooseComPort(app_.settings.ComPort)) {
        app_.settings.ComPort = *port;
    }
}

bool MainController::QueryClose() {
    if (!view_.IsEnabled()) {
        return false;
    }
    return files_.QueryClose();
}

// ---- Messages ---------------------------------------------------------------------

void MainController::InsertChannel(int bank, int position) {
    if (InsertChannelInBank(document_.Current(), ModelType(), bank, position)) {
        app_.bus.Post(message::kBankSheetAppendRow, 0, 0, true);
        app_.bus.Post(message::kBankSheetTitle, 0, 0, true);
    }
}

void MainController::DeleteChannel(int bank, int position) {
    if (DeleteChannelInBank(document_.Current(), ModelType(), bank, position)) {
        app_.bus.Post(message::kBankSheetRemoveRow, 0, 0, true);
        app_.bus.Post(message::kBankSheetTitle, 0, 0, true);
        app_.bus.Post(message::kRefreshFromIndex, 0, position, false);
    }
}

void MainController::OnBusMessage(const BusMessage& message) {
    switch (message.kind) {
        case message::kStatusText:
            status_ = StatusMessage{static_cast<Colour>(message.int1),
                                    static_cast<Colour>(message.int2),
                                    std::string(message.PayloadText())};
            view_.RefreshStatusBar();
            break;
        case message::kChannelInsertedInBank:
            InsertChannel(static_cast<int>(message.int1), static_cast<int>(message.int2));
            break;
        case message::kChannelDeletedInBank:
            DeleteChannel(static_cast<int>(message.int1), static_cast<int>(message.int2));
            break;
        case message::kDataOrModelChanged:
            FilterTree();
            break;
        case message::kRunCloneInformation:
            clone_.CloneInformation();
            break;
        case message::kApplyRadioCapabilities:
            ApplyRadioCapabilities(clone_.Identity(), app_.settings, expertMode_);
            break;
        case message::kCloneInformationStarting:
            if (view_.IsVisible()) {
                view_.SetEnabled(false);
            }
            break;
        case message::kCloneOperationFinished:
        case message::kCloneProgressClosed:
            // The end of the information exchange that a read or write begins with is
            // only taken from the bus once that transfer runs: the window stays held
            // until the command's last operation has ended.
            if (view_.IsVisible() && !cloneManager_.IsBusy()) {
                view_.SetEnabled(true);
            }
            break;
        default:
            break;
    }
}

}  // namespace orvane
