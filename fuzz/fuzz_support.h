#pragma once
// What every fuzz target needs: a fatal handler that stops the run, since no input may
// reach a fatal path, a prompter that counts the messages shown, and a check of promises.

#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/fatal.h"
#include "platform/prompter.h"

namespace orvane::fuzz {

class AbortingFatalHandler final : public FatalHandler {
public:
    [[noreturn]] void Fail(const std::string& text) override {
        std::fprintf(stderr, "fatal: %s\n", text.c_str());
        std::abort();
    }
};

class CountingPrompter final : public Prompter {
public:
    PromptAnswer Ask(const Prompt&) override {
        ++shown;
        return PromptAnswer::Ok;
    }
    int shown = 0;
};

// Stops the run where the code under test broke one of its promises.
inline void Require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "broken promise: %s\n", what);
        __builtin_trap();
    }
}

}  // namespace orvane::fuzz
