#pragma once
// Fakes of the main window and of the main controller's side of the commands: the view
// answers file dialogs from a script and records what it was asked to show; the host
// changes the model as the controller does and reports the warning-check counts a test
// sets.

#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "app/app_settings.h"
#include "app/document.h"
#include "app/main_view.h"
#include "app/model_handling.h"
#include "app/model_host.h"

namespace orvane::testing {

class FakeView final : public MainView {
public:
    void SetTitle(const std::string& title) override { titles.push_back(title); }
    void SetEnabled(bool) override {}
    void SetBusyCursor(bool busy) override { busyDepth += busy ? 1 : -1; }
    void SetFocus(ViewFocus) override {}
    bool IsVisible() const override { return visible; }
    void ShowSheet(Sheet*) override {}
    void ShowCloneInformation() override { ++cloneInformationShown; }
    std::optional<std::string> ChooseFile(const FileChooserRequest& request) override {
        EXPECT_EQ(busyDepth, 0) << "no busy cursor over a dialog";
        requests.push_back(request);
        if (choices.empty()) {
            ADD_FAILURE() << "unexpected file dialog";
            return std::nullopt;
        }
        std::optional<std::string> choice = choices.front();
        choices.pop_front();
        return choice;
    }

    bool visible = true;
    std::vector<std::string> titles;
    int busyDepth = 0;
    int cloneInformationShown = 0;
    std::deque<std::optional<std::string>> choices;
    std::vector<FileChooserRequest> requests;
};

class FakeHost final : public ModelHost {
public:
    FakeHost(Document& document, AppSettings& settings, bool expertMode = false)
        : document_(document), settings_(settings), expertMode_(expertMode) {}

    void FinishCellEdit() override { ++editsFinished; }
    void ChangeModel(std::int32_t modelType) override {
        settings_.Radio.modelType = modelType;
        document_.Template() =
            BuildTemplateImage(settings_.Radio, expertMode_, settings_.ExtraChannels);
        models.push_back(modelType);
    }
    void CloseSheet() override { ++sheetsClosed; }
    void ImageReplaced() override { ++replaced; }
    WarningFindings RunWarningCheck(int* errors, int* warnings) override {
        ++warningChecks;
        *errors += errorsFound;
        *warnings += warningsFound;
        return {};
    }

    int editsFinished = 0;
    int sheetsClosed = 0;
    int replaced = 0;
    int warningChecks = 0;
    int errorsFound = 0;
    int warningsFound = 0;
    std::vector<std::int32_t> models;

private:
    Document& document_;
    AppSettings& settings_;
    bool expertMode_;
};

}  // namespace orvane::testing
