#pragma once
// What every fuzz target needs from the host: a fatal handler that stops the run, since
// no input may reach a fatal path, and a prompter that counts the messages shown.

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

}  // namespace orvane::fuzz
