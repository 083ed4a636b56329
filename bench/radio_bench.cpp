// One repaint of a full bank sheet: every cell of a bank of 100 channels (and its new
// row) drawn through the data model. The whole repaint must stay well under 1 ms.

#include <benchmark/benchmark.h>

#include "base/message_bus.h"
#include "image/default_images.h"
#include "image/eeprom_image.h"
#include "image/image_layout.h"
#include "radio/bank_table.h"
#include "radio/cell_names.h"
#include "radio/channel_store.h"
#include "radio/radio_cell_evaluator.h"
#include "radio/radio_test_support.h"
#include "sheet/choice_index.h"
#include "sheet/sheet.h"
#include "sheet/sheet_factory.h"
#include "support/fake_font_metrics.h"
#include "support/scripted_prompter.h"
#include "text/text_resource.h"
#include "text/text_store.h"

namespace orvane {
namespace {

void BM_RepaintFullBankSheet(benchmark::State& state) {
    EepromImage image;
    image.Resize(kImageCapacity);
    PrepareDefaultImage(image, 3);
    BankTable banks(image);
    for (int bank = 0; bank < kBankCount; ++bank) {
        banks.SetBankCapacity(bank, bank < 2 ? 100 : 0);
    }
    ChannelStore channels(image, 3);
    for (int position = 0; position < 200; ++position) {
        MemoryChannel channel = channels.Load(MemoryChannel::kMemory, position);
        channel.used = position % 7 != 3;
        channel.rxHz = 108'000'000 + static_cast<Hertz>(position) * 200'000;
        channel.txHz = position % 2 == 0 ? channel.rxHz : 119'000'000;
        channel.duplex = position % 5 == 0;
        channel.wx = position % 11 == 0 ? position % 10 : MemoryChannel::kWxOff;
        channels.Store(channel);
    }

    TextStore texts;
    texts.SetSource(MainResource());
    CellNames vocabulary;
    ChoiceIndex choices(texts, vocabulary);
    MessageBus bus;
    testing::ScriptedPrompter prompter;
    testing::RecordingController controller;
    testing::StoredRadioOptions options;
    options.values.modelType = 3;
    options.values.duplexEnabled = true;
    options.values.rx137Allowed = true;
    options.values.nameDisplay = true;
    RadioCellEvaluator evaluator(
        {image, options, texts, vocabulary, choices, bus, prompter, controller});

    testing::FakeFontMetrics metrics;
    const SheetEnvironment environment{texts, vocabulary, metrics, bus, options, banks};
    auto sheet = CreateSheet(environment, "[St_ColCut]GI_Sheet_MemoryCH,Bank 1");
    sheet->Build();

    std::int64_t cells = 0;
    for (auto _ : state) {
        for (int row = 0; row < sheet->RowCount(); ++row) {
            for (int column = 0; column < sheet->ColumnCount(); ++column) {
                SheetCell& cell = sheet->CellAt(column, row);
                if (cell.IsLabel()) {
                    continue;
                }
                CellRequest request;
                request.cell = &cell;
                evaluator.EvaluateCell(request, CellEvaluator::kDraw);
                benchmark::DoNotOptimize(request.text.data());
                ++cells;
            }
        }
    }
    state.counters["cells"] =
        benchmark::Counter(static_cast<double>(cells), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_RepaintFullBankSheet)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace orvane
