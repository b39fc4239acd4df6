// The error report: title, text composition, and the box it is shown in.

#include <gtest/gtest.h>

#include "FakeDesktop.h"
#include "help/basErrorHandle.h"
#include "platform/PlatformError.h"

namespace {

struct TextCase {
    const char* name;
    long number;
    const char* description;
    long line;
    const char* extra;
    const char* procedure;
    const char* module;
    const char* expected;
};

class ErrorText : public ::testing::TestWithParam<TextCase> {};

TEST_P(ErrorText, Composes)
{
    const TextCase& c = GetParam();
    EXPECT_EQ(help::ErrorText(c.number, c.description, c.line, c.extra, c.procedure, c.module), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ErrorText,
    ::testing::Values(
        TextCase{"OnlyNumberAndDescription", 5, "Invalid procedure call", 0, "", "", "", "5: Invalid procedure call"},
        TextCase{"NegativeLineCountsAsNone", 5, "x", -3, "", "", "", "5: x"},
        TextCase{"PlaceWithoutLine", 1457, "This form is already registered for help", 0, "", "InitFormHelpHandler",
                 "CHtmlHelp", "1457: This form is already registered for help\r\nin InitFormHelpHandler of CHtmlHelp"},
        TextCase{"PlaceWithLine", 53, "File not found", 120, "", "Form_Load", "Form_Poker",
                 "53: File not found\r\nin Form_Load of Form_Poker line 120"},
        TextCase{"LineWithoutNames", 7, "Out of memory", 12, "", "", "", "7: Out of memory\r\nin line 12"},
        TextCase{"OnlyAProcedure", 9, "Subscript out of range", 0, "", "Open", "", "9: Subscript out of range\r\nin Open"},
        TextCase{"ExtraText", 5, "x", 0, "while opening help", "", "", "5: x\r\nwhile opening help"},
        TextCase{"EverythingInOrder", 5, "x", 3, "more", "P", "M", "5: x\r\nin P of M line 3\r\nmore"},
        TextCase{"NegativeNumber", -2147221504, "Automation error", 0, "", "", "",
                 "-2147221504: Automation error"}),
    [](const auto& tc) { return std::string(tc.param.name); });

TEST(ErrorReport, TitleIsTheApplicationNameInBracketsFollowedByError)
{
    EXPECT_EQ(help::ErrorTitle("Brisvane Tablewise"), "[Brisvane Tablewise] Error");
}

TEST(ErrorReport, HandleErrorShowsAModalExclamationBoxWithOk)
{
    helptest::FakeDesktop desktop;
    help::HandleError(platform::PlatformError(1457, "This form is already registered for help"), 0, "",
                      "InitFormHelpHandler", "CHtmlHelp");
    ASSERT_EQ(desktop.messageBox.calls.size(), 1u);
    const auto& box = desktop.messageBox.calls[0];
    EXPECT_EQ(box.style, 48u);
    EXPECT_EQ(box.title, "[Brisvane Tablewise] Error");
    EXPECT_EQ(box.prompt, "1457: This form is already registered for help\r\nin InitFormHelpHandler of CHtmlHelp");
}

TEST(ErrorReport, WithoutAConfiguredNameTheProgramFilesNameIsUsed)
{
    help::SetHelpPlatform({});
    EXPECT_EQ(help::ApplicationName(), "test_help_wrapper");
}

} // namespace
