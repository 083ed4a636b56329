// The channel exchange on a full image: exporting its 200 channels as a table, importing
// such a table through the entry rules, and picking three airports' frequencies out of a
// table of 30 000 airport frequencies. Each must stay well under what a user notices:
// 20 ms for the channel table either way, 100 ms for the airports.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "exchange/airport_frequencies.h"
#include "exchange/channel_csv.h"
#include "image/default_images.h"
#include "image/eeprom_image.h"
#include "image/image_layout.h"
#include "radio/channel_array.h"
#include "radio/channel_store.h"
#include "radio/memory_map.h"

namespace orvane {
namespace {

const RadioConfiguration kOptions;

// The model's default image with every position blank.
EepromImage ClearedImage() {
    EepromImage image;
    image.Resize(kImageCapacity);
    PrepareDefaultImage(image, kOptions.modelType);
    ChannelArray channels(image, kOptions.modelType);
    for (int position = 0; position < kChannelCount; ++position) {
        channels.Blank(position);
    }
    return image;
}

// Every one of the 200 channels used, each with its own frequency and name.
EepromImage FullImage() {
    EepromImage image = ClearedImage();
    ChannelStore channels(image, kOptions.modelType);
    for (int position = 0; position < kChannelCount; ++position) {
        MemoryChannel channel = channels.Load(MemoryChannel::kMemory, position);
        channel.used = true;
        channel.rxHz = 118'000'000 + static_cast<Hertz>(position) * 50'000;
        channel.txHz = channel.rxHz;
        channel.name = "CH" + std::to_string(1000 + position).substr(1) + "   ";
        channels.Store(channel);
    }
    return image;
}

void BM_ExportChannels(benchmark::State& state) {
    EepromImage image = FullImage();
    for (auto _ : state) {
        benchmark::DoNotOptimize(ExportChannelCsv(image, kOptions));
    }
}
BENCHMARK(BM_ExportChannels)->Unit(benchmark::kMillisecond);

void BM_ImportChannels(benchmark::State& state) {
    EepromImage full = FullImage();
    const std::string table = ExportChannelCsv(full, kOptions);
    const EepromImage cleared = ClearedImage();
    for (auto _ : state) {
        EepromImage image = cleared;
        const ExchangeSummary summary = ImportChannelCsv(image, kOptions, table, std::nullopt);
        if (summary.added.size() != static_cast<std::size_t>(kChannelCount)) {
            state.SkipWithError("not every channel was imported");
            break;
        }
    }
}
BENCHMARK(BM_ImportChannels)->Unit(benchmark::kMillisecond);

// 30 000 rows in the published layout: 7 500 airports with four frequencies each.
std::string AirportTable() {
    std::string table =
        "\"id\",\"airport_ref\",\"airport_ident\",\"type\",\"description\",\"frequency_mhz\"\n";
    const char* types[] = {"TWR", "GND", "ATIS", "APP"};
    char line[128];
    for (int row = 0; row < 30'000; ++row) {
        const int airport = row / 4;
        std::snprintf(line, sizeof line, "%d,%d,\"K%03d%c\",\"%s\",\"%s\",\"%d.%03d\"\n", row,
                      airport, airport % 1000, 'A' + airport / 1000, types[row % 4], types[row % 4],
                      118 + row % 18, (row * 25) % 1000);
        table += line;
    }
    return table;
}

void BM_ImportAirports(benchmark::State& state) {
    const std::string table = AirportTable();
    const EepromImage cleared = ClearedImage();
    const std::vector<std::string> codes = IcaoCodes("K123A K456D K999G");
    for (auto _ : state) {
        EepromImage image = cleared;
        const ExchangeSummary summary = ImportAirportFrequencies(image, kOptions, table, codes, 0);
        if (summary.added.size() != 12) {
            state.SkipWithError("not every airport frequency was imported");
            break;
        }
    }
}
BENCHMARK(BM_ImportAirports)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orvane
