// One application for the drawing tests, with a fixed palette so that system
// colours do not depend on the desktop.

#include <gtest/gtest.h>

#include <memory>

#include <QGuiApplication>
#include <QPalette>

namespace {

class DrawTestApp : public testing::Environment {
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "draw_tests";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<QGuiApplication>(argc, argv);
        QPalette palette(QColor(240, 240, 240));
        QGuiApplication::setPalette(palette);
    }
    void TearDown() override { app_.reset(); }

private:
    std::unique_ptr<QGuiApplication> app_;
};

const auto* const kApp = testing::AddGlobalTestEnvironment(new DrawTestApp);

} // namespace
