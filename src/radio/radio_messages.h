#pragma once
// The message bus kinds the data model posts to the main controller.

#include <array>
#include <cstdint>

namespace orvane::message {

// Both are delivered at once, so the controller has made the change when Post returns.
inline constexpr std::int32_t kChannelInsertedInBank = 9;  // int1 bank, int2 position
inline constexpr std::int32_t kChannelDeletedInBank = 10;  // int1 bank, int2 position
inline constexpr std::int32_t kRunCloneInformation = 30;

// Every kind above, for the check that no two layers' kinds share a number.
inline constexpr std::array kRadioKinds = {kChannelInsertedInBank, kChannelDeletedInBank,
                                           kRunCloneInformation};

}  // namespace orvane::message
