// The edit history on the real controller and data model: random user steps (typed
// frequencies, list commands, option choices, model changes, New) mixed with undos and
// redos, checked against a reference list of the data after each step.

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "app/edit_history.h"
#include "controller_fixture.h"
#include "image/model_type.h"
#include "radio/cell_ids.h"
#include "sheet/key_codes.h"
#include "sheet/sheet.h"

namespace orvane {
namespace {

constexpr const char* kBank0 = "[St_ColCut]GI_Sheet_MemoryCH,Bank 0";
constexpr const char* kExpertSheet = "[St_Common]GI_Sheet_Expert,2";

struct Data {
    std::vector<std::uint8_t> image;
    EditedOptions options;
    bool operator==(const Data&) const = default;
};

class EditHistoryTest : public testing::ControllerFixture {
protected:
    EditHistoryTest() : ControllerFixture({"orvane", "/PROLIX"}) {}

    Data Now() {
        const auto bytes = std::as_const(controller->CurrentDocument()).Current().Bytes();
        return {std::vector<std::uint8_t>(bytes.begin(), bytes.end()),
                EditedOptions::Of(settings.Radio, true)};
    }
    // The cell of sheet `call` (opened) that shows field `id` of element `index`.
    SheetCell* CellOn(const char* call, CellId id, int index) {
        if (controller->OpenSheetCall() != call) {
            controller->OpenSheet(call);
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
        if (SheetCell* cell = CellOn(kBank0, cell::kMchFreq, index)) {
            Operate(cell, [&text](CellRequest& request) {
                request.text = text;
                request.textOrigin = TextOrigin::kEditor;
            });
        }
    }
    void ListCommand(int index, CellId command) {
        if (SheetCell* cell = CellOn(kBank0, cell::kMchName, index)) {
            prompter.answers = {PromptAnswer::Ok};
            Operate(cell, [command](CellRequest& request) { request.commandId = command; });
        }
    }
    // Space steps an option's choice on the settings sheet, where the model shows it.
    void StepOption(CellId option) {
        if (SheetCell* cell = CellOn(kExpertSheet, option, 0)) {
            Operate(cell, [](CellRequest& request) { request.keyCode = key::kSpace; });
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
    Data saved = Now();
    std::vector<Data> reference{saved};
    std::vector<std::string> names{""};  // names[i]: the step that gave reference[i]
    std::size_t present = 0;
    std::mt19937 random(20261209);
    const std::string frequencies[] = {"118.1", "121.5", "108.2", "136.975", "119"};
    const std::pair<CellId, const char*> commands[] = {
        {cell::kPMenuDelete, "Delete"},  {cell::kPMenuInsert, "Insert"},
        {cell::kPMenuCarryDown, "Down"}, {cell::kPMenuClear, "Clear"},
        {cell::kPMenuCopy, "Copy"},      {cell::kPMenuPaste, "Paste"}};
    const std::pair<CellId, const char*> options[] = {{cell::kCommonIndicationMode, "Display Type"},
                                                      {cell::kCommonVFOMode, "VFO Mode"},
                                                      {cell::kCommonDuplex, "Duplex"},
                                                      {cell::kCommonLIGHTKey, "[LIGHT] Key"},
                                                      {cell::kCommonChSpacing, "Channel Spacing"}};
    const int models[] = {model_type::kLk1, model_type::kLk2, model_type::kLk1S};

    for (int step = 0; step < 400; ++step) {
        const unsigned action = random() % 40;
        const int index = static_cast<int>(random() % 6);
        if (action < 12) {
            controller->Undo();
            if (present > 0) {
                ASSERT_EQ(controller->Status().text, " Undone: " + names[present]) << step;
                --present;
            }
        } else if (action < 18) {
            controller->Redo();
            if (present + 1 < reference.size()) {
                ++present;
                ASSERT_EQ(controller->Status().text, " Redone: " + names[present]) << step;
            }
        } else if (action == 39) {
            prompter.answers = {PromptAnswer::No};  // not saved
            controller->NewData();
            saved = Now();
            reference = {saved};
            names = {""};
            present = 0;
        } else {
            std::string name;  // what the step is called; empty for a model change
            if (action < 26) {
                TypeFrequency(index, frequencies[random() % 5]);
                name = "RX";
            } else if (action < 34) {
                const auto& [command, commandName] = commands[random() % 6];
                ListCommand(index, command);
                name = commandName;
            } else if (action < 37) {
                const auto& [option, optionName] = options[random() % 5];
                StepOption(option);
                name = optionName;
            } else {
                ChooseModel(models[random() % 3]);
            }
            if (Now() != reference[present]) {
                reference.resize(present + 1);
                names.resize(present + 1);
                reference.push_back(Now());
                names.push_back(controller->UndoStepName().value_or("(none)"));
                ++present;
                ASSERT_TRUE(name.empty() || names.back() == name) << names.back() << ", " << step;
            }
        }
        ASSERT_EQ(Now(), reference[present]) << "after step " << step << " (action " << action
                                              << ")";
        ASSERT_EQ(controller->UndoStepName().has_value(), present > 0) << step;
        ASSERT_EQ(controller->RedoStepName().has_value(), present + 1 < reference.size()) << step;
        ASSERT_EQ(controller->CurrentDocument().Modified(), Now().image != saved.image) << step;
        ASSERT_EQ(view.modified, controller->CurrentDocument().Modified()) << step;
        // A sheet kept open through an undo has the rows and title of one built afresh.
        if (Sheet* kept = controller->OpenedSheet(); kept != nullptr && action < 18) {
            const auto shape = std::pair(kept->RowCount(), kept->Title());
            controller->OpenSheet(controller->OpenSheetCall());
            kept = controller->OpenedSheet();
            ASSERT_EQ(shape, std::pair(kept->RowCount(), kept->Title())) << step;
        }
    }
}

}  // namespace
}  // namespace orvane
