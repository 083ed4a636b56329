#pragma once
// What the main controller and its commands need from the main window. The desktop
// program's window implements it; tests use a fake that records what was asked.

#include <optional>
#include <string>

namespace orvane {

class Sheet;

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

enum class ViewFocus { kTree, kGrid };

class MainView {
public:
    virtual ~MainView() = default;

    virtual void SetTitle(const std::string& title) = 0;
    virtual void SetEnabled(bool enabled) = 0;
    virtual void SetBusyCursor(bool busy) = 0;
    virtual void SetFocus(ViewFocus focus) = 0;
    virtual bool IsVisible() const = 0;
    // The sheet panel shows `sheet`; null empties it.
    virtual void ShowSheet(Sheet* sheet) = 0;
    virtual void ShowCloneInformation() = 0;
    // Empty when the user cancelled.
    virtual std::optional<std::string> ChooseFile(const FileChooserRequest& request) = 0;
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
