#pragma once
// The desktop's clipboard for plain text, so that copied data can be pasted into other
// programs such as spreadsheets.

#include <string>

namespace orvane {

class TextClipboard {
public:
    virtual ~TextClipboard() = default;
    // Replaces the clipboard's contents with `text` (UTF-8, lines separated by '\n').
    virtual void SetText(const std::string& text) = 0;
};

}  // namespace orvane
