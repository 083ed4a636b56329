#pragma once
// The memory channel the radio starts on when its home mode is the memory channel: in
// bank mode the home channel of the home bank, in export mode a position of the list.

#include <optional>

namespace orvane {

class EepromImage;
class BankTable;

// None in bank mode when the home bank is not a bank or holds no channels.
std::optional<int> HomeMemoryPosition(const EepromImage& image, const BankTable& banks,
                                      bool bankMode);

}  // namespace orvane
