#include "app/document.h"

#include <filesystem>
#include <utility>

#include "app/window_title.h"
#include "image/image_layout.h"

namespace orvane {

Document::Document(std::string directory) : directory_(std::move(directory)) {
    current_.Resize(kImageCapacity);
    saved_.Resize(kImageCapacity);
    template_.Resize(kImageCapacity);
}

void Document::SetFileName(const std::string& path) {
    fileName_ = path;
    if (!path.empty()) {
        directory_ = std::filesystem::path(path).parent_path().string();
    }
}

void Document::MarkSaved() {
    saved_.Assign(current_);
    modified_ = false;
    readUnsaved_ = false;
}

void Document::SetReadUnsaved(bool unsaved) {
    readUnsaved_ = unsaved;
    NoteChanges();
}

bool Document::NoteChanges() {
    const bool modified = readUnsaved_ || !current_.Equals(saved_);
    const bool changed = modified != modified_;
    modified_ = modified;
    return changed;
}

std::string Document::Title(std::string_view appTitle) const {
    return MainWindowTitle(fileName_, appTitle);
}

}  // namespace orvane
