#pragma once
// The main tree of sheets over the real data model and a default image, with the tree
// filter and the warning check the main controller runs on it, and the tree written out
// one caption per line for comparing.

#include <string>
#include <vector>

#include "app/sheet_text.h"
#include "app/tree_filter.h"
#include "app/warning_check.h"
#include "radio/radio_fixture.h"
#include "sheet/sheet_environment.h"
#include "sheet/sheet_tree.h"
#include "sheet/tree_node.h"
#include "support/fake_font_metrics.h"

namespace orvane::testing {

// The lines of `parts` one after the other.
inline std::vector<std::string> Joined(const std::vector<std::vector<std::string>>& parts) {
    std::vector<std::string> lines;
    for (const auto& part : parts) {
        lines.insert(lines.end(), part.begin(), part.end());
    }
    return lines;
}

// The outline of the ten bank nodes of a default image, every bank unnamed, with `mark`
// after bank `markedBank`.
inline std::vector<std::string> BankNodeLines(int markedBank = -1, const std::string& mark = "") {
    std::vector<std::string> lines;
    for (int bank = 0; bank < 10; ++bank) {
        lines.push_back("    " + std::to_string(bank) + ": --------        " +
                        (bank == markedBank ? mark : ""));
    }
    return lines;
}

class TreeFixture : public RadioFixture {
protected:
    static constexpr std::intptr_t kPanel = 5;

    // The tree as a new document of `modelType` shows it, its bank messages delivered.
    void ShowModel(int modelType, bool expertMode = false) {
        UseModel(modelType, true);
        tree.Build();
        Filter(modelType, expertMode);
    }
    void Filter(int modelType, bool expertMode = false) {
        filter.Apply(tree, modelType, expertMode);
        bus.Pump();
    }
    TreeNode& Node(std::string_view callText) {
        TreeNode* node = tree.FindNodeByLinkText(callText);
        EXPECT_NE(node, nullptr) << callText;
        return *node;
    }
    static std::string BankCall(int bank) {
        return "[St_ColCut]GI_Sheet_MemoryCH,Bank " + std::to_string(bank);
    }

    std::vector<std::string> Outline() const { return TreeOutline(tree); }

    FakeFontMetrics metrics;
    SheetTree tree{SheetEnvironment{texts, vocabulary, metrics, bus, options, banks},
                   "GI_Tree_Main", kPanel, true};
    TreeFilter filter{texts, bus, banks};
    WarningCheck check{texts, vocabulary, evaluator};
};

}  // namespace orvane::testing
