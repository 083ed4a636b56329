#pragma once
// One node of the tree of sheets: its caption, images and warning overlay, and the cell
// whose link text is the call text of the sheet it opens.

#include <memory>
#include <vector>

#include "sheet/sheet_cell.h"

namespace orvane {

struct TreeNode {
    static constexpr int kNoOverlay = -1;

    TreeNode* parent = nullptr;
    SheetCell cell;
    std::string text;
    int imageIndex = -1;
    int selectedImageIndex = -1;
    int overlay = kNoOverlay;
    bool expanded = false;
    std::vector<std::unique_ptr<TreeNode>> children;
};

}  // namespace orvane
