#include "gui/help_window.h"

#include <QAction>
#include <QHelpContentWidget>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QLineEdit>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

#include "gui/dialog_support.h"
#include "gui/help_book.h"
#include "gui/help_browser.h"
#include "text/text_store.h"

namespace orvane {
namespace {

// The lines of the window's texts.
constexpr const char* kTextsKey = "GI_Sys_HtmlHelp_Window";
enum TextLine { kTitle, kNavigation, kBack, kForward, kContents, kIndex, kLookFor };

}  // namespace

HelpWindow::HelpWindow(HelpBook& book, TextStore& texts, QWidget* parent)
    : QMainWindow(parent, Qt::Window) {
    const auto text = [&texts](int line) { return WindowText(texts, kTextsKey, line); };
    setWindowTitle(WindowText(texts, kTextsKey, kTitle, texts.FirstLine("GI_Sys_AppTitle")));
    browser_ = new HelpBrowser(book, this);

    QToolBar* toolBar = addToolBar(text(kNavigation));
    toolBar->setMovable(false);
    toolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    back_ = toolBar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), text(kBack), browser_,
                               &QTextBrowser::backward);
    back_->setShortcut(QKeySequence::Back);
    forward_ = toolBar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), text(kForward),
                                  browser_, &QTextBrowser::forward);
    forward_->setShortcut(QKeySequence::Forward);
    toolBar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), text(kContents), this,
                       [this] { browser_->setSource(HelpBook::ContentsUrl()); });
    back_->setEnabled(false);
    forward_->setEnabled(false);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QAction::setEnabled);

    contents_ = book.Engine().contentWidget();
    connect(contents_, &QHelpContentWidget::linkActivated, this,
            [this](const QUrl& url) { browser_->setSource(url); });
    tabs_ = new QTabWidget(this);
    tabs_->addTab(contents_, text(kContents));
    tabs_->addTab(BuildIndexPage(book, text(kLookFor)), text(kIndex));

    auto* splitter = new QSplitter(this);
    splitter->addWidget(tabs_);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({220, 560});
    setCentralWidget(splitter);
    resize(800, 600);

    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::SelectInContents);
    // The tree fills in the background; once it is there it shows where the page is.
    connect(book.Engine().contentModel(), &QHelpContentModel::contentsCreated, this,
            [this] { SelectInContents(browser_->source()); });
}

QWidget* HelpWindow::BuildIndexPage(HelpBook& book, const QString& lookFor) {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    indexFilter_ = new QLineEdit(page);
    indexFilter_->setPlaceholderText(lookFor);
    indexFilter_->setClearButtonEnabled(true);
    index_ = book.Engine().indexWidget();
    connect(indexFilter_, &QLineEdit::textChanged, this,
            [this](const QString& text) { index_->filterIndices(text); });
    connect(indexFilter_, &QLineEdit::returnPressed, index_,
            &QHelpIndexWidget::activateCurrentItem);
    connect(
        index_, &QHelpIndexWidget::documentActivated, this,
        [this](const QHelpLink& document, const QString&) { browser_->setSource(document.url); });
    connect(index_, &QHelpIndexWidget::documentsActivated, this,
            [this](const QList<QHelpLink>& documents, const QString&) {
                if (!documents.isEmpty()) {
                    browser_->setSource(documents.front().url);
                }
            });
    layout->addWidget(indexFilter_);
    layout->addWidget(index_);
    return page;
}

void HelpWindow::Show(const QUrl& url) {
    browser_->setSource(url);
    show();
    raise();
    activateWindow();
}

void HelpWindow::SelectInContents(const QUrl& url) {
    const QModelIndex at = contents_->indexOf(url);
    if (at.isValid()) {
        contents_->setCurrentIndex(at);
    }
}

}  // namespace orvane
