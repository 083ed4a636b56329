#pragma once
// The desktop clipboard through Qt's application clipboard.

#include "platform/text_clipboard.h"

namespace orvane {

class QtTextClipboard final : public TextClipboard {
public:
    void SetText(const std::string& text) override;
};

}  // namespace orvane
