#pragma once
// Fatal errors: programming and definition faults (an image address out of range, a
// missing text key, a duplicate name) stop the program with a fixed message. Ordinary
// input never gets here because callers check first.

#include <string>

#include "platform/fatal_handler.h"

namespace orvane {

// The handler is process-wide, like std::set_terminate: a fault can surface deep in any
// object, and threading a handler through every constructor would only hide that.
// Returns the handler that was installed before. Null restores the default, which
// prints the text on stderr and exits with code 3.
FatalHandler* SetFatalHandler(FatalHandler* handler);

[[noreturn]] void Fatal(const std::string& text);

// Installs a handler for the life of the scope (a program's main, a test).
class ScopedFatalHandler {
public:
    explicit ScopedFatalHandler(FatalHandler& handler) : previous_(SetFatalHandler(&handler)) {}
    ~ScopedFatalHandler() { SetFatalHandler(previous_); }
    ScopedFatalHandler(const ScopedFatalHandler&) = delete;
    ScopedFatalHandler& operator=(const ScopedFatalHandler&) = delete;

private:
    FatalHandler* previous_;
};

}  // namespace orvane
