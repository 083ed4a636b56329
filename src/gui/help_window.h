#pragma once
// The help window: the book's contents as a tree and its index with a filter on the left,
// the page on the right, and Back, Forward and Contents in its toolbar.

#include <QMainWindow>

class QAction;
class QHelpContentWidget;
class QHelpIndexWidget;
class QLineEdit;
class QTabWidget;

namespace orvane {

class HelpBook;
class HelpBrowser;
class TextStore;

class HelpWindow final : public QMainWindow {
    Q_OBJECT

public:
    // `book` is open and outlives the window; `texts` is the main resource.
    HelpWindow(HelpBook& book, TextStore& texts, QWidget* parent);

    // Shows `url` and brings the window up.
    void Show(const QUrl& url);

    HelpBrowser* Browser() const { return browser_; }
    QHelpContentWidget* Contents() const { return contents_; }
    QHelpIndexWidget* Index() const { return index_; }
    QLineEdit* IndexFilter() const { return indexFilter_; }
    QAction* BackAction() const { return back_; }
    QAction* ForwardAction() const { return forward_; }

private:
    QWidget* BuildIndexPage(HelpBook& book, const QString& lookFor);
    // The contents tree follows the page shown.
    void SelectInContents(const QUrl& url);

    HelpBrowser* browser_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QHelpContentWidget* contents_ = nullptr;
    QHelpIndexWidget* index_ = nullptr;
    QLineEdit* indexFilter_ = nullptr;
    QAction* back_ = nullptr;
    QAction* forward_ = nullptr;
};

}  // namespace orvane
