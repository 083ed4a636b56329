#pragma once
// The desktop program's help: the help window for the contents, and the small topic
// window for a cell's topic, both over the help file found beside the program or in its
// installed data folder.

#include <QSize>
#include <QString>
#include <memory>

#include "app/help_request.h"

class QWidget;

namespace orvane {

class HelpBook;
class HelpTopicWindow;
class HelpWindow;
class TextStore;

// Where the program looks for help file `name`: beside the program (the build tree),
// then in the data folder of an installation whose programs are in `programDir`. When
// neither has it, the path beside the program.
QString LocateHelpFile(const QString& programDir, const QString& name);

class HelpViewer {
public:
    // The windows open over `owner`; the help file is the one LocateHelpFile finds for
    // the running program.
    HelpViewer(TextStore& texts, TextStore& helpTexts, QWidget* owner);
    ~HelpViewer();

    const QString& HelpFile() const;
    // Reads `path` from now on, closing the windows of the previous file.
    void SetHelpFile(const QString& path);

    HelpOutcome ShowContents();
    // Opens the topic of help context `context` at the mouse cursor. Without such a
    // topic an open topic window stays as it is.
    HelpOutcome ShowTopic(int context);

    // Null until first shown.
    HelpWindow* Window() const { return window_.get(); }
    HelpTopicWindow* TopicWindow() const { return topicWindow_.get(); }

private:
    QSize TopicWindowSize() const;

    TextStore& texts_;
    TextStore& helpTexts_;
    QWidget* owner_;
    std::unique_ptr<HelpWindow> window_;
    std::unique_ptr<HelpTopicWindow> topicWindow_;
    // Last, so that it goes first: the engine lets go of the contents and index widgets
    // while the help window still holds them.
    std::unique_ptr<HelpBook> book_;
};

}  // namespace orvane
