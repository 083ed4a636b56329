#include "cli/print_command.h"

#include <QGuiApplication>
#include <QPageSize>
#include <cstdlib>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "app/sheet_text.h"
#include "base/ascii_case.h"
#include "cli/console_prompter.h"
#include "cli/controller_session.h"
#include "paint/pdf_file.h"
#include "paint/qt_font.h"
#include "sheet/tree_node.h"

namespace orvane::cli {
namespace {

constexpr std::string_view kSynopsis =
    "FILE (--sheet SHEET | --all) -o OUT.pdf [--font-size N] [--paper a4|letter]";

constexpr std::string_view kDetails =
    "Opens FILE as the Open command does and prints sheets into the PDF file OUT.pdf,\n"
    "with the pages, page frames, page breaks and font scaling of the program's Print\n"
    "command. No display is needed.\n"
    "\n"
    "  --sheet SHEET   one sheet, named as for 'orvane-cli show': a caption of the tree,\n"
    "                  \"Bank N\", or a sheet's call text\n"
    "  --all           every sheet of the tree, in tree order\n"
    "  -o OUT.pdf      the file to write; an existing file is replaced only once the\n"
    "                  new one is complete\n"
    "  --font-size N   the cells' font size, 8 to 12 points (default: the size chosen\n"
    "                  in the preview's Setting dialog)\n"
    "  --paper PAPER   a4 or letter (default: the paper of the locale)\n"
    "\n"
    "An unknown sheet, a sheet that is never printed, a file that does not open or an\n"
    "output that cannot be written is reported on stderr with exit status 1, and\n"
    "OUT.pdf is left as it was.";

constexpr std::string_view kUsage =
    "Usage: orvane-cli print FILE (--sheet SHEET | --all) -o OUT.pdf [--font-size N] "
    "[--paper a4|letter]\n"
    "Run 'orvane-cli help print' for details.\n";

constexpr int kSmallestFont = 8;
constexpr int kLargestFont = 12;

struct PrintOptions {
    std::string file;
    std::optional<std::string> sheet;
    bool all = false;
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

std::optional<PrintOptions> ParseOptions(const CliInvocation& invocation) {
    PrintOptions options;
    const auto& arguments = invocation.arguments;
    const auto refuse = [&invocation](const std::string& why) {
        invocation.err << "orvane-cli print: " << why << '\n' << kUsage;
        return std::nullopt;
    };
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (argument == "--sheet" && hasValue) {
            options.sheet = arguments[++i];
        } else if (argument == "--all") {
            options.all = true;
        } else if (argument == "-o" && hasValue) {
            options.output = arguments[++i];
        } else if (argument == "--font-size" && hasValue) {
            options.fontSize = FontSizeOf(arguments[++i]);
            if (!options.fontSize) {
                return refuse("the font size is 8 to 12 points, not '" + arguments[i] + "'");
            }
        } else if (argument == "--paper" && hasValue) {
            options.paper = PaperOf(arguments[++i]);
            if (!options.paper) {
                return refuse("unknown paper '" + arguments[i] + "' (a4 or letter)");
            }
        } else if (!argument.starts_with("-") && options.file.empty()) {
            options.file = argument;
        } else {
            return refuse("unexpected argument '" + argument + "'");
        }
    }
    if (options.file.empty()) {
        return refuse("no clone data file given");
    }
    if (options.all == options.sheet.has_value()) {
        return refuse("give either --sheet SHEET or --all");
    }
    if (options.output.empty()) {
        return refuse("no output file given (-o OUT.pdf)");
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
    const std::optional<PrintOptions> options = ParseOptions(invocation);
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
    if (options->all) {
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
    return CliCommand{"print", kSynopsis, "print sheets of a clone data file into a PDF file",
                      kDetails, RunPrint};
}

}  // namespace orvane::cli
