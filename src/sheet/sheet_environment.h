#pragma once
// What a sheet needs from the program around it: the definitions, the link names, text
// measuring, the message bus, the configuration and the bank layout.

namespace orvane {

class TextStore;
class CellVocabulary;
class FontMetrics;
class MessageBus;
class SheetConditionSource;
class BankDirectory;

struct SheetEnvironment {
    TextStore& textStore;
    CellVocabulary& vocabulary;
    const FontMetrics& fontMetrics;
    MessageBus& bus;
    const SheetConditionSource& conditions;
    const BankDirectory& banks;
};

}  // namespace orvane
