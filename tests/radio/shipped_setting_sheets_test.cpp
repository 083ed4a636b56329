// The shipped setting sheets (home, common, expert, clone information) built from the
// resource under every model and option set-up: every linked cell is answered by a
// binding, and the cells that depend on the VFO follow it.

#include <gtest/gtest.h>

#include "radio_fixture.h"
#include "sheet/sheet.h"
#include "sheet/sheet_factory.h"
#include "support/fake_font_metrics.h"

namespace orvane {
namespace {

using testing::RadioFixture;

class ShippedSettingSheetsTest : public RadioFixture {
protected:
    // Every linked cell of the sheet, drawn: (identifier, text).
    std::vector<std::pair<CellId, std::string>> DrawSheet(std::string_view callText) {
        auto sheet = CreateSheet({texts, vocabulary, metrics, bus, options, banks}, callText);
        sheet->Build();
        std::vector<std::pair<CellId, std::string>> drawn;
        for (int row = 0; row < sheet->RowCount(); ++row) {
            for (int column = 0; column < sheet->ColumnCount(); ++column) {
                SheetCell& cell = sheet->CellAt(column, row);
                if (cell.IsLabel() || cell.link.cellId == CellLink::kNoCell) {
                    continue;
                }
                CellRequest request;
                request.cell = &cell;
                evaluator.EvaluateCell(request, CellEvaluator::kDraw);
                drawn.emplace_back(cell.link.cellId, request.text);
            }
        }
        return drawn;
    }

    testing::FakeFontMetrics metrics;
};

TEST_F(ShippedSettingSheetsTest, EveryLinkedCellIsBoundUnderEveryModel) {
    const char* const sheets[] = {"GI_Sheet_Home", "GI_Sheet_Common", "GI_Sheet_Expert",
                                  "GI_Sheet_CloneInfo"};
    for (int model : {3, 0, 4}) {
        for (bool vfo : {false, true}) {
            UseModel(model, true);
            options.values.nameDisplay = true;
            options.values.spacing833Allowed = true;
            options.values.vfoEnabled = vfo;
            options.values.lightKey = RadioConfiguration::kLightKeyVox;
            for (const char* sheet : sheets) {
                const auto drawn = DrawSheet(sheet);
                EXPECT_FALSE(drawn.empty()) << sheet;
                for (const auto& [id, text] : drawn) {
                    EXPECT_EQ(text.find("*Yet*"), std::string::npos)
                        << sheet << " model " << model << " vfo " << vfo << " cell " << id;
                }
            }
        }
    }
}

TEST_F(ShippedSettingSheetsTest, TheHomeSheetFollowsTheHomeMode) {
    options.values.nameDisplay = true;
    options.values.spacing833Allowed = true;
    options.values.vfoEnabled = true;
    options.values.lightKey = 0;
    auto textOf = [this](CellId wanted) {
        for (const auto& [id, text] : DrawSheet("GI_Sheet_Home")) {
            if (id == wanted) {
                return text;
            }
        }
        return std::string("(absent)");
    };
    image.SetByte(memory_map::kHomeMode, 0);
    EXPECT_EQ(textOf(cell::kHomeMode), "VFO");
    EXPECT_EQ(textOf(cell::kHomeBank), "---");
    image.SetByte(memory_map::kHomeMode, 1);
    EXPECT_EQ(textOf(cell::kHomeMode), "Mch");
    EXPECT_NE(textOf(cell::kHomeBank), "---");
}

}  // namespace
}  // namespace orvane
