// The port number typed into the COM port dialog.

#include "app/com_port_entry.h"

#include <gtest/gtest.h>

#include <optional>

namespace orvane {
namespace {

TEST(ComPortEntryTest, AcceptsOnlyPortsOneTo256) {
    struct Case {
        const char* text;
        std::optional<std::int32_t> port;
    };
    const Case cases[] = {
        {" 12 ", 12}, {"1", 1},    {"256", 256}, {"+7", 7},  {"12abc", 12},       {"0", {}},
        {"257", {}},  {"abc", {}}, {"", {}},     {"-3", {}}, {"99999999999", {}}, {"\t5", 5},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ComPortFromEntry(c.text), c.port) << '"' << c.text << '"';
    }
}

}  // namespace
}  // namespace orvane
