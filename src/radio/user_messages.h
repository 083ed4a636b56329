#pragma once
// How the data model tells the user something: error boxes and the status bar.

#include <string>
#include <string_view>

namespace orvane {

class TextStore;
class Prompter;
class MessageBus;

// A modal error box captioned with the program's title, showing the text of `key`.
void ShowErrorMessage(TextStore& texts, Prompter& prompter, std::string_view key);
// Replaces the status bar text (empty to clear it).
void ShowStatusText(MessageBus& bus, std::string_view text);

}  // namespace orvane
