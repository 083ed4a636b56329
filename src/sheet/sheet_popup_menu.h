#pragma once
// The popup menu of a sheet view: built from the body its current cell names, rebuilt
// when that name changes, and mirrored into the main menu under the item with the
// mirror cellId. The mirrored items point back at this menu's builder, so the main menu
// is told to drop them (message 12) before a builder goes away, and told to build them
// (message 13) once a new one stands.

#include <cstdint>
#include <memory>
#include <string>

#include "sheet/menu_builder.h"

namespace orvane {

class SheetPopupMenu {
public:
    SheetPopupMenu(const MenuEnvironment& environment, std::int32_t mirrorCellId,
                   MenuBuilder::ClickHandler onClick);
    ~SheetPopupMenu();
    SheetPopupMenu(const SheetPopupMenu&) = delete;
    SheetPopupMenu& operator=(const SheetPopupMenu&) = delete;

    // Shows the menu of body `name` (empty: no menu). A menu already shown stays; when
    // `forced`, the main menu copies it again.
    void Show(const std::string& name, bool forced);
    // Null while there is no menu.
    MenuBuilder* Builder() const { return builder_.get(); }

private:
    void Drop();
    // Has the main menu build its copy of the items (message 13).
    void PostMirror();

    MenuEnvironment environment_;
    std::int32_t mirrorCellId_;
    MenuBuilder::ClickHandler onClick_;
    std::unique_ptr<MenuBuilder> builder_;
    std::string name_;
    bool shown_ = false;
};

}  // namespace orvane
