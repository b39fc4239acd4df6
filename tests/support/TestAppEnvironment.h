#pragma once
// The one application object of a Qt test program (QGuiApplication or
// QApplication), made before the first test and destroyed after the last;
// `settle` runs once it exists (a fixed style or palette, say).

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <utility>

namespace testsupport {

template <class App>
class TestAppEnvironment final : public ::testing::Environment {
public:
    explicit TestAppEnvironment(std::function<void()> settle = {}) : settle_(std::move(settle)) {}

    void SetUp() override
    {
        app_ = std::make_unique<App>(argc_, argv_);
        if (settle_)
            settle_();
    }
    void TearDown() override { app_.reset(); }

private:
    std::function<void()> settle_;
    int argc_ = 1;
    char name_[24] = "tablewise-test";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<App> app_;
};

// Registers the environment with the test program.
template <class App>
::testing::Environment* addTestApp(std::function<void()> settle = {})
{
    return ::testing::AddGlobalTestEnvironment(new TestAppEnvironment<App>(std::move(settle)));
}

} // namespace testsupport
