// The layout of the caption and the eight border lines, in twips, and where
// the lines land in pixels.

#include <gtest/gtest.h>

#include "PaneFixture.h"
#include "platform/qt/EtchedFrame.h"
#include "sheerpane/BorderLine.h"
#include "sheerpane/CaptionLabel.h"

namespace {

using BorderLayout = platform::qt::EtchedFrameLayout;
using platform::qt::LineEnds;

struct LayoutCase {
    int width, height, onePixel, labelHeight;
    BorderLayout expected;
};

class BorderLayoutTable : public testing::TestWithParam<LayoutCase> {};

TEST_P(BorderLayoutTable, PlacesTheLabelAndEveryLine)
{
    const LayoutCase& c = GetParam();
    const BorderLayout got = platform::qt::layOutEtchedFrame(c.width, c.height, c.onePixel, c.labelHeight);
    EXPECT_EQ(got.captionLeft, c.expected.captionLeft);
    EXPECT_EQ(got.captionTop, c.expected.captionTop);
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(got.top[i], c.expected.top[i]) << "linTop(" << i << ")";
        EXPECT_EQ(got.left[i], c.expected.left[i]) << "linLeft(" << i << ")";
        EXPECT_EQ(got.right[i], c.expected.right[i]) << "linRight(" << i << ")";
        EXPECT_EQ(got.bottom[i], c.expected.bottom[i]) << "linBottom(" << i << ")";
    }
}

BorderLayout expect(int captionLeft, std::array<LineEnds, 2> top, std::array<LineEnds, 2> left,
                    std::array<LineEnds, 2> right, std::array<LineEnds, 2> bottom)
{
    BorderLayout layout;
    layout.captionLeft = captionLeft;
    layout.top = top;
    layout.left = left;
    layout.right = right;
    layout.bottom = bottom;
    return layout;
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, BorderLayoutTable,
    testing::Values(
        // 15 twips a pixel: the label at 135, the inner top line at h + 15,
        // the outer right line at W - 15, the inner one at W - 30.
        LayoutCase{2400, 1500, 15, 195,
                   expect(135, {LineEnds{0, 97, 2400, 97}, {0, 112, 2400, 112}},
                          {LineEnds{0, 97, 0, 1500}, {15, 112, 15, 1500}},
                          {LineEnds{2385, 97, 2385, 1485}, {2370, 97, 2370, 1500}},
                          {LineEnds{0, 1485, 2400, 1485}, {0, 1470, 2385, 1470}})},
        // An odd label height: half of it with the remainder dropped.
        LayoutCase{1500, 750, 15, 241,
                   expect(135, {LineEnds{0, 120, 1500, 120}, {0, 135, 1500, 135}},
                          {LineEnds{0, 120, 0, 750}, {15, 135, 15, 750}},
                          {LineEnds{1485, 120, 1485, 735}, {1470, 120, 1470, 750}},
                          {LineEnds{0, 735, 1500, 735}, {0, 720, 1485, 720}})},
        // 120 dots per inch: 12 twips a pixel.
        LayoutCase{1200, 600, 12, 192,
                   expect(108, {LineEnds{0, 96, 1200, 96}, {0, 108, 1200, 108}},
                          {LineEnds{0, 96, 0, 600}, {12, 108, 12, 600}},
                          {LineEnds{1188, 96, 1188, 588}, {1176, 96, 1176, 600}},
                          {LineEnds{0, 588, 1200, 588}, {0, 576, 1188, 576}})}));

// The lines on screen: an etched frame, dark outside and light inside at the
// top and left, light outside and dark inside at the right and bottom, the
// top pair through the middle of the caption label.
TEST(BorderPixels, AnEtchedFrameThroughTheMiddleOfTheCaption)
{
    panetest::FormWithPane placed(false);
    Sheerpane& pane = *placed.pane;
    pane.setBackColor(0xFFFFFF);
    pane.setCaption(QStringLiteral("Odds"));
    const QImage image = panetest::render(pane);
    const QRgb dark = panetest::pixelOf(0x80000010);
    const QRgb light = panetest::pixelOf(0x80000014);
    ASSERT_NE(dark, light);

    const int labelHeight = pane.lblCaption().height();
    const int outerTop = (labelHeight * 15 / 2 + 7) / 15; // h in twips, back to pixels
    const int labelRight = pane.lblCaption().geometry().right();
    EXPECT_EQ(pane.lblCaption().pos(), QPoint(9, 0));
    // Left of the caption and right of it the top lines show (under it not);
    // bottom: dark at y 98, light at y 99; left: dark at x 0, light at x 1;
    // right: dark at x 158, light at x 159.
    testsupport::expectLinePair(image, dark, light,
                                {{2, outerTop}, {labelRight + 3, outerTop}, {157, outerTop}, {80, 98}},
                                {{0, 50}, {158, 50}});
    EXPECT_NE(image.pixel(11, outerTop), dark);
    EXPECT_EQ(image.pixel(80, 50), qRgb(255, 255, 255));
}

TEST(BorderPixels, LinesFollowEveryResizeAndAnEmptyCaptionKeepsTheTopLinesDown)
{
    panetest::FormWithPane placed(false);
    Sheerpane& pane = *placed.pane;
    placed.form->show();
    pane.setCaption(QString());
    pane.resize(90, 45);
    const int W = 90 * 15;
    const int H = 45 * 15;
    const int h = pane.lblCaption().height() * 15 / 2;
    EXPECT_GT(h, 0);
    EXPECT_EQ(pane.linTop(0).ends(), (LineEnds{0, h, W, h}));
    EXPECT_EQ(pane.linRight(1).ends(), (LineEnds{W - 30, h, W - 30, H}));
    EXPECT_EQ(pane.linBottom(0).ends(), (LineEnds{0, H - 15, W, H - 15}));
    // One pixel wide, the end point left out.
    EXPECT_EQ(pane.linBottom(0).geometry(), QRect(0, 44, 91, 1));
    EXPECT_EQ(pane.linRight(0).geometry().x(), 89);
}

} // namespace
