// One application for a test program whose pictures are compared pixel by
// pixel: the Fusion style and its own palette, so pixels do not depend on the
// desktop. Link this file into the test instead of making an application.

#include <gtest/gtest.h>

#include <memory>

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

namespace {

class FusionTestApp : public testing::Environment {
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "tablewise-test";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<QApplication>(argc, argv);
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(QApplication::style()->standardPalette());
    }
    void TearDown() override { app_.reset(); }

private:
    std::unique_ptr<QApplication> app_;
};

const auto* const kApp = testing::AddGlobalTestEnvironment(new FusionTestApp);

} // namespace
