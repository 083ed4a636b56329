#include "cli/document_session.h"

#include "app/documents_directory.h"
#include "app/model_handling.h"

namespace orvane::cli {

DocumentSession::DocumentSession(Prompter& prompter)
    : store_(QtSettingsStore::DefaultFilePath(), AppSettings::kRegistryPath),
      readOnlyStore_(store_),
      settings_(readOnlyStore_, lock_, ScreenSize{}, {"orvane-cli"}),
      document_(StartDirectory(settings_.CurrentDirectory)),
      host_(document_, settings_),
      commands_({document_, settings_, texts_, prompter, view_, host_, false}) {
    texts_.SetSource(MainResource());
    // A hand-edited model type the menus cannot show is not selected.
    host_.ChangeModel(SelectableModelType(settings_.Radio.modelType));
    document_.Current().Assign(document_.Template());
    document_.MarkSaved();
}

}  // namespace orvane::cli
