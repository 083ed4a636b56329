// The sheet view over a shipped bank sheet and the real data model: typing into a
// channel cell, a key the data model sends on to another cell, and rows that come and
// go with the bank.

#include <gtest/gtest.h>

#include "radio_fixture.h"
#include "sheet/fake_grid_host.h"
#include "sheet/key_codes.h"
#include "sheet/sheet_factory.h"
#include "sheet/sheet_messages.h"
#include "sheet/sheet_view.h"
#include "support/fake_font_metrics.h"
#include "support/virtual_time.h"

namespace orvane {
namespace {

namespace vk = key::vk;

class SheetViewRadioTest : public testing::RadioFixture {
protected:
    SheetViewRadioTest() {
        SetCapacities({5, 0, 3, 0, 0, 0, 0, 0, 0, 0});
        BlankAll();
        PutChannel(0, 121'500'000, 121'500'000);
        // The bank sheet itself answers which bank is open.
        bankSheet.open = false;
        sheet = CreateSheet(SheetEnvironment{texts, vocabulary, metrics, bus, options, banks},
                            "[St_ColCut]GI_Sheet_MemoryCH,Bank 0");
        SheetOpening opening;
        opening.handler = &evaluator;
        sheet->SetOpening(std::move(opening));
        sheet->Build();
        host.visible = {0, 0, sheet->ColumnCount() - 1, sheet->RowCount() - 1};
        view = std::make_unique<SheetView>(*sheet, host, time);
    }
    ~SheetViewRadioTest() override { view.reset(); }

    GridCell CellOf(CellId cellId, int index) {
        for (int row = 0; row < sheet->RowCount(); ++row) {
            for (int column = 0; column < sheet->ColumnCount(); ++column) {
                const CellLink& link = sheet->CellAt(column, row).link;
                if (link.cellId == cellId && link.index == index) {
                    return {column, row};
                }
            }
        }
        ADD_FAILURE() << "no cell " << cellId << "[" << index << "]";
        return {};
    }
    void Click(GridCell cell) {
        view->OnMouseDown(cell.column, cell.row, {}, SheetView::MouseButton::kLeft, 0);
        view->OnMouseUp(cell.column, cell.row, {}, SheetView::MouseButton::kLeft);
    }

    testing::FakeFontMetrics metrics;
    testing::VirtualTime time;
    testing::FakeGridHost host;
    std::unique_ptr<Sheet> sheet;
    std::unique_ptr<SheetView> view;
};

TEST_F(SheetViewRadioTest, AFrequencyTypedIntoABlankChannelIsStoredOnEnter) {
    Click(CellOf(cell::kMchFreq, 2));
    view->OnKey(0, 0, '1');
    ASSERT_TRUE(host.editor) << "a digit opens the editor";
    EXPECT_EQ(host.editor->text, "1");
    EXPECT_EQ(host.editor->selStart, 1);

    host.editorText = "118.1";
    view->OnEditorKey(vk::kReturn, 0);
    EXPECT_FALSE(host.editor);
    const MemoryChannel channel = ChannelAt(2);
    EXPECT_TRUE(channel.used);
    EXPECT_EQ(channel.rxHz, 118'100'000u);
    EXPECT_EQ(channel.txHz, 118'100'000u);
}

TEST_F(SheetViewRadioTest, EscapeLeavesTheChannelAsItWas) {
    Click(CellOf(cell::kMchFreq, 2));
    view->OnKey(0, 0, '1');
    host.editorText = "118.1";
    view->OnEditorKey(vk::kEscape, 0);
    EXPECT_FALSE(host.editor);
    EXPECT_FALSE(ChannelAt(2).used);
}

TEST_F(SheetViewRadioTest, ADigitOnTheTransmitCellOfABlankChannelReachesTheReceiveCell) {
    Click(CellOf(cell::kMchFreqT, 3));
    view->OnKey(0, 0, '1');
    const GridCell receive = CellOf(cell::kMchFreq, 3);
    EXPECT_EQ(view->Current(), receive) << "the cursor goes at once";
    EXPECT_FALSE(host.editor);
    time.Advance(29);
    EXPECT_FALSE(host.editor) << "the key waits 30 ms before it acts again";
    time.Advance(1);
    ASSERT_TRUE(host.editor);
    EXPECT_EQ(host.editor->text, "1");
    EXPECT_EQ(view->EditedCell(), receive);
}

TEST_F(SheetViewRadioTest, RowsComeAndGoWithTheBankAndTheCursorStaysInTheGrid) {
    const int rows = sheet->RowCount();
    const GridCell newRow = CellOf(cell::kMchFreq, 5);
    ASSERT_EQ(newRow.row, rows - 1) << "the last row is where a new channel is entered";
    Click(newRow);

    bus.Post(message::kBankSheetRemoveRow, 0, 0, true);
    EXPECT_EQ(sheet->RowCount(), rows - 1);
    EXPECT_EQ(view->Current(), (GridCell{newRow.column, rows - 2}));
    bus.Post(message::kBankSheetAppendRow, 0, 0, true);
    EXPECT_EQ(host.rowCountChanges, 2);

    bus.Post(message::kBankSheetTitle, 0, 0, true);
    EXPECT_EQ(host.titleChanges, 1);
}

}  // namespace
}  // namespace orvane
