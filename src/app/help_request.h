#pragma once
// What a help request ended in, and the message the user gets for it.

#include <string>

namespace orvane {

class Prompter;
class TextStore;

enum class HelpResult {
    kShown = 0,
    kFileMissing = 1,  // the help file is not where the program looks for it
    kNoTopic = 2,      // the item has no topic in the help file
    kNoEngine = 3,     // no help engine: help is unavailable, silently
};

struct HelpOutcome {
    HelpResult result = HelpResult::kShown;
    std::string helpFile;  // the path looked at, for the missing-file message
};

// A missing file is an error box naming the path, a missing topic a warning; the other
// results say nothing.
void ReportHelpOutcome(const HelpOutcome& outcome, TextStore& texts, Prompter& prompter);

}  // namespace orvane
