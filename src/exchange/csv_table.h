#pragma once
// Comma-separated text as spreadsheets write it: fields in double quotes may hold commas,
// quotes (doubled) and line breaks; lines end in LF or CR LF; a byte-order mark may lead.
// Columns are found by their header name, in any order and any case.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

struct CsvRecord {
    int line = 0;  // the line of the text the record starts on, from 1
    std::vector<std::string> fields;

    bool operator==(const CsvRecord&) const = default;
};

// Every record of `text`; lines holding nothing are left out.
std::vector<CsvRecord> ReadCsv(std::string_view text);

// One record as a line ending in CR LF; a field holding a comma, a quote or a line break
// is quoted.
std::string CsvLine(const std::vector<std::string>& fields);

// The first record of a table, naming its columns.
class CsvHeader {
public:
    explicit CsvHeader(const CsvRecord& header) : names_(header.fields) {}

    // The column called `name` (case and surrounding blanks ignored).
    std::optional<std::size_t> Column(std::string_view name) const;
    // The field of `record` in `column`, blanks around it removed; empty when the record
    // is shorter or there is no such column.
    static std::string_view Field(const CsvRecord& record, std::optional<std::size_t> column);

private:
    std::vector<std::string> names_;
};

}  // namespace orvane
