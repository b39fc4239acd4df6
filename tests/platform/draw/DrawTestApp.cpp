// One application for the drawing tests, with a fixed palette so that system
// colours do not depend on the desktop.

#include <QGuiApplication>
#include <QPalette>

#include "tests/support/TestAppEnvironment.h"

namespace {

const auto* const kApp = testsupport::addTestApp<QGuiApplication>([] {
    QGuiApplication::setPalette(QPalette(QColor(240, 240, 240)));
});

} // namespace
