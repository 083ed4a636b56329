#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cleared_image.h"
#include "exchange/airport_frequencies.h"
#include "radio/bank_table.h"

namespace orvane {
namespace {

// The public table's layout, quoted as it is published.
constexpr const char* kTable =
    "\"id\",\"airport_ref\",\"airport_ident\",\"type\",\"description\",\"frequency_mhz\"\n"
    "70518,2212,\"EDDF\",\"TWR\",\"TOWER\",\"119.9\"\n"
    "70519,2212,\"EDDF\",\"ATIS\",\"ATIS\",\"118.025\"\n"
    "70520,2212,\"EDDF\",\"HF\",\"Oceanic, HF\",\"5.68\"\n"
    "70600,2300,\"EDFM\",\"TWR\",\"TOWER\",\"118.1\"\n"
    "70700,2345,\"EDFE\",\"TWR\",\"TOWER\",\"119.15\"\n"
    "70701,2345,\"EDFE\",\"CTAF\",\"INFO\",\"119.150\"\n"
    "70702,2345,\"EDFE\",\"APP/DEP\",\"LANGEN\",\"120.8\"\n";

TEST(AirportFrequencies, ReadsTypedCodeLists) {
    EXPECT_EQ(IcaoCodes(" eddf, EDFE;EDDF\tedfm "),
              (std::vector<std::string>{"EDDF", "EDFE", "EDFM"}));
    EXPECT_TRUE(IcaoCodes(" , ").empty());
}

TEST(AirportFrequencies, AddsTheAirportsInTheGivenOrder) {
    const RadioConfiguration options;
    EepromImage image = testing::ClearedImage(options.modelType);
    const ExchangeSummary summary =
        ImportAirportFrequencies(image, options, kTable, IcaoCodes("EDFE KXYZ EDDF"), 2);
    EXPECT_EQ(summary.added, (std::vector<std::string>{"EDFE TWR 119.150", "EDFE APP 120.800",
                                                       "EDDF TWR 119.900", "EDDF ATI 118.025"}));
    EXPECT_EQ(SummaryText(summary, testing::MainTexts()),
              "4 channels imported, 3 rows refused\n"
              "added: EDFE TWR 119.150\n"
              "added: EDFE APP 120.800\n"
              "added: EDDF TWR 119.900\n"
              "added: EDDF ATI 118.025\n"
              "EDFE CTAF 119.150: duplicate of EDFE TWR\n"
              "KXYZ: unknown ICAO code\n"
              "EDDF HF 5.68: 5.675 MHz is outside the band the radio receives");
    const BankTable banks(image);
    EXPECT_EQ(banks.UsedInBank(2), 4);
    // The unnamed bank takes the first airport's name; a named one keeps its own.
    EXPECT_EQ(banks.BankDisplayName(2, false), "2: EDFE            ");
    ImportAirportFrequencies(image, options, kTable, {"EDFM"}, 2);
    EXPECT_EQ(banks.BankDisplayName(2, false), "2: EDFE            ");
    EXPECT_EQ(banks.UsedInBank(2), 5);
}

TEST(AirportFrequencies, RefusesAFileOfAnotherLayoutWithoutChangingAnything) {
    const RadioConfiguration options;
    EepromImage image = testing::ClearedImage(options.modelType);
    const EepromImage before = image;
    const ExchangeSummary summary =
        ImportAirportFrequencies(image, options, "Name,Frequency\nTWR,119.9\n", {"EDDF"}, 0);
    EXPECT_EQ(summary.fileError, ExchangeFileError::kNotAirportTable);
    EXPECT_TRUE(image.Equals(before));
}

}  // namespace
}  // namespace orvane
