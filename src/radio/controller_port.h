#pragma once
// What the data model asks of the main controller: to note that the data may have
// changed, and to run the commands of the menus, toolbar and tree, with the settings
// those show. The controller implements it; the data model never sees the controller.

#include <cstdint>
#include <optional>
#include <string>

#include "image/radio_identity.h"

namespace orvane {

struct CellRequest;
struct SheetCell;

// Where the print commands send their pages; the menu item's index chooses.
enum class PrintTarget : std::int32_t { kPrinter = 0, kPdfFile = 1 };

class ControllerPort {
public:
    virtual ~ControllerPort() = default;

    // After every cell action other than a plain read, in this order. NoteAction comes
    // once per user action, after any actions it set off: what the action changed is one
    // step of the edit history.
    virtual void ArmWarningRecheck() = 0;
    virtual void NoteAction(const CellRequest& request) = 0;

    // The edit history: the names of the steps Undo and Redo would take back or do again;
    // none when there is no such step.
    virtual std::optional<std::string> UndoStepName() const = 0;
    virtual std::optional<std::string> RedoStepName() const = 0;
    virtual void Undo() = 0;
    virtual void Redo() = 0;

    // Opens the help topic of `cell` (the popup menu's Help).
    virtual void ShowCellHelp(const SheetCell& cell) = 0;
    // F1 on `cell`: its help topic, or the help contents when it has none.
    virtual void ShowKeyHelp(const SheetCell& cell) = 0;

    // The command operations.
    virtual void NewData() = 0;
    virtual void OpenWithDialog() = 0;
    virtual void OpenFile(const std::string& path) = 0;
    virtual bool IsUntitled() const = 0;
    virtual void SaveFile(const std::string& path) = 0;
    virtual void SaveAsWithDialog() = 0;
    virtual std::string CurrentFilePath() const = 0;
    virtual void PrintCurrent(PrintTarget target) = 0;
    virtual void PrintAll(PrintTarget target) = 0;
    // A sheet is open and can be printed.
    virtual bool CanPrintCurrent() const = 0;
    virtual void CloseMainWindow() = 0;
    virtual void ComPortDialog() = 0;
    virtual void CloneRead() = 0;
    virtual void CloneWrite() = 0;
    virtual void GoAdjustMode() = 0;
    virtual void ChangeModel(int modelType, bool ask) = 0;
    virtual void ShowAbout() = 0;
    virtual void ShowHelpContents() = 0;
    // The channel exchange command `command` (export, import, airports, compare: the
    // index of its menu item).
    virtual void RunExchange(int command) = 0;
    virtual void OpenSheet(const std::string& callText) = 0;
    // Fits the current image to the model's rules again (after the channel spacing
    // changed).
    virtual void ReapplyModelRules() = 0;
    // The identity the radio reported at the last clone exchange; all zero before any.
    virtual RadioIdentity LastRadioIdentity() const = 0;

    // The settings the menus show and change.
    // The path of recent-file slot 0..3; empty when the slot is free.
    virtual std::string RecentFile(int slot) const = 0;
    virtual int FontSizePercentage() const = 0;
    // Takes the new size and reopens the open sheet with it.
    virtual void ChangeFontSize(int percentage) = 0;
    virtual bool ToolbarVisible() const = 0;
    virtual void ToggleToolbar() = 0;
    virtual int ComPort() const = 0;
    virtual void SetComPort(int port) = 0;
    virtual bool ComSpeedHigh() const = 0;
    virtual void SetComSpeedHigh(bool high) = 0;
    // The program was started with the argument that allows entering adjust mode.
    virtual bool AdjustmentStart() const = 0;
};

}  // namespace orvane
