#pragma once
// A main window that records what the controller and its commands asked of it and plays
// the user's answers to its dialogs from queues the test fills.

#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "app/main_view.h"
#include "app/sheet_comparison.h"

namespace orvane::testing {

class FakeMainView final : public MainView {
public:
    void SetTitle(const std::string& title, bool modified) override {
        titles.push_back(title);
        this->modified = modified;
    }
    void SetEnabled(bool enabled) override { this->enabled = enabled; }
    bool IsEnabled() const override { return enabled; }
    void SetBusyCursor(bool busy) override { busyDepth += busy ? 1 : -1; }
    void SetFocus(ViewFocus focus) override { this->focus = focus; }
    ViewFocus Focus() const override { return focus; }
    bool IsVisible() const override { return visible; }
    void ShowTree(SheetTree* tree) override { shownTree = tree; }
    void ShowSheet(Sheet* sheet) override { shownSheet = sheet; }
    void MoveSheetCursor(int, int) override {}
    void RefreshStatusBar() override { ++statusRefreshes; }
    void RefreshToolbar() override { ++toolbarRefreshes; }
    void RefreshCommandStates() override { ++commandStateRefreshes; }
    void ShowCloneInformation() override { ++cloneInformationShown; }
    std::optional<std::string> ChooseFile(const FileChooserRequest& request) override {
        EXPECT_EQ(busyDepth, 0) << "no busy cursor over a dialog";
        requests.push_back(request);
        return Next(choices, "file dialog");
    }
    std::optional<int> ChooseComPort(int current) override {
        comPortShown.push_back(current);
        return Next(comPortChoices, "COM port dialog");
    }
    std::optional<AirportChoice> ChooseAirports(const AirportChoice& preset) override {
        airportPresets.push_back(preset);
        return Next(airportChoices, "airport dialog");
    }
    void ShowDifferences(const std::string&, const std::vector<CellDifference>& found) override {
        differences = found;
    }
    void ShowAbout() override { ++aboutShown; }
    HelpOutcome ShowHelpContents() override {
        helpShown.push_back("contents");
        return helpOutcome;
    }
    HelpOutcome ShowHelpTopic(int context) override {
        helpShown.push_back("topic " + std::to_string(context));
        return helpOutcome;
    }
    void Close() override { ++closeRequests; }

    bool visible = true;
    bool modified = false;
    bool enabled = true;
    ViewFocus focus = ViewFocus::kTree;
    int busyDepth = 0;
    std::vector<std::string> titles;
    SheetTree* shownTree = nullptr;
    Sheet* shownSheet = nullptr;
    int statusRefreshes = 0;
    int toolbarRefreshes = 0;
    int commandStateRefreshes = 0;
    int cloneInformationShown = 0;
    std::deque<std::optional<std::string>> choices;
    std::vector<FileChooserRequest> requests;
    std::deque<std::optional<int>> comPortChoices;
    std::vector<int> comPortShown;
    std::deque<std::optional<AirportChoice>> airportChoices;
    std::vector<AirportChoice> airportPresets;
    std::vector<CellDifference> differences;
    int aboutShown = 0;
    std::vector<std::string> helpShown;
    HelpOutcome helpOutcome;  // what every help request answers
    int closeRequests = 0;

private:
    template <typename T>
    static std::optional<T> Next(std::deque<std::optional<T>>& queue, const char* dialog) {
        if (queue.empty()) {
            ADD_FAILURE() << "unexpected " << dialog;
            return std::nullopt;
        }
        std::optional<T> answer = queue.front();
        queue.pop_front();
        return answer;
    }
};

}  // namespace orvane::testing
