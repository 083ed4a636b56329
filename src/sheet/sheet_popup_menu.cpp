#include "sheet/sheet_popup_menu.h"

#include "sheet/sheet_messages.h"

namespace orvane {

SheetPopupMenu::SheetPopupMenu(const MenuEnvironment& environment, std::int32_t mirrorCellId,
                               MenuBuilder::ClickHandler onClick)
    : environment_(environment), mirrorCellId_(mirrorCellId), onClick_(std::move(onClick)) {}

SheetPopupMenu::~SheetPopupMenu() { Drop(); }

void SheetPopupMenu::Show(const std::string& name, bool forced) {
    if (shown_ && name == name_) {
        // The same menu is kept: one of its items may be running its command right now (a
        // question box or the closing menu hands the focus back, which forces a show).
        // The main menu only takes its copy again, in case another sheet's replaced it.
        if (forced && builder_) {
            environment_.bus.Post(message::kClearMenuItems, 0, mirrorCellId_, true);
            PostMirror();
        }
        return;
    }
    Drop();
    shown_ = true;
    name_ = name;
    if (name.empty()) {
        return;
    }
    builder_ = std::make_unique<MenuBuilder>(environment_, name, onClick_);
    builder_->Build();
    PostMirror();
}

void SheetPopupMenu::PostMirror() {
    environment_.bus.PostText(message::kRebuildMenuItems,
                              reinterpret_cast<std::intptr_t>(builder_.get()), mirrorCellId_, name_,
                              true);
}

// The main menu lets go of its copies first: they point at the builder.
void SheetPopupMenu::Drop() {
    if (!shown_) {
        return;
    }
    environment_.bus.Post(message::kClearMenuItems, 0, mirrorCellId_, true);
    builder_.reset();
}

}  // namespace orvane
