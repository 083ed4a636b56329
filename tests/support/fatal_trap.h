#pragma once
// Fatal errors in tests: the handler throws, so a test can assert that a fault was
// reported, and with which text, instead of the process ending.

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "platform/fatal_handler.h"

namespace orvane::testing {

struct FatalError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class ThrowingFatalHandler final : public FatalHandler {
public:
    [[noreturn]] void Fail(const std::string& text) override { throw FatalError(text); }
};

}  // namespace orvane::testing

// Asserts that `statement` ends in a fatal error with exactly `expectedText`.
#define EXPECT_FATAL(statement, expectedText)                                     \
    do {                                                                          \
        try {                                                                     \
            statement;                                                            \
            ADD_FAILURE() << "expected a fatal error: " << (expectedText);        \
        } catch (const ::orvane::testing::FatalError& fatalError) {               \
            EXPECT_EQ(std::string(fatalError.what()), std::string(expectedText)); \
        }                                                                         \
    } while (false)
