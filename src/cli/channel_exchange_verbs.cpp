#include "cli/channel_exchange_verbs.h"

#include <array>
#include <optional>
#include <ostream>
#include <string>

#include "app/main_controller.h"
#include "app/sheet_comparison.h"
#include "cli/cli_help.h"
#include "cli/console_prompter.h"
#include "cli/controller_session.h"
#include "cli/verb_arguments.h"
#include "exchange/airport_frequencies.h"
#include "exchange/channel_csv.h"
#include "exchange/text_file.h"
#include "radio/bank_table.h"

namespace orvane::cli {
namespace {

constexpr CliParameter kFileArgument =
    Positional("FILE", "the clone data file to read", Presence::kRequired);
constexpr CliParameter kTableOutput =
    ValueOption("o", "FILE", "the channel table (.csv) to write; an existing file is replaced",
                Presence::kRequired);
constexpr CliParameter kBankOption =
    ValueOption("bank", "N", "the bank 0-9 that takes the channels (banked models)");
constexpr CliParameter kFromOption =
    ValueOption("from", "TABLE", "the airport-frequencies.csv downloaded from OurAirports",
                Presence::kRequired);
constexpr CliParameter kIcaoOption = ValueOption(
    "icao", "CODES", "the airports' ICAO codes, in order: EDDF,EDFE", Presence::kRequired);

constexpr std::array kExportParameters = {kFileArgument, kTableOutput};
constexpr std::array kImportParameters = {
    kFileArgument,
    Positional("TABLE", "the channel table (.csv) to import", Presence::kRequired),
    kBankOption,
    kOutputFileOption,
};
constexpr std::array kAirportParameters = {kFileArgument, kFromOption, kIcaoOption, kBankOption,
                                           kOutputFileOption};
constexpr std::array kDiffParameters = {
    Positional("A", "the first clone data file", Presence::kRequired),
    Positional("B", "the clone data file to compare it with", Presence::kRequired),
};

constexpr std::string_view kExportDescription =
    "Opens FILE as the Open command does and writes one row per used channel, in bank\n"
    "order, under the header Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,\n"
    "cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,\n"
    "Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE (lines end in CR LF). The README\n"
    "describes each column.";

constexpr std::string_view kImportDescription =
    "Opens FILE as the Open command does and appends each row of TABLE through the\n"
    "same rules as a frequency and a name typed into the channel sheet: to bank N,\n"
    "else to the bank the row's Comment names (\"Bank 3 ...\"), else to bank 0.\n"
    "Columns are found by name in any order and case; other columns are ignored. A\n"
    "row is refused with its line and reason (a mode other than AM, a frequency\n"
    "outside the band, a full bank); the summary goes to stderr. The result is saved\n"
    "to FILE as the Save command saves it. When no row can be taken, nothing is\n"
    "written and the exit status is 1.";

constexpr std::string_view kAirportsDescription =
    "Opens FILE as the Open command does and appends a channel for each frequency of\n"
    "the airports CODES (separated by commas or blanks) found in TABLE, in the order\n"
    "given, named from the ident and the type (\"EDDF TWR\") and entered as typed\n"
    "into the channel sheet. A frequency an airport lists twice is added once; the\n"
    "summary on stderr names what was added and what was refused and why (outside the\n"
    "band, bank full, unknown ICAO code). An unnamed bank takes the first airport's\n"
    "name. Orvane never downloads the table itself. When nothing can be added, nothing\n"
    "is written and the exit status is 1.";

constexpr std::string_view kDiffDescription =
    "Opens A as the Open command does and compares every sheet of its tree with the\n"
    "same sheet of B, shown in A's model. Each cell whose shown value differs is a line\n"
    "of five tab-separated fields: the sheet's caption, the row's label, the column's\n"
    "title, the value in A and the value in B.\n"
    "\n"
    "Exit status: 0 when the files show the same, 1 when they differ, 2 when a file\n"
    "cannot be read or the command line is wrong.";

// The bank option's value, 0 without one; empty after a usage error.
std::optional<int> BankOf(const CliInvocation& invocation) {
    const std::optional<std::string> given = invocation.arguments.Value(kBankOption.name);
    if (!given) {
        return 0;
    }
    if (given->size() != 1 || !BankTable::IsBank((*given)[0] - '0')) {
        UsageError(invocation, "the bank must be a number from 0 to 9, not '" + *given + "'");
        return std::nullopt;
    }
    return (*given)[0] - '0';
}

// Opens FILE, lets `import` fill a copy of its image and saves the copy when it took
// anything.
template <typename Import>
int ImportAndSave(const CliInvocation& invocation, const std::string& tablePath, Import import) {
    ConsolePrompter prompter(invocation.err);
    ControllerSession session{SessionOptions(prompter)};
    MainController& controller = session.Controller();
    if (!controller.Files().OpenFile(invocation.arguments.Positionals()[0])) {
        return kExitFailed;
    }
    const std::optional<std::string> table = ReadTextFile(tablePath);
    if (!table) {
        invocation.err << "orvane-cli " << invocation.command.name << ": cannot read " << tablePath
                       << '\n';
        return kExitFailed;
    }
    EepromImage working = controller.CurrentDocument().Current();
    const ExchangeSummary summary = import(working, controller.RadioOptions(), *table);
    invocation.err << SummaryText(summary, session.Texts()) << '\n';
    if (!summary.AddedAny()) {
        return kExitFailed;
    }
    controller.ReplaceImage(working, std::string(invocation.command.name));
    return controller.Files().SaveFile(*invocation.arguments.Value(kOutputFileOption.name))
               ? kExitOk
               : kExitFailed;
}

int RunExport(const CliInvocation& invocation) {
    ConsolePrompter prompter(invocation.err);
    ControllerSession session{SessionOptions(prompter)};
    MainController& controller = session.Controller();
    if (!controller.Files().OpenFile(invocation.arguments.Positionals()[0])) {
        return kExitFailed;
    }
    const std::string path = *invocation.arguments.Value(kTableOutput.name);
    if (!WriteTextFile(path, ExportChannelCsv(controller.CurrentDocument().Current(),
                                              controller.RadioOptions()))) {
        invocation.err << "orvane-cli export: cannot write " << path << '\n';
        return kExitFailed;
    }
    return kExitOk;
}

int RunImport(const CliInvocation& invocation) {
    std::optional<int> bank;
    if (invocation.arguments.IsSet(kBankOption.name)) {
        bank = BankOf(invocation);
        if (!bank) {
            return kExitUsage;
        }
    }
    return ImportAndSave(
        invocation, invocation.arguments.Positionals()[1],
        [bank](EepromImage& image, const RadioConfiguration& options, const std::string& table) {
            return ImportChannelCsv(image, options, table, bank);
        });
}

int RunAirports(const CliInvocation& invocation) {
    const std::optional<int> bank = BankOf(invocation);
    if (!bank) {
        return kExitUsage;
    }
    const std::vector<std::string> codes = IcaoCodes(*invocation.arguments.Value(kIcaoOption.name));
    if (codes.empty()) {
        return UsageError(invocation, "--icao names no airport");
    }
    return ImportAndSave(invocation, *invocation.arguments.Value(kFromOption.name),
                         [&codes, bank](EepromImage& image, const RadioConfiguration& options,
                                        const std::string& table) {
                             return ImportAirportFrequencies(image, options, table, codes, *bank);
                         });
}

int RunDiff(const CliInvocation& invocation) {
    const auto files = invocation.arguments.Positionals();
    ConsolePrompter prompter(invocation.err);
    ControllerSession session{SessionOptions(prompter)};
    MainController& controller = session.Controller();
    if (!controller.Files().OpenFile(files[0])) {
        return kExitUsage;
    }
    session.Settle();
    const auto differences = controller.CompareWithFile(files[1]);
    if (!differences) {
        return kExitUsage;
    }
    for (const CellDifference& difference : *differences) {
        invocation.out << DifferenceLine(difference) << '\n';
    }
    return differences->empty() ? kExitOk : kExitFailed;
}

}  // namespace

CliCommand ExportCommand() {
    return CliCommand{"export", "write a clone data file's channels as a channel table (.csv)",
                      kExportParameters, kExportDescription, RunExport};
}

CliCommand ImportCommand() {
    return CliCommand{"import", "append the channels of a channel table (.csv) to a file",
                      kImportParameters, kImportDescription, RunImport};
}

CliCommand AirportsCommand() {
    return CliCommand{"airports", "append the frequencies of airports given by ICAO code",
                      kAirportParameters, kAirportsDescription, RunAirports};
}

CliCommand DiffCommand() {
    return CliCommand{"diff", "list the cells in which two clone data files differ",
                      kDiffParameters, kDiffDescription, RunDiff};
}

}  // namespace orvane::cli
