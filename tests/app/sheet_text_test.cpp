// The tree and a sheet written out as text over the shipped texts and the real data
// model: the outline with its marks for each model and mode, the node a user names, and
// a bank sheet's rows as the grid draws them.

#include "app/sheet_text.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "radio/cell_ids.h"
#include "radio/memory_map.h"
#include "radio/name_codec.h"
#include "sheet/sheet.h"
#include "sheet/sheet_factory.h"
#include "tree_fixture.h"

namespace orvane {
namespace {

using SheetTextTest = testing::TreeFixture;
using testing::BankNodeLines;
using testing::Joined;

constexpr std::int32_t kLk2 = 0;
constexpr std::int32_t kLk1 = 3;
constexpr std::int32_t kExportModel = 4;
constexpr Hertz kOutOfBand = 150'000'000;

TEST_F(SheetTextTest, TheOutlineShowsEachModelsNodesWithTheirMarks) {
    struct Case {
        const char* name;
        std::int32_t model;
        bool expert;
        std::function<void()> plant;
        std::vector<std::string> outline;
    };
    const std::vector<std::string> settings = {"  Common Setting", "  Clone Comment"};
    const std::vector<Case> cases = {
        {"nothing wrong", kLk1, false, [] {},
         Joined({{"HT-Lk1", "  Memory CH", "    Bank Operation"},
                 BankNodeLines(),
                 {"  WX CH"},
                 settings})},
        {"a warning in bank 2 shows on it and on its collapsed branch", kLk1, true,
         [this] { PutChannel(banks.BankFirst(2), kOutOfBand, kOutOfBand); },
         Joined({{"HT-Lk1", "  Memory CH [!]", "    Bank Operation"},
                 BankNodeLines(2, " [!]"),
                 {"  WX CH"},
                 settings,
                 {"  EXPERT"}})},
        {"a bank after an empty one is an error of the bank operation", kLk2, false,
         [this] {
             SetCapacities({5, 0, 5, 0, 0, 0, 0, 0, 0, 0});
         },
         Joined(
             {{"HT-Lk1", "  Memory CH [x]", "    Bank Operation [x]"}, BankNodeLines(), settings})},
        {"a warning in the single list", kExportModel, false,
         [this] { PutChannel(7, kOutOfBand, kOutOfBand); },
         Joined({{"HT-Lk1", "  Memory CH [!]"}, settings})},
        {"a warning on the common setting in expert mode",
         kExportModel,
         true,
         [this] {
             options.values.totOffAllowed = false;
             image.SetByte(memory_map::kHomeTot, 0);
         },
         {"HT-Lk1", "  Memory CH", "  Common Setting [!]", "  Clone Comment", "  EXPERT"}},
    };
    for (const Case& c : cases) {
        ShowModel(c.model, c.expert);
        c.plant();
        check.RunWarningCheck(&tree);
        EXPECT_EQ(Outline(), c.outline) << c.name;
    }
}

TEST_F(SheetTextTest, FindsTheNodeAUserNames) {
    struct Case {
        std::int32_t model;
        std::string name;
        std::optional<std::string> callText;  // none: no node
    };
    const std::vector<Case> cases = {
        {kLk1, "  common SETTING \t", "[St_Common]GI_Sheet_Home,1"},
        {kLk1, "ht-lk1", "GI_Sheet_TopPage"},
        {kLk1, "Memory CH", "GI_Sheet_TreeTop"},
        {kLk1, "Bank Operation", "GI_Sheet_BankOp"},
        // Bank 3 is named TOWER: its number still finds it, and so does its caption.
        {kLk1, "Bank 3", BankCall(3)},
        {kLk1, " bank  3 ", BankCall(3)},
        {kLk1, "3: tower", BankCall(3)},
        {kLk1, "GI_Sheet_BankOp", "GI_Sheet_BankOp"},
        {kLk1, BankCall(7), BankCall(7)},
        {kLk1, "Bank 10", std::nullopt},
        {kLk1, "Bank", std::nullopt},
        {kLk1, "EXPERT", std::nullopt},
        {kLk1, "", std::nullopt},
        {kExportModel, "memory ch", "[St_S_ColCut]GI_Sheet_MemoryCH_S,0"},
        {kExportModel, "Bank 0", std::nullopt},
    };
    for (const Case& c : cases) {
        UseModel(c.model, true);
        Commit(cell::kBankName, 3, "tower", category::kBankOp);
        tree.Build();
        Filter(c.model);
        const TreeNode* node = FindNamedNode(tree, c.name);
        const std::optional<std::string> found =
            node ? std::optional<std::string>(node->cell.LinkText()) : std::nullopt;
        EXPECT_EQ(found, c.callText) << "'" << c.name << "' model " << c.model;
    }
}

class SheetRowTextsTest : public testing::TreeFixture {
protected:
    SheetRowTextsTest() {
        bankSheet.open = false;  // the bank sheet answers which bank is open itself
        options.values.nameDisplay = true;
    }

    // Bank 1 of three channels: one named, one out of band, one unused.
    std::unique_ptr<Sheet> BankOne(bool duplexEnabled) {
        UseModel(kLk1, duplexEnabled);
        SetCapacities({5, 3, 0, 0, 0, 0, 0, 0, 0, 0});
        BlankAll();
        MemoryChannel named = PutChannel(5, 118'100'000, 118'100'000);
        const PackedName name = PackName("TOWER", {"        ", 0});
        named.name = name.characters;
        named.dotMask = name.dotMask;
        channels.Store(named);
        PutChannel(6, kOutOfBand, 119'000'000);
        auto sheet = CreateSheet({texts, vocabulary, metrics, bus, options, banks}, BankCall(1));
        sheet->Build();
        return sheet;
    }
};

TEST_F(SheetRowTextsTest, ABankSheetShowsItsChannelsAndMarks) {
    // The grid's columns: an edge, the channel number, a gap, WX, RX, TX, RX/TX, TX
    // inhibit, DUP, name and tag. A radio without duplex shows RX/TX in place of RX, TX
    // and DUP, and the "Frequency" caption, whose own column is cut, in the first column
    // of its span.
    struct Case {
        bool duplexEnabled;
        std::vector<std::string> rows;
    };
    const std::vector<Case> cases = {
        {true,
         {
             "\t\t\t\t\t\t\t\t\t",
             "\t\t\t\t Frequency\t\t\t\t\t",
             "\t\t\t\t\t\t\t\t\t",
             "\tCH\t\tWX CH\tRX\tTX\tTX Inh\tDUP\tName\tTAG",
             "\t\t\t\t\t\t\t\t\t",
             "\t1- 0\t\t\t118.100\t<-\t\t\tTOWER\t",
             "\t1- 1\t\t\t150.000 [!]\t119.000\t\t\t\t",
             "\t1- 2\t\t\t\t\t\t\t\t",
             "\tNew\t\t\t\t\t\t\t\t",
         }},
        {false,
         {
             "\t\t\t\t\t\t\t",
             "\t\t\t\t Frequency\t\t\t",
             "\t\t\t\t\t\t\t",
             "\tCH\t\tWX CH\tRX/TX\tTX Inh\tName\tTAG",
             "\t\t\t\t\t\t\t",
             "\t1- 0\t\t\t118.100\t\tTOWER\t",
             "\t1- 1\t\t\t150.000 [!]\t\t\t",
             "\t1- 2\t\t\t\t\t\t",
             "\tNew\t\t\t\t\t\t",
         }},
    };
    for (const Case& c : cases) {
        auto sheet = BankOne(c.duplexEnabled);
        EXPECT_EQ(SheetRowTexts(*sheet, evaluator), c.rows) << "duplex " << c.duplexEnabled;
    }
}

TEST_F(SheetRowTextsTest, ACoveredCellShowsNothingOfItsOwn) {
    auto sheet = BankOne(true);
    const std::vector<std::string> before = SheetRowTexts(*sheet, evaluator);
    // The TX column under the "Frequency" caption, given a text and the marked RX cell's
    // link.
    SheetCell& covered = sheet->CellAt(5, 1);
    ASSERT_TRUE(covered.IsCovered());
    covered.text = "hidden";
    covered.link = sheet->CellAt(4, 6).link;
    EXPECT_EQ(SheetRowTexts(*sheet, evaluator), before);
}

}  // namespace
}  // namespace orvane
