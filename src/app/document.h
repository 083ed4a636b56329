#pragma once
// The open document: the image being edited, the image as last saved or loaded, the
// selected model's template, the file it belongs to and whether it has unsaved changes.

#include <string>
#include <string_view>

#include "image/eeprom_image.h"

namespace orvane {

class Document {
public:
    // Untitled, with every image at the program's capacity and filled with 0.
    explicit Document(std::string directory);

    EepromImage& Current() { return current_; }
    const EepromImage& Current() const { return current_; }
    const EepromImage& Saved() const { return saved_; }
    EepromImage& Template() { return template_; }
    const EepromImage& Template() const { return template_; }

    // The full path; empty while untitled.
    const std::string& FileName() const { return fileName_; }
    bool IsUntitled() const { return fileName_.empty(); }
    // Where the file dialogs start.
    const std::string& Directory() const { return directory_; }
    bool Modified() const { return modified_; }

    // The document now is the file at `path` (empty: untitled); the directory follows a
    // named file.
    void SetFileName(const std::string& path);
    // The current image is what the file holds: saved := current, no changes.
    void MarkSaved();
    // A clone read replaces the data without a file to compare against: the data is
    // modified until it is saved, or the read is undone.
    void SetReadUnsaved(bool unsaved);
    bool ReadUnsaved() const { return readUnsaved_; }
    // The data is modified while it differs from the saved image or holds an unsaved
    // read; true when this call changed the flag.
    bool NoteChanges();

    std::string Title(std::string_view appTitle) const;

private:
    EepromImage current_;
    EepromImage saved_;
    EepromImage template_;
    std::string fileName_;
    std::string directory_;
    bool modified_ = false;
    bool readUnsaved_ = false;
};

}  // namespace orvane
