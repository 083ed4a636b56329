#pragma once
// The texts of the clone commands' message boxes as the user reads them, for tests that
// check which box a flow showed.

namespace orvane::testing {

inline constexpr const char* kDataErrorText =
    "Setting error is found.\nCheck the items that 'x' mark is displayed.";
inline constexpr const char* kModelErrorText =
    "The wrong transceiver version is connected.\nConfirm the transceiver version.";
inline constexpr const char* kDataWarningText =
    "Setting warning is found.\nWrite to transceiver. Are you sure?";
inline constexpr const char* kWriteSucceededText =
    "Cloning is succeeded.\n\nTurn the transceiver power off and on to use\nthe transceiver "
    "under its new conditions.";

}  // namespace orvane::testing
