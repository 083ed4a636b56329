#pragma once
// One QApplication for a whole test program (offscreen under CTest).

#include <QApplication>
#include <QWidget>

namespace orvane::testing {

QApplication& TestApplication();

// A window's title as the desktop shows it: the modified mark in place of "[*]".
inline QString ShownTitle(const QWidget& window) {
    QString title = window.windowTitle();
    return title.replace(QStringLiteral("[*]"), window.isWindowModified() ? "*" : "");
}

}  // namespace orvane::testing
