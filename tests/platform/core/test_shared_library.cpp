// Libraries loaded on first use: a function comes from the library that has
// it; a library or a function that is not there gives none, and no crash.

#include <gtest/gtest.h>

#include "platform/SharedLibrary.h"

namespace {

TEST(SharedLibrary, GivesTheFunctionsOfALibraryThatIsThere)
{
    const platform::SharedLibrary math("libm.so.6");
    ASSERT_TRUE(math.loaded());
    EXPECT_EQ(math.error(), "");
    auto* squareRoot = math.function<double(double)>("sqrt");
    ASSERT_NE(squareRoot, nullptr);
    EXPECT_EQ(squareRoot(81.0), 9.0);
    EXPECT_EQ(math.function<void()>("no_such_function_here"), nullptr);
}

TEST(SharedLibrary, AMissingLibraryGivesNoFunctions)
{
    const platform::SharedLibrary missing("libtablewise-nothing-of-this-name.so.0");
    EXPECT_FALSE(missing.loaded());
    EXPECT_NE(missing.error().find("libtablewise-nothing-of-this-name.so.0"), std::string::npos) << missing.error();
    EXPECT_EQ(missing.function<void()>("anything"), nullptr);
}

} // namespace
