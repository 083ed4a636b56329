// A clone data file dropped onto the main window opens as the Open command opens it;
// anything else dropped is refused.

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "window_fixture.h"

namespace orvane::testing {
namespace {

class FileDropTest : public WindowFixture {
protected:
    // Drags `urls` over the window and drops them; whether the window took the drag.
    bool Drop(const QList<QUrl>& urls) {
        QMimeData data;
        data.setUrls(urls);
        const QPoint centre = window->rect().center();
        QDragEnterEvent enter(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &enter);
        if (!enter.isAccepted()) {
            return false;
        }
        QDropEvent drop(QPointF(centre), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &drop);
        return true;
    }
};

TEST_F(FileDropTest, ADroppedFileOpens) {
    Launch();
    const std::string path = HomePath("dropped.zcf").toStdString();
    ASSERT_TRUE(controller->Files().SaveFile(path));
    controller->NewData();
    ASSERT_TRUE(controller->IsUntitled());

    EXPECT_FALSE(Drop({QUrl("https://example.org/club.zcf")})) << "only local files";
    EXPECT_FALSE(Drop({QUrl::fromLocalFile(QString::fromStdString(path)),
                       QUrl::fromLocalFile(QString::fromStdString(path))}))
        << "one file at a time";
    ASSERT_TRUE(Drop({QUrl::fromLocalFile(QString::fromStdString(path))}));
    EXPECT_TRUE(WaitUntil([&] { return controller->CurrentDocument().FileName() == path; }));
    EXPECT_EQ(ShownTitle(*window).toStdString(), "dropped.zcf - Orvane");
}

}  // namespace
}  // namespace orvane::testing
