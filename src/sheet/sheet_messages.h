#pragma once
// The message bus kinds the sheet engine posts and answers.

#include <array>
#include <cstdint>

namespace orvane::message {

// int2: the address of the sheet whose view is going away (choice lists opened from it
// close), or the panel of a tree.
inline constexpr std::int32_t kSheetDestroyed = 1;
inline constexpr std::int32_t kStatusText = 4;  // int1 text colour, int2 background, payload text
inline constexpr std::int32_t kRefreshMenuStates = 11;  // menus ask for their item states
inline constexpr std::int32_t kClearMenuItems = 12;     // int2: cellId of the item
inline constexpr std::int32_t kRebuildMenuItems = 13;   // int1 menu, int2 cellId, payload name
// Query for the cell a popup menu's commands act on. int1 is the address of the root
// item of the asking popup menu, 0 for the main menu and the toolbar (no sheet answers
// those). The sheet whose popup menu has that root replies with int1 = the address of
// its current SheetCell. The address is good only until the query returns: the asker
// copies the cell at once.
inline constexpr std::int32_t kOwnerCellQuery = 14;
// Refreshes of the cells on screen that match a reference (see refresh_mask.h); all
// queued. int2 carries the one field of the reference the kind names.
inline constexpr std::int32_t kRefreshAllLinked = 15;  // every linked cell
inline constexpr std::int32_t kRefreshCategory = 16;   // int2: cells of that category
inline constexpr std::int32_t kRefreshCellId = 17;     // int2: cells with that cellId
inline constexpr std::int32_t kRefreshIndex = 18;      // int2: cells with that index
inline constexpr std::int32_t kRefreshUpToIndex = 19;  // int2: cells with an index <= it
inline constexpr std::int32_t kRefreshFromIndex = 20;  // int2: cells with an index >= it
// Sheets commit the in-place editor; choice lists close. Posted at once before every
// file, print and clone command.
inline constexpr std::int32_t kFinishCellEdit = 23;
inline constexpr std::int32_t kTreeSelectedText = 27;  // query: the selected node's text
inline constexpr std::int32_t kTreeSelect = 28;        // payload: call text of the node
inline constexpr std::int32_t kBankSheetTitle = 41;
inline constexpr std::int32_t kCurrentBankQuery = 42;  // reply: bank, first channel
inline constexpr std::int32_t kBankSheetAppendRow = 43;
inline constexpr std::int32_t kBankSheetRemoveRow = 44;
inline constexpr std::int32_t kBankNodeCaption = 48;        // int2 bank, payload caption
inline constexpr std::int32_t kBankNodeCaptionUpdate = 49;  // the same, when a name changes
inline constexpr std::int32_t kBankNodeImages = 50;

// Every kind above, for the check that no two layers' kinds share a number.
inline constexpr std::array kSheetKinds = {
    kSheetDestroyed,        kStatusText,         kRefreshMenuStates,  kClearMenuItems,
    kRebuildMenuItems,      kOwnerCellQuery,     kRefreshAllLinked,   kRefreshCategory,
    kRefreshCellId,         kRefreshIndex,       kRefreshUpToIndex,   kRefreshFromIndex,
    kFinishCellEdit,        kTreeSelectedText,   kTreeSelect,         kBankSheetTitle,
    kCurrentBankQuery,      kBankSheetAppendRow, kBankSheetRemoveRow, kBankNodeCaption,
    kBankNodeCaptionUpdate, kBankNodeImages};

}  // namespace orvane::message
