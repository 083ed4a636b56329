#pragma once
// What both ways of making a PDF file share: the save dialog, offering the document's
// name with ".pdf" in its directory, and the message when the file cannot be written.

#include <QString>
#include <optional>
#include <string>

class QWidget;

namespace orvane {

struct AppContext;

// The chosen path, empty when the user cancelled. `documentPath` is the open
// document's file, or the untitled name in its directory.
std::optional<std::string> ChoosePdfPath(QWidget* owner, AppContext& app,
                                         const std::string& documentPath);

void ReportPdfFailure(AppContext& app, const std::string& path, const QString& problem);

}  // namespace orvane
