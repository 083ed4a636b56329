#include "qt_application.h"

namespace orvane::testing {

QApplication& TestApplication() {
    static int argc = 1;
    static char name[] = "orvane-tests";
    static char* argv[] = {name, nullptr};
    static QApplication application(argc, argv);
    return application;
}

}  // namespace orvane::testing
