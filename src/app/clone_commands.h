#pragma once
// The clone commands of the main menu: read the radio into the document, write the
// document into the radio, ask the radio who it is, and the adjust-mode write. Each runs
// on the GUI thread; a transfer step ends in a completion from the clone manager. Every
// check that stops a command leaves the document's image, file name and modified flag as
// they were.

#include <cstdint>
#include <functional>

#include "image/eeprom_image.h"
#include "image/radio_identity.h"

namespace orvane {

class AppSettings;
class CloneManager;
struct CloneResult;
class Document;
class FileCommands;
class MainView;
class MessageBus;
class ModelHost;
class Prompter;
class TextStore;

struct CloneCommandsContext {
    Document& document;
    AppSettings& settings;
    TextStore& texts;  // the main text resource
    Prompter& prompter;
    MainView& view;
    MessageBus& bus;
    ModelHost& host;
    FileCommands& files;  // the save question before a read replaces the data
    CloneManager& manager;
    bool expertMode = false;
};

// How a command ended, for callers that wait for it (the command-line verbs).
enum class CloneOutcome {
    kRead,         // the document holds the radio's data
    kWritten,      // the radio holds the document's data
    kInformation,  // the radio answered the information request
    kCancelled,    // the user said no to a question
    kRefused,      // the data or the radio failed a check; the message has been shown
    kFailed,       // the transfer failed; the clone manager has shown why
};

class CloneCommands {
public:
    // Installs the information and read handlers on the clone manager.
    explicit CloneCommands(const CloneCommandsContext& context);
    // The manager's handlers and completions point here.
    CloneCommands(const CloneCommands&) = delete;
    CloneCommands& operator=(const CloneCommands&) = delete;

    void CloneRead();
    void CloneWrite();
    // The clone information command (message 30).
    void CloneInformation();
    // The adjust-mode write: no confirmation and no success message.
    void GoAdjustMode();

    // The identity the radio reported at the last information exchange; all zero before
    // any.
    const RadioIdentity& Identity() const { return identity_; }
    // Called once when a command has ended, whichever way; a command that does nothing
    // because a transfer is running calls nothing.
    void SetOutcomeListener(std::function<void(CloneOutcome)> listener) {
        listener_ = std::move(listener);
    }

private:
    using Step = std::function<void(CloneResult&)>;

    // Asks the radio who it is; `next` runs with the answer. False when a transfer runs.
    bool RequestInformation(Step next);

    void StartRead(CloneResult& information);
    void TakeReadImage(CloneResult& read);

    // Runs after every information answer of a write, the one after a confirmation too.
    void JudgeWrite(CloneResult& information);
    bool RadioModelMatches() const;
    bool Confirmed(const char* key);
    void StartWrite();
    void WriteEnded(CloneResult& write);
    // A write command ends: adjust mode ends with it, whether or not anything was sent.
    void EndWrite(CloneOutcome outcome);

    void InformationEnded(CloneResult& information);

    void UpdateTitle();
    void PostCapabilities();
    void End(CloneOutcome outcome);

    CloneCommandsContext context_;
    RadioIdentity identity_;
    std::function<void(CloneOutcome)> listener_;
    // The user has agreed to the write; the next information answer leads to it.
    bool writeConfirmed_ = false;
    // The read takes the radio's home-setting block as the settings in use.
    bool readHomeSettings_ = false;
};

}  // namespace orvane
