// The "( ... )" attributes of a cell: presets, colour, font, link, counter, image
// index, popup menu and user flags.

#include <string>

#include "base/fatal.h"
#include "sheet/cell_parser.h"
#include "sheet/cell_vocabulary.h"
#include "sheet/definition_text.h"
#include "sheet/font_spec.h"
#include "text/text_store.h"

namespace orvane {
namespace {

constexpr std::string_view kPresetKeyPrefix = "CellModel_";
// Presets may use presets; a chain this deep can only be a preset that uses itself.
constexpr int kMaxPresetDepth = 16;

// The position of the first `wanted` byte that no '\' escapes, or npos.
std::size_t FindUnescaped(std::string_view text, char wanted) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\') {
            ++i;
        } else if (text[i] == wanted) {
            return i;
        }
    }
    return std::string_view::npos;
}

std::string RemoveEscapes(std::string_view text) {
    std::string plain;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\') {
            if (++i == text.size()) {
                break;
            }
        }
        plain.push_back(text[i]);
    }
    return plain;
}

// "FlagD=V" with D one of 0..7 and V exactly 0 or 1; anything else changes nothing.
void ApplyUserFlag(SheetCell& cell, std::string_view attribute) {
    if (attribute.size() != 7 || attribute[4] < '0' || attribute[4] > '7' || attribute[5] != '=' ||
        (attribute[6] != '0' && attribute[6] != '1')) {
        return;
    }
    cell.SetUserFlag(attribute[4] - '0', attribute[6] == '1');
}

}  // namespace

void CellParser::ApplyAttribute(SheetCell& cell, std::string_view attribute,
                                SheetCounters* counters, int presetDepth) {
    if (attribute.empty()) {
        return;
    }
    const bool hasValue = attribute.find('=') != std::string_view::npos;
    const std::string_view value = ValueAfterEquals(attribute);
    if (attribute.front() == '$') {
        const std::string_view name = attribute.substr(1);
        if (presetDepth >= kMaxPresetDepth) {
            Fatal(NamedFault("Cell model nested too deeply.", name));
        }
        const std::string preset =
            textStore_.GetText(std::string(kPresetKeyPrefix) + std::string(name), 0);
        ApplyAttributeString(cell, preset, counters, presetDepth + 1);
    } else if (attribute.starts_with("Color")) {
        if (auto colour = LookupColour(value)) {
            cell.colour = *colour;
        }
    } else if (attribute.starts_with("Font")) {
        if (!cell.font) {
            cell.font =
                cell.parent != nullptr && cell.parent->font ? *cell.parent->font : DefaultFont();
        }
        ApplyFontSpec(*cell.font, value);
    } else if (attribute.front() == '%') {
        ApplyLink(cell, attribute.substr(1), counters);
    } else if (attribute.front() == '@') {
        ApplyCounterAttribute(attribute, counters);
    } else if (attribute.starts_with("ImageIndex")) {
        if (hasValue) {
            cell.imageIndex = LeadingNumber(value);
        }
    } else if (attribute.starts_with("PopupMenu")) {
        if (hasValue) {
            cell.popupMenu = std::string(value);
        }
    } else if (attribute.starts_with("Flag")) {
        ApplyUserFlag(cell, attribute);
    }
    // Anything else is ignored: the start page uses a back-quote attribute as a comment.
}

void CellParser::ApplyLink(SheetCell& cell, std::string_view link, SheetCounters* counters) {
    // The category part ends at the first unescaped '.'; it is looked for only before
    // the index and the link text, so a '.' in a link text is just text.
    const std::string_view head = link.substr(0, link.find_first_of("[:"));
    const std::size_t dot = FindUnescaped(head, '.');
    if (dot != std::string_view::npos) {
        const std::string_view category = link.substr(0, dot);
        cell.link.category =
            category.empty() ? CellLink::kNoCategory : vocabulary_.CategoryFromName(category);
        link.remove_prefix(dot + 1);
    }
    const std::size_t nameEnd = link.find_first_of("[:");
    const std::string_view name = link.substr(0, nameEnd);
    cell.link.cellId = name.empty() ? CellLink::kNoCell : vocabulary_.CellIdFromName(name);
    std::string_view rest = nameEnd == std::string_view::npos ? "" : link.substr(nameEnd);
    if (rest.starts_with('[')) {
        const std::size_t close = rest.find(']');
        const std::string_view index =
            rest.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1);
        if (index.starts_with('@')) {
            const int counter = CounterNumber(index, counters);  // faults without counters
            cell.link.index = (*counters)[counter];
        } else {
            cell.link.index = LeadingNumber(index);
        }
        rest = close == std::string_view::npos ? "" : rest.substr(close + 1);
    }
    const std::size_t colon = rest.find(':');
    if (colon != std::string_view::npos) {
        cell.linkText = RemoveEscapes(rest.substr(colon + 1));
    }
}

}  // namespace orvane
