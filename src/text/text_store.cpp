#include "text/text_store.h"

#include <iterator>

#include "base/fatal.h"

namespace orvane {
namespace {

constexpr std::string_view kEndKey = "End_Of_Ovl";
// A hit deeper than this moves its key to the front of the list.
constexpr std::size_t kMoveToFrontDepth = 10;

}  // namespace

bool TextStore::SetSource(const TextResource& resource) {
    if (source_ != nullptr) {
        return false;
    }
    source_ = &resource;
    return true;
}

bool TextStore::IndexStep() {
    if (scanLine_ >= source_->LineCount()) {
        scanning_ = false;  // a resource without its end key: nothing more to find
        return false;
    }
    std::string_view line = source_->Line(scanLine_++);
    if (line.size() < 2 || line.front() != '#') {
        return false;
    }
    std::string_view key = line.substr(1);
    keys_.push_back(KeyEntry{std::string(key), scanLine_, 0, scanLine_});
    if (key == kEndKey) {
        scanning_ = false;
    }
    return true;
}

TextStore::KeyEntry* TextStore::Find(std::string_view key) {
    if (source_ == nullptr) {
        return nullptr;
    }
    std::size_t position = 0;
    for (auto it = keys_.begin(); it != keys_.end(); ++it, ++position) {
        if (it->key == key) {
            if (position > kMoveToFrontDepth) {
                keys_.splice(keys_.begin(), keys_, it);
            }
            return &*it;
        }
    }
    while (scanning_) {
        if (IndexStep() && keys_.back().key == key) {
            return &keys_.back();
        }
    }
    return nullptr;
}

bool TextStore::HasKey(std::string_view key) { return Find(key) != nullptr; }

std::string TextStore::GetText(std::string_view key, int n) {
    KeyEntry* entry = Find(key);
    if (entry == nullptr) {
        Fatal("Lumo Error !\nThe index '" + std::string(key) + "' was not found.");
    }
    std::size_t line;
    if (n < entry->nextIndex) {
        line = entry->bodyStart + static_cast<std::size_t>(n);
    } else {
        line = entry->resumeLine + static_cast<std::size_t>(n - entry->nextIndex);
    }
    std::string_view text = source_->Line(line);
    text = text.substr(0, std::min(text.find('\n'), kMaxLineLength));
    entry->nextIndex = n + 1;
    entry->resumeLine = line + 1;
    return std::string(text);
}

std::string TextStore::WithValue(std::string text, std::string_view value) {
    if (const std::size_t at = text.find("%s"); at != std::string::npos) {
        text.replace(at, 2, value);
    }
    return text;
}

std::string TextStore::GetMultiLineText(std::string_view key) {
    std::string result;
    for (int i = 0;; ++i) {
        std::string line = GetText(key, i);
        if (!line.empty() && line.front() == '#') {
            return result;
        }
        // Every shipped body ends with a "#" line; a body that runs off the end of the
        // resource ends there instead of reading empty lines for ever.
        if (Find(key)->resumeLine > source_->LineCount()) {
            return result;
        }
        if (i > 0) {
            result += '\n';
        }
        result += line;
    }
}

}  // namespace orvane
