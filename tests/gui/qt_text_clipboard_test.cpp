// Copied channels reach the desktop clipboard as plain text, byte for byte.

#include "gui/qt_text_clipboard.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>

#include "qt_application.h"

namespace orvane {
namespace {

TEST(QtTextClipboardTest, TheClipboardHoldsTheLatestTextUnchanged) {
    testing::TestApplication();
    QtTextClipboard clipboard;
    const std::string rows = "0\t118.000\t118.000\tTOWER\tOFF\tOFF\tOFF\tON\n1\t\t\t\t\t\t\t\n";
    clipboard.SetText("first");
    clipboard.SetText(rows);
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), rows);
    clipboard.SetText("");
    EXPECT_TRUE(QGuiApplication::clipboard()->text().isEmpty());
}

}  // namespace
}  // namespace orvane
