#pragma once
// The help file read through Qt Help: its pages, its contents and index, and the page of
// each topic name. The engine keeps its list of books in a collection file of its own,
// made in a temporary folder for the program's run, so nothing is written elsewhere.

#include <QHelpEngine>
#include <QString>
#include <QTemporaryDir>
#include <QUrl>
#include <memory>

#include "app/help_request.h"

namespace orvane {

class HelpBook {
public:
    // The namespace and folder the help project gives the pages.
    static constexpr const char* kNamespace = "org.orvane.help";
    static constexpr const char* kFolder = "doc";

    explicit HelpBook(QString file);

    const QString& File() const { return file_; }
    // Readies the engine with the file: kShown once it is, kFileMissing while the file
    // is not there (or is no help file), kNoEngine when the engine cannot start.
    HelpResult Open();
    // Only after Open() answered kShown.
    QHelpEngine& Engine() { return *engine_; }
    const QHelpEngine& Engine() const { return *engine_; }

    // The book's first page.
    static QUrl ContentsUrl();
    // The page and anchor of topic `topic` ("IDH1004"); empty when the book lacks it.
    QUrl TopicUrl(const QString& topic) const;

private:
    QString file_;
    QTemporaryDir collectionDir_;
    std::unique_ptr<QHelpEngine> engine_;
    bool registered_ = false;
};

}  // namespace orvane
