#pragma once
// The one application object of a Qt test program, made before the first test
// and destroyed after the last.

#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

namespace testsupport {

class QtAppEnvironment final : public ::testing::Environment {
public:
    void SetUp() override { app_ = std::make_unique<QApplication>(argc_, argv_); }
    void TearDown() override { app_.reset(); }

private:
    int argc_ = 1;
    char name_[24] = "tablewise-test";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
};

inline ::testing::Environment* const qtAppEnvironment = ::testing::AddGlobalTestEnvironment(new QtAppEnvironment);

} // namespace testsupport
