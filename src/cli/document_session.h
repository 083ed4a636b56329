#pragma once
// The desktop program's document and file commands for a verb: the stored settings (read,
// never written back), the main text resource, and the stored model selected as at start.

#include <QString>

#include <cstdint>

#include "app/app_settings.h"
#include "app/document.h"
#include "app/file_commands.h"
#include "cli/cli_model_host.h"
#include "cli/headless_view.h"
#include "cli/read_only_settings_store.h"
#include "cli/unshared_instance_lock.h"
#include "qt/qt_settings_store.h"
#include "text/text_store.h"

namespace orvane::cli {

class DocumentSession {
public:
    // `prompter` shows the message boxes of the commands.
    explicit DocumentSession(Prompter& prompter);

    FileCommands& Commands() { return commands_; }
    TextStore& Texts() { return texts_; }
    std::int32_t ModelType() const { return settings_.Radio.modelType; }
    // A model change as the model menu makes it.
    void SelectModel(std::int32_t modelType) { host_.ChangeModel(modelType); }

private:
    QtSettingsStore store_;
    ReadOnlySettingsStore readOnlyStore_;
    UnsharedInstanceLock lock_;
    AppSettings settings_;
    TextStore texts_;
    Document document_;
    HeadlessView view_;
    CliModelHost host_;
    FileCommands commands_;
};

}  // namespace orvane::cli
