#pragma once
// A fresh folder for each test of the store, removed afterwards, and the
// store's file in it.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

namespace storetest {

class StoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = "tablewise-store-" + std::to_string(::getpid()) + "-" + info->test_suite_name() + "-"
            + info->name();
        for (char& c : name)
            if (c == '/')
                c = '_';
        folder = std::filesystem::temp_directory_path() / name;
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        db = folder / "hands.sqlite";
    }
    void TearDown() override
    {
        std::error_code ec;
        std::filesystem::permissions(folder, std::filesystem::perms::owner_all, ec);
        std::filesystem::remove_all(folder, ec);
    }

    std::filesystem::path folder;
    std::filesystem::path db;
};

} // namespace storetest
