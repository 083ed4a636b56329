#include "exchange/channel_csv.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "base/ascii_case.h"
#include "exchange/channel_appender.h"
#include "exchange/csv_table.h"
#include "radio/bank_table.h"
#include "radio/channel_store.h"
#include "radio/memory_map.h"
#include "radio/name_codec.h"

namespace orvane {
namespace {

constexpr std::string_view kBankWord = "Bank";

std::string Megahertz(Hertz hertz) {
    char text[32];
    std::snprintf(text, sizeof text, "%u.%06u", hertz / 1'000'000, hertz % 1'000'000);
    return text;
}

// The raster new frequencies are rounded to, in kilohertz.
std::string TuningStep(const RadioConfiguration& options) {
    return options.spacing833Allowed && options.channelSpacing != 0 ? "8.33" : "25.00";
}

// A navigation channel transmits on its own frequency only with the duplex mark; any
// other channel whenever its two frequencies differ.
bool TransmitsApart(const MemoryChannel& channel) {
    return kNavBand.Contains(channel.rxHz) ? channel.duplex : channel.txHz != channel.rxHz;
}

std::vector<std::string> ChannelFields(const MemoryChannel& channel, const std::string& comment,
                                       const std::string& step) {
    std::string duplex;
    std::string offset = "0.000000";
    if (channel.txInhibit) {
        duplex = "off";
    } else if (TransmitsApart(channel)) {
        duplex = "split";
        offset = Megahertz(channel.txHz);
    }
    return {std::to_string(channel.position),
            ShownName({channel.name, channel.dotMask}),
            Megahertz(channel.rxHz),
            duplex,
            offset,
            "",
            "88.5",
            "88.5",
            "023",
            "NN",
            "023",
            "Tone->Tone",
            "AM",
            step,
            channel.tag ? "" : "S",
            "",
            comment,
            "",
            "",
            "",
            ""};
}

std::string BankComment(const BankTable& banks, int bank) {
    std::string comment = std::string(kBankWord) + " " + std::to_string(bank);
    if (!banks.IsNamed(bank)) {
        return comment;
    }
    const std::string shown = banks.BankDisplayName(bank, false);
    return comment + " " + shown.substr(3, shown.find_last_not_of(' ') - 2);
}

// The bank a Comment names: "Bank N" in any case, N a single digit ending the word.
std::optional<int> CommentBank(std::string_view comment) {
    if (comment.size() < kBankWord.size() + 2 ||
        !EqualIgnoringAsciiCase(comment.substr(0, kBankWord.size()), kBankWord) ||
        comment[kBankWord.size()] != ' ') {
        return std::nullopt;
    }
    const std::string_view rest = comment.substr(kBankWord.size() + 1);
    if (rest.empty() || rest[0] < '0' || rest[0] > '9' || (rest.size() > 1 && rest[1] != ' ')) {
        return std::nullopt;
    }
    return rest[0] - '0';
}

// The columns an import reads.
struct ChannelColumns {
    explicit ChannelColumns(const CsvHeader& header)
        : name(header.Column("Name")),
          frequency(header.Column("Frequency")),
          duplex(header.Column("Duplex")),
          offset(header.Column("Offset")),
          mode(header.Column("Mode")),
          skip(header.Column("Skip")),
          comment(header.Column("Comment")) {}

    std::optional<std::size_t> name, frequency, duplex, offset, mode, skip, comment;
};

// The transmit side of a row; the reason when the row cannot be read.
std::optional<RefusalReason> ReadTransmit(const CsvRecord& row, const ChannelColumns& columns,
                                          TypedChannel& typed) {
    const std::string_view duplex = CsvHeader::Field(row, columns.duplex);
    const std::string offset(CsvHeader::Field(row, columns.offset));
    if (duplex.empty()) {
        return std::nullopt;
    }
    if (EqualIgnoringAsciiCase(duplex, "off")) {
        typed.transmit = TypedChannel::Transmit::kOff;
    } else if (EqualIgnoringAsciiCase(duplex, "split")) {
        typed.transmit = TypedChannel::Transmit::kSplit;
        typed.txFrequency = offset;
    } else if (duplex == "+" || duplex == "-") {
        // A shift from the receive frequency, in megahertz.
        const double shift = std::strtod(offset.c_str(), nullptr);
        const double rx = std::strtod(typed.frequency.c_str(), nullptr);
        char text[32];
        std::snprintf(text, sizeof text, "%.6f", duplex == "+" ? rx + shift : rx - shift);
        typed.transmit = TypedChannel::Transmit::kSplit;
        typed.txFrequency = text;
    } else {
        return RefusalReason{RefusalReason::kUnknownDuplex, std::string(duplex)};
    }
    return std::nullopt;
}

}  // namespace

std::string ExportChannelCsv(EepromImage& image, const RadioConfiguration& options) {
    std::string text = CsvLine({kChannelCsvColumns.begin(), kChannelCsvColumns.end()});
    const std::string step = TuningStep(options);
    const ChannelStore store(image, options.modelType);
    const auto addRange = [&](int first, int end, const std::string& comment) {
        for (int position = first; position < end; ++position) {
            const MemoryChannel channel = store.Load(MemoryChannel::kMemory, position);
            if (channel.used) {
                text += CsvLine(ChannelFields(channel, comment, step));
            }
        }
    };
    if (!options.BankMode()) {
        addRange(0, memory_map::kExportChannelCount, "");
        return text;
    }
    const BankTable banks(image);
    for (int bank = 0; bank < kBankCount; ++bank) {
        addRange(banks.BankFirst(bank), banks.BankFirst(bank) + banks.BankCapacity(bank),
                 BankComment(banks, bank));
    }
    return text;
}

ExchangeSummary ImportChannelCsv(EepromImage& image, const RadioConfiguration& options,
                                 std::string_view text, std::optional<int> bank) {
    ExchangeSummary summary;
    const std::vector<CsvRecord> records = ReadCsv(text);
    if (records.empty()) {
        summary.fileError = ExchangeFileError::kNoTable;
        return summary;
    }
    const CsvHeader header(records.front());
    const ChannelColumns columns(header);
    if (!columns.frequency) {
        summary.fileError = ExchangeFileError::kNoFrequencyColumn;
        return summary;
    }
    ChannelAppender appender(image, options);
    for (std::size_t i = 1; i < records.size(); ++i) {
        const CsvRecord& row = records[i];
        const auto refuse = [&](RefusalReason reason) {
            summary.refused.push_back({row.line, {}, std::move(reason)});
        };
        const std::string_view mode = CsvHeader::Field(row, columns.mode);
        if (!mode.empty() && !EqualIgnoringAsciiCase(mode, "AM")) {
            refuse({RefusalReason::kNotAm, std::string(mode)});
            continue;
        }
        TypedChannel typed;
        typed.frequency = CsvHeader::Field(row, columns.frequency);
        typed.name = CsvHeader::Field(row, columns.name);
        typed.skipped = EqualIgnoringAsciiCase(CsvHeader::Field(row, columns.skip), "S");
        if (std::optional<RefusalReason> reason = ReadTransmit(row, columns, typed)) {
            refuse(std::move(*reason));
            continue;
        }
        const int target =
            bank.value_or(CommentBank(CsvHeader::Field(row, columns.comment)).value_or(0));
        const AppendResult result = appender.Append(typed, target);
        if (!result.channel) {
            refuse(result.refusal);
            continue;
        }
        summary.added.push_back(ShownName({result.channel->name, result.channel->dotMask}) + " " +
                                FormatFrequency(result.channel->rxHz));
    }
    return summary;
}

}  // namespace orvane
