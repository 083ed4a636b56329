#include "exchange/csv_table.h"

#include "base/ascii_case.h"

namespace orvane {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool IsEmpty(const CsvRecord& record) {
    return record.fields.size() == 1 && Trimmed(record.fields.front()).empty();
}

}  // namespace

std::vector<CsvRecord> ReadCsv(std::string_view text) {
    if (text.starts_with(kByteOrderMark)) {
        text.remove_prefix(kByteOrderMark.size());
    }
    std::vector<CsvRecord> records;
    CsvRecord record{1, {std::string()}};
    int line = 1;
    bool quoted = false;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char c = text[at];
        if (quoted) {
            if (c == '"' && at + 1 < text.size() && text[at + 1] == '"') {
                record.fields.back() += '"';
                ++at;
            } else if (c == '"') {
                quoted = false;
            } else {
                line += c == '\n' ? 1 : 0;
                record.fields.back() += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            record.fields.emplace_back();
        } else if (c == '\n' || c == '\r') {
            if (c == '\r' && at + 1 < text.size() && text[at + 1] == '\n') {
                ++at;
            }
            if (!IsEmpty(record)) {
                records.push_back(std::move(record));
            }
            ++line;
            record = CsvRecord{line, {std::string()}};
        } else {
            record.fields.back() += c;
        }
    }
    if (!IsEmpty(record)) {
        records.push_back(std::move(record));
    }
    return records;
}

std::string CsvLine(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            line += ',';
        }
        const std::string& field = fields[i];
        if (field.find_first_of(",\"\r\n") == std::string::npos) {
            line += field;
            continue;
        }
        line += '"';
        for (char c : field) {
            line += c == '"' ? "\"\"" : std::string(1, c);
        }
        line += '"';
    }
    return line + "\r\n";
}

std::optional<std::size_t> CsvHeader::Column(std::string_view name) const {
    for (std::size_t column = 0; column < names_.size(); ++column) {
        if (EqualIgnoringAsciiCase(Trimmed(names_[column]), name)) {
            return column;
        }
    }
    return std::nullopt;
}

std::string_view CsvHeader::Field(const CsvRecord& record, std::optional<std::size_t> column) {
    if (!column || *column >= record.fields.size()) {
        return {};
    }
    return Trimmed(record.fields[*column]);
}

}  // namespace orvane
