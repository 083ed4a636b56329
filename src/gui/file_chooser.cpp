#include "gui/file_chooser.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>

#include "platform/prompter.h"
#include "text/text_store.h"

namespace orvane {
namespace {

QString QtPatterns(QString pattern) {
    QStringList patterns = pattern.split(';', Qt::SkipEmptyParts);
    for (QString& one : patterns) {
        one = one.trimmed();
        if (one == QStringLiteral("*.*")) {
            one = QStringLiteral("*");
        }
    }
    return patterns.join(' ');
}

}  // namespace

QStringList NameFiltersOf(std::string_view filter) {
    const QStringList parts =
        QString::fromUtf8(filter.data(), static_cast<int>(filter.size())).split('|');
    // The description's own "(...)" is what Qt would read as the patterns; the pattern
    // field is what counts, so it takes that place.
    static const QRegularExpression trailingPatterns(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        description.remove(trailingPatterns);
        filters.append(description.trimmed() + " (" + QtPatterns(parts[i + 1]) + ")");
    }
    return filters;
}

std::optional<std::string> ChooseFileWithDialog(QWidget* parent, const FileChooserRequest& request,
                                                TextStore& texts, Prompter& prompter) {
    const bool saving = request.purpose == FileChooserRequest::Purpose::kSave;
    QFileDialog dialog(parent);
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilters(NameFiltersOf(request.filter));
    dialog.setDefaultSuffix(QString::fromStdString(request.defaultExtension));
    if (!request.initialDirectory.empty()) {
        dialog.setDirectory(QString::fromStdString(request.initialDirectory));
    }
    if (!request.fileName.empty()) {
        dialog.selectFile(QString::fromStdString(request.fileName));
    }
    while (dialog.exec() == QDialog::Accepted) {
        const QString path = dialog.selectedFiles().value(0);
        const QFileInfo file(path);
        if (saving && file.exists() && !file.isWritable()) {
            Prompt prompt;
            prompt.caption = texts.FirstLine("GI_Sys_AppTitle");
            prompt.text = path.toStdString() + "\n" + texts.FirstLine("GI_Mess_FileErr_FileAccess");
            prompt.icon = PromptIcon::Error;
            prompter.Ask(prompt);
            continue;
        }
        return path.toStdString();
    }
    return std::nullopt;
}

}  // namespace orvane
