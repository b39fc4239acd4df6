#include <gtest/gtest.h>

#include "platform/draw/SystemColours.h"

namespace {

using namespace platform::draw;

struct Translation {
    std::uint32_t ole;
    bool ok;
    ColourRef rgb;
};

class OleColours : public testing::TestWithParam<Translation> {};

QPalette fixedPalette()
{
    QPalette palette;
    palette.setColor(QPalette::Button, QColor(1, 2, 3));
    palette.setColor(QPalette::Dark, QColor(4, 5, 6));
    palette.setColor(QPalette::Light, QColor(7, 8, 9));
    palette.setColor(QPalette::ButtonText, QColor(10, 11, 12));
    palette.setColor(QPalette::WindowText, QColor(13, 14, 15));
    return palette;
}

TEST_P(OleColours, TranslateThroughThePalette)
{
    ColourRef rgb = 12345;
    EXPECT_EQ(OleTranslateColor(GetParam().ole, rgb, fixedPalette()), GetParam().ok);
    EXPECT_EQ(rgb, GetParam().rgb);
}

INSTANTIATE_TEST_SUITE_P(
    Values, OleColours,
    testing::Values(Translation{0x00137C05, true, 0x00137C05}, Translation{0x02FF00FF, true, 0x00FF00FF},
                    Translation{0x8000000F, true, RGB(1, 2, 3)},   // button face
                    Translation{0x80000010, true, RGB(4, 5, 6)},   // button shadow
                    Translation{0x80000014, true, RGB(7, 8, 9)},   // 3-D highlight
                    Translation{0x80000012, true, RGB(10, 11, 12)}, // button text
                    Translation{0x80000006, true, RGB(13, 14, 15)}, // window frame
                    Translation{0x80000019, false, 12345},          // no system colour 25
                    Translation{0x8000001F, false, 12345}, Translation{0x80010005, false, 12345},
                    Translation{0x01000003, false, 12345}, // palette index, no palette
                    Translation{0xFFFFFFFF, false, 12345}));

TEST(SystemColours, EveryKnownIndexHasAColourAndFailedTranslationsDrawBlack)
{
    for (int index = 0; index <= 30; ++index)
        EXPECT_EQ(systemColour(index, QPalette()).has_value(), index != 25) << index;
    EXPECT_EQ(toQColor(kInvalidColour), QColor(0, 0, 0));
    EXPECT_EQ(toQColor(RGB(1, 2, 3)), QColor(1, 2, 3));
}

TEST(SystemColours, FollowTheRunningApplicationsPalette)
{
    ColourRef rgb = 0;
    ASSERT_TRUE(OleTranslateColor(0x8000000F, rgb));
    EXPECT_EQ(rgb, RGB(240, 240, 240)); // set by the test application
}

} // namespace
