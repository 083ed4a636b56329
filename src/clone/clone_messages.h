#pragma once
// The message bus kinds the clone manager posts while an operation runs, all queued.

#include <array>
#include <cstdint>

namespace orvane::message {

inline constexpr std::int32_t kCloneInformationStarting = 38;
inline constexpr std::int32_t kCloneOperationFinished = 39;  // int1: 1 success, 0 failure
inline constexpr std::int32_t kCloneProgressClosed = 40;

// Every kind above, for the check that no two layers' kinds share a number.
inline constexpr std::array kCloneKinds = {kCloneInformationStarting, kCloneOperationFinished,
                                           kCloneProgressClosed};

}  // namespace orvane::message
