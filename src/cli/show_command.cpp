#include "cli/show_command.h"

#include <array>
#include <ostream>
#include <string>
#include <vector>

#include "app/sheet_text.h"
#include "cli/console_prompter.h"
#include "cli/controller_session.h"
#include "cli/verb_arguments.h"
#include "sheet/tree_node.h"

namespace orvane::cli {
namespace {

constexpr std::array kParameters = {
    Positional("FILE", "the clone data file to show", Presence::kRequired),
    Positional("SHEET", "the sheet to print instead of the tree", Presence::kOptional),
};

constexpr std::string_view kDescription =
    "Opens FILE as the Open command does and prints, without SHEET, the tree of sheets\n"
    "for the file's model: one caption per line, indented by depth, with \" [x]\" after\n"
    "a node that carries the error mark and \" [!]\" after one with the warning mark.\n"
    "\n"
    "With SHEET, prints that sheet as the program shows it: one line per grid row,\n"
    "cells separated by tabs, each value as the program draws it, with \" [x]\" or\n"
    "\" [!]\" after a cell in error or with a warning. SHEET is a caption of the tree\n"
    "(any case, such as \"Common Setting\" or \"WX CH\"), \"Bank N\" for bank N whatever\n"
    "its name, or a sheet's call text.\n"
    "\n"
    "The data goes to stdout; a file error or an unknown sheet goes to stderr with exit\n"
    "status 1.";

void PrintLines(std::ostream& out, const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        out << line << '\n';
    }
}

int RunShow(const CliInvocation& invocation) {
    const auto arguments = invocation.arguments.Positionals();
    ConsolePrompter prompter(invocation.err);
    ControllerSession session{SessionOptions(prompter)};
    MainController& controller = session.Controller();
    if (!controller.Files().OpenFile(arguments[0])) {
        return kExitFailed;
    }
    session.Settle();
    controller.RunWarningCheck(nullptr, nullptr);
    SheetTree& tree = *controller.Tree();
    if (arguments.size() == 1) {
        PrintLines(invocation.out, TreeOutline(tree));
        return kExitOk;
    }
    const TreeNode* node = FindNamedNode(tree, arguments[1]);
    if (node == nullptr || node->cell.LinkText().empty()) {
        invocation.err << "orvane-cli show: no sheet '" << arguments[1]
                       << "' in the tree of this file's model\n";
        return kExitFailed;
    }
    controller.OpenSheet(std::string(node->cell.LinkText()));
    PrintLines(invocation.out, SheetRowTexts(*controller.OpenedSheet(), controller.Evaluator()));
    return kExitOk;
}

}  // namespace

CliCommand ShowCommand() {
    return CliCommand{"show", "print the tree or a sheet of a clone data file", kParameters,
                      kDescription, RunShow};
}

}  // namespace orvane::cli
