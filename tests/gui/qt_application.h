#pragma once
// One QApplication for a whole test program (offscreen under CTest).

#include <QApplication>

namespace orvane::testing {

QApplication& TestApplication();

}  // namespace orvane::testing
