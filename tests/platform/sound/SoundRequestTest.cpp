#include <gtest/gtest.h>

#include <filesystem>

#include "platform/sound/SoundFlags.h"
#include "platform/sound/SoundRequest.h"

namespace {

using namespace platform;
using Source = SoundRequest::Source;

struct Case {
    const char* name;
    unsigned flags;
    SoundRequest expected;
};

class DescribeSound : public testing::TestWithParam<Case> {};

TEST_P(DescribeSound, FollowsTheFlags)
{
    EXPECT_EQ(describeSound(GetParam().name, GetParam().flags), GetParam().expected);
}

constexpr unsigned kFrame = SND_ASYNC | SND_NODEFAULT | SND_PURGE;

INSTANTIATE_TEST_SUITE_P(
    Table, DescribeSound,
    testing::Values(
        Case{"/tmp/ding.wav", SND_FILENAME | kFrame, {Source::File, "/tmp/ding.wav", true, false, false}},
        Case{"/tmp/a/../ding.wav", SND_FILENAME | SND_ASYNC, {Source::File, "/tmp/ding.wav", false, false, true}},
        Case{"SystemAsterisk", SND_ALIAS | kFrame, {Source::Event, "dialog-information", true, false, false}},
        Case{"systemhand", SND_ALIAS | kFrame, {Source::Event, "dialog-error", true, false, false}},
        Case{"SystemExclamation", SND_ALIAS, {Source::Event, "dialog-warning", false, true, true}},
        Case{"phone-incoming-call", SND_ALIAS | kFrame, {Source::Event, "phone-incoming-call", true, false, false}},
        Case{"SystemQuestion", SND_ASYNC, {Source::Event, "dialog-question", false, false, true}},
        Case{"/tmp/SystemQuestion", SND_ASYNC, {Source::File, "/tmp/SystemQuestion", false, false, true}},
        Case{"", SND_FILENAME | SND_ASYNC, {Source::None, "", true, false, false}}));

TEST(DescribeSound, MakesRelativeFileNamesAbsolute)
{
    const SoundRequest request = describeSound("sounds/ding.wav", SND_FILENAME);
    EXPECT_EQ(std::filesystem::path(request.name), std::filesystem::current_path() / "sounds" / "ding.wav");
}

TEST(ThemeSoundName, KnowsTheCommonAliasesOnly)
{
    EXPECT_EQ(themeSoundName("SystemDefault"), "bell");
    EXPECT_EQ(themeSoundName("MAILBEEP"), "message-new-email");
    EXPECT_EQ(themeSoundName("NoSuchAlias"), "");
}

} // namespace
