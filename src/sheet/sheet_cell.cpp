#include "sheet/sheet_cell.h"

namespace orvane {

void SheetCell::Reset(const SheetCell* parentCell) {
    parent = parentCell;
    font.reset();
    popupMenu.reset();
    if (parentCell == nullptr) {
        link = CellLink{};
        linkText.reset();
        imageIndex = -1;
        layout = 0;
        state = 0;
        moreFlags = 0;
        colour = colour::kWindow;
        text.clear();
        return;
    }
    link = parentCell->link;
    linkText = parentCell->linkText;
    imageIndex = parentCell->imageIndex;
    layout = parentCell->layout;
    state = parentCell->state;
    moreFlags = parentCell->moreFlags;
    colour = parentCell->colour;
    text = parentCell->text;
}

bool SheetCell::UserFlag(int flag) const {
    if (flag < 4) {
        return (state & (0x10 << flag)) != 0;
    }
    return (moreFlags & (0x01 << (flag - 4))) != 0;
}

void SheetCell::SetUserFlag(int flag, bool on) {
    std::uint8_t& byte = flag < 4 ? state : moreFlags;
    const auto bit = static_cast<std::uint8_t>(flag < 4 ? 0x10 << flag : 0x01 << (flag - 4));
    byte = static_cast<std::uint8_t>(on ? byte | bit : byte & ~bit);
}

std::optional<std::string> SheetCell::ResolvePopupMenu() const {
    for (const SheetCell* cell = this; cell != nullptr; cell = cell->parent) {
        if (cell->popupMenu && !cell->popupMenu->empty()) {
            return cell->popupMenu;
        }
    }
    return std::nullopt;
}

}  // namespace orvane
