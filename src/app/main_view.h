#pragma once
// What the main controller and its commands need from the main window. The desktop
// program's window implements it; tests use a fake that records what was asked.

#include <optional>
#include <string>
#include <vector>

#include "app/help_request.h"

namespace orvane {

class Sheet;
class SheetTree;
struct CellDifference;

// A file dialog's defaults: the chooser shows them and hands back the chosen path.
struct FileChooserRequest {
    enum class Purpose { kOpen, kSave };
    Purpose purpose = Purpose::kOpen;
    std::string defaultExtension;  // added when the chosen name has none
    // Pairs of description and pattern separated by '|': "Data files (*.zcf)|*.zcf".
    std::string filter;
    std::string fileName;  // preset name, without directory
    std::string initialDirectory;
    // Open: the file must exist. Save: ask before overwriting, refuse read-only files.
};

// What the airport frequency import asks for: the table, the airports and the bank.
struct AirportChoice {
    std::string table;      // path of the downloaded airport-frequencies.csv
    std::string icaoCodes;  // as typed: "EDDF EDFE"
    int bank = 0;
    bool bankMode = true;  // in: the model has banks to choose from
};

enum class ViewFocus { kTree, kGrid };

class MainView {
public:
    virtual ~MainView() = default;

    // `modified`: the document has unsaved changes, marked in the desktop's way.
    virtual void SetTitle(const std::string& title, bool modified) = 0;
    virtual void SetEnabled(bool enabled) = 0;
    virtual bool IsEnabled() const = 0;
    virtual void SetBusyCursor(bool busy) = 0;
    virtual void SetFocus(ViewFocus focus) = 0;
    // Where the keyboard focus is: the tree, or anywhere else (the sheet's grid).
    virtual ViewFocus Focus() const = 0;
    virtual bool IsVisible() const = 0;
    // The tree panel shows `tree`; null empties it. The tree is rebuilt whenever the
    // model changes, so the pointer is only good until the next call.
    virtual void ShowTree(SheetTree* tree) = 0;
    // The sheet panel shows `sheet`; null empties it.
    virtual void ShowSheet(Sheet* sheet) = 0;
    // The shown sheet's cursor goes to the cell, scrolled into view, when it can be
    // selected there.
    virtual void MoveSheetCursor(int column, int row) = 0;
    // The message panel or the mode panel of the status bar changed.
    virtual void RefreshStatusBar() = 0;
    // The toolbar's visibility setting changed.
    virtual void RefreshToolbar() = 0;
    // The menu items' enabled states and captions are to be asked for again (Undo and
    // Redo follow the edit history, and their shortcuts work only while enabled).
    virtual void RefreshCommandStates() = 0;
    // The clone information window, over the main window and modal to it.
    virtual void ShowCloneInformation() = 0;
    // Empty when the user cancelled.
    virtual std::optional<std::string> ChooseFile(const FileChooserRequest& request) = 0;
    // The COM port dialog, holding `current`; the port the user entered (already within
    // the offered range), empty when cancelled.
    virtual std::optional<int> ChooseComPort(int current) = 0;
    // The airport dialog, preset with `preset`; empty when cancelled.
    virtual std::optional<AirportChoice> ChooseAirports(const AirportChoice& preset) = 0;
    // The cells in which the document differs from the file `otherFile`; each opens in
    // the document on request (MainController::OpenCell).
    virtual void ShowDifferences(const std::string& otherFile,
                                 const std::vector<CellDifference>& differences) = 0;
    virtual void ShowAbout() = 0;
    // The help book's contents.
    virtual HelpOutcome ShowHelpContents() = 0;
    // The topic of help context `context` in the small topic window at the mouse cursor;
    // 0, or a number the help file has no topic for, shows nothing.
    virtual HelpOutcome ShowHelpTopic(int context) = 0;
    // Asks the window to close; it runs the close query first.
    virtual void Close() = 0;
};

// Keeps the busy cursor up for one scope, whichever way the scope is left.
class BusyCursor {
public:
    explicit BusyCursor(MainView& view) : view_(view) { view_.SetBusyCursor(true); }
    ~BusyCursor() { view_.SetBusyCursor(false); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    MainView& view_;
};

}  // namespace orvane
