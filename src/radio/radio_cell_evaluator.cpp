#include "radio/radio_cell_evaluator.h"

#include "base/message_bus.h"
#include "radio/bank_cells.h"
#include "radio/category_rules.h"
#include "radio/cell_evaluation.h"
#include "radio/channel_field_cells.h"
#include "radio/channel_frequency_cells.h"
#include "radio/check_cells.h"
#include "radio/choice_row_cells.h"
#include "radio/clone_info_cells.h"
#include "radio/command_cells.h"
#include "radio/conditional_setting_cells.h"
#include "radio/controller_port.h"
#include "radio/entry_keys.h"
#include "radio/home_position_cells.h"
#include "radio/list_operations.h"
#include "radio/notify_flags.h"
#include "radio/option_flag_cells.h"
#include "radio/popup_item_cells.h"
#include "radio/radio_options.h"
#include "radio/row_number_cells.h"
#include "radio/separator_cells.h"
#include "radio/setting_byte_cells.h"
#include "radio/setting_text_cells.h"
#include "radio/user_messages.h"
#include "radio/wx_tag_cells.h"
#include "sheet/sheet_cell.h"
#include "sheet/sheet_messages.h"
#include "text/text_store.h"

namespace orvane {
namespace {

// Counts an operation under way for as long as it runs.
class OperationDepth {
public:
    OperationDepth(int& depth, bool counted) : depth_(depth), counted_(counted) {
        depth_ += counted_ ? 1 : 0;
    }
    ~OperationDepth() { depth_ -= counted_ ? 1 : 0; }
    OperationDepth(const OperationDepth&) = delete;
    OperationDepth& operator=(const OperationDepth&) = delete;

private:
    int& depth_;
    bool counted_;
};

}  // namespace

RadioCellEvaluator::RadioCellEvaluator(const RadioEnvironment& environment)
    : environment_(environment),
      lists_(environment.texts, environment.vocabulary, environment.choices) {
    Adopt<RowNumberCells>(environment_.texts);
    Adopt<SeparatorCells>();
    Adopt<ChoiceRowCells>();
    Adopt<ChannelFrequencyCells>(environment_);
    Adopt<ChannelFieldCells>();
    Adopt<WxTagCells>();
    Adopt<BankCells>(environment_);
    Adopt<CheckCells>();
    Adopt<CommandCells>(environment_);
    Adopt<PopupItemCells>(listOperations_);
    Adopt<HomePositionCells>();
    Adopt<SettingByteCells>();
    Adopt<OptionFlagCells>(environment_);
    Adopt<ConditionalSettingCells>();
    Adopt<SettingTextCells>();
    Adopt<CloneInfoCells>(environment_);
}

RadioCellEvaluator::~RadioCellEvaluator() = default;

void RadioCellEvaluator::Bind(CellId cellId, CellBinding& binding) {
    if (cellId >= 0 && cellId < kCellCount) {
        bindings_[static_cast<std::size_t>(cellId)] = &binding;
    }
}

CellOpening RadioCellEvaluator::EvaluateCell(CellRequest& request, Mode mode) {
    if (request.cell == nullptr) {
        return CellOpening::kNothingToOpen;
    }
    if (mode == kOperate && request.fromGrid && request.keyCode == key::kHelp) {
        // F1 asks about the cell and changes nothing.
        environment_.controller.ShowKeyHelp(*request.cell);
        return CellOpening::kNothingToOpen;
    }
    const bool acted =
        request.keyCode != 0 || request.textOrigin != TextOrigin::kNone || request.commandId != 0;
    if (request.keyCode != 0) {
        ShowStatusText(environment_.bus, "");
    }
    // Committed or chosen text is an input; otherwise the text is only an answer.
    if (request.textOrigin == TextOrigin::kNone) {
        request.text.clear();
    }
    request.flags &= ~(CellRequest::kWarning | CellRequest::kError);
    request.moveRequested = false;
    request.moveTo = request.cell->link;
    request.repeatKey = 0;
    request.textColour.reset();
    request.fillTenths = 0;
    if (request.keyCode == key::kDoubleClick) {
        request.keyCode = key::kEnter;
    }

    // An action may set off others (a model change opens the tree's first sheet); the
    // outermost one is what the user did.
    const OperationDepth depth(operationDepth_, mode == kOperate);
    CellEvaluation evaluation(request, environment_.image, environment_.options.Current(), lists_);
    if (request.cell->link.category == category::kPopupMenu) {
        evaluation.owner = request.parentRequest != nullptr ? request.parentRequest->cell : nullptr;
    }
    if (evaluation.BankMode()) {
        evaluation.bank = QueryCurrentBank(environment_.bus, evaluation.banks);
    }
    if (evaluation.owner != nullptr) {
        const ListKind kind = ListKindOf(*evaluation.owner);
        if (kind != ListKind::None) {
            evaluation.channel =
                evaluation.channels.Load(static_cast<int>(kind), evaluation.owner->link.index);
        }
    }

    evaluation.notify = notify::kCell;
    if (!RunPopupCommand(evaluation) && !ApplyCategoryRules(evaluation)) {
        Dispatch(evaluation);
    }

    if (evaluation.channel.kind != MemoryChannel::kNone) {
        evaluation.notify |= notify::kSameIndex;
    }
    if (mode == kOperate && request.refresh) {
        request.refresh(request, evaluation.notify);
    }
    if (acted) {
        environment_.controller.ArmWarningRecheck();
        if (operationDepth_ == 1) {
            environment_.controller.NoteAction(request);
        }
    }
    if (evaluation.editRestricted) {
        ShowStatusText(environment_.bus, environment_.texts.FirstLine("GI_Botttom_EditRestrected"));
    }
    return evaluation.open;
}

bool RadioCellEvaluator::RunPopupCommand(CellEvaluation& evaluation) {
    CellRequest& request = evaluation.request;
    switch (request.commandId) {
        case cell::kPMenuEdit:
            request.keyCode = key::kEnter;
            request.commandId = 0;
            return false;
        case cell::kPMenuHelp:
            environment_.controller.ShowCellHelp(evaluation.cell);
            return true;
        case cell::kPMenuCopy:
        case cell::kPMenuPaste:
        case cell::kPMenuCarryUp:
        case cell::kPMenuCarryDown:
        case cell::kPMenuClear:
        case cell::kPMenuDelete:
        case cell::kPMenuInsert:
            break;
        default:
            return false;
    }
    if (listOperations_ == nullptr || evaluation.owner == nullptr) {
        return true;
    }
    listOperations_->Run(evaluation, ListRangeOf(evaluation));
    evaluation.banks.ClampBankCursor();
    environment_.bus.Post(message::kBankNodeImages, 0, 0, false);
    return true;
}

bool RadioCellEvaluator::ApplyCategoryRules(CellEvaluation& evaluation) {
    switch (evaluation.cell.link.category) {
        case category::kConv:
            return ApplyChannelRowRules(evaluation);
        case category::kHome:
            return ApplyHomeRules(evaluation);
        default:
            return false;
    }
}

void RadioCellEvaluator::Dispatch(CellEvaluation& evaluation) {
    const CellId id = evaluation.cell.link.cellId;
    if (id == cell::kNull || id == CellLink::kNoCell) {
        return;
    }
    CellBinding* binding =
        id >= 0 && id < kCellCount ? bindings_[static_cast<std::size_t>(id)] : nullptr;
    if (binding == nullptr) {
        evaluation.request.text = std::to_string(id) + " *Yet*";
        return;
    }
    binding->Evaluate(evaluation);
}

std::string RadioCellEvaluator::CellText(SheetCell& cell) {
    CellRequest request;
    request.cell = &cell;
    EvaluateCell(request, kDraw);
    return request.text;
}

CellOpening RadioCellEvaluator::RunCell(SheetCell& cell, std::int32_t keyCode) {
    CellRequest request;
    request.cell = &cell;
    request.keyCode = keyCode;
    return EvaluateCell(request, kOperate);
}

}  // namespace orvane
