// The warning check over every checked sheet with the main tree to mark, on an image
// whose every channel is used and passes its checks, so that no bank's scan stops early.
// The controller runs it 250 ms after each edit and on every expand or collapse, so one
// run must stay under 1 ms.

#include <benchmark/benchmark.h>

#include "app/tree_filter.h"
#include "app/warning_check.h"
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
#include "sheet/sheet_tree.h"
#include "support/fake_font_metrics.h"
#include "support/scripted_prompter.h"
#include "text/text_resource.h"
#include "text/text_store.h"

namespace orvane {
namespace {

constexpr std::int32_t kModel = 3;
constexpr std::intptr_t kTreePanel = 1;

void BM_WarningCheckOfAFullImage(benchmark::State& state) {
    EepromImage image;
    image.Resize(kImageCapacity);
    PrepareDefaultImage(image, kModel);
    BankTable banks(image);
    for (int bank = 0; bank < kBankCount; ++bank) {
        banks.SetBankCapacity(bank, kChannelCount / kBankCount);
    }
    ChannelStore channels(image, kModel);
    for (int position = 0; position < kChannelCount; ++position) {
        MemoryChannel channel = channels.Load(MemoryChannel::kMemory, position);
        channel.used = true;
        channel.rxHz = 118'000'000 + static_cast<Hertz>(position) * 50'000;
        channel.txHz = channel.rxHz;
        channel.duplex = false;
        channel.wx = MemoryChannel::kWxOff;
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
    options.values.modelType = kModel;
    options.values.duplexEnabled = true;
    options.values.nameDisplay = true;
    RadioCellEvaluator evaluator(
        {image, options, texts, vocabulary, choices, bus, prompter, controller});

    testing::FakeFontMetrics metrics;
    SheetTree tree({texts, vocabulary, metrics, bus, options, banks}, "GI_Tree_Main", kTreePanel,
                   true);
    tree.Build();
    TreeFilter(texts, bus, banks).Apply(tree, kModel, false);
    bus.Pump();
    WarningCheck check(texts, vocabulary, evaluator);

    int errors = 0;
    int warnings = 0;
    for (auto _ : state) {
        check.RunWarningCheck(&tree, &errors, &warnings);
    }
    if (errors != 0 || warnings != 0) {
        state.SkipWithError("the full image was meant to pass every check");
    }
}
BENCHMARK(BM_WarningCheckOfAFullImage)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace orvane
