// One application for a test program whose pictures are compared pixel by
// pixel: the Fusion style and its own palette, so pixels do not depend on the
// desktop. Link this file into the test instead of making an application.

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

#include "tests/support/TestAppEnvironment.h"

namespace {

const auto* const kApp = testsupport::addTestApp<QApplication>([] {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(QApplication::style()->standardPalette());
});

} // namespace
