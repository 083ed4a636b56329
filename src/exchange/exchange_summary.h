#pragma once
// What an import did: the channels it added and the rows it refused with the reason, or
// why the whole file was refused. The import works on a copy of the image; the caller
// takes the copy only when the user accepts the summary.

#include <string>
#include <vector>

namespace orvane {

struct Refusal {
    std::string where;  // "line 5", or the airport frequency refused
    std::string reason;
};

struct ExchangeSummary {
    std::vector<std::string> added;  // "EDDF TWR 119.900"
    std::vector<Refusal> refused;
    std::string fileError;  // the file as a whole cannot be used
    // The added channels are named one by one in the text, not only counted.
    bool listAdded = false;

    bool AddedAny() const { return fileError.empty() && !added.empty(); }
};

// "37 channels imported, 2 rows refused" and a line per refused row (and per added
// channel when they are listed).
std::string SummaryText(const ExchangeSummary& summary);

}  // namespace orvane
