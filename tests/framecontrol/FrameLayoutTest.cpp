#include <gtest/gtest.h>

#include <limits>
#include <utility>

#include "framecontrol/FrameLayout.h"

namespace {

using namespace framecontrol;

TEST(HalfToEven, RoundsExactHalvesToTheEvenNeighbour)
{
    const std::pair<int, int> cases[] = {{101, 50}, {103, 52}, {102, 51}, {1, 0}, {3, 2}, {5, 2}, {0, 0},
                                         {-1, 0},   {-3, -2},  {-5, -2},  {-101, -50}, {-102, -51}};
    for (const auto& [n, expected] : cases)
        EXPECT_EQ(halfToEven(n), expected) << n;
    EXPECT_EQ(floorHalf(7), 3);
    EXPECT_EQ(floorHalf(-7), -4);
}

struct Placement {
    int alignment;
    Rect caption; // for W 200, H 100, r 7 (half 3), caption 40 x 14
};

class CaptionPlaces : public testing::TestWithParam<Placement> {};

TEST_P(CaptionPlaces, FollowTheAlignmentTable)
{
    Rect rc{-9, -9, -9, -9};
    ASSERT_TRUE(placeCaption(GetParam().alignment, FrameOrigin{200, 100, 0, 0}, 3, 40, 14, rc));
    EXPECT_EQ(rc, GetParam().caption);
}

INSTANTIATE_TEST_SUITE_P(ZeroToFive, CaptionPlaces,
                         testing::Values(Placement{0, {8, 0, 52, 14}},      // half + 5
                                         Placement{1, {78, 0, 122, 14}},    // 155 / 2 = 77.5 -> 78
                                         Placement{2, {148, 0, 192, 14}},   // W - width - (half + 9)
                                         Placement{3, {8, 86, 52, 100}},    // H - height
                                         Placement{4, {78, 86, 122, 100}},
                                         Placement{5, {148, 86, 192, 100}}));

TEST(CaptionPlaces, OtherAlignmentsLeaveTheRectangleAlone)
{
    Rect rc{1, 2, 3, 4};
    for (const int alignment : {-1, 6, 100}) {
        EXPECT_FALSE(placeCaption(alignment, FrameOrigin{200, 100, 0, 0}, 0, 40, 14, rc));
        EXPECT_FALSE(placeBorder(alignment, FrameOrigin{200, 100, 0, 0}, 14, rc));
        EXPECT_EQ(rc, (Rect{1, 2, 3, 4}));
    }
}

TEST(BorderRect, RunsThroughTheMiddleOfTheCaption)
{
    Rect rc;
    for (const int alignment : {0, 1, 2}) {
        ASSERT_TRUE(placeBorder(alignment, FrameOrigin{200, 100, 0, 0}, 15, rc));
        EXPECT_EQ(rc, (Rect{0, 7, 200, 100}));
    }
    for (const int alignment : {3, 4, 5}) {
        ASSERT_TRUE(placeBorder(alignment, FrameOrigin{200, 100, 0, 0}, 15, rc));
        EXPECT_EQ(rc, (Rect{0, 0, 200, 93}));
    }
    ASSERT_TRUE(placeBorder(0, FrameOrigin{200, 100, 0, 0}, 0, rc));
    EXPECT_EQ(rc, (Rect{0, 0, 200, 100}));
}

} // namespace

namespace {

// Halving works for every integer, the smallest ones too.
TEST(FloorHalf, CoversTheWholeRange)
{
    constexpr int kMin = std::numeric_limits<int>::min();
    constexpr int kMax = std::numeric_limits<int>::max();
    const std::pair<int, int> cases[] = {{kMin, -1073741824}, {kMin + 1, -1073741824}, {kMin + 2, -1073741823},
                                         {kMax, 1073741823},   {-1, -1},                {0, 0}};
    for (const auto& [n, expected] : cases)
        EXPECT_EQ(framecontrol::floorHalf(n), expected) << n;
}

TEST(CaptionPlaces, TheSmallestRadiusPutsTheCaptionFarLeftNotFarRight)
{
    const framecontrol::FrameOrigin frame{200, 100, 0, 0};
    framecontrol::Rect rc;
    ASSERT_TRUE(framecontrol::placeCaption(0, frame, framecontrol::floorHalf(std::numeric_limits<int>::min()), 40,
                                           12, rc));
    EXPECT_EQ(rc.left, -1073741819);
}

} // namespace
