#pragma once
// The commands of the main menu, the toolbar and the tree: Enter runs the command
// through the main controller, and every evaluation sets the item's ticked, hidden,
// disabled and caption state.

#include <array>
#include <optional>
#include <string>

#include "radio/cell_binding.h"
#include "radio/cell_ids.h"
#include "radio/radio_environment.h"

namespace orvane {

class CommandCells final : public CellBinding {
public:
    static constexpr int kFirstFreeComPort = 5;  // ports from here on come from the dialog

    // clang-format off
    static constexpr std::array<CellId, 24> kCells = {
        cell::kMenuFileNew,     cell::kMenuFileOpen,         cell::kMenuFileSave,
        cell::kMenuFileSaveAs,  cell::kMenuFilePrintCurrent, cell::kMenuFilePrintAll,
        cell::kMenuFileRecent,  cell::kMenuFileExit,         cell::kMenuFileExchange,
        cell::kMenuEditUndo,    cell::kMenuEditRedo,         cell::kMenuViewFontSize,
        cell::kMenuViewToolBar, cell::kMenuPortCom,          cell::kMenuPortUsb,
        cell::kMenuComSpeed,    cell::kMenuCloneRead,        cell::kMenuCloneWrite,
        cell::kMenuCloneInfo,   cell::kMenuCloneAdj,         cell::kModel,
        cell::kHelpAbout,       cell::kHelpContents,         cell::kCallSheet};
    // clang-format on

    explicit CommandCells(const RadioEnvironment& environment) : environment_(environment) {}
    void Evaluate(CellEvaluation& evaluation) override;

private:
    void Run(CellEvaluation& evaluation);
    void SetStates(CellEvaluation& evaluation);
    void RecentFileState(CellEvaluation& evaluation, int slot);
    // "&Undo Paste": the item names the step it takes back, and is disabled without one.
    void HistoryStepState(CellEvaluation& evaluation, const std::optional<std::string>& stepName);

    RadioEnvironment environment_;
};

}  // namespace orvane
