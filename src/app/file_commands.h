#pragma once
// The file commands of the main menu: new, open, save, save as, the recent files, the
// close query and the print commands, with the save question that guards every command
// that would discard unsaved changes. A command that fails leaves the document's image,
// file name and modified flag as they were.

#include <cstddef>
#include <string>

#include "image/file_error.h"
#include "radio/controller_port.h"

namespace orvane {

class AppSettings;
class Document;
class EepromImage;
class MainView;
class ModelHost;
class Prompter;
class SheetCatalog;
class SheetPrinter;
class TextStore;

struct FileCommandsContext {
    Document& document;
    AppSettings& settings;
    TextStore& texts;  // the main text resource
    Prompter& prompter;
    MainView& view;
    ModelHost& host;
    bool expertMode = false;
};

class FileCommands {
public:
    explicit FileCommands(const FileCommandsContext& context);

    // Asks whether to save unsaved changes; false when the user cancelled or the save
    // did not happen. `another` means the data goes to a file the user picks anew.
    bool ConfirmSave(bool another);
    void NewData();
    // False when the dialog was cancelled or the file was not loaded.
    bool OpenWithDialog();
    bool OpenFile(const std::string& path);
    // Save: to the current file, through the dialog while untitled.
    bool Save();
    bool SaveAsWithDialog();
    bool SaveFile(const std::string& path);
    // Reads the clone data file at `path` into `image` as Open reads it and fits it to the
    // selected model, leaving the document and the settings as they are; false after
    // showing why the file was refused.
    bool ReadFitted(const std::string& path, EepromImage& image);
    // Why the last open or save was refused (None after one that succeeded); the message
    // box has already said it, this is for callers that report it their own way.
    FileError LastFileError() const { return lastFileError_; }
    // Entry `index` of the recent list; false past its end.
    bool OpenRecent(std::size_t index);
    // Whether the main window may close.
    bool QueryClose();

    void PrintCurrent(SheetPrinter& printer, const SheetCatalog& catalog, PrintTarget target);
    void PrintAll(SheetPrinter& printer, const SheetCatalog& catalog, PrintTarget target);

private:
    std::string Text(const char* key, int line = 0);
    std::string DialogFileName() const;
    void UpdateTitle();
    // The file's place becomes the current directory and heads the recent list.
    void Remember(const std::string& path);
    bool LoadChecked(const std::string& path, EepromImage& scratch);

    Document& document_;
    AppSettings& settings_;
    TextStore& texts_;
    Prompter& prompter_;
    MainView& view_;
    ModelHost& host_;
    bool expertMode_;
    FileError lastFileError_ = FileError::None;
};

}  // namespace orvane
