// The border: each look, pen style, corner radius and caption place.

#include <gtest/gtest.h>

#include "FrameFixture.h"

namespace {

using namespace frametest;
using framecontrol::UltiFrame;

const QRgb kRedPixel = qRgb(255, 0, 0);
const QRgb kGreenPixel = qRgb(0, 255, 0);
const QRgb kBluePixel = qRgb(0, 0, 255);
const QRgb kWhitePixel = qRgb(255, 255, 255);

struct FlatCase {
    int penStyle;
    const char* topEdge; // y = 0, x = 0 to 25: where the figure starts
};

class FlatBorder : public testing::TestWithParam<FlatCase> {};

TEST_P(FlatBorder, DrawsOneLineInTheBorderColourAndPenStyle)
{
    auto frame = makeFrame(200, 100);
    frame->setCaption("");
    frame->setAppearance(framecontrol::ufFlat);
    frame->setBorderStyle(GetParam().penStyle);
    const QImage image = render(*frame);
    EXPECT_EQ(row(image, 0, kRedPixel, 0, 26), GetParam().topEdge);
    // Nothing of the 3-D colours, and the inside stays clear.
    EXPECT_EQ(count(image, kGreenPixel, image.rect()), 0);
    EXPECT_EQ(count(image, kBluePixel, image.rect()), 0);
    EXPECT_EQ(count(image, kRedPixel, QRect(1, 1, 198, 98)), 0);
    // Solid-like pens close the frame at the right and bottom edges.
    const bool solid = GetParam().penStyle == 0 || GetParam().penStyle == 6;
    EXPECT_EQ(row(image, 99, kRedPixel, 0, 200) == std::string(200, '#'), solid);
    EXPECT_EQ(column(image, 199, kRedPixel, 0, 100) == std::string(100, '#'), solid);
}

INSTANTIATE_TEST_SUITE_P(ZeroToSix, FlatBorder,
                         testing::Values(FlatCase{0, "##########################"},
                                         FlatCase{1, "##################......##"},
                                         FlatCase{2, "###...###...###...###...##"},
                                         FlatCase{3, "#########......###......##"},
                                         FlatCase{4, "#########...###...###...##"},
                                         FlatCase{5, ".........................."},
                                         FlatCase{6, "##########################"}));

TEST(EtchedAndBump, DrawTwoLinesOnePixelApartInSwappedColours)
{
    for (const int appearance : {framecontrol::ufEtched, framecontrol::ufBump}) {
        auto frame = makeFrame(200, 100);
        frame->setCaption("");
        frame->setAppearance(appearance);
        const QImage image = render(*frame);
        // Etched: the shadow line outside and the highlight line one pixel
        // right and below it; bump: the other way round.
        const QRgb outer = appearance == framecontrol::ufEtched ? kBluePixel : kGreenPixel;
        const QRgb inner = appearance == framecontrol::ufEtched ? kGreenPixel : kBluePixel;
        SCOPED_TRACE(appearance);
        testsupport::expectLinePair(image, outer, inner, {{100, 0}, {100, 98}}, {{0, 50}, {198, 50}});
        EXPECT_EQ(image.pixel(100, 2), kWhitePixel);
        EXPECT_EQ(count(image, kRedPixel, image.rect()), 0);
    }
}

TEST(NoBorder, Appearance3DrawsTheCaptionOnlyAndClearsAnEarlierBorder)
{
    auto frame = makeFrame(200, 100);
    frame->setAppearance(3);
    const QImage image = render(*frame);
    EXPECT_EQ(count(image, kRedPixel, image.rect()) + count(image, kGreenPixel, image.rect()) +
                  count(image, kBluePixel, image.rect()),
              0);
    EXPECT_GT(count(image, qRgb(0, 0, 0), toQRect(frame->captionRect())), 0);
}

TEST(CaptionGap, EdgesOfThe3DLooksStopAtTheCaptionFlatOnesAtItsText)
{
    auto frame = makeFrame(200, 100);
    const framecontrol::Rect caption = frame->captionRect();
    const int lineY = frame->borderRect().top;
    ASSERT_GT(lineY, 0);
    // The etched lines leave out the whole caption rectangle...
    QImage image = render(*frame);
    EXPECT_EQ(row(image, lineY, kBluePixel, caption.left - 1, caption.right + 1),
              "#" + std::string(static_cast<std::size_t>(caption.right - caption.left), '.') + "#");
    // ...the flat line only the text: two pixels each side keep it.
    frame->setAppearance(framecontrol::ufFlat);
    image = render(*frame);
    EXPECT_EQ(row(image, lineY, kRedPixel, caption.left, caption.left + 2), "##");
    EXPECT_EQ(row(image, lineY, kRedPixel, caption.right - 2, caption.right), "##");
    EXPECT_EQ(image.pixel(caption.left + 2, lineY) == kRedPixel &&
                  image.pixel(caption.left + 3, lineY) == kRedPixel &&
                  image.pixel(caption.left + 4, lineY) == kRedPixel,
              false);
}

struct RadiusCase {
    int radius;
    int captionLeft; // half + 5
    bool cornerDrawn;
};

class CornerRadius : public testing::TestWithParam<RadiusCase> {};

TEST_P(CornerRadius, RoundsTheCornersAndMovesTheCaptionByHalfTheRadius)
{
    auto frame = makeFrame(200, 100);
    frame->setAppearance(framecontrol::ufFlat);
    frame->setCornerRadius(GetParam().radius);
    const QImage image = render(*frame);
    const int top = frame->borderRect().top;
    EXPECT_EQ(frame->captionRect().left, GetParam().captionLeft);
    EXPECT_EQ(image.pixel(0, 99) == kRedPixel, GetParam().cornerDrawn);
    EXPECT_EQ(image.pixel(199, 99) == kRedPixel, GetParam().cornerDrawn);
    EXPECT_EQ(image.pixel(0, top + 30), kRedPixel);
}

INSTANTIATE_TEST_SUITE_P(EvenAndOdd, CornerRadius,
                         testing::Values(RadiusCase{0, 5, true}, RadiusCase{1, 5, true}, RadiusCase{3, 6, false},
                                         RadiusCase{7, 8, false}, RadiusCase{9, 9, false},
                                         RadiusCase{25, 17, false}));

class CaptionPlace : public testing::TestWithParam<int> {};

TEST_P(CaptionPlace, PutsTheTextInItsRectangleAndTheBorderThroughItsMiddle)
{
    const int alignment = GetParam();
    auto frame = makeFrame(200, 100);
    frame->setAppearance(framecontrol::ufFlat);
    frame->setAlignment(alignment);
    const QImage image = render(*frame);
    const framecontrol::Rect caption = frame->captionRect();
    const int width = frame->captionWidth();
    const int height = frame->captionHeight();
    ASSERT_GT(width, 0);
    ASSERT_GT(height, 0);

    const int expectedLeft = alignment % 3 == 0 ? 5 : alignment % 3 == 2 ? 200 - width - 9 : -1;
    if (expectedLeft >= 0)
        EXPECT_EQ(caption.left, expectedLeft);
    else
        EXPECT_LE(std::abs(caption.left - (200 - width - 5) / 2), 1);
    EXPECT_EQ(caption.right, caption.left + width + 4);
    EXPECT_EQ(caption.top, alignment < 3 ? 0 : 100 - height);
    EXPECT_EQ(caption.bottom, caption.top + height);

    // All the text lies within the rectangle less two pixels each side.
    const QRgb ink = qRgb(0, 0, 0);
    EXPECT_GT(count(image, ink, QRect(caption.left + 2, caption.top, width, height)), 0);
    EXPECT_EQ(count(image, ink, image.rect()), count(image, ink, QRect(caption.left + 2, caption.top, width, height)));

    // The border line passes through the caption's middle row.
    const int lineY = alignment < 3 ? height / 2 : 100 - height / 2 - 1;
    EXPECT_EQ(image.pixel(1, lineY), kRedPixel);
    EXPECT_EQ(image.pixel(198, lineY), kRedPixel);
    EXPECT_EQ(image.pixel(caption.left - 1, lineY), kRedPixel);
    EXPECT_EQ(image.pixel(caption.right, lineY), kRedPixel);
}

INSTANTIATE_TEST_SUITE_P(ZeroToFive, CaptionPlace, testing::Range(0, 6));

TEST(CaptionPlace, CentredCaptionRoundsHalvesToEven)
{
    auto probe = makeFrame(200, 100);
    const int width = probe->captionWidth();
    for (const auto& [remaining, left] : {std::pair{101, 50}, std::pair{103, 52}, std::pair{102, 51}}) {
        auto frame = makeFrame(width + 5 + remaining, 100);
        frame->setAlignment(framecontrol::ufTopCentre);
        render(*frame);
        EXPECT_EQ(frame->captionRect().left, left) << "Int(W - width - 5) = " << remaining;
    }
}

TEST(CaptionPlace, OtherAlignmentsKeepTheLastLayoutWithoutNarrowingIt)
{
    auto frame = makeFrame(200, 100);
    frame->setAlignment(framecontrol::ufTopRight);
    const framecontrol::Rect caption = frame->captionRect();
    const framecontrol::Rect border = frame->borderRect();
    frame->setAlignment(9);
    frame->Refresh();
    frame->Refresh();
    EXPECT_EQ(frame->captionRect(), caption);
    EXPECT_EQ(frame->borderRect(), border);
}

} // namespace
