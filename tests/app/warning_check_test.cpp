// The warning check over the real data model: which sheets an error or a warning in the
// data names, the counters, and the marks it leaves on the tree.

#include "app/warning_check.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "radio/memory_map.h"
#include "tree_fixture.h"

namespace orvane {
namespace {

using WarningCheckTest = testing::TreeFixture;

constexpr std::int32_t kLk1 = 3;
constexpr std::int32_t kExportModel = 4;
constexpr Hertz kOutOfBand = 150'000'000;
constexpr const char* kBankOp = "GI_Sheet_BankOp";
constexpr const char* kSingleList = "[St_S_ColCut]GI_Sheet_MemoryCH_S,0";
constexpr const char* kHome = "[St_Common]GI_Sheet_Home,1";
constexpr const char* kBranch = "GI_Sheet_TreeTop";
constexpr const char* kTop = "GI_Sheet_TopPage";
// Bank 3 empty between banks that hold channels; bank 2 starts at the same place in both.
constexpr std::array<int, 10> kGap = {20, 20, 20, 0, 20, 20, 20, 20, 20, 20};
constexpr std::array<int, 10> kNoGap = {20, 20, 20, 20, 20, 20, 20, 20, 20, 20};
constexpr int kNone = TreeNode::kNoOverlay;
constexpr int kError = SheetTree::kErrorOverlay;
constexpr int kWarning = SheetTree::kWarningOverlay;

TEST_F(WarningCheckTest, FindingsNameTheSheetsOfWhatIsWrong) {
    struct Case {
        const char* name;
        std::int32_t model;
        std::function<void()> plant;
        std::vector<std::string> errors;
        std::vector<std::string> warnings;
    };
    const auto timeOutOff = [this] {
        options.values.totOffAllowed = false;
        image.SetByte(memory_map::kHomeTot, 0);
    };
    const std::vector<Case> cases = {
        {"a default image", kLk1, [] {}, {}, {}},
        {"a bank after an empty one",
         kLk1,
         [this] {
             SetCapacities({0, 0, 5, 0, 0, 0, 0, 0, 0, 0});
         },
         {kBankOp},
         {}},
        {"a channel out of band in bank 2",
         kLk1,
         [this] { PutChannel(banks.BankFirst(2), kOutOfBand, kOutOfBand); },
         {},
         {kSingleList, BankCall(2)}},
        {"a channel out of band in the export list",
         kExportModel,
         [this] { PutChannel(7, kOutOfBand, kOutOfBand); },
         {},
         {kSingleList, BankCall(0)}},
        {"the time-out timer off where the radio does not allow it", kLk1, timeOutOff, {}, {kHome}},
        // The home sheet's error and warning together: the sheet is listed once, as an
        // error.
        {"a blank home channel",
         kLk1,
         [&] {
             BlankAll();
             image.SetByte(memory_map::kHomeMode, 1);
             timeOutOff();
         },
         {kHome},
         {}},
    };
    for (const Case& c : cases) {
        ShowModel(c.model);
        c.plant();
        const WarningFindings findings = check.RunWarningCheck(nullptr);
        EXPECT_EQ(findings.errorSheets, c.errors) << c.name;
        EXPECT_EQ(findings.warningSheets, c.warnings) << c.name;
    }
}

TEST_F(WarningCheckTest, CountersAddWhatWasFound) {
    ShowModel(kLk1);
    PutChannel(banks.BankFirst(2), kOutOfBand, kOutOfBand);
    SetCapacities(kGap);
    int errors = 1;
    int warnings = 2;
    check.RunWarningCheck(&tree, &errors, &warnings);
    EXPECT_EQ(errors, 2);
    EXPECT_EQ(warnings, 4);
    check.RunWarningCheck(&tree, nullptr, &warnings);
    EXPECT_EQ(warnings, 6);
}

TEST_F(WarningCheckTest, MarksShowOnTheSheetsAndOnCollapsedParents) {
    ShowModel(kLk1);
    struct Step {
        const char* name;
        std::function<void()> change;
        // Marks of the top node, the bank branch, bank operation, bank 2 and bank 0.
        std::array<int, 5> marks;
    };
    const std::vector<Step> steps = {
        {"nothing wrong", [] {}, {kNone, kNone, kNone, kNone, kNone}},
        {"a warning in bank 2: the collapsed branch carries it",
         [this] { PutChannel(banks.BankFirst(2), kOutOfBand, kOutOfBand); },
         {kNone, kWarning, kNone, kWarning, kNone}},
        {"an error beside it: the branch shows the error",
         [this] { SetCapacities(kGap); },
         {kNone, kError, kError, kWarning, kNone}},
        {"the branch expanded shows no mark of its own",
         [this] { Node(kBranch).expanded = true; },
         {kNone, kNone, kError, kWarning, kNone}},
        {"the top collapsed carries the error",
         [this] { Node(kTop).expanded = false; },
         {kError, kNone, kError, kWarning, kNone}},
        {"the error mended: its marks go",
         [this] { SetCapacities(kNoGap); },
         {kWarning, kNone, kNone, kWarning, kNone}},
    };
    for (const Step& step : steps) {
        step.change();
        check.RunWarningCheck(&tree);
        const std::array<int, 5> marks = {Node(kTop).overlay, Node(kBranch).overlay,
                                          Node(kBankOp).overlay, Node(BankCall(2)).overlay,
                                          Node(BankCall(0)).overlay};
        EXPECT_EQ(marks, step.marks) << step.name;
    }
}

}  // namespace
}  // namespace orvane
