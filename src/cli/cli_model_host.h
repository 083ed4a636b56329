#pragma once
// The main controller's part in the file commands, for a verb without sheets or tree: a
// model change rebuilds the document's template for the new model.

#include "app/model_host.h"

namespace orvane {
class AppSettings;
class Document;
}  // namespace orvane

namespace orvane::cli {

class CliModelHost final : public ModelHost {
public:
    CliModelHost(Document& document, AppSettings& settings)
        : document_(document), settings_(settings) {}

    // No cell is ever edited and no sheet is ever open, so there is nothing to finish or
    // to close.
    void FinishCellEdit() override {}
    void ChangeModel(std::int32_t modelType) override;
    void CloseSheet() override {}
    void ImageReplaced() override {}
    WarningFindings RunWarningCheck(int*, int*) override { return {}; }

private:
    Document& document_;
    AppSettings& settings_;
};

}  // namespace orvane::cli
