// The shipped text resources link only to categories and cells of the data model's
// vocabulary: a name it lacks would be a fatal definition error when the sheet, menu or
// help topic is first used.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "radio/cell_names.h"
#include "text/resource_lines.h"
#include "text/text_resource.h"
#include "text/text_store.h"

namespace orvane {
namespace {

using testing::AllBodyLines;
using testing::Body;
using testing::Lines;
using testing::Link;
using testing::Links;

// The names a link may give: the program's own cell table (codes 0..171).
std::set<std::string> CellIdNames() {
    std::set<std::string> names;
    for (CellId code = 0; code < kCellCount; ++code) {
        names.insert(CellNames::CellIdName(code));
    }
    return names;
}

const std::set<std::string> kCategoryNames = {"CT_Null", "CT_PopupMenu", "CT_Conv", "CT_BankOp",
                                              "CT_Home"};

TEST(ResourceLinksTest, EveryLinkNamesAKnownCategoryAndCell) {
    const std::set<std::string> cells = CellIdNames();
    int links = 0;
    for (const auto& [key, line] : AllBodyLines()) {
        for (const Link& link : Links(line)) {
            ++links;
            EXPECT_TRUE(link.category.empty() || kCategoryNames.count(link.category) == 1)
                << key << ": category " << link.category << " in " << line;
            EXPECT_TRUE(link.cell.empty() || cells.count(link.cell) == 1)
                << key << ": cell " << link.cell << " in " << line;
        }
    }
    EXPECT_GT(links, 200);
}

TEST(ResourceLinksTest, EveryHelpTopicNamesACell) {
    TextStore store;
    ASSERT_TRUE(store.SetSource(HelpTopicResource()));
    const std::set<std::string> cells = CellIdNames();
    const Lines topics = Body(store, "GI_AppItem_Topic_ID");
    ASSERT_EQ(topics.size(), 54u);
    for (const std::string& topic : topics) {
        EXPECT_EQ(cells.count(topic.substr(0, topic.find('\t'))), 1u) << topic;
    }
}

}  // namespace
}  // namespace orvane
