#include "sheet/cell_parser.h"

#include <algorithm>
#include <string>

#include "base/fatal.h"

namespace orvane {
namespace {

// A '!' negates the next flag letter: it starts a countdown that every following byte
// (brackets and the bytes inside an attribute included) decreases.
constexpr int kNegationCountdown = 2;

// Splits off the source of the first cell, honouring '\' escapes.
std::string_view SplitCell(std::string_view remainder, std::string_view& source) {
    for (std::size_t i = 0; i < remainder.size(); ++i) {
        if (remainder[i] == '\\') {
            ++i;
        } else if (remainder[i] == '|') {
            source = remainder.substr(0, i);
            return remainder.substr(i + 1);
        }
    }
    source = remainder;
    return {};
}

void SetBit(std::uint8_t& byte, std::uint8_t bit, bool on) {
    byte = static_cast<std::uint8_t>(on ? byte | bit : byte & ~bit);
}

void SetField(std::uint8_t& byte, std::uint8_t mask, std::uint8_t value) {
    byte = static_cast<std::uint8_t>((byte & ~mask) | value);
}

void ApplyFlagLetter(SheetCell& cell, char letter, bool negated) {
    switch (letter) {
        case '<':
            SetField(cell.layout, SheetCell::kHorizontalMask, 0);
            break;
        case '^':
            SetField(cell.layout, SheetCell::kHorizontalMask, 1);
            break;
        case '>':
            SetField(cell.layout, SheetCell::kHorizontalMask, 2);
            break;
        case '~':
            SetField(cell.layout, SheetCell::kVerticalMask, 0 << 2);
            break;
        case '-':
            SetField(cell.layout, SheetCell::kVerticalMask, 1 << 2);
            break;
        case '_':
            SetField(cell.layout, SheetCell::kVerticalMask, 2 << 2);
            break;
        case 'W':
            SetBit(cell.layout, SheetCell::kAutoWidth, !negated);
            break;
        case 'H':
            SetBit(cell.layout, SheetCell::kAutoHeight, !negated);
            break;
        case 'B':
            SetBit(cell.layout, SheetCell::kBottomRule, !negated);
            break;
        case '+':
            SetBit(cell.layout, SheetCell::kCovered, !negated);
            break;
        case 'X':
            SetField(cell.state, SheetCell::kRightRuleMask, negated ? 0 : 1);
            break;
        case 'Q':
            SetField(cell.state, SheetCell::kRightRuleMask, negated ? 0 : 2);
            break;
        case 'S':
            SetBit(cell.state, SheetCell::kSelectable, !negated);
            break;
        case 'T':
            SetBit(cell.state, SheetCell::kTip, !negated);
            break;
        default:
            break;  // layout padding and unknown letters
    }
}

bool IsTrimmed(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte <= ' ' || byte == 0x7F;
}

}  // namespace

std::string_view CellParser::ParseCell(SheetCell& cell, std::string_view remainder,
                                       SheetCounters* counters, const SheetCell* parent,
                                       bool countOnly) {
    std::string_view source;
    const std::string_view rest = SplitCell(remainder, source);
    cell.Reset(parent);
    if (countOnly) {
        return rest;
    }
    // Braces switch between attribute and text mode; they cannot be escaped.
    std::string attributes;
    std::string text;
    bool inAttributes = false;
    for (char c : source) {
        if (c == '{') {
            inAttributes = true;
        } else if (c == '}') {
            inAttributes = false;
        } else {
            (inAttributes ? attributes : text).push_back(c);
        }
    }
    ApplyAttributeString(cell, attributes, counters, 0);
    cell.text = CellText(text, counters);
    return rest;
}

int CellParser::CountCells(std::string_view row) {
    int count = 0;
    std::string_view source;
    while (!row.empty()) {
        row = SplitCell(row, source);
        ++count;
    }
    return count;
}

void CellParser::ApplyAttributeString(SheetCell& cell, std::string_view attributes,
                                      SheetCounters* counters, int presetDepth) {
    int negation = 0;
    std::size_t i = 0;
    while (i < attributes.size()) {
        const char c = attributes[i];
        if (c == '\\') {
            i += 2;  // an escaped byte is inert and does not count for '!'
            continue;
        }
        if (c == '(') {
            std::size_t close = i + 1;
            while (close < attributes.size() && attributes[close] != ')') {
                close += attributes[close] == '\\' ? 2 : 1;
            }
            close = std::min(close, attributes.size());
            ApplyAttribute(cell, attributes.substr(i + 1, close - i - 1), counters, presetDepth);
            const std::size_t next = std::min(close + 1, attributes.size());
            negation = std::max(0, negation - static_cast<int>(next - i));
            i = next;
            continue;
        }
        const bool negated = negation > 0;
        if (c == '!') {
            negation = kNegationCountdown;
        } else {
            ApplyFlagLetter(cell, c, negated);
        }
        negation = std::max(0, negation - 1);
        ++i;
    }
}

std::string CellParser::CellText(std::string_view source, SheetCounters* counters) {
    while (!source.empty() && IsTrimmed(source.front())) {
        source.remove_prefix(1);
    }
    while (!source.empty() && IsTrimmed(source.back())) {
        source.remove_suffix(1);
    }
    std::string text;
    for (std::size_t i = 0; i < source.size(); ++i) {
        if (source[i] != '\\') {
            text.push_back(source[i]);
            continue;
        }
        if (++i == source.size()) {
            break;  // a lone '\' at the end escapes nothing
        }
        switch (source[i]) {
            case 'n':
            case 'N':
                text.push_back('\n');
                break;
            case '_':
                text.push_back(' ');
                break;
            case '(': {
                const std::size_t close = source.find(')', i + 1);
                if (close == std::string_view::npos) {
                    Fatal("Illegal Ch No.");
                }
                text += CounterInsertion(source.substr(i + 1, close - i - 1), counters);
                i = close;
                break;
            }
            default:
                text.push_back(source[i]);
                break;
        }
    }
    return text;
}

}  // namespace orvane
