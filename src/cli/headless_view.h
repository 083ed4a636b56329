#pragma once
// The main window of a verb that has none: there is nothing to title, enable or focus,
// and paths come from the command line, so the file chooser is never asked.

#include "app/main_view.h"

namespace orvane::cli {

class HeadlessView final : public MainView {
public:
    void SetTitle(const std::string&) override {}
    void SetEnabled(bool) override {}
    void SetBusyCursor(bool) override {}
    void SetFocus(ViewFocus) override {}
    bool IsVisible() const override { return false; }
    void ShowSheet(Sheet*) override {}
    void ShowCloneInformation() override {}
    // As if cancelled: a verb that needs a path has it from its arguments.
    std::optional<std::string> ChooseFile(const FileChooserRequest&) override {
        return std::nullopt;
    }
};

}  // namespace orvane::cli
