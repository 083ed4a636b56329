#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "exchange/csv_table.h"

namespace orvane {
namespace {

struct CsvCase {
    const char* label;
    std::string text;
    std::vector<CsvRecord> records;
};

TEST(CsvTable, ReadsWhatSpreadsheetsWrite) {
    const std::vector<CsvCase> cases = {
        {"plain LF", "a,b\n1,2\n", {{1, {"a", "b"}}, {2, {"1", "2"}}}},
        {"CR LF and BOM",
         "\xEF\xBB\xBF"
         "a,b\r\n1,2\r\n",
         {{1, {"a", "b"}}, {2, {"1", "2"}}}},
        {"no line end at the end", "a\n1", {{1, {"a"}}, {2, {"1"}}}},
        {"quoted comma and quote", "\"x,y\",\"say \"\"hi\"\"\"\n", {{1, {"x,y", "say \"hi\""}}}},
        {"line break inside quotes counts its line",
         "\"one\ntwo\",3\nnext\n",
         {{1, {"one\ntwo", "3"}}, {3, {"next"}}}},
        {"empty lines are skipped, lines still counted", "a\n\n\r\nb\n", {{1, {"a"}}, {4, {"b"}}}},
        {"empty fields stay", ",,\n", {{1, {"", "", ""}}}},
    };
    for (const CsvCase& c : cases) {
        EXPECT_EQ(ReadCsv(c.text), c.records) << c.label;
    }
}

TEST(CsvTable, WritesLinesItReadsBack) {
    const std::vector<std::string> fields = {"plain", "with,comma", "with \"quote\"", "", "a\nb"};
    const std::string line = CsvLine(fields);
    EXPECT_EQ(line, "plain,\"with,comma\",\"with \"\"quote\"\"\",,\"a\nb\"\r\n");
    const std::vector<CsvRecord> back = ReadCsv(line);
    ASSERT_EQ(back.size(), 1U);
    EXPECT_EQ(back[0].fields, fields);
}

TEST(CsvTable, FindsColumnsByNameInAnyCase) {
    const std::vector<CsvRecord> records = ReadCsv(" Name ,FREQUENCY\nTWR, 119.9 \nshort\n");
    const CsvHeader header(records[0]);
    EXPECT_EQ(header.Column("frequency"), 1U);
    EXPECT_EQ(header.Column("name"), 0U);
    EXPECT_FALSE(header.Column("Mode"));
    EXPECT_EQ(CsvHeader::Field(records[1], header.Column("Frequency")), "119.9");
    EXPECT_EQ(CsvHeader::Field(records[2], header.Column("Frequency")), "");
    EXPECT_EQ(CsvHeader::Field(records[1], header.Column("Mode")), "");
}

}  // namespace
}  // namespace orvane
