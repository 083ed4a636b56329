#include "exchange/airport_frequencies.h"

#include <algorithm>
#include <map>
#include <utility>

#include "exchange/channel_appender.h"
#include "exchange/csv_table.h"
#include "radio/bank_table.h"
#include "radio/memory_map.h"
#include "radio/name_codec.h"

namespace orvane {
namespace {

struct AirportFrequency {
    int line = 0;
    std::string type;
    std::string frequency;
};

std::string UpperCase(std::string_view text) {
    std::string upper(text);
    std::transform(upper.begin(), upper.end(), upper.begin(), [](char c) {
        return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    });
    return upper;
}

// The rows of the airports asked for, each airport's in the table's order.
std::map<std::string, std::vector<AirportFrequency>> RowsOf(
    const std::vector<CsvRecord>& records, const std::vector<std::string>& icaoCodes) {
    std::map<std::string, std::vector<AirportFrequency>> rows;
    for (const std::string& code : icaoCodes) {
        rows[code];
    }
    const CsvHeader header(records.front());
    const auto ident = header.Column("airport_ident");
    const auto type = header.Column("type");
    const auto frequency = header.Column("frequency_mhz");
    for (std::size_t i = 1; i < records.size(); ++i) {
        const auto found = rows.find(UpperCase(CsvHeader::Field(records[i], ident)));
        if (found != rows.end()) {
            found->second.push_back({records[i].line,
                                     std::string(CsvHeader::Field(records[i], type)),
                                     std::string(CsvHeader::Field(records[i], frequency))});
        }
    }
    return rows;
}

void NameEmptyBank(EepromImage& image, int bank, const std::string& airport) {
    BankTable banks(image);
    if (banks.IsNamed(bank)) {
        return;
    }
    std::string field = airport;
    field.resize(memory_map::kNameDisplayWidth, ' ');
    banks.StoreName(bank, PackEnteredName(field, banks.StoredName(bank)));
}

}  // namespace

std::vector<std::string> IcaoCodes(std::string_view typed) {
    std::vector<std::string> codes;
    std::string code;
    const auto take = [&codes, &code] {
        if (!code.empty() && std::find(codes.begin(), codes.end(), code) == codes.end()) {
            codes.push_back(code);
        }
        code.clear();
    };
    for (char c : typed) {
        if (c == ' ' || c == ',' || c == ';' || c == '\t' || c == '\n') {
            take();
        } else {
            code += UpperCase(std::string_view(&c, 1));
        }
    }
    take();
    return codes;
}

ExchangeSummary ImportAirportFrequencies(EepromImage& image, const RadioConfiguration& options,
                                         std::string_view table,
                                         const std::vector<std::string>& icaoCodes, int bank) {
    ExchangeSummary summary;
    summary.listAdded = true;
    const std::vector<CsvRecord> records = ReadCsv(table);
    if (records.empty() || !CsvHeader(records.front()).Column("airport_ident") ||
        !CsvHeader(records.front()).Column("frequency_mhz")) {
        summary.fileError = ExchangeFileError::kNotAirportTable;
        return summary;
    }
    const auto rows = RowsOf(records, icaoCodes);
    ChannelAppender appender(image, options);
    std::string namingAirport;
    for (const std::string& code : icaoCodes) {
        const std::vector<AirportFrequency>& frequencies = rows.at(code);
        if (frequencies.empty()) {
            summary.refused.push_back({std::nullopt, code, {RefusalReason::kUnknownIcao, {}}});
            continue;
        }
        std::map<Hertz, std::string> taken;
        for (const AirportFrequency& row : frequencies) {
            const std::string name = code + " " + UpperCase(row.type);
            const std::string where = name + " " + row.frequency;
            TypedChannel typed;
            typed.frequency = row.frequency;
            typed.name = name;
            AppendResult result = appender.Enter(typed, bank);
            if (!result.channel) {
                summary.refused.push_back({std::nullopt, where, result.refusal});
                continue;
            }
            MemoryChannel& channel = *result.channel;
            const std::string shown = ShownName({channel.name, channel.dotMask});
            const auto [earlier, fresh] = taken.emplace(channel.rxHz, shown);
            if (!fresh) {
                // The same frequency listed again for another service: one channel is enough.
                summary.refused.push_back(
                    {std::nullopt, where, {RefusalReason::kDuplicateOf, earlier->second}});
                continue;
            }
            appender.Store(channel, bank);
            summary.added.push_back(shown + " " + FormatFrequency(channel.rxHz));
            if (namingAirport.empty()) {
                namingAirport = code;
            }
        }
    }
    if (!namingAirport.empty() && options.BankMode() && BankTable::IsBank(bank)) {
        NameEmptyBank(image, bank, namingAirport);
    }
    return summary;
}

}  // namespace orvane
