// Building sheets and menus from their definitions: the largest bank sheet (100
// channels, the extra row and the rows prepared up to the limit) must build in well
// under 5 ms, since the controller rebuilds it whenever the bank layout changes.

#include <benchmark/benchmark.h>

#include "radio/cell_names.h"
#include "sheet/fake_evaluator.h"
#include "sheet/menu_builder.h"
#include "sheet/sheet_factory.h"
#include "sheet/sheet_test_support.h"

namespace orvane {
namespace {

using testing::FakeEvaluator;
using SheetTestEnvironment = testing::BasicSheetTestEnvironment<CellNames>;

void BM_BuildLargestBankSheet(benchmark::State& state) {
    SheetTestEnvironment environment;
    environment.banks.capacities = {100, 100, 0, 0, 0, 0, 0, 0, 0, 0};
    environment.conditions.value.modelType = 3;
    environment.conditions.value.duplexEnabled = true;
    for (auto _ : state) {
        auto sheet = CreateSheet(environment.Get(), "[St_ColCut]GI_Sheet_MemoryCH,Bank 1");
        sheet->Build();
        benchmark::DoNotOptimize(sheet->CellAt(4, 105).link.index);
    }
}
BENCHMARK(BM_BuildLargestBankSheet)->Unit(benchmark::kMicrosecond);

void BM_BuildHomeSheet(benchmark::State& state) {
    SheetTestEnvironment environment;
    environment.conditions.value.modelType = 3;
    for (auto _ : state) {
        auto sheet = CreateSheet(environment.Get(), "[St_Common]GI_Sheet_Home,1");
        sheet->Build();
        benchmark::DoNotOptimize(sheet->RowCount());
    }
}
BENCHMARK(BM_BuildHomeSheet)->Unit(benchmark::kMicrosecond);

void BM_BuildMainMenu(benchmark::State& state) {
    SheetTestEnvironment environment;
    FakeEvaluator evaluator;
    MenuBuilder menu({environment.store, environment.vocabulary, environment.bus, evaluator},
                     "GI_Menu_Main");
    for (auto _ : state) {
        menu.Build();
        benchmark::DoNotOptimize(menu.Root().children.size());
    }
}
BENCHMARK(BM_BuildMainMenu)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace orvane
