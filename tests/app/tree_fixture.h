#pragma once
// The main tree of sheets over the real data model and a default image, with the tree
// filter and the warning check the main controller runs on it, and the tree written out
// one caption per line for comparing.

#include <string>
#include <vector>

#include "app/tree_filter.h"
#include "app/warning_check.h"
#include "radio/radio_fixture.h"
#include "sheet/sheet_environment.h"
#include "sheet/sheet_tree.h"
#include "sheet/tree_node.h"
#include "support/fake_font_metrics.h"

namespace orvane::testing {

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

    // One line per node, indented two blanks per level, " [x]" after an error mark and
    // " [!]" after a warning mark.
    std::vector<std::string> Outline() const {
        std::vector<std::string> lines;
        for (const auto& top : tree.TopNodes()) {
            AddOutline(*top, 0, lines);
        }
        return lines;
    }

    FakeFontMetrics metrics;
    SheetTree tree{SheetEnvironment{texts, vocabulary, metrics, bus, options, banks},
                   "GI_Tree_Main", kPanel, true};
    TreeFilter filter{texts, bus, banks};
    WarningCheck check{texts, vocabulary, evaluator};

private:
    static void AddOutline(const TreeNode& node, int depth, std::vector<std::string>& lines) {
        std::string line(static_cast<std::size_t>(depth) * 2, ' ');
        line += node.text;
        if (node.overlay == SheetTree::kErrorOverlay) {
            line += " [x]";
        } else if (node.overlay == SheetTree::kWarningOverlay) {
            line += " [!]";
        }
        lines.push_back(line);
        for (const auto& child : node.children) {
            AddOutline(*child, depth + 1, lines);
        }
    }
};

}  // namespace orvane::testing
