#pragma once
// Channels for the airports of a route, from the public table of airport frequencies
// (columns id, airport_ref, airport_ident, type, description, frequency_mhz): each
// frequency of the airports asked for becomes a channel named from the ident and the
// type ("EDDF TWR"), in the order the airports were given.

#include <string>
#include <string_view>
#include <vector>

#include "exchange/exchange_summary.h"
#include "sheet/radio_configuration.h"

namespace orvane {

class EepromImage;

// The codes of a list typed as "EDDF EDFE" or "EDDF,edfe": upper case, each once.
std::vector<std::string> IcaoCodes(std::string_view typed);

// Appends the frequencies of `icaoCodes` found in `table` to `bank` (ignored by the
// export model). A frequency an airport already got in this import is dropped as a
// duplicate; a code the table lacks is refused. An unnamed bank takes the name of the
// first airport that added a channel.
ExchangeSummary ImportAirportFrequencies(EepromImage& image, const RadioConfiguration& options,
                                         std::string_view table,
                                         const std::vector<std::string>& icaoCodes, int bank);

}  // namespace orvane
