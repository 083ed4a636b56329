#pragma once
// One cell of a sheet; also the record behind every menu item, toolbar button and tree
// node. Its link names the value or command it shows; the flag bytes hold its look.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/font_description.h"
#include "sheet/cell_link.h"
#include "sheet/colour_table.h"

namespace orvane {

enum class HorizontalAlignment : std::uint8_t { Left = 0, Centre = 1, Right = 2 };
enum class VerticalAlignment : std::uint8_t { Top = 0, Middle = 1, Bottom = 2 };
enum class RightRule : std::uint8_t { None = 0, Full = 1, Lower = 2 };

struct SheetCell {
    // layout byte
    static constexpr std::uint8_t kHorizontalMask = 0x03;
    static constexpr std::uint8_t kVerticalMask = 0x0C;
    static constexpr std::uint8_t kAutoWidth = 0x10;
    static constexpr std::uint8_t kAutoHeight = 0x20;
    static constexpr std::uint8_t kCovered = 0x40;
    static constexpr std::uint8_t kBottomRule = 0x80;
    // state byte
    static constexpr std::uint8_t kRightRuleMask = 0x03;
    static constexpr std::uint8_t kSelectable = 0x04;
    static constexpr std::uint8_t kTip = 0x08;
    static constexpr std::uint8_t kUserFlagsMask = 0xF0;  // Flag0..Flag3
    // Menus and toolbars reuse the user-flag bits of the state byte for the status the
    // data model reports for an item.
    static constexpr std::uint8_t kItemChecked = 0x10;
    static constexpr std::uint8_t kItemHidden = 0x20;
    static constexpr std::uint8_t kItemDisabled = 0x40;
    static constexpr std::uint8_t kItemCaptionFromText = 0x80;

    // Clears the cell, then copies from `parentCell` (when given) everything but the
    // font and the popup menu, which are found through the parent when used.
    void Reset(const SheetCell* parentCell);

    HorizontalAlignment Horizontal() const {
        return static_cast<HorizontalAlignment>(layout & kHorizontalMask);
    }
    VerticalAlignment Vertical() const {
        return static_cast<VerticalAlignment>((layout & kVerticalMask) >> 2);
    }
    RightRule Rule() const { return static_cast<RightRule>(state & kRightRuleMask); }
    bool AutoWidth() const { return (layout & kAutoWidth) != 0; }
    bool AutoHeight() const { return (layout & kAutoHeight) != 0; }
    bool IsCovered() const { return (layout & kCovered) != 0; }
    bool HasBottomRule() const { return (layout & kBottomRule) != 0; }
    bool IsSelectable() const { return (state & kSelectable) != 0; }
    bool IsTip() const { return (state & kTip) != 0; }
    // User flag 0..7.
    bool UserFlag(int flag) const;
    void SetUserFlag(int flag, bool on);
    // A plain label is never handed to the data model.
    bool IsLabel() const { return link.cellId == CellLink::kNoCell; }
    std::string_view LinkText() const { return linkText ? std::string_view(*linkText) : ""; }

    // The popup menu body name: this cell's, else its parent's, and so on; none when the
    // chain ends without one.
    std::optional<std::string> ResolvePopupMenu() const;

    const SheetCell* parent = nullptr;
    CellLink link;
    // Absent when the link has no ":" part (choice lists tell the two apart).
    std::optional<std::string> linkText;
    std::int32_t imageIndex = -1;
    std::uint8_t layout = 0;
    std::uint8_t state = 0;
    std::uint8_t moreFlags = 0;  // bits 0..3: Flag4..Flag7
    Colour colour = colour::kWindow;
    std::optional<FontDescription> font;
    std::optional<std::string> popupMenu;
    std::string text;
};

}  // namespace orvane
