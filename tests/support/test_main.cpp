// The main of every test program: fatal errors throw for the whole run.

#include <gtest/gtest.h>

#include "base/fatal.h"
#include "support/fatal_trap.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    orvane::testing::ThrowingFatalHandler handler;
    orvane::ScopedFatalHandler installed(handler);
    return RUN_ALL_TESTS();
}
