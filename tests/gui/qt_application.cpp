#include "qt_application.h"

#include <gtest/gtest.h>

namespace orvane::testing {
namespace {

QApplication* application = nullptr;

// The application goes when the tests are done, while Qt's own globals are still
// there: its clean-up routines use some of them (the icon cache), and a static
// application would outlive them.
class ApplicationEnvironment final : public ::testing::Environment {
public:
    void TearDown() override {
        delete application;
        application = nullptr;
    }
};

[[maybe_unused]] const ::testing::Environment* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

}  // namespace

QApplication& TestApplication() {
    static int argc = 1;
    static char name[] = "orvane-tests";
    static char* argv[] = {name, nullptr};
    if (application == nullptr) {
        application = new QApplication(argc, argv);
    }
    return *application;
}

}  // namespace orvane::testing
