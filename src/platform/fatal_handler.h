#pragma once
// What happens on a programming or definition error: the host shows the fixed text
// (captioned with the executable's file name) and ends the process with exit code 3.
// Tests install a handler that throws, so fatal paths can be asserted.

#include <string>

namespace orvane {

inline constexpr int kFatalExitCode = 3;

class FatalHandler {
public:
    virtual ~FatalHandler() = default;
    // Must not return.
    [[noreturn]] virtual void Fail(const std::string& text) = 0;
};

}  // namespace orvane
