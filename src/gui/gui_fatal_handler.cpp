#include "gui/gui_fatal_handler.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>

namespace orvane {

void GuiFatalHandler::Fail(const std::string& text) {
    // Also on stderr, so a fault is on record where no one sees the box.
    std::fprintf(stderr, "%s\n", text.c_str());
    std::fflush(stderr);
    QString caption = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    QMessageBox::critical(nullptr, caption, QString::fromStdString(text));
    std::_Exit(kFatalExitCode);
}

}  // namespace orvane
