#pragma once
// The message bus kinds the sheet engine posts and answers.

#include <array>
#include <cstdint>

namespace orvane::message {

inline constexpr std::int32_t kSheetDestroyed = 1;  // int2: the sheet's grid or panel
inline constexpr std::int32_t kStatusText = 4;  // int1 text colour, int2 background, payload text
inline constexpr std::int32_t kRefreshMenuStates = 11;  // menus ask for their item states
inline constexpr std::int32_t kClearMenuItems = 12;     // int2: cellId of the item
inline constexpr std::int32_t kRebuildMenuItems = 13;   // int1 menu, int2 cellId, payload name
inline constexpr std::int32_t kOwnerCellQuery = 14;     // int1: root item of a popup menu
inline constexpr std::int32_t kRefreshFromIndex = 20;  // queued; int2: cells with an index >= it
inline constexpr std::int32_t kTreeSelectedText = 27;   // query: the selected node's text
inline constexpr std::int32_t kTreeSelect = 28;         // payload: call text of the node
inline constexpr std::int32_t kBankSheetTitle = 41;
inline constexpr std::int32_t kCurrentBankQuery = 42;  // reply: bank, first channel
inline constexpr std::int32_t kBankSheetAppendRow = 43;
inline constexpr std::int32_t kBankSheetRemoveRow = 44;
inline constexpr std::int32_t kBankNodeCaption = 48;        // int2 bank, payload caption
inline constexpr std::int32_t kBankNodeCaptionUpdate = 49;  // the same, when a name changes
inline constexpr std::int32_t kBankNodeImages = 50;

// Every kind above, for the check that no two layers' kinds share a number.
inline constexpr std::array kSheetKinds = {kSheetDestroyed,     kStatusText,
                                           kRefreshMenuStates,  kClearMenuItems,
                                           kRebuildMenuItems,   kOwnerCellQuery,
                                           kRefreshFromIndex,   kTreeSelectedText,
                                           kTreeSelect,
                                           kBankSheetTitle,     kCurrentBankQuery,
                                           kBankSheetAppendRow, kBankSheetRemoveRow,
                                           kBankNodeCaption,    kBankNodeCaptionUpdate,
                                           kBankNodeImages};

}  // namespace orvane::message
