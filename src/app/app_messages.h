#pragma once
// The message bus kinds the main controller and its commands post and handle.

#include <array>
#include <cstdint>

namespace orvane::message {

inline constexpr std::int32_t kMenusBuilt = 2;           // refresh the toolbar's states
inline constexpr std::int32_t kDataOrModelChanged = 29;  // the tree is filtered anew
inline constexpr std::int32_t kApplyRadioCapabilities = 32;
inline constexpr std::int32_t kCloneInformationHidden = 35;  // arrived while the window is hidden

// Every kind above, for the check that no two layers' kinds share a number.
inline constexpr std::array kAppKinds = {kMenusBuilt, kDataOrModelChanged, kApplyRadioCapabilities,
                                         kCloneInformationHidden};

}  // namespace orvane::message
