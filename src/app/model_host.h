#pragma once
// What the file and clone commands need from the main controller when they replace the
// document: the model change an adopted image implies and the refresh that follows.

#include <cstdint>

namespace orvane {

class ModelHost {
public:
    virtual ~ModelHost() = default;

    // A cell edit in progress is finished before a command looks at the image.
    virtual void FinishCellEdit() = 0;
    // Selects the model without asking; the document's template follows it.
    virtual void ChangeModel(std::int32_t modelType) = 0;
    // The document holds a different image: the open sheet closes and the tree is
    // filtered anew.
    virtual void ImageReplaced() = 0;
};

}  // namespace orvane
