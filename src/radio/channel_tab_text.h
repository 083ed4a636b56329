#pragma once
// Copied channels as tab-separated text for other programs (spreadsheets): one line per
// channel with its number, RX and TX in MHz, name, duplex, TX inhibit, WX channel and
// scan tag.

#include <string>
#include <vector>

#include "radio/memory_channel.h"

namespace orvane {

// `bank` 0..9 numbers the channels "bank-row" from the bank's first position
// `bankFirst`; any other bank numbers them by position. Blank channels keep their row
// with empty fields, so that the rows line up with the list.
std::string ChannelsAsTabText(const std::vector<MemoryChannel>& channels, int bank, int bankFirst);

}  // namespace orvane
