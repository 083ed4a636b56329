#pragma once
// What the data model works with: the current image, the options, the texts and the
// application's channels to the user and to the main controller.

namespace orvane {

class EepromImage;
class RadioOptions;
class TextStore;
class CellVocabulary;
class ChoiceIndex;
class MessageBus;
class Prompter;
class ControllerPort;

struct RadioEnvironment {
    EepromImage& image;  // the data being edited
    RadioOptions& options;
    TextStore& texts;  // the main text resource
    CellVocabulary& vocabulary;
    ChoiceIndex& choices;
    MessageBus& bus;
    Prompter& prompter;
    ControllerPort& controller;
};

}  // namespace orvane
