#pragma once
// The File menu's channel exchange: channels exported to and imported from the common
// comma-separated layout, the frequencies of chosen airports, and the comparison of the
// document with another file. An import works on a copy of the image, shows what it did
// and changes the document in one step only when the user accepts it.

#include <optional>
#include <string>

#include "app/main_view.h"
#include "platform/prompter.h"

namespace orvane {

class AppSettings;
class EepromImage;
class MainController;
class Prompter;
class TextStore;
struct ExchangeSummary;

class ExchangeCommands {
public:
    // The commands in the order of the menu item's index.
    enum Command { kExport = 0, kImport = 1, kAirports = 2, kCompare = 3 };

    ExchangeCommands(MainController& controller, AppSettings& settings, TextStore& texts,
                     Prompter& prompter, MainView& view);

    void Run(int command);
    void ExportWithDialog();
    void ImportWithDialog();
    void AirportsWithDialog();
    void CompareWithDialog();

private:
    std::optional<std::string> ChooseFile(FileChooserRequest::Purpose purpose,
                                          const std::string& filter, const std::string& fileName);
    void Tell(const std::string& text, PromptIcon icon);
    // The dialog text of `line` ("Cannot read the file %s.") about `path`, as an error.
    void TellFileFailure(int line, const std::string& path);
    // Shows the summary; the document takes `working`, as the one edit step `stepName`,
    // when the user accepts it.
    void Offer(const ExchangeSummary& summary, const EepromImage& working,
               const std::string& stepName);

    MainController& controller_;
    AppSettings& settings_;
    TextStore& texts_;
    Prompter& prompter_;
    MainView& view_;
};

}  // namespace orvane
