#pragma once
// The main window of a verb that has none: there is nothing to title, enable or focus,
// and paths come from the command line, so the file chooser is never asked.

#include "app/main_view.h"

namespace orvane::cli {

class HeadlessView final : public MainView {
public:
    void SetTitle(const std::string&, bool) override {}
    void RefreshCommandStates() override {}
    void SetEnabled(bool) override {}
    bool IsEnabled() const override { return true; }
    void SetBusyCursor(bool) override {}
    void SetFocus(ViewFocus) override {}
    ViewFocus Focus() const override { return ViewFocus::kGrid; }
    bool IsVisible() const override { return false; }
    void ShowTree(SheetTree*) override {}
    void ShowSheet(Sheet*) override {}
    void MoveSheetCursor(int, int) override {}
    void RefreshStatusBar() override {}
    void RefreshToolbar() override {}
    void ShowCloneInformation() override {}
    // As if cancelled: a verb that needs a path has it from its arguments.
    std::optional<std::string> ChooseFile(const FileChooserRequest&) override {
        return std::nullopt;
    }
    std::optional<int> ChooseComPort(int) override { return std::nullopt; }
    std::optional<AirportChoice> ChooseAirports(const AirportChoice&) override {
        return std::nullopt;
    }
    // There is no window: nothing to show, and closing is the verb's own end.
    void ShowAbout() override {}
    HelpOutcome ShowHelpContents() override { return {HelpResult::kNoEngine, {}}; }
    HelpOutcome ShowHelpTopic(int) override { return {HelpResult::kNoEngine, {}}; }
    void ShowDifferences(const std::string&, const std::vector<CellDifference>&) override {}
    void Close() override {}
};

}  // namespace orvane::cli
