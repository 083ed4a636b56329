#include "app/exchange_commands.h"

#include <filesystem>

#include "app/app_settings.h"
#include "app/main_controller.h"
#include "app/sheet_comparison.h"
#include "exchange/airport_frequencies.h"
#include "exchange/channel_csv.h"
#include "exchange/text_file.h"
#include "platform/prompter.h"
#include "text/text_store.h"

namespace orvane {
namespace {

// The lines of the exchange dialogs' texts.
constexpr const char* kDialogKey = "GI_Exchange_Dialog";
constexpr int kCsvFilterLine = 0;
constexpr int kCannotReadLine = 1;
constexpr int kCannotWriteLine = 2;
constexpr int kTakeQuestionLine = 3;
// The names the edit history gives the imports, as their menu items say.
constexpr const char* kImportStepName = "Import Channels";
constexpr const char* kAirportsStepName = "Import Airport Frequencies";

}  // namespace

ExchangeCommands::ExchangeCommands(MainController& controller, AppSettings& settings,
                                   TextStore& texts, Prompter& prompter, MainView& view)
    : controller_(controller),
      settings_(settings),
      texts_(texts),
      prompter_(prompter),
      view_(view) {}

void ExchangeCommands::Run(int command) {
    controller_.FinishCellEdit();
    switch (command) {
        case kExport:
            ExportWithDialog();
            break;
        case kImport:
            ImportWithDialog();
            break;
        case kAirports:
            AirportsWithDialog();
            break;
        case kCompare:
            CompareWithDialog();
            break;
        default:
            break;
    }
}

std::optional<std::string> ExchangeCommands::ChooseFile(FileChooserRequest::Purpose purpose,
                                                        const std::string& filter,
                                                        const std::string& fileName) {
    FileChooserRequest request;
    request.purpose = purpose;
    request.defaultExtension = purpose == FileChooserRequest::Purpose::kSave ? "csv" : "";
    request.filter = filter;
    request.fileName = fileName;
    request.initialDirectory = controller_.CurrentDocument().Directory();
    return view_.ChooseFile(request);
}

void ExchangeCommands::Tell(const std::string& text, PromptIcon icon) {
    prompter_.Ask({texts_.GetText("GI_Sys_AppTitle", 0), text, icon, PromptButtons::Ok});
}

void ExchangeCommands::TellFileFailure(int line, const std::string& path) {
    Tell(TextStore::WithValue(texts_.GetText(kDialogKey, line), path), PromptIcon::Error);
}

void ExchangeCommands::Offer(const ExchangeSummary& summary, const EepromImage& working,
                             const std::string& stepName) {
    if (!summary.AddedAny()) {
        Tell(SummaryText(summary, texts_), PromptIcon::Error);
        return;
    }
    const Prompt prompt{
        texts_.GetText("GI_Sys_AppTitle", 0),
        SummaryText(summary, texts_) + "\n\n" + texts_.GetText(kDialogKey, kTakeQuestionLine),
        PromptIcon::Question, PromptButtons::OkCancel};
    if (prompter_.Ask(prompt) == PromptAnswer::Ok) {
        controller_.ReplaceImage(working, stepName);
    }
}

void ExchangeCommands::ExportWithDialog() {
    const std::string stem =
        controller_.IsUntitled()
            ? "channels"
            : std::filesystem::path(controller_.CurrentFilePath()).stem().string();
    const std::optional<std::string> path =
        ChooseFile(FileChooserRequest::Purpose::kSave, texts_.GetText(kDialogKey, kCsvFilterLine),
                   stem + ".csv");
    if (!path) {
        return;
    }
    const std::string text =
        ExportChannelCsv(controller_.CurrentDocument().Current(), controller_.RadioOptions());
    if (!WriteTextFile(*path, text)) {
        TellFileFailure(kCannotWriteLine, *path);
    }
}

void ExchangeCommands::ImportWithDialog() {
    const std::optional<std::string> path = ChooseFile(
        FileChooserRequest::Purpose::kOpen, texts_.GetText(kDialogKey, kCsvFilterLine), "");
    if (!path) {
        return;
    }
    const std::optional<std::string> text = ReadTextFile(*path);
    if (!text) {
        TellFileFailure(kCannotReadLine, *path);
        return;
    }
    EepromImage working = controller_.CurrentDocument().Current();
    Offer(ImportChannelCsv(working, controller_.RadioOptions(), *text, std::nullopt), working,
          kImportStepName);
}

void ExchangeCommands::AirportsWithDialog() {
    AirportChoice preset;
    preset.table = settings_.AirportTable;
    preset.bankMode = controller_.RadioOptions().BankMode();
    const std::optional<AirportChoice> choice = view_.ChooseAirports(preset);
    if (!choice) {
        return;
    }
    settings_.AirportTable = choice->table;
    const std::optional<std::string> table = ReadTextFile(choice->table);
    if (!table) {
        TellFileFailure(kCannotReadLine, choice->table);
        return;
    }
    EepromImage working = controller_.CurrentDocument().Current();
    Offer(ImportAirportFrequencies(working, controller_.RadioOptions(), *table,
                                   IcaoCodes(choice->icaoCodes), choice->bank),
          working, kAirportsStepName);
}

void ExchangeCommands::CompareWithDialog() {
    const std::optional<std::string> path = ChooseFile(
        FileChooserRequest::Purpose::kOpen, texts_.GetText("GI_Sys_Dialog_FOpen", 1), "");
    if (!path) {
        return;
    }
    if (const auto differences = controller_.CompareWithFile(*path)) {
        view_.ShowDifferences(*path, *differences);
    }
}

}  // namespace orvane
