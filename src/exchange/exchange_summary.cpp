#include "exchange/exchange_summary.h"

namespace orvane {
namespace {

std::string Counted(std::size_t count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

}  // namespace

std::string SummaryText(const ExchangeSummary& summary) {
    if (!summary.fileError.empty()) {
        return summary.fileError;
    }
    std::string text = Counted(summary.added.size(), "channel", "channels") + " imported, " +
                       Counted(summary.refused.size(), "row", "rows") + " refused";
    if (summary.listAdded) {
        for (const std::string& added : summary.added) {
            text += "\nadded: " + added;
        }
    }
    for (const Refusal& refusal : summary.refused) {
        text += "\n" + refusal.where + ": " + refusal.reason;
    }
    return text;
}

}  // namespace orvane
