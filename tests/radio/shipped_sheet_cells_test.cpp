// The shipped channel and bank sheets, built from the resource and drawn cell by cell
// through the data model the way the sheet view draws them.

#include <gtest/gtest.h>

#include <map>

#include "radio/name_codec.h"
#include "radio_fixture.h"
#include "sheet/sheet.h"
#include "sheet/sheet_factory.h"
#include "support/fake_font_metrics.h"

namespace orvane {
namespace {

using testing::RadioFixture;

class ShippedSheetCellsTest : public RadioFixture {
protected:
    ShippedSheetCellsTest() {
        // The sheets answer which bank is open themselves.
        bankSheet.open = false;
        options.values.nameDisplay = true;
    }

    std::unique_ptr<Sheet> Build(std::string_view callText) {
        auto sheet = CreateSheet(Environment(), callText);
        sheet->Build();
        return sheet;
    }
    SheetEnvironment Environment() { return {texts, vocabulary, metrics, bus, options, banks}; }

    // Each row's linked cells by identifier, as drawn.
    std::vector<std::map<CellId, std::string>> DrawRows(Sheet& sheet, int firstRow) {
        std::vector<std::map<CellId, std::string>> rows;
        for (int row = firstRow; row < sheet.RowCount(); ++row) {
            std::map<CellId, std::string> cells;
            for (int column = 0; column < sheet.ColumnCount(); ++column) {
                SheetCell& cell = sheet.CellAt(column, row);
                if (cell.IsLabel()) {
                    continue;
                }
                CellRequest request;
                request.cell = &cell;
                evaluator.EvaluateCell(request, CellEvaluator::kDraw);
                cells[cell.link.cellId] = request.text;
            }
            rows.push_back(std::move(cells));
        }
        return rows;
    }

    testing::FakeFontMetrics metrics;
};

TEST_F(ShippedSheetCellsTest, ABankSheetShowsItsChannelsAndTheNewRow) {
    SetCapacities({5, 3, 0, 0, 0, 0, 0, 0, 0, 0});
    BlankAll();
    PutChannel(5, 121'500'000, 121'500'000);
    MemoryChannel duplex = PutChannel(6, 110'000'000, 119'000'000);
    duplex.duplex = true;
    const PackedName name = PackName("VOR.1", {"        ", 0});
    duplex.name = name.characters;
    duplex.dotMask = name.dotMask;
    channels.Store(duplex);

    auto sheet = Build("[St_ColCut]GI_Sheet_MemoryCH,Bank 1");
    const auto rows = DrawRows(*sheet, sheet->FixedRowCount());
    ASSERT_EQ(rows.size(), 4u);
    const std::map<CellId, std::string> expected[] = {
        {{cell::kMiscChNo8264Only, "1- 0"},
         {cell::kMchWxCh, ""},
         {cell::kMchFreq, "121.500"},
         {cell::kMchFreqT, "<-"},
         {cell::kMchFreqRT, "121.500"},
         {cell::kMchTxInhibit, ""},
         {cell::kMchDup, ""},
         {cell::kMchName, ""},
         {cell::kMchTag, ""}},
        {{cell::kMiscChNo8264Only, "1- 1"},
         {cell::kMchWxCh, ""},
         {cell::kMchFreq, "110.000"},
         {cell::kMchFreqT, "119.000"},
         {cell::kMchFreqRT, "110.000"},
         {cell::kMchTxInhibit, ""},
         {cell::kMchDup, "DUP"},
         {cell::kMchName, "VOR.1"},
         {cell::kMchTag, ""}},
        {{cell::kMiscChNo8264Only, "1- 2"},
         {cell::kMchWxCh, ""},
         {cell::kMchFreq, ""},
         {cell::kMchFreqT, ""},
         {cell::kMchFreqRT, ""},
         {cell::kMchTxInhibit, ""},
         {cell::kMchDup, ""},
         {cell::kMchName, ""},
         {cell::kMchTag, ""}},
        {{cell::kMiscChNo8264Only, "New"},
         {cell::kMchWxCh, ""},
         {cell::kMchFreq, ""},
         {cell::kMchFreqT, ""},
         {cell::kMchFreqRT, ""},
         {cell::kMchTxInhibit, ""},
         {cell::kMchDup, ""},
         {cell::kMchName, ""},
         {cell::kMchTag, ""}},
    };
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i], expected[i]) << "row " << i;
    }
}

TEST_F(ShippedSheetCellsTest, EditsThroughTheSheetsOwnCellsReachTheImage) {
    SetCapacities({5, 2, 0, 0, 0, 0, 0, 0, 0, 0});
    BlankAll();
    PutChannel(5, 121'500'000, 121'500'000);
    auto sheet = Build("[St_ColCut]GI_Sheet_MemoryCH,Bank 1");
    const auto cellOf = [&sheet](CellId id, int index) -> SheetCell& {
        for (int row = 0; row < sheet->RowCount(); ++row) {
            for (int column = 0; column < sheet->ColumnCount(); ++column) {
                SheetCell& cell = sheet->CellAt(column, row);
                if (cell.link.cellId == id && cell.link.index == index) {
                    return cell;
                }
            }
        }
        ADD_FAILURE() << "no cell " << id << "[" << index << "]";
        return sheet->CellAt(0, 0);
    };
    const auto send = [this](SheetCell& cell, std::int32_t keyCode, std::string text) {
        CellRequest request;
        request.cell = &cell;
        request.fromGrid = true;
        request.keyCode = keyCode;
        if (!text.empty()) {
            request.textOrigin = TextOrigin::kEditor;
            request.text = std::move(text);
        }
        const CellOpening result = evaluator.EvaluateCell(request, CellEvaluator::kOperate);
        return std::pair{result, request.text};
    };

    EXPECT_EQ(send(cellOf(cell::kMchName, 5), 0, "tower"),
              (std::pair{CellOpening::kNothingToOpen, std::string("TOWER")}));
    EXPECT_EQ(ChannelAt(5).name, "TOWER   ");
    // The new row after the bank's two channels: a digit gives the bank a third one.
    EXPECT_EQ(send(cellOf(cell::kMchFreq, 7), '1', ""),
              (std::pair{CellOpening::kOpenEditor, std::string("1")}));
    EXPECT_EQ(banks.BankCapacity(1), 3);
    EXPECT_EQ(send(cellOf(cell::kMchFreq, 7), 0, "118.5"),
              (std::pair{CellOpening::kNothingToOpen, std::string("118.500")}));
    EXPECT_TRUE(ChannelAt(7).used);
    EXPECT_EQ(ChannelAt(7).rxHz, 118'500'000u);
}

TEST_F(ShippedSheetCellsTest, TheBankOperationSheetShowsCapacitiesNamesAndTotals) {
    SetCapacities({5, 0, 3, 0, 0, 0, 0, 0, 0, 0});
    BlankAll();
    PutChannel(6, 121'500'000, 121'500'000);
    auto sheet = Build("GI_Sheet_BankOp");
    std::map<std::pair<CellId, int>, std::pair<std::string, bool>> shown;
    for (int row = 0; row < sheet->RowCount(); ++row) {
        for (int column = 0; column < sheet->ColumnCount(); ++column) {
            SheetCell& cell = sheet->CellAt(column, row);
            if (cell.IsLabel() || cell.link.cellId == cell::kMiscQuarterPillar) {
                continue;
            }
            CellRequest request;
            request.cell = &cell;
            evaluator.EvaluateCell(request, CellEvaluator::kDraw);
            shown[{cell.link.cellId, cell.link.index}] = {
                request.text, (request.flags & CellRequest::kError) != 0};
        }
    }
    using Shown = std::pair<std::string, bool>;
    EXPECT_EQ((shown[{cell::kMchBank, 0}]), (Shown{"5", false}));
    EXPECT_EQ((shown[{cell::kMchBank, 1}]), (Shown{"0", true}));
    EXPECT_EQ((shown[{cell::kMchBank, 2}]), (Shown{"3", false}));
    EXPECT_EQ((shown[{cell::kMchBank, 3}]), (Shown{"0", false}));
    EXPECT_EQ((shown[{cell::kMchBank, 10}]), (Shown{"8", false}));
    EXPECT_EQ((shown[{cell::kMchBank, 11}]), (Shown{"192", false}));
    EXPECT_EQ((shown[{cell::kMchUsedCHs, 2}]), (Shown{"1", false}));
    EXPECT_EQ((shown[{cell::kMchUsedCHs, 11}]), (Shown{"199", false}));
    EXPECT_EQ((shown[{cell::kBankName, 0}]), (Shown{"--------", false}));
}

}  // namespace
}  // namespace orvane
