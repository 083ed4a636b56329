#include "app/edit_step_naming.h"

#include <cctype>

#include "radio/cell_names.h"
#include "sheet/cell_request.h"
#include "sheet/sheet.h"

namespace orvane {
namespace {

// The request of the grid cell behind a popup menu's or choice list's request.
const CellRequest& RootRequest(const CellRequest& request) {
    const CellRequest* root = &request;
    while (root->parentRequest != nullptr) {
        root = root->parentRequest;
    }
    return *root;
}

std::optional<SheetPosition> FindCell(const SheetCell* cell, const Sheet& sheet) {
    for (int row = 0; row < sheet.RowCount(); ++row) {
        for (int column = 0; column < sheet.ColumnCount(); ++column) {
            if (&sheet.CellAt(column, row) == cell) {
                SheetPosition position = sheet.RememberedPosition();
                position.column = column;
                position.row = row;
                return position;
            }
        }
    }
    return std::nullopt;
}

// The text a cell shows when it is a label, through the owner of a span it lies under.
std::string LabelText(const Sheet& sheet, int column, int row) {
    while (column > 0 && sheet.CellAt(column, row).IsCovered()) {
        --column;
    }
    const SheetCell& cell = sheet.CellAt(column, row);
    return cell.IsLabel() ? cell.text : std::string();
}

std::string Trimmed(std::string text) {
    const std::size_t first = text.find_first_not_of(' ');
    const std::size_t last = text.find_last_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

// A menu caption without its underline marks ("&&" stays one "&"), the number of a
// numbered item ("&2 HT-Lk2") and its shortcut.
std::string CommandName(const std::string& caption) {
    const bool numbered = caption.size() > 3 && caption[0] == '&' &&
                          std::isdigit(static_cast<unsigned char>(caption[1])) != 0 &&
                          caption[2] == ' ';
    std::string name;
    for (std::size_t i = numbered ? 3 : 0; i < caption.size() && caption[i] != '\t'; ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) {
            ++i;
        }
        name += caption[i];
    }
    return Trimmed(name);
}

// A popup menu's command reaches the data model as a command on the cell the menu was
// opened on; it is named as its item: "CL_PMenu_Paste" "Paste", "CL_PMenu_CarryUp" "Up".
std::string PopupCommandName(std::string_view cellName) {
    for (const std::string_view prefix : {"CL_PMenu_Carry", "CL_PMenu_"}) {
        if (cellName.starts_with(prefix)) {
            return std::string(cellName.substr(prefix.size()));
        }
    }
    return std::string(cellName);
}

std::string CellName(const Sheet& sheet, const SheetPosition& position) {
    for (int row = sheet.FixedRowCount() - 1; row >= 0; --row) {
        if (std::string title = Trimmed(LabelText(sheet, position.column, row)); !title.empty()) {
            return title;
        }
    }
    for (int column = position.column - 1; column >= 0; --column) {
        if (std::string label = Trimmed(LabelText(sheet, column, position.row)); !label.empty()) {
            return label;
        }
    }
    return {};
}

}  // namespace

std::optional<SheetPosition> ActedCellPosition(const CellRequest& request, const Sheet& sheet) {
    return FindCell(RootRequest(request).cell, sheet);
}

std::string StepName(const CellRequest& request, const Sheet* sheet) {
    if (request.commandId != 0) {
        return PopupCommandName(CellNames::CellIdName(request.commandId));
    }
    if (request.cell == nullptr) {
        return {};
    }
    if (sheet != nullptr) {
        if (const auto position = FindCell(request.cell, *sheet)) {
            return CellName(*sheet, *position);
        }
    }
    return CommandName(request.cell->text);
}

}  // namespace orvane
