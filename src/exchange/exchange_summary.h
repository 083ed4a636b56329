#pragma once
// What an import did: the channels it added and the rows it refused with the reason, or
// why the whole file was refused. The import works on a copy of the image; the caller
// takes the copy only when the user accepts the summary. The reasons are codes with the
// value they name; their texts are the main resource's, so the window and the
// command-line tool say the same.

#include <optional>
#include <string>
#include <vector>

namespace orvane {

class TextStore;

// Why a row or a frequency is refused, and the value its text names (a frequency, a bank
// number, a mode...). The kinds are in the order of the resource's refusal lines.
struct RefusalReason {
    enum Kind {
        kNoFrequency,
        kOutsideBand,  // value: the frequency in MHz
        kNoTransmitFrequency,
        kBankFull,
        kListFull,
        kAlreadyInBank,  // value: the bank
        kAlreadyInList,
        kUnknownDuplex,  // value: the duplex field
        kNotAm,          // value: the mode field
        kDuplicateOf,    // value: the channel taken for the same frequency
        kUnknownIcao,
    };
    Kind kind = kNoFrequency;
    std::string value;
};

struct Refusal {
    std::optional<int> line;  // the table's line, for a channel table
    std::string where;        // else what was refused: "EDDF HF 5.68", "KXYZ"
    RefusalReason reason;
};

// Why a file cannot be used at all, in the order of the resource's file error lines.
enum class ExchangeFileError { kNone, kNoTable, kNoFrequencyColumn, kNotAirportTable };

struct ExchangeSummary {
    std::vector<std::string> added;  // "EDDF TWR 119.900"
    std::vector<Refusal> refused;
    ExchangeFileError fileError = ExchangeFileError::kNone;
    // The added channels are named one by one in the text, not only counted.
    bool listAdded = false;

    bool AddedAny() const { return fileError == ExchangeFileError::kNone && !added.empty(); }
};

// "no frequency", "299.975 MHz is outside the band the radio receives"...
std::string ReasonText(const RefusalReason& reason, TextStore& texts);
// "line 3: mode FM: the radio receives AM only", "KXYZ: unknown ICAO code".
std::string RefusalText(const Refusal& refusal, TextStore& texts);
// "37 channels imported, 2 rows refused" and a line per refused row (and per added
// channel when they are listed); for a file that cannot be used, why.
std::string SummaryText(const ExchangeSummary& summary, TextStore& texts);

}  // namespace orvane
