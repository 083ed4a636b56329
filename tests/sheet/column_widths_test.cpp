// Column widths beyond the layout: the user's sizing limits, fitting a column to what it
// shows, and the widths remembered per user for the listed sheets.

#include "sheet/column_widths.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>
#include <utility>

#include "drawing_evaluator.h"
#include "sheet/sheet.h"
#include "sheet/sheet_factory.h"
#include "sheet_test_support.h"

namespace orvane {
namespace {

using testing::DefinitionResource;
using testing::DrawingEvaluator;
using testing::SheetTestEnvironment;

class MemoryWidthStore final : public ColumnWidthStore {
public:
    std::optional<std::int32_t> ReadWidth(const std::string& subKey, int column) const override {
        const auto found = widths.find({subKey, column});
        return found == widths.end() ? std::nullopt : std::optional(found->second);
    }
    void WriteWidth(const std::string& subKey, int column, std::int32_t width) override {
        widths[{subKey, column}] = width;
    }
    void ForgetWidths(const std::string& subKey) override {
        std::erase_if(widths, [&](const auto& entry) { return entry.first.first == subKey; });
    }
    // The columns stored under `subKey`.
    std::set<int> Columns(const std::string& subKey) const {
        std::set<int> columns;
        for (const auto& [key, width] : widths) {
            if (key.first == subKey) {
                columns.insert(key.second);
            }
        }
        return columns;
    }

    std::map<std::pair<std::string, int>, std::int32_t> widths;
};

// Columns, with the test metrics' 5-pixel characters: 0 numbers (18, a label), 1 names
// (28, sizable; its caption spans column 2), 2 labels (68), 3 values (33, sizable), 4
// tips (23). "N_Sheet" is the same without ColSizing and not listed.
std::string Cells() {
    return "{W}No|{W}Name|{+}|{W}Value|{W}Tip\n"
           "{W}1|{SW(%CL_Name)}abc|{W}lbl|{SW(%CL_Value)}9|{W}tip\n"
           "{W}2|{SW(%CL_Name)}abc|{W}longer label|{SW(%CL_Value)}9|{W}x";
}

const DefinitionResource& WidthResource() {
    static const DefinitionResource resource({
        {"GI_CellWidthRegList", "W_Sheet:wide\nOther_Sheet:other"},
        {"W_Sheet_Style", "(FixedCols=1)(FixedRows=1)(ColSizing)"},
        {"W_Sheet_BasicCell", "{<-(Font=DEFAULT_CHARSET,,clWindowText,-10,,,)}"},
        {"W_Sheet_Cells", Cells()},
        {"N_Sheet_Style", "(FixedCols=1)(FixedRows=1)"},
        {"N_Sheet_BasicCell", "{<-(Font=DEFAULT_CHARSET,,clWindowText,-10,,,)}"},
        {"N_Sheet_Cells", Cells()},
    });
    return resource;
}

class ColumnWidthsTest : public ::testing::Test {
protected:
    ColumnWidthsTest() : environment(WidthResource().Resource()) {}

    Sheet& Build(std::string_view name = "W_Sheet", const SheetOptions& options = {}) {
        sheet = std::make_unique<Sheet>(environment.Get(), name, options);
        sheet->Build();
        return *sheet;
    }
    std::int32_t Id(std::string_view name) { return environment.vocabulary.CellIdFromName(name); }

    SheetTestEnvironment environment;
    MemoryWidthStore store;
    ColumnWidthMemory memory{environment.store, store};
    DrawingEvaluator evaluator;
    std::unique_ptr<Sheet> sheet;
};

TEST_F(ColumnWidthsTest, TheLayoutGivesTheWidthsTheTestsAssume) {
    const Sheet& built = Build();
    EXPECT_EQ(built.ColumnWidth(0), 18);
    EXPECT_EQ(built.ColumnWidth(1), 28);
    EXPECT_EQ(built.ColumnWidth(2), 68);
    EXPECT_EQ(built.ColumnWidth(3), 33);
    EXPECT_FALSE(IsSizableColumn(built, 0));
    EXPECT_TRUE(IsSizableColumn(built, 1));
    EXPECT_FALSE(IsSizableColumn(built, 2));
}

TEST_F(ColumnWidthsTest, RememberedWidthsAreRestoredWithinLimitsAndSavedAgain) {
    struct Case {
        int column;
        std::optional<int> stored;
        int width;
    };
    const Case cases[] = {
        {1, 5, 10},                            // raised to the least width
        {3, 900, 650},                         // cut to the greatest
        {1, 120, 120}, {3, std::nullopt, 33},  // nothing stored: the layout's width
        {0, 77, 18},                           // a column of labels keeps its layout
        {2, 77, 68},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.column);
        store.widths.clear();
        if (c.stored) {
            store.widths[{"wide", c.column}] = *c.stored;
        }
        Sheet& built = Build();
        memory.Restore(built);
        EXPECT_EQ(built.ColumnWidth(c.column), c.width);
        // Saved right away: the sizable columns as they are now; others stay as stored.
        EXPECT_EQ(store.widths.at({"wide", 1}), built.ColumnWidth(1));
        EXPECT_EQ(store.widths.at({"wide", 3}), built.ColumnWidth(3));
        const std::size_t others = c.stored && (c.column == 0 || c.column == 2) ? 1 : 0;
        EXPECT_EQ(store.widths.size(), 2 + others);
    }
}

TEST_F(ColumnWidthsTest, AnUnlistedSheetIsNeitherRestoredNorSaved) {
    store.widths[{"wide", 1}] = 120;
    Sheet& built = Build("N_Sheet");
    memory.Restore(built);
    memory.Save(built);
    EXPECT_EQ(built.ColumnWidth(1), 28);
    EXPECT_EQ(store.widths.size(), 1u);
}

TEST_F(ColumnWidthsTest, ResetForgetsEveryListedSheetAndSavesThisOne) {
    store.widths[{"wide", 1}] = 120;
    store.widths[{"other", 3}] = 99;
    store.widths[{"unlisted", 3}] = 99;
    Sheet& built = Build();
    memory.Reset(built);
    EXPECT_EQ(built.ColumnWidth(1), 28) << "a reset does not load";
    EXPECT_EQ(store.widths, (std::map<std::pair<std::string, int>, std::int32_t>{
                                {{"unlisted", 3}, 99}, {{"wide", 1}, 28}, {{"wide", 3}, 33}}));
}

TEST_F(ColumnWidthsTest, UserSizingKeepsSizableColumnsWithinTheWindow) {
    struct Case {
        const char* what;
        std::string_view sheetName;
        int column;
        int width;
        int clientWidth;
        int kept;
    };
    const Case cases[] = {
        {"too wide", "W_Sheet", 1, 900, 2000, 650},
        {"narrow window", "W_Sheet", 1, 900, 400, 382},  // less the fixed column's 18
        {"too narrow", "W_Sheet", 3, 5, 2000, 10},
        {"tiny window", "W_Sheet", 3, 900, 20, 10},  // the least width wins
        {"within", "W_Sheet", 3, 200, 2000, 200},
        {"labels", "W_Sheet", 2, 900, 400, 900},
        {"no sizing", "N_Sheet", 1, 900, 400, 900},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Sheet& built = Build(c.sheetName);
        built.SetColumnWidth(c.column, c.width);
        KeepColumnWidthsWithinLimits(built, c.clientWidth);
        EXPECT_EQ(built.ColumnWidth(c.column), c.kept);
        EXPECT_EQ(built.ColumnWidth(0), 18) << "fixed columns keep their width";
    }
}

TEST_F(ColumnWidthsTest, AutoFitMeasuresCaptionsAndTheDataModelsTexts) {
    struct Case {
        const char* what;
        int column;
        std::string shown;  // what the data model shows in the column
        int width;
    };
    const Case cases[] = {
        {"shown text wider", 3, "123456789", 53},
        {"caption wider", 3, "1", 33},
        {"spanning caption skipped", 1, "ab", 18},
        {"labels below the captions", 2, "", 68},
        {"empty everywhere", 1, "", 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        evaluator.answers.clear();
        evaluator.seen.clear();
        evaluator.answers[Id("CL_Name")].text = c.shown;
        evaluator.answers[Id("CL_Value")].text = c.shown;
        Sheet& built = Build();
        EXPECT_EQ(AutoFitColumn(built, c.column, evaluator, environment.metrics), c.width);
        EXPECT_EQ(built.ColumnWidth(c.column), c.width);
        for (const DrawingEvaluator::Seen& seen : evaluator.seen) {
            EXPECT_EQ(seen.mode, CellEvaluator::kDraw);
        }
    }
}

TEST_F(ColumnWidthsTest, PrintingScalesTheRememberedWidths) {
    struct Case {
        int points;
        double printerDpi;
        double screenDpi;
        int percent;
        double factor;
    };
    const Case cases[] = {
        {10, 600, 96, 100, 6.25},
        {8, 600, 96, 150, 8 * 6.25 * 16 / 24 / 10},
        {12, 300, 96, 60, 12 * 3.125 * 16 / 9 / 10},  // 60 x 16 div 100 = 9
        {10, 96, 96, 80, 16.0 / 12},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(PrintedWidthFactor(c.points, c.printerDpi, c.screenDpi, c.percent),
                         c.factor)
            << c.points << " points at " << c.percent << " %";
    }

    store.widths[{"wide", 1}] = 10;  // 62.5 printed: wider than laid out
    store.widths[{"wide", 3}] = 2;   // 12.5 printed: the layout's 33 stays
    SheetOptions printing;
    printing.printing = true;
    Sheet& built = Build("W_Sheet", printing);
    memory.RestoreScaled(built, 6.25);
    EXPECT_EQ(built.ColumnWidth(1), 63);
    EXPECT_EQ(built.ColumnWidth(3), 33);
    EXPECT_EQ(store.widths.size(), 2u) << "printing saves nothing";
}

// The shipped list keeps the memory channel sheets' widths under "memch"; the columns a
// model cuts are neither restored nor saved, so their widths survive a model change.
TEST(ShippedColumnWidthsTest, TheChannelSheetKeepsTheColumnsItShows) {
    struct Case {
        int modelType;
        std::set<int> saved;
    };
    const Case cases[] = {
        {3, {3, 4, 5, 7, 8, 9, 10}},  // WX, RX, TX, TX inhibit, DUP, name, tag
        {0, {6, 7, 9, 10}},           // RX/TX in one column, no WX or DUP
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.modelType);
        SheetTestEnvironment environment;
        environment.conditions.value.modelType = c.modelType;
        environment.banks.capacities[0] = 3;
        MemoryWidthStore store;
        store.widths[{"memch", 6}] = 150;
        store.widths[{"memch", 3}] = 140;
        ColumnWidthMemory memory(environment.store, store);
        auto sheet = CreateSheet(environment.Get(), "[St_ColCut]GI_Sheet_MemoryCH,Bank 0");
        sheet->Build();
        memory.Restore(*sheet);

        std::set<int> saved = store.Columns("memch");
        for (const int cut : {3, 6}) {
            if (!c.saved.contains(cut)) {
                EXPECT_EQ(sheet->ColumnWidth(cut), 0);
                EXPECT_EQ(store.widths.at({"memch", cut}), cut == 6 ? 150 : 140);
                saved.erase(cut);
            }
        }
        EXPECT_EQ(saved, c.saved);
        if (c.saved.contains(3)) {
            EXPECT_EQ(sheet->ColumnWidth(3), 140);
        }
        if (c.saved.contains(6)) {
            EXPECT_EQ(sheet->ColumnWidth(6), 150);
        }
    }
}

}  // namespace
}  // namespace orvane
