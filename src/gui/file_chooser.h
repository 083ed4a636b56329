#pragma once
// The open and save dialogs of the file commands, from the request the commands make:
// its filter, default extension, start directory and preset name.

#include <QStringList>
#include <optional>
#include <string>
#include <string_view>

#include "app/main_view.h"

class QWidget;

namespace orvane {

class Prompter;
class TextStore;

// Qt's name filters for a filter of pairs "description|pattern" joined by '|'. Patterns
// separated by ';' become Qt's blank-separated lists, and "*.*" becomes "*" so that
// names without a dot show too.
QStringList NameFiltersOf(std::string_view filter);

// The chosen path, empty when the user cancelled. Opening takes an existing file only;
// saving asks before replacing a file and refuses one that cannot be written.
std::optional<std::string> ChooseFileWithDialog(QWidget* parent, const FileChooserRequest& request,
                                                TextStore& texts, Prompter& prompter);

}  // namespace orvane
