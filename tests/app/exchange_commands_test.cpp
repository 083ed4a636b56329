// The File menu's exchange commands on the real controller: the file and airport dialogs
// and the summary question answered from scripts, real files in a scratch directory.

#include <gtest/gtest.h>

#include <string>

#include "app/exchange_commands.h"
#include "app/sheet_comparison.h"
#include "controller_fixture.h"
#include "image/scratch_directory.h"
#include "radio/bank_table.h"

namespace orvane::testing {
namespace {

class ExchangeCommandsTest : public ControllerFixture {
protected:
    void SetUp() override { Start(); }
    const EepromImage& Image() { return controller->CurrentDocument().Current(); }
    std::string Write(const std::string& name, const std::string& text) {
        WriteWholeFile(directory.File(name), text);
        return directory.File(name);
    }
    ScratchDirectory directory;
};

TEST_F(ExchangeCommandsTest, AnImportChangesTheDocumentOnlyWhenItsSummaryIsAccepted) {
    const std::string table = Write("in.csv",
                                    "Frequency,Name,Mode,Comment\n"
                                    "119.9,TWR,,Bank 4\n"
                                    "145.5,RPT,FM,Bank 4\n");
    EepromImage before = Image();
    view.choices = {table};
    prompter.answers = {PromptAnswer::Cancel};
    controller->Exchange().Run(ExchangeCommands::kImport);
    ASSERT_EQ(prompter.shown.size(), 1U);
    EXPECT_EQ(prompter.shown[0].text,
              "1 channel imported, 1 row refused\nline 3: mode FM: the radio receives AM only"
              "\n\nTake the imported channels?");
    EXPECT_TRUE(Image().Equals(before));
    EXPECT_FALSE(controller->CurrentDocument().Modified());

    view.choices = {table};
    controller->Exchange().Run(ExchangeCommands::kImport);
    EXPECT_TRUE(controller->CurrentDocument().Modified());
    EXPECT_EQ(BankTable(controller->CurrentDocument().Current()).UsedInBank(4),
              BankTable(before).UsedInBank(4) + 1);
}

TEST_F(ExchangeCommandsTest, EachAcceptedImportIsOneUndoStep) {
    const EepromImage before = Image();
    view.choices = {
        Write("in.csv", "Frequency,Name,Comment\n119.9,TWR,Bank 4\n120.5,APP,Bank 4\n")};
    controller->Exchange().Run(ExchangeCommands::kImport);
    const EepromImage afterChannels = Image();
    view.airportChoices = {
        AirportChoice{Write("airports.csv",
                            "id,airport_ref,airport_ident,type,description,frequency_mhz\n"
                            "1,2,EDFE,TWR,TOWER,119.15\n1,2,EDFE,ATIS,ATIS,118.3\n"),
                      "EDFE", 6, true}};
    controller->Exchange().Run(ExchangeCommands::kAirports);
    ASSERT_FALSE(Image().Equals(afterChannels));
    EXPECT_EQ(controller->UndoStepName(), "Import Airport Frequencies");

    controller->Undo();
    EXPECT_TRUE(Image().Equals(afterChannels));
    EXPECT_EQ(controller->UndoStepName(), "Import Channels");
    EXPECT_EQ(controller->RedoStepName(), "Import Airport Frequencies");
    controller->Undo();
    EXPECT_TRUE(Image().Equals(before));
    EXPECT_FALSE(controller->CurrentDocument().Modified());
    EXPECT_EQ(controller->UndoStepName(), std::nullopt);
    controller->Redo();
    EXPECT_TRUE(Image().Equals(afterChannels));
    EXPECT_TRUE(controller->CurrentDocument().Modified());
}

TEST_F(ExchangeCommandsTest, FilesThatCannotBeUsedAreReportedAndChangeNothing) {
    const EepromImage before = Image();
    view.choices = {directory.File("missing.csv"), Write("empty.csv", "")};
    controller->Exchange().Run(ExchangeCommands::kImport);
    controller->Exchange().Run(ExchangeCommands::kImport);
    ASSERT_EQ(prompter.shown.size(), 2U);
    EXPECT_EQ(prompter.shown[0].text,
              "Cannot read the file " + directory.File("missing.csv") + ".");
    EXPECT_EQ(prompter.shown[1].text, "The file holds no table.");
    EXPECT_EQ(prompter.shown[1].icon, PromptIcon::Error);
    // A cancelled dialog asks nothing further.
    view.choices = {std::nullopt};
    view.airportChoices = {std::nullopt};
    controller->Exchange().Run(ExchangeCommands::kExport);
    controller->Exchange().Run(ExchangeCommands::kAirports);
    EXPECT_EQ(prompter.shown.size(), 2U);
    EXPECT_TRUE(Image().Equals(before));
}

TEST_F(ExchangeCommandsTest, TheAirportTableIsRememberedAndTheExportWritesTheTable) {
    const std::string table = Write("airports.csv",
                                    "id,airport_ref,airport_ident,type,description,frequency_mhz\n"
                                    "1,2,EDFE,TWR,TOWER,119.15\n");
    settings.AirportTable = "/old/table.csv";
    view.airportChoices = {AirportChoice{table, "edfe", 6, true}};
    controller->Exchange().Run(ExchangeCommands::kAirports);
    ASSERT_EQ(view.airportPresets.size(), 1U);
    EXPECT_EQ(view.airportPresets[0].table, "/old/table.csv");
    EXPECT_EQ(settings.AirportTable, table);
    EXPECT_EQ(BankTable(controller->CurrentDocument().Current()).BankDisplayName(6, false),
              "6: EDFE            ");

    view.choices = {directory.File("out.csv")};
    controller->Exchange().Run(ExchangeCommands::kExport);
    EXPECT_EQ(view.requests.back().fileName, "channels.csv");
    EXPECT_NE(ReadWholeFile(directory.File("out.csv")).find(",EDFE TWR,119.150000,"),
              std::string::npos);
}

TEST(SheetComparison, LabelsEachDifferenceByRowAndColumn) {
    const auto sheet = [](std::string call, std::vector<std::vector<ShownCell>> rows) {
        return ShownSheet{call, "Caption " + call, std::move(rows), 1};
    };
    const std::vector<ShownSheet> a = {
        sheet("S1", {{{0, ""}, {1, "RX"}, {2, "Name"}}, {{0, "0- 1"}, {1, "118.000"}, {2, "A"}}}),
        sheet("S2", {{{0, "x"}}}),
    };
    const std::vector<ShownSheet> b = {
        sheet("S1", {{{0, ""}, {1, "RX"}, {2, "Name"}},
                     {{0, "0- 1"}, {1, "118.000"}, {2, "B"}},
                     {{0, "0- 2"}, {1, "119.000"}}}),
        sheet("S3", {}),
    };
    std::vector<std::string> lines;
    for (const CellDifference& difference : CompareShownSheets(a, b)) {
        lines.push_back(DifferenceLine(difference));
    }
    EXPECT_EQ(lines,
              (std::vector<std::string>{"Caption S1\t0- 1\tName\tA\tB", "Caption S1\t\t\t\t0- 2",
                                        "Caption S1\t0- 2\tRX\t\t119.000",
                                        "Caption S2\t\t\tsheet\t", "Caption S3\t\t\t\tsheet"}));
    EXPECT_TRUE(CompareShownSheets(a, a).empty());
}

}  // namespace
}  // namespace orvane::testing
