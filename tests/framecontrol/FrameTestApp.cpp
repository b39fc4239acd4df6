// One application for the frame tests, with the Fusion style and its own
// palette, so that pixels do not depend on the desktop.

#include <gtest/gtest.h>

#include <memory>

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

namespace {

class FrameTestApp : public testing::Environment {
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "ultiframe_tests";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<QApplication>(argc, argv);
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(QApplication::style()->standardPalette());
    }
    void TearDown() override { app_.reset(); }

private:
    std::unique_ptr<QApplication> app_;
};

const auto* const kApp = testing::AddGlobalTestEnvironment(new FrameTestApp);

} // namespace
