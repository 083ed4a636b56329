#include "cli/print_command.h"

#include <QGuiApplication>
#include <QPageSize>
#include <array>
#include <cstdlib>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "app/sheet_text.h"
#include "base/ascii_case.h"
#include "cli/cli_help.h"
#include "cli/console_prompter.h"
#include "cli/controller_session.h"
#include "cli/verb_arguments.h"
#include "paint/pdf_file.h"
#include "paint/qt_font.h"
#include "sheet/tree_node.h"

namespace orvane::cli {
namespace {

constexpr std::array kParameters = {
    Positional("FILE", "the clone data file to print", Presence::kRequired),
    ValueOption("sheet", "SHEET",
                "one sheet, named as for 'orvane-cli show': a caption of the tree, \"Bank N\", "
                "or a sheet's call text"),
    Switch("all", "every sheet of the tree, in tree order"),
    ValueOption("o", "OUT.pdf",
                "the PDF file to write; an existing file is replaced only once the new one is "
                "complete",
                Presence::kRequired),
    ValueOption("font-size", "N",
                "the cells' font size, 8 to 12 points (default: the size chosen in the "
                "preview's Setting dialog)"),
    ValueOption("paper", "PAPER", "a4 or letter (default: the paper of the locale)"),
};

constexpr std::string_view kDescription =
    "Opens FILE as the Open command does and prints sheets into the PDF file OUT.pdf,\n"
    "with the pages, page frames, page breaks and font scaling of the program's Print\n"
    "command. No display is needed. Give either --sheet or --all.\n"
    "\n"
    "An unknown sheet, a sheet that is never printed, a file that does not open or an\n"
    "output that cannot be written is reported on stderr with exit status 1, and\n"
    "OUT.pdf is left as it was.";

constexpr int kSmallestFont = 8;
constexpr int kLargestFont = 12;

struct PrintOptions {
    std::string file;
    std::optional<std::string> sheet;
    std::string output;
    std::optional<int> fontSize;
    std::optional<QPageSize> paper;
};

std::optional<int> FontSizeOf(const std::string& text) {
    if (text.size() > 2 || text.empty() ||
        text.find_first_not_of("0123456789") != std::string::npos) {
        return std::nullopt;
    }
    const int size = std::atoi(text.c_str());
    if (size < kSmallestFont || size > kLargestFont) {
        return std::nullopt;
    }
    return size;
}

std::optional<QPageSize> PaperOf(const std::string& name) {
    if (EqualIgnoringAsciiCase(name, "a4")) {
        return QPageSize(QPageSize::A4);
    }
    if (EqualIgnoringAsciiCase(name, "letter")) {
        return QPageSize(QPageSize::Letter);
    }
    return std::nullopt;
}

// The parsed arguments checked against each other; empty after a usage error.
std::optional<PrintOptions> ReadOptions(const CliInvocation& invocation) {
    const VerbArguments& arguments = invocation.arguments;
    PrintOptions options;
    options.file = arguments.Positionals()[0];
    options.sheet = arguments.Value("sheet");
    options.output = *arguments.Value("o");
    if (arguments.IsSet("all") == options.sheet.has_value()) {
        UsageError(invocation, "give either --sheet SHEET or --all");
        return std::nullopt;
    }
    if (const auto size = arguments.Value("font-size")) {
        options.fontSize = FontSizeOf(*size);
        if (!options.fontSize) {
            UsageError(invocation, "the font size is 8 to 12 points, not '" + *size + "'");
            return std::nullopt;
        }
    }
    if (const auto paper = arguments.Value("paper")) {
        options.paper = PaperOf(*paper);
        if (!options.paper) {
            UsageError(invocation, "unknown paper '" + *paper + "' (a4 or letter)");
            return std::nullopt;
        }
    }
    return options;
}

// Fonts need a Qt Gui application; without a display it draws on the offscreen platform.
std::unique_ptr<QGuiApplication> MakeGuiApplication() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static int argc = 1;
    static char name[] = "orvane-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

int RunPrint(const CliInvocation& invocation) {
    const std::optional<PrintOptions> options = ReadOptions(invocation);
    if (!options) {
        return kExitUsage;
    }
    const std::unique_ptr<QGuiApplication> application = MakeGuiApplication();
    ConsolePrompter prompter(invocation.err);
    ControllerSession session{SessionOptions(prompter)};
    MainController& controller = session.Controller();
    if (!controller.Files().OpenFile(options->file)) {
        invocation.err << "orvane-cli print: " << options->file << " did not open\n";
        return kExitFailed;
    }
    session.Settle();
    std::vector<std::string> calls;
    if (!options->sheet) {
        calls = controller.TreeSheetCalls();
    } else {
        const TreeNode* node = FindNamedNode(*controller.Tree(), *options->sheet);
        if (node == nullptr || node->cell.LinkText().empty()) {
            invocation.err << "orvane-cli print: no sheet '" << *options->sheet
                           << "' in the tree of this file's model\n";
            return kExitFailed;
        }
        calls.emplace_back(node->cell.LinkText());
        controller.OpenSheet(calls.front());
        if (!controller.CanPrintCurrent()) {
            invocation.err << "orvane-cli print: the sheet '" << *options->sheet
                           << "' is not printed\n";
            return kExitFailed;
        }
    }
    QtFontMetrics fonts;
    const SheetEnvironment screen = controller.SheetContext();
    const PrintSources sources{SheetEnvironment{screen.textStore, screen.vocabulary, fonts,
                                                screen.bus, screen.conditions, screen.banks},
                               controller.Evaluator(), &controller.ColumnWidths(),
                               controller.FontSizePercentage()};
    PdfFile file(QString::fromStdString(options->output),
                 options->paper.value_or(LocalePaperSize()), fonts);
    QString problem;
    if (!WriteSheetsAsPdf(sources, options->fontSize.value_or(controller.PrinterFontSize()), calls,
                          file, problem)) {
        invocation.err << "orvane-cli print: cannot write " << options->output << ": "
                       << problem.toStdString() << '\n';
        return kExitFailed;
    }
    return kExitOk;
}

}  // namespace

CliCommand PrintCommand() {
    return CliCommand{"print", "print sheets of a clone data file into a PDF file", kParameters,
                      kDescription, RunPrint};
}

}  // namespace orvane::cli
