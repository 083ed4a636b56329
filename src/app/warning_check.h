#pragma once
// The check that finds the sheets holding data the radio would refuse (errors) or
// question (warnings), and marks their nodes in the tree so the user knows where to look.

#include <string>
#include <vector>

namespace orvane {

class CellEvaluator;
class CellVocabulary;
class SheetTree;
class TextStore;

// The sheet call texts of the sheets found at fault, in check order.
struct WarningFindings {
    std::vector<std::string> errorSheets;
    std::vector<std::string> warningSheets;
};

class WarningCheck {
public:
    WarningCheck(TextStore& texts, CellVocabulary& vocabulary, CellEvaluator& evaluator)
        : texts_(texts), vocabulary_(vocabulary), evaluator_(evaluator) {}

    // Evaluates every cell of the check list, adds the number of errors and warnings
    // found to the counters given and, when there is a tree, marks its nodes anew.
    WarningFindings RunWarningCheck(SheetTree* tree, int* errors = nullptr,
                                    int* warnings = nullptr);

private:
    TextStore& texts_;
    CellVocabulary& vocabulary_;
    CellEvaluator& evaluator_;
};

}  // namespace orvane
