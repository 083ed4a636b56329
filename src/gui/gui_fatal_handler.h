#pragma once
// The GUI's answer to a fatal error: a message box captioned with the executable's file
// name, then exit code 3.

#include "platform/fatal_handler.h"

namespace orvane {

class GuiFatalHandler final : public FatalHandler {
public:
    [[noreturn]] void Fail(const std::string& text) override;
};

}  // namespace orvane
