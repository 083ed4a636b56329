#include "base/fatal.h"

#include <cstdio>
#include <cstdlib>

namespace orvane {
namespace {

FatalHandler*& InstalledHandler() {
    static FatalHandler* handler = nullptr;
    return handler;
}

}  // namespace

FatalHandler* SetFatalHandler(FatalHandler* handler) {
    FatalHandler* previous = InstalledHandler();
    InstalledHandler() = handler;
    return previous;
}

void Fatal(const std::string& text) {
    if (FatalHandler* handler = InstalledHandler()) {
        handler->Fail(text);
    }
    std::fprintf(stderr, "%s\n", text.c_str());
    std::fflush(stderr);
    std::_Exit(kFatalExitCode);
}

}  // namespace orvane
