// Help file names: where a name is looked for and what the defaults are.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "help/basHtmlHelp.h"

namespace {

std::string programFolder()
{
    return std::filesystem::read_symlink("/proc/self/exe").parent_path().string() + "/";
}

TEST(HelpPaths, AppFolderIsTheProgramsFolderWithATrailingSlash)
{
    EXPECT_EQ(help::AppFolder(), programFolder());
}

struct ResolveCase {
    const char* name;
    const char* given;
    bool inProgramFolder; // else returned unchanged
    const char* expectedTail;
};

class ResolveHelpFilePath : public ::testing::TestWithParam<ResolveCase> {};

TEST_P(ResolveHelpFilePath, Resolves)
{
    const ResolveCase& c = GetParam();
    const std::string expected = c.inProgramFolder ? programFolder() + c.expectedTail : c.expectedTail;
    EXPECT_EQ(help::ResolveHelpFilePath(c.given), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Names, ResolveHelpFilePath,
    ::testing::Values(ResolveCase{"Empty", "", true, "BV_Tablewise.chm"},
                      ResolveCase{"BareName", "other.chm", true, "other.chm"},
                      ResolveCase{"BareNameWithSpaces", "My Help.chm", true, "My Help.chm"},
                      ResolveCase{"AbsolutePath", "/usr/share/doc/x.chm", false, "/usr/share/doc/x.chm"},
                      ResolveCase{"RelativePath", "docs/x.chm", false, "docs/x.chm"},
                      ResolveCase{"DotSlash", "./x.chm", false, "./x.chm"},
                      ResolveCase{"BackslashAnywhere", "docs\\x.chm", false, "docs\\x.chm"},
                      ResolveCase{"TrailingSlash", "x.chm/", false, "x.chm/"}),
    [](const auto& tc) { return std::string(tc.param.name); });

TEST(HelpPaths, ABareNameIsLookedUpNextToTheProgramWhateverTheWorkingFolder)
{
    const auto before = std::filesystem::current_path();
    std::filesystem::current_path("/");
    const std::string resolved = help::ResolveHelpFilePath("BV_Tablewise.chm");
    std::filesystem::current_path(before);
    EXPECT_EQ(resolved, programFolder() + "BV_Tablewise.chm");
}

} // namespace
