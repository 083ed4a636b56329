#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cleared_image.h"
#include "exchange/channel_csv.h"
#include "exchange/csv_table.h"
#include "radio/bank_table.h"
#include "radio/channel_store.h"
#include "radio/memory_map.h"

namespace orvane {
namespace {

using testing::ClearedImage;
using testing::MainTexts;

constexpr const char* kHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n";

// Channels of every kind the mapping carries, in two banks.
constexpr const char* kSource =
    "Name,Frequency,Duplex,Offset,Skip,Comment\n"
    "EMERG.,121.5,,,S,Bank 0\n"
    "VOR FFM,114.2,split,118.1,,Bank 0\n"
    "LISTEN,123.45,off,,,Bank 0\n"
    "TWR,119.9,,,,Bank 3 EDDF\n";

std::vector<MemoryChannel> Channels(EepromImage& image, int modelType) {
    const ChannelStore store(image, modelType);
    std::vector<MemoryChannel> channels;
    for (int position = 0; position < memory_map::kChannelCount; ++position) {
        channels.push_back(store.Load(MemoryChannel::kMemory, position));
    }
    return channels;
}

std::vector<std::string> RefusalTexts(const ExchangeSummary& summary) {
    std::vector<std::string> texts;
    for (const Refusal& refusal : summary.refused) {
        texts.push_back(RefusalText(refusal, MainTexts()));
    }
    return texts;
}

TEST(ChannelCsv, ExportWritesTheExchangeLayout) {
    const RadioConfiguration options;
    EepromImage image = ClearedImage(options.modelType);
    ASSERT_TRUE(ImportChannelCsv(image, options, kSource, std::nullopt).refused.empty());
    const std::string expected =
        std::string(kHeader) +
        "0,EMERG.,121.500000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,AM,25.00,S,,Bank 0,,,,\r\n"
        "1,VOR FFM,114.200000,split,118.100000,,88.5,88.5,023,NN,023,Tone->Tone,AM,25.00,,,"
        "Bank 0,,,,\r\n"
        "2,LISTEN,123.450000,off,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,AM,25.00,,,Bank 0,,,,"
        "\r\n"
        "60,TWR,119.900000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,AM,25.00,,,Bank 3,,,,\r\n";
    EXPECT_EQ(ExportChannelCsv(image, options), expected);
}

TEST(ChannelCsv, ExportThenImportIntoANewFileGivesTheSameChannels) {
    for (const int modelType : {model_type::kLk1, model_type::kLk2, model_type::kLk1S}) {
        RadioConfiguration options;
        options.modelType = modelType;
        options.spacing833Allowed = true;
        options.channelSpacing = 2;
        EepromImage original = ClearedImage(modelType);
        const ExchangeSummary made = ImportChannelCsv(
            original, options, "Frequency,Name\n118.005,A.B\n121.5,EMERG\n", std::nullopt);
        ASSERT_EQ(made.added.size(), 2U) << SummaryText(made, MainTexts());
        ImportChannelCsv(original, options, kSource, std::nullopt);
        const std::string exported = ExportChannelCsv(original, options);

        EepromImage copy = ClearedImage(modelType);
        const ExchangeSummary summary = ImportChannelCsv(copy, options, exported, std::nullopt);
        EXPECT_TRUE(summary.refused.empty()) << SummaryText(summary, MainTexts());
        EXPECT_EQ(Channels(copy, modelType), Channels(original, modelType)) << modelType;
        EXPECT_EQ(ExportChannelCsv(copy, options), exported);

        // Imported again, the table adds nothing: each row is a channel its bank holds.
        const ExchangeSummary again = ImportChannelCsv(copy, options, exported, std::nullopt);
        EXPECT_TRUE(again.added.empty());
        ASSERT_FALSE(again.refused.empty());
        EXPECT_EQ(ReasonText(again.refused.front().reason, MainTexts()),
                  options.BankMode() ? "already in bank 0" : "already in the list");
    }
}

TEST(ChannelCsv, ImportReadsOtherSpellingsAndRefusesWhatTheRadioCannotDo) {
    const RadioConfiguration options;
    EepromImage image = ClearedImage(options.modelType);
    const std::string text =
        "\xEF\xBB\xBF"
        "comment,MODE,frequency,Extra,NAME,duplex,offset\r\n"
        "x,am,118.7,ignored,\"Tower, north\",,\r\n"
        "x,FM,145.500000,,Repeater,,\r\n"
        "x,,446.000,,PMR,,\r\n"
        "x,AM,,,Nothing,,\r\n"
        "x,AM,110.000,,\"VOR \"\"A\"\"\",-,0.5\r\n"
        "x,AM,121.8,,Ground,+-,\r\n"
        "x,Auto,124.35,,Approach,,\r\n";
    const ExchangeSummary summary = ImportChannelCsv(image, options, text, 5);
    EXPECT_EQ(summary.added, (std::vector<std::string>{"TOWER  N 118.700", "VOR  A 110.000"}));
    EXPECT_EQ(RefusalTexts(summary),
              (std::vector<std::string>{
                  "line 3: mode FM: the radio receives AM only",
                  "line 4: 299.975 MHz is outside the band the radio receives",
                  "line 5: no frequency", "line 7: duplex \"+-\" is not one the radio knows",
                  "line 8: mode Auto: the radio receives AM only"}));
    EXPECT_EQ(SummaryText(summary, MainTexts()).substr(0, 36),
              "2 channels imported, 5 rows refused\n");

    // The rows went to bank 5; "-" 0.5 from 110.000 gives a transmit frequency of 109.500.
    const BankTable banks(image);
    const ChannelStore store(image, options.modelType);
    const MemoryChannel vor = store.Load(MemoryChannel::kMemory, banks.BankFirst(5) + 1);
    EXPECT_EQ(vor.rxHz, 110'000'000U);
    EXPECT_EQ(vor.txHz, 109'500'000U);
    EXPECT_TRUE(vor.duplex);
}

TEST(ChannelCsv, FullBanksAndFilesWithoutAFrequencyColumnAreRefused) {
    RadioConfiguration options;
    EepromImage image = ClearedImage(options.modelType);
    std::string rows = "Frequency\n";
    for (Hertz i = 0; i < 21; ++i) {
        rows += FormatFrequency(120'000'000 + i * 25'000) + "\n";
    }
    // The default banks share all 200 positions: bank 0 has 20.
    const ExchangeSummary full = ImportChannelCsv(image, options, rows, 0);
    EXPECT_EQ(full.added.size(), 20U);
    EXPECT_EQ(RefusalTexts(full), std::vector<std::string>{"line 22: bank full"});

    // Once bank 9 gives up positions, bank 0 grows into them.
    BankTable(image).SetBankCapacity(9, 0);
    EXPECT_EQ(ImportChannelCsv(image, options, "Frequency\n121.0\n", 0).added.size(), 1U);
    EXPECT_EQ(BankTable(image).BankCapacity(0), 21);

    for (const auto& [text, message] :
         {std::pair("", "The file holds no table."),
          std::pair("Name,Freq\nA,120.0\n", "The file has no Frequency column.")}) {
        const EepromImage before = image;
        const ExchangeSummary refused = ImportChannelCsv(image, options, text, std::nullopt);
        EXPECT_EQ(SummaryText(refused, MainTexts()), message) << text;
        EXPECT_FALSE(refused.AddedAny());
        EXPECT_TRUE(image.Equals(before));
    }
}

}  // namespace
}  // namespace orvane
