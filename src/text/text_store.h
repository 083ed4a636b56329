#pragma once
// Serves one text resource by key. Keys are indexed lazily, only as far as a request
// needs, so start-up cost follows how deep the asked keys lie; frequently used keys
// move to the front; reading a body line by line resumes where the last read stopped.

#include <cstddef>
#include <list>
#include <string>
#include <string_view>

#include "text/text_resource.h"

namespace orvane {

class TextStore {
public:
    // Accepted once; false when a source is already set.
    bool SetSource(const TextResource& resource);

    // Body line n (0-based) of `key`. Lines past the body are served as they stand
    // (blank lines, "#" marks, the next key line). A missing key is fatal.
    std::string GetText(std::string_view key, int n);
    std::string FirstLine(std::string_view key) { return GetText(key, 0); }
    // Body lines up to the first non-empty line beginning with "#", joined with "\n".
    std::string GetMultiLineText(std::string_view key);

    // Whether `key` exists, without the fatal path: for checks of the resource itself.
    bool HasKey(std::string_view key);

    static constexpr std::size_t kMaxLineLength = 8191;

    // A text's "%s" (its first) replaced by `value`; a text without one as it stands.
    static std::string WithValue(std::string text, std::string_view value);

private:
    struct KeyEntry {
        std::string key;
        std::size_t bodyStart;
        int nextIndex = 0;           // body line number after the last one served
        std::size_t resumeLine = 0;  // resource line after the last one served
    };
    using KeyList = std::list<KeyEntry>;

    // Reads one line; true when it appended a key entry.
    bool IndexStep();
    KeyEntry* Find(std::string_view key);

    const TextResource* source_ = nullptr;
    KeyList keys_;
    std::size_t scanLine_ = 0;
    bool scanning_ = true;
};

}  // namespace orvane
