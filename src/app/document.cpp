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
}

bool Document::NoteChanges() {
    if (modified_ || current_.Equals(saved_)) {
        return false;
    }
    modified_ = true;
    return true;
}

std::string Document::Title(std::string_view appTitle) const {
    return MainWindowTitle(fileName_, appTitle);
}

}  // namespace orvane
