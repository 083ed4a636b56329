// The edit history on the real controller and data model: random user steps (typed
// frequencies, list commands, model changes) mixed with undos and redos, checked against
// a reference list of the data after each step.

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "controller_fixture.h"
#include "image/model_type.h"
#include "radio/cell_ids.h"
#include "sheet/key_codes.h"
#include "sheet/sheet.h"

namespace orvane {
namespace {

constexpr const char* kBank0 = "[St_ColCut]GI_Sheet_MemoryCH,Bank 0";

struct Data {
    std::vector<std::uint8_t> image;
    int model = 0;
    bool operator==(const Data&) const = default;
};

class EditHistoryTest : public testing::ControllerFixture {
protected:
    Data Now() {
        const auto bytes = std::as_const(controller->CurrentDocument()).Current().Bytes();
        return {std::vector<std::uint8_t>(bytes.begin(), bytes.end()), controller->ModelType()};
    }
    // The cell of the open bank sheet that shows field `id` of channel position `index`.
    SheetCell* ChannelCell(CellId id, int index) {
        if (controller->OpenSheetCall() != kBank0) {
            controller->OpenSheet(kBank0);
        }
        Sheet& sheet = *controller->OpenedSheet();
        for (int row = 0; row < sheet.RowCount(); ++row) {
            for (int column = 0; column < sheet.ColumnCount(); ++column) {
                const CellLink& link = sheet.CellAt(column, row).link;
                if (link.cellId == id && link.index == index) {
                    return &sheet.CellAt(column, row);
                }
            }
        }
        return nullptr;
    }
    // Sends an operation on `cell` as the grid does; `fill` sets what the user did.
    void Operate(SheetCell* cell, const std::function<void(CellRequest&)>& fill) {
        CellRequest request;
        request.cell = cell;
        fill(request);
        request.fromGrid = true;
        request.sheet = controller->OpenedSheet();
        controller->Evaluator().EvaluateCell(request, CellEvaluator::kOperate);
    }
    void TypeFrequency(int index, const std::string& text) {
        if (SheetCell* cell = ChannelCell(cell::kMchFreq, index)) {
            Operate(cell, [&text](CellRequest& request) {
                request.text = text;
                request.textOrigin = TextOrigin::kEditor;
            });
        }
    }
    void ListCommand(int index, CellId command) {
        if (SheetCell* cell = ChannelCell(cell::kMchName, index)) {
            prompter.answers = {PromptAnswer::Ok};
            Operate(cell, [command](CellRequest& request) { request.commandId = command; });
        }
    }
    void ChooseModel(int model) {
        SheetCell item;
        item.link = CellLink{CellLink::kNoCategory, cell::kModel, model};
        prompter.answers = {PromptAnswer::Ok};
        Operate(&item, [](CellRequest& request) { request.keyCode = key::kEnter; });
    }
};

TEST_F(EditHistoryTest, UndoAndRedoRetraceRandomStepsExactly) {
    Start();
    const Data saved = Now();
    std::vector<Data> reference{saved};
    std::size_t present = 0;
    std::mt19937 random(20261209);
    const std::string frequencies[] = {"118.1", "121.5", "108.2", "136.975", "119"};
    const CellId commands[] = {cell::kPMenuDelete, cell::kPMenuInsert, cell::kPMenuCarryDown,
                               cell::kPMenuClear, cell::kPMenuCopy, cell::kPMenuPaste};
    const int models[] = {model_type::kLk1, model_type::kLk2, model_type::kLk1S};

    for (int step = 0; step < 300; ++step) {
        const unsigned action = random() % 10;
        const int index = static_cast<int>(random() % 6);
        if (action < 3) {
            controller->Undo();
            present -= present > 0 ? 1 : 0;
        } else if (action < 5) {
            controller->Redo();
            present += present + 1 < reference.size() ? 1 : 0;
        } else {
            if (action < 7) {
                TypeFrequency(index, frequencies[random() % 5]);
            } else if (action < 9) {
                ListCommand(index, commands[random() % 6]);
            } else {
                ChooseModel(models[random() % 3]);
            }
            if (Now() != reference[present]) {
                reference.resize(present + 1);
                reference.push_back(Now());
                ++present;
            }
        }
        ASSERT_EQ(Now(), reference[present]) << "after step " << step << " (action " << action
                                              << ")";
        ASSERT_EQ(controller->UndoStepName().has_value(), present > 0) << step;
        ASSERT_EQ(controller->RedoStepName().has_value(), present + 1 < reference.size()) << step;
        ASSERT_EQ(controller->CurrentDocument().Modified(), Now().image != saved.image) << step;
        ASSERT_EQ(view.modified, controller->CurrentDocument().Modified()) << step;
    }
    EXPECT_GT(reference.size(), 40u) << "the steps changed the data often enough to test";
}

TEST_F(EditHistoryTest, OpeningAFileStartsAFreshHistoryAndStepsNameWhatChanged) {
    Start();
    TypeFrequency(0, "121.5");
    EXPECT_EQ(controller->UndoStepName(), "RX");
    ListCommand(0, cell::kPMenuDelete);
    EXPECT_EQ(controller->UndoStepName(), "Delete");
    controller->Undo();
    EXPECT_EQ(controller->RedoStepName(), "Delete");
    EXPECT_EQ(controller->Status().text, " Undone: Delete");

    prompter.answers = {PromptAnswer::No};  // not saved
    controller->NewData();
    EXPECT_EQ(controller->UndoStepName(), std::nullopt);
    EXPECT_EQ(controller->RedoStepName(), std::nullopt);
}

}  // namespace
}  // namespace orvane
