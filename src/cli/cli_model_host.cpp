#include "cli/cli_model_host.h"

#include "app/app_settings.h"
#include "app/document.h"
#include "app/model_handling.h"

namespace orvane::cli {

void CliModelHost::ChangeModel(std::int32_t modelType) {
    settings_.Radio.modelType = modelType;
    document_.Template() = BuildTemplateImage(settings_.Radio, false, settings_.ExtraChannels);
}

}  // namespace orvane::cli
