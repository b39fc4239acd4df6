#pragma once
// The one application object of a Qt test program, made before the first test
// and destroyed after the last.

#include <QApplication>

#include "tests/support/TestAppEnvironment.h"

namespace testsupport {

inline ::testing::Environment* const qtAppEnvironment = addTestApp<QApplication>();

} // namespace testsupport
