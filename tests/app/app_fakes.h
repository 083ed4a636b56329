#pragma once
// The main controller's side of the commands, faked: the host changes the model as the
// controller does and reports the warning-check counts a test sets. The window's fake
// comes with it.

#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "app/app_settings.h"
#include "app/document.h"
#include "app/model_handling.h"
#include "app/model_host.h"
#include "fake_main_view.h"

namespace orvane::testing {

class FakeHost final : public ModelHost {
public:
    FakeHost(Document& document, AppSettings& settings, bool expertMode = false)
        : document_(document), settings_(settings), expertMode_(expertMode) {}

    void FinishCellEdit() override { ++editsFinished; }
    void ChangeModel(std::int32_t modelType) override {
        settings_.Radio.modelType = modelType;
        document_.Template() =
            BuildTemplateImage(settings_.Radio, expertMode_, settings_.ExtraChannels);
        models.push_back(modelType);
    }
    void CloseSheet() override { ++sheetsClosed; }
    void ImageReplaced(ImageChange) override { ++replaced; }
    WarningFindings RunWarningCheck(int* errors, int* warnings) override {
        ++warningChecks;
        *errors += errorsFound;
        *warnings += warningsFound;
        return {};
    }

    int editsFinished = 0;
    int sheetsClosed = 0;
    int replaced = 0;
    int warningChecks = 0;
    int errorsFound = 0;
    int warningsFound = 0;
    std::vector<std::int32_t> models;

private:
    Document& document_;
    AppSettings& settings_;
    bool expertMode_;
};

}  // namespace orvane::testing
