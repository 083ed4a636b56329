#pragma once
// One item of a menu built from a body: what a host menu shows (caption with access
// key, shortcut text, image, check mark, visibility, enabling) and the cell that links
// it to a command.

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sheet/sheet_cell.h"

namespace orvane {

class MenuBuilder;

struct MenuItem {
    // The character after the first single '&' of a caption; 0 when there is none.
    static char AccessKeyOf(std::string_view caption);

    // An item evaluated by the data model: not the root, not a plain label.
    bool HasCommandCell() const { return cell && !cell->IsLabel(); }
    void SetCaption(std::string text);

    MenuItem* parent = nullptr;
    std::optional<SheetCell> cell;  // none for the root
    std::string caption;
    char accessKey = 0;
    std::string shortcut;  // as written, e.g. "Ctrl+N"; the host parses it
    bool separator = false;
    int imageIndex = -1;
    bool checked = false;
    bool visible = true;
    bool enabled = true;
    // The root of the menu whose body made this item, and the menu that handles its
    // clicks; they differ for a popup menu's items copied into the main menu.
    const MenuItem* owner = nullptr;
    MenuBuilder* clickTarget = nullptr;
    // The parent of the cells of items built here from another menu's body.
    std::unique_ptr<SheetCell> childBasicCell;
    std::vector<std::unique_ptr<MenuItem>> children;
};

}  // namespace orvane
