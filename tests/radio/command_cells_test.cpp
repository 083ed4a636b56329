// The commands of the main menu, toolbar and tree: what Enter runs and the states the
// items show.

#include <gtest/gtest.h>

#include <functional>

#include "radio/entry_keys.h"
#include "radio_fixture.h"

namespace orvane {
namespace {

using testing::RadioFixture;
using testing::RecordingController;

class CommandCellsTest : public RadioFixture {
protected:
    std::unique_ptr<testing::Sent> Run(CellId id, int index, std::int32_t keyCode,
                                       std::string linkText = "") {
        auto sent = Prepare(id, index, category::kNone);
        sent->request.fromGrid = false;
        if (!linkText.empty()) {
            sent->cell.linkText = linkText;
        }
        sent->request.keyCode = keyCode;
        Evaluate(*sent, keyCode == 0 ? CellEvaluator::kDraw : CellEvaluator::kOperate);
        return sent;
    }
    // The command operations asked for, without the after-action bookkeeping.
    std::vector<std::string> Commands() const {
        std::vector<std::string> commands;
        for (const std::string& call : controller.calls) {
            if (call != "ArmWarningRecheck" && call != "NoteAction") {
                commands.push_back(call);
            }
        }
        return commands;
    }
};

struct CommandCase {
    CellId cell;
    int index;
    std::function<void(RecordingController&)> setup;
    std::vector<std::string> commands;
};

TEST_F(CommandCellsTest, EnterRunsTheCommandOfTheItem) {
    const auto none = [](RecordingController&) {};
    const CommandCase cases[] = {
        {cell::kMenuFileNew, 0, none, {"NewData"}},
        {cell::kMenuFileOpen, 0, none, {"OpenWithDialog"}},
        {cell::kMenuFileSave, 0, none, {"SaveAsWithDialog"}},
        {cell::kMenuFileSave,
         0,
         [](RecordingController& c) {
             c.untitled = false;
             c.filePath = "/data/tower.zcf";
         },
         {"SaveFile /data/tower.zcf"}},
        {cell::kMenuFileSaveAs, 0, none, {"SaveAsWithDialog"}},
        {cell::kMenuFilePrintCurrent, 0, none, {"PrintCurrent"}},
        {cell::kMenuFilePrintAll, 0, none, {"PrintAll"}},
        {cell::kMenuFilePrintCurrent, 1, none, {"PrintCurrent pdf"}},
        {cell::kMenuFilePrintAll, 1, none, {"PrintAll pdf"}},
        {cell::kMenuFileRecent,
         1,
         [](RecordingController& c) { c.recent[1] = "/a&b.zcf"; },
         {"OpenFile /a&b.zcf"}},
        {cell::kMenuFileRecent, 2, none, {}},
        {cell::kMenuFileExit, 0, none, {"CloseMainWindow"}},
        {cell::kMenuViewFontSize, 80, none, {"ChangeFontSize 80"}},
        {cell::kMenuViewToolBar, 0, none, {"ToggleToolbar"}},
        {cell::kMenuPortCom, 3, none, {"SetComPort 3"}},
        {cell::kMenuPortUsb, 0, none, {"ComPortDialog"}},
        {cell::kMenuComSpeed, 1, none, {"SetComSpeedHigh 1"}},
        {cell::kMenuComSpeed, 0, none, {"SetComSpeedHigh 0"}},
        {cell::kMenuCloneRead, 0, none, {"CloneRead"}},
        {cell::kMenuCloneWrite, 0, none, {"CloneWrite"}},
        {cell::kMenuCloneAdj, 0, none, {}},
        {cell::kMenuCloneAdj,
         0,
         [](RecordingController& c) { c.adjustmentStart = true; },
         {"GoAdjustMode"}},
        {cell::kModel, 4, none, {"ChangeModel 4 ask"}},
        {cell::kHelpAbout, 0, none, {"ShowAbout"}},
        {cell::kHelpContents, 0, none, {"ShowHelpContents"}},
    };
    for (const CommandCase& c : cases) {
        controller = RecordingController();
        c.setup(controller);
        Run(c.cell, c.index, key::kEnter);
        EXPECT_EQ(Commands(), c.commands) << "cell " << c.cell << "[" << c.index << "]";
        EXPECT_EQ(controller.calls.size(), c.commands.size() + 2)
            << "an action is followed by the re-check";
    }
}

TEST_F(CommandCellsTest, DoubleClickRunsAndDrawingDoesNot) {
    Run(cell::kMenuFileNew, 0, key::kDoubleClick);
    Run(cell::kMenuFileNew, 0, 0);
    EXPECT_EQ(Commands(), std::vector<std::string>{"NewData"});
}

TEST_F(CommandCellsTest, TheTreeOpensTheSheetItsNodeNames) {
    auto node = Prepare(cell::kCallSheet, 0, category::kNone);
    node->cell.linkText = "[St_ColCut]GI_Sheet_MemoryCH,Bank 2";
    node->cell.state = 0x50;  // the node's own flags
    node->request.keyCode = key::kEnter;
    Evaluate(*node, CellEvaluator::kOperate);
    EXPECT_EQ(Commands(),
              std::vector<std::string>{"OpenSheet [St_ColCut]GI_Sheet_MemoryCH,Bank 2"});
    EXPECT_EQ(node->cell.state, 0x50);
}

TEST_F(CommandCellsTest, CloneInformationIsAskedForOnTheBus) {
    Run(cell::kMenuCloneInfo, 0, key::kEnter);
    EXPECT_EQ(bankSheet.KindsBesidesStatus(), std::vector<int>{30});
    EXPECT_TRUE(Commands().empty());
}

struct StateCase {
    CellId cell;
    int index;
    std::function<void(RecordingController&)> setup;
    std::uint8_t state;
};

TEST_F(CommandCellsTest, ItemsShowTheirStateOnEveryEvaluation) {
    const auto none = [](RecordingController&) {};
    constexpr std::uint8_t kChecked = SheetCell::kItemChecked;
    constexpr std::uint8_t kHidden = SheetCell::kItemHidden;
    constexpr std::uint8_t kDisabled = SheetCell::kItemDisabled;
    const StateCase cases[] = {
        {cell::kMenuFilePrintCurrent, 0, none, 0},
        {cell::kMenuFilePrintCurrent, 0, [](RecordingController& c) { c.canPrint = false; },
         kDisabled},
        {cell::kMenuFileRecent, 0, none, kDisabled},
        {cell::kMenuFileRecent, 1, none, kDisabled | kHidden},
        {cell::kMenuViewFontSize, 100, none, kChecked},
        {cell::kMenuViewFontSize, 80, none, 0},
        {cell::kMenuViewToolBar, 0, none, kChecked},
        {cell::kMenuViewToolBar, 0, [](RecordingController& c) { c.toolbarVisible = false; }, 0},
        {cell::kMenuPortCom, 2, [](RecordingController& c) { c.comPort = 2; }, kChecked},
        {cell::kMenuPortCom, 1, [](RecordingController& c) { c.comPort = 2; }, 0},
        {cell::kMenuPortUsb, 0, [](RecordingController& c) { c.comPort = 4; }, 0},
        {cell::kMenuPortUsb, 0, [](RecordingController& c) { c.comPort = 5; }, kChecked},
        {cell::kMenuComSpeed, 0, none, kChecked},
        {cell::kMenuComSpeed, 1, none, 0},
        {cell::kMenuComSpeed, 1, [](RecordingController& c) { c.speedHigh = true; }, kChecked},
        {cell::kMenuCloneAdj, 0, none, kDisabled | kHidden},
        {cell::kMenuCloneAdj, 0, [](RecordingController& c) { c.adjustmentStart = true; }, 0},
        {cell::kModel, 3, none, kChecked},
        {cell::kModel, 0, none, 0},
        {cell::kMenuFileNew, 0, none, 0},
    };
    for (const StateCase& c : cases) {
        controller = RecordingController();
        c.setup(controller);
        auto sent = Prepare(c.cell, c.index, category::kNone);
        sent->cell.state = SheetCell::kSelectable | SheetCell::kUserFlagsMask;  // stale states go
        sent->request.fromGrid = false;
        Evaluate(*sent, CellEvaluator::kDraw);
        EXPECT_EQ(sent->cell.state, SheetCell::kSelectable | c.state)
            << "cell " << c.cell << "[" << c.index << "]";
    }
}

TEST_F(CommandCellsTest, RecentFilesAreCaptionedWithTheirNumberAndPath) {
    controller.recent[2] = "/home/pilot/R&D.zcf";
    const auto sent = Run(cell::kMenuFileRecent, 2, 0);
    EXPECT_EQ(sent->request.text, "&3 /home/pilot/R&&D.zcf");
    EXPECT_EQ(sent->cell.state & SheetCell::kItemCaptionFromText, SheetCell::kItemCaptionFromText);
}

}  // namespace
}  // namespace orvane
