#include "gui/pdf_export.h"

#include <filesystem>

#include "app/app_context.h"
#include "app/main_view.h"
#include "gui/file_chooser.h"
#include "text/text_store.h"

namespace orvane {
namespace {

constexpr const char* kAppTitleKey = "GI_Sys_AppTitle";
constexpr const char* kPdfKey = "GI_Sys_Printer_Pdf";
constexpr int kFilterLine = 1;
constexpr int kFailedLine = 2;

}  // namespace

std::optional<std::string> ChoosePdfPath(QWidget* owner, AppContext& app,
                                         const std::string& documentPath) {
    const std::filesystem::path document(documentPath);
    FileChooserRequest request;
    request.purpose = FileChooserRequest::Purpose::kSave;
    request.defaultExtension = "pdf";
    request.filter = app.texts.GetText(kPdfKey, kFilterLine);
    request.fileName = document.stem().string() + ".pdf";
    request.initialDirectory = document.parent_path().string();
    return ChooseFileWithDialog(owner, request, app.texts, app.prompter);
}

void ReportPdfFailure(AppContext& app, const std::string& path, const QString& problem) {
    app.prompter.Ask(
        Prompt{app.texts.GetText(kAppTitleKey, 0),
               app.texts.GetText(kPdfKey, kFailedLine) + "\n" + path + ": " + problem.toStdString(),
               PromptIcon::Error, PromptButtons::Ok});
}

}  // namespace orvane
