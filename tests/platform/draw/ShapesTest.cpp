#include <gtest/gtest.h>

#include "DrawFixture.h"
#include "platform/PlatformError.h"
#include "platform/draw/Gdi.h"

namespace {

using namespace platform::draw;
using drawtest::Canvas;

constexpr ColourRef kRed = RGB(255, 0, 0);
constexpr QRgb kRedPixel = 0xFFFF0000;

TEST(RoundRect, SquareOutlineLeavesRightAndBottomEdgesOut)
{
    Canvas canvas;
    SelectObject(canvas.dc, CreatePen(PS_SOLID, 1, kRed));
    ASSERT_TRUE(RoundRect(canvas.dc, 2, 3, 12, 9, 0, 0));
    EXPECT_EQ(canvas.row(3, kRedPixel, 0, 14), "..##########..");
    EXPECT_EQ(canvas.row(8, kRedPixel, 0, 14), "..##########..");
    EXPECT_EQ(canvas.row(5, kRedPixel, 0, 14), "..#........#..");
    EXPECT_EQ(canvas.column(2, kRedPixel, 0, 11), "...######..");
    EXPECT_EQ(canvas.row(9, kRedPixel, 0, 14), "..............");
    // Only the outline: the inside keeps its colour.
    EXPECT_EQ(canvas.at(6, 5), drawtest::kWhite);
}

struct PenCase {
    int style;
    const char* topEdge; // the first 26 pixels of the top edge from the corner
};

class PenStyles : public testing::TestWithParam<PenCase> {};

TEST_P(PenStyles, DrawTheirDashPatternAlongTheEdge)
{
    Canvas canvas(40, 20);
    SelectObject(canvas.dc, CreatePen(GetParam().style, 1, kRed));
    RoundRect(canvas.dc, 0, 0, 40, 20, 0, 0);
    EXPECT_EQ(canvas.row(0, kRedPixel, 0, 26), GetParam().topEdge);
}

INSTANTIATE_TEST_SUITE_P(
    ZeroToSix, PenStyles,
    testing::Values(PenCase{PS_SOLID, "##########################"},
                    PenCase{PS_DASH, "##################......##"},
                    PenCase{PS_DOT, "###...###...###...###...##"},
                    PenCase{PS_DASHDOT, "#########......###......##"},
                    PenCase{PS_DASHDOTDOT, "#########...###...###...##"},
                    PenCase{PS_NULL, ".........................."},
                    PenCase{PS_INSIDEFRAME, "##########################"}));

TEST(RoundRect, CornerEllipseRoundsTheCornersAwayFromTheBox)
{
    for (const int radius : {0, 1, 2}) {
        Canvas canvas;
        SelectObject(canvas.dc, CreatePen(PS_SOLID, 1, kRed));
        RoundRect(canvas.dc, 0, 0, 30, 20, radius, radius);
        EXPECT_EQ(canvas.at(0, 0), kRedPixel) << "radius " << radius << " keeps the corner";
    }
    for (const int radius : {7, 10, 15}) {
        Canvas canvas;
        SelectObject(canvas.dc, CreatePen(PS_SOLID, 1, kRed));
        RoundRect(canvas.dc, 0, 0, 30, 20, radius, radius);
        EXPECT_NE(canvas.at(0, 0), kRedPixel) << "radius " << radius;
        EXPECT_NE(canvas.at(29, 19), kRedPixel) << "radius " << radius;
        EXPECT_EQ(canvas.at(15, 0), kRedPixel) << "radius " << radius;
        EXPECT_EQ(canvas.at(0, 10), kRedPixel) << "radius " << radius;
        EXPECT_EQ(canvas.at(29, 10), kRedPixel) << "radius " << radius;
        // The curve stays within radius / 2 pixels of the corner.
        const int reach = radius / 2 + 1;
        EXPECT_EQ(canvas.at(reach, 0), kRedPixel) << "radius " << radius;
    }
}

TEST(ExcludeClipRect, KeepsDrawingOutOfTheRectangleOnly)
{
    Canvas canvas;
    EXPECT_EQ(ExcludeClipRect(canvas.dc, 5, 0, 15, 4), COMPLEXREGION);
    SelectObject(canvas.dc, CreatePen(PS_SOLID, 1, kRed));
    RoundRect(canvas.dc, 0, 2, 20, 10, 0, 0);
    EXPECT_EQ(canvas.row(2, kRedPixel, 0, 20), "#####..........#####");
    EXPECT_EQ(canvas.row(9, kRedPixel, 0, 20), "####################");
    // An empty rectangle changes nothing.
    Canvas other;
    EXPECT_EQ(ExcludeClipRect(other.dc, 5, 5, 5, 9), SIMPLEREGION);
}

TEST(CreatePen, RefusesUnknownStyles)
{
    EXPECT_THROW(CreatePen(7, 1, 0), platform::PlatformError);
    EXPECT_THROW(CreatePen(-1, 1, 0), platform::PlatformError);
    EXPECT_THROW(CreatePen(PS_SOLID, -1, 0), platform::PlatformError);
}

TEST(Rects, SetOffsetAndClientRect)
{
    Rect rc;
    SetRect(rc, 1, 2, 11, 7);
    OffsetRect(rc, -1, 3);
    EXPECT_EQ(rc, (Rect{0, 5, 10, 10}));
    EXPECT_EQ(rc.width(), 10);
    QImage image(33, 17, QImage::Format_RGB32);
    GetClientRect(image, rc);
    EXPECT_EQ(rc, (Rect{0, 0, 33, 17}));
}

} // namespace
