#pragma once
// Memory channels as the comma-separated table other radio programming tools exchange:
// one row per used channel, in bank order, under a fixed header.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "exchange/exchange_summary.h"
#include "sheet/radio_configuration.h"

namespace orvane {

class EepromImage;

inline constexpr std::array<std::string_view, 21> kChannelCsvColumns = {
    "Location",  "Name",     "Frequency",    "Duplex",     "Offset",    "Tone",     "rToneFreq",
    "cToneFreq", "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode",     "TStep",
    "Skip",      "Power",    "Comment",      "URCALL",     "RPT1CALL",  "RPT2CALL", "DVCODE"};

// The header line and a line per used channel, each ending in CR LF; `image` is only read.
std::string ExportChannelCsv(EepromImage& image, const RadioConfiguration& options);

// Appends each row of `text` to `image` through the entry rules: to `bank` when given,
// else to the bank its Comment names ("Bank 3 ..."), else to bank 0. Columns are found
// by name; a row is refused with its line and reason, the others are added.
ExchangeSummary ImportChannelCsv(EepromImage& image, const RadioConfiguration& options,
                                 std::string_view text, std::optional<int> bank);

}  // namespace orvane
