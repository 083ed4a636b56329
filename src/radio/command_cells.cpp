#include "radio/command_cells.h"

#include "base/message_bus.h"
#include "radio/cell_evaluation.h"
#include "radio/controller_port.h"
#include "radio/entry_keys.h"
#include "radio/radio_messages.h"
#include "sheet/sheet_cell.h"

namespace orvane {
namespace {

constexpr std::uint8_t kStateBits = SheetCell::kItemChecked | SheetCell::kItemHidden |
                                    SheetCell::kItemDisabled | SheetCell::kItemCaptionFromText;

void SetState(SheetCell& cell, std::uint8_t bit, bool on) {
    if (on) {
        cell.state |= bit;
    }
}

// A menu caption shows "&" as the next letter's underline; a path shows it as itself.
std::string DoubleAmpersands(const std::string& path) {
    std::string text;
    for (char c : path) {
        text += c;
        if (c == '&') {
            text += '&';
        }
    }
    return text;
}

}  // namespace

void CommandCells::Evaluate(CellEvaluation& evaluation) {
    // A tree node keeps its own flags in the state byte; menu items take their states.
    if (evaluation.cell.link.cellId != cell::kCallSheet) {
        SetStates(evaluation);
    }
    if (evaluation.Key() == key::kEnter) {
        Run(evaluation);
    }
}

void CommandCells::Run(CellEvaluation& evaluation) {
    ControllerPort& controller = environment_.controller;
    const int index = evaluation.cell.link.index;
    switch (evaluation.cell.link.cellId) {
        case cell::kMenuFileNew:
            controller.NewData();
            break;
        case cell::kMenuFileOpen:
            controller.OpenWithDialog();
            break;
        case cell::kMenuFileSave:
            if (controller.IsUntitled()) {
                controller.SaveAsWithDialog();
            } else {
                controller.SaveFile(controller.CurrentFilePath());
            }
            break;
        case cell::kMenuFileSaveAs:
            controller.SaveAsWithDialog();
            break;
        case cell::kMenuFilePrintCurrent:
            controller.PrintCurrent(static_cast<PrintTarget>(index));
            break;
        case cell::kMenuFilePrintAll:
            controller.PrintAll(static_cast<PrintTarget>(index));
            break;
        case cell::kMenuFileRecent: {
            const std::string path = controller.RecentFile(index);
            if (!path.empty()) {
                controller.OpenFile(path);
            }
            break;
        }
        case cell::kMenuFileExit:
            controller.CloseMainWindow();
            break;
        case cell::kMenuFileExchange:
            controller.RunExchange(index);
            break;
        case cell::kMenuEditUndo:
            controller.Undo();
            break;
        case cell::kMenuEditRedo:
            controller.Redo();
            break;
        case cell::kMenuViewFontSize:
            controller.ChangeFontSize(index);
            break;
        case cell::kMenuViewToolBar:
            controller.ToggleToolbar();
            break;
        case cell::kMenuPortCom:
            controller.SetComPort(index);
            break;
        case cell::kMenuPortUsb:
            controller.ComPortDialog();
            break;
        case cell::kMenuComSpeed:
            controller.SetComSpeedHigh(index != 0);
            break;
        case cell::kMenuCloneRead:
            controller.CloneRead();
            break;
        case cell::kMenuCloneWrite:
            controller.CloneWrite();
            break;
        case cell::kMenuCloneInfo:
            environment_.bus.Post(message::kRunCloneInformation, 0, 0, true);
            break;
        case cell::kMenuCloneAdj:
            if (controller.AdjustmentStart()) {
                controller.GoAdjustMode();
            }
            break;
        case cell::kModel:
            controller.ChangeModel(index, true);
            break;
        case cell::kHelpAbout:
            controller.ShowAbout();
            break;
        case cell::kHelpContents:
            controller.ShowHelpContents();
            break;
        default:
            controller.OpenSheet(std::string(evaluation.cell.LinkText()));
            break;
    }
}

void CommandCells::SetStates(CellEvaluation& evaluation) {
    const ControllerPort& controller = environment_.controller;
    SheetCell& cell = evaluation.cell;
    const int index = cell.link.index;
    cell.state &= static_cast<std::uint8_t>(~kStateBits);
    switch (cell.link.cellId) {
        case cell::kMenuFilePrintCurrent:
            SetState(cell, SheetCell::kItemDisabled, !controller.CanPrintCurrent());
            break;
        case cell::kMenuFileRecent:
            RecentFileState(evaluation, index);
            break;
        case cell::kMenuEditUndo:
            HistoryStepState(evaluation, controller.UndoStepName());
            break;
        case cell::kMenuEditRedo:
            HistoryStepState(evaluation, controller.RedoStepName());
            break;
        case cell::kMenuViewFontSize:
            SetState(cell, SheetCell::kItemChecked, index == controller.FontSizePercentage());
            break;
        case cell::kMenuViewToolBar:
            SetState(cell, SheetCell::kItemChecked, controller.ToolbarVisible());
            break;
        case cell::kMenuPortCom:
            SetState(cell, SheetCell::kItemChecked, index == controller.ComPort());
            break;
        case cell::kMenuPortUsb:
            SetState(cell, SheetCell::kItemChecked, controller.ComPort() >= kFirstFreeComPort);
            break;
        case cell::kMenuComSpeed:
            SetState(cell, SheetCell::kItemChecked, (index != 0) == controller.ComSpeedHigh());
            break;
        case cell::kMenuCloneAdj:
            SetState(cell, SheetCell::kItemDisabled | SheetCell::kItemHidden,
                     !controller.AdjustmentStart());
            break;
        case cell::kModel:
            SetState(cell, SheetCell::kItemChecked, index == evaluation.options.modelType);
            break;
        default:
            break;
    }
}

void CommandCells::RecentFileState(CellEvaluation& evaluation, int slot) {
    SheetCell& cell = evaluation.cell;
    const std::string path = environment_.controller.RecentFile(slot);
    if (path.empty()) {
        SetState(cell, SheetCell::kItemDisabled, true);
        SetState(cell, SheetCell::kItemHidden, slot != 0);
        return;
    }
    SetState(cell, SheetCell::kItemCaptionFromText, true);
    evaluation.request.text = "&" + std::to_string(slot + 1) + " " + DoubleAmpersands(path);
}

void CommandCells::HistoryStepState(CellEvaluation& evaluation,
                                    const std::optional<std::string>& stepName) {
    SheetCell& cell = evaluation.cell;
    SetState(cell, SheetCell::kItemDisabled, !stepName);
    if (stepName && !stepName->empty()) {
        SetState(cell, SheetCell::kItemCaptionFromText, true);
        // The body's caption is one word; the caption an earlier state gave follows it.
        const std::string caption = cell.text.substr(0, cell.text.find(' '));
        evaluation.request.text = caption + " " + DoubleAmpersands(*stepName);
    }
}

}  // namespace orvane
