#include "exchange/exchange_summary.h"

#include "text/text_store.h"

namespace orvane {
namespace {

constexpr const char* kSummaryKey = "GI_Exchange_Summary";
constexpr const char* kRefusalKey = "GI_Exchange_Refusal";
constexpr const char* kFileErrorKey = "GI_Exchange_FileError";

// The lines of the summary key.
constexpr int kChannelImported = 0;  // one, then several
constexpr int kRowRefused = 2;       // one, then several
constexpr int kAddedLine = 4;
constexpr int kTableLine = 5;

std::string Counted(TextStore& texts, int firstLine, std::size_t count) {
    return TextStore::WithValue(texts.GetText(kSummaryKey, firstLine + (count == 1 ? 0 : 1)),
                                std::to_string(count));
}

}  // namespace

std::string ReasonText(const RefusalReason& reason, TextStore& texts) {
    return TextStore::WithValue(texts.GetText(kRefusalKey, reason.kind), reason.value);
}

std::string RefusalText(const Refusal& refusal, TextStore& texts) {
    const std::string where = refusal.line
                                  ? TextStore::WithValue(texts.GetText(kSummaryKey, kTableLine),
                                                         std::to_string(*refusal.line))
                                  : refusal.where;
    return where + ": " + ReasonText(refusal.reason, texts);
}

std::string SummaryText(const ExchangeSummary& summary, TextStore& texts) {
    if (summary.fileError != ExchangeFileError::kNone) {
        return texts.GetText(kFileErrorKey, static_cast<int>(summary.fileError) - 1);
    }
    std::string text = Counted(texts, kChannelImported, summary.added.size()) + ", " +
                       Counted(texts, kRowRefused, summary.refused.size());
    if (summary.listAdded) {
        for (const std::string& added : summary.added) {
            text += "\n" + TextStore::WithValue(texts.GetText(kSummaryKey, kAddedLine), added);
        }
    }
    for (const Refusal& refusal : summary.refused) {
        text += "\n" + RefusalText(refusal, texts);
    }
    return text;
}

}  // namespace orvane
