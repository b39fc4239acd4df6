// The caption: its effects, the disabled look, exact text pixels.

#include <gtest/gtest.h>

#include <limits>
#include <utility>

#include <vector>

#include "FrameFixture.h"
#include "framecontrol/TranslateColor.h"

namespace {

using namespace frametest;
using framecontrol::UltiFrame;

const QRgb kInk = qRgb(0, 0, 0);

// The text's own pixels: the frame drawn without effects.
struct TextPixels {
    QRect area; // the caption rectangle less two pixels each side
    std::vector<QPoint> ink;
    bool contains(QPoint p) const { return std::find(ink.begin(), ink.end(), p) != ink.end(); }
};

TextPixels plainText(UltiFrame& frame)
{
    frame.setFont3D(0);
    const QImage image = render(frame);
    TextPixels text;
    const framecontrol::Rect rc = frame.captionRect();
    text.area = QRect(rc.left + 2, rc.top, rc.right - rc.left - 4, rc.bottom - rc.top);
    for (int y = text.area.top(); y <= text.area.bottom(); ++y)
        for (int x = text.area.left(); x <= text.area.right(); ++x)
            if (image.pixel(x, y) == kInk)
                text.ink.push_back({x, y});
    return text;
}

struct Copy {
    std::uint32_t colour;
    int dx;
    int dy;
};

// What the caption area must show: the copies in order, each moved and cut to
// the area, then the text itself (when drawn) over them.
QImage expectedCaption(const TextPixels& text, const std::vector<Copy>& copies, bool textOnTop, QRgb background,
                       QRgb textColour)
{
    QImage expected(text.area.size(), QImage::Format_RGB32);
    expected.fill(background);
    for (const Copy& copy : copies)
        for (const QPoint p : text.ink) {
            const QPoint moved = p + QPoint(copy.dx, copy.dy);
            if (text.area.contains(moved))
                expected.setPixel(moved - text.area.topLeft(), pixelOf(copy.colour));
        }
    if (textOnTop)
        for (const QPoint p : text.ink)
            expected.setPixel(p - text.area.topLeft(), textColour);
    return expected;
}

std::string firstDifference(const QImage& actual, const QImage& expected)
{
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x)
            if (actual.pixel(x, y) != expected.pixel(x, y))
                return "at " + std::to_string(x) + "," + std::to_string(y);
    return "";
}

struct EffectCase {
    int font3D;
    std::vector<Copy> copies;
};

constexpr std::uint32_t kHi = framecontrol::kEffectHighlight;
constexpr std::uint32_t kSh = framecontrol::kEffectShadow;

class Font3D : public testing::TestWithParam<EffectCase> {};

TEST_P(Font3D, DrawsItsCopiesBehindTheText)
{
    auto frame = makeFrame(200, 100);
    frame->setBackColor(kGrey); // unlike the highlight and the shadow
    const TextPixels text = plainText(*frame);
    ASSERT_GT(text.ink.size(), 20u);
    frame->setFont3D(GetParam().font3D);
    const QImage image = render(*frame).copy(text.area);
    const QImage expected = expectedCaption(text, GetParam().copies, true, qRgb(128, 128, 128), kInk);
    EXPECT_EQ(firstDifference(image, expected), "");
}

INSTANTIATE_TEST_SUITE_P(
    Effects, Font3D,
    testing::Values(EffectCase{0, {}}, EffectCase{1, {{kHi, -1, -1}}}, EffectCase{2, {{kHi, -1, -1}, {kSh, 1, 1}}},
                    EffectCase{3, {{kHi, 1, 1}}}, EffectCase{4, {{kSh, -1, -1}, {kHi, 1, 1}}},
                    EffectCase{5, {{kSh, 1, 1}}}, EffectCase{6, {}}, EffectCase{-1, {}}));

struct DisabledCase {
    bool userMode;
    int font3D;
    std::vector<Copy> copies;
    bool textOnTop;
};

class DisabledLook : public testing::TestWithParam<DisabledCase> {};

TEST_P(DisabledLook, EmbossesTheTextAtRunTimeOnly)
{
    auto frame = makeFrame(200, 100, GetParam().userMode);
    frame->setBackColor(kGrey);
    const TextPixels text = plainText(*frame);
    frame->setFont3D(GetParam().font3D);
    frame->setEnabled(false);
    frame->Refresh();
    const QImage image = render(*frame).copy(text.area);
    const QImage expected = expectedCaption(text, GetParam().copies, GetParam().textOnTop, qRgb(128, 128, 128), kInk);
    EXPECT_EQ(firstDifference(image, expected), "");
}

INSTANTIATE_TEST_SUITE_P(
    RunAndDesignTime, DisabledLook,
    testing::Values(
        // At run time the text loses its colour and effect: the highlight one
        // pixel right and below, the shadow over it in the text's place.
        DisabledCase{true, framecontrol::ufRaisedHeavy, {{kHi, 1, 1}, {kSh, 0, 0}}, false},
        // At design time it keeps the normal look with its effect.
        DisabledCase{false, framecontrol::ufInsetLight, {{kHi, 1, 1}}, true}));

TEST(Caption, IsDrawnWithoutBlendedPixels)
{
    auto frame = makeFrame(300, 100);
    frame->setForeColor(kBlue);
    frame->setCaption("Raise and Re-Raise, Wag & Co");
    const QImage image = render(*frame);
    const framecontrol::Rect rc = frame->captionRect();
    for (int y = rc.top; y < rc.bottom; ++y)
        for (int x = rc.left; x < rc.right; ++x) {
            const QRgb pixel = image.pixel(x, y);
            ASSERT_TRUE(pixel == qRgb(0, 0, 255) || pixel == qRgb(255, 255, 255) || pixel == qRgb(0, 0, 255))
                << x << "," << y << " " << std::hex << pixel;
        }
}

TEST(Caption, EmptyCaptionHasNoSizeAndTheBorderOnTheEdge)
{
    auto frame = makeFrame(200, 100);
    frame->setCaption("");
    EXPECT_EQ(frame->captionWidth(), 0);
    EXPECT_EQ(frame->captionHeight(), 0);
    EXPECT_EQ(frame->captionRect(), (framecontrol::Rect{5, 0, 9, 0}));
    EXPECT_EQ(frame->borderRect(), (framecontrol::Rect{0, 0, 200, 100}));
    frame->setAlignment(framecontrol::ufBottomRight);
    EXPECT_EQ(frame->borderRect(), (framecontrol::Rect{0, 0, 200, 100}));
    EXPECT_EQ(frame->captionRect().top, 100);
}

TEST(Caption, CaptionStyleOtherThanZeroWrapsWithinTheFrame)
{
    auto frame = makeFrame(120, 100);
    frame->setCaption("Raise and Re-Raise with a long caption");
    const int oneLine = frame->captionHeight();
    EXPECT_GT(frame->captionWidth(), 120 - 14); // one line, wider than the frame
    frame->setCaptionStyle(1);
    EXPECT_GE(frame->captionHeight(), 2 * oneLine);
    EXPECT_LE(frame->captionWidth(), 120 - 14);
    EXPECT_EQ(frame->borderRect().top, frame->captionHeight() / 2);
}

} // namespace

namespace {

// The extreme corner radii draw, and put the caption where half the radius
// says: far left for the smallest, far right of the left edge for the largest.
TEST(CornerRadius, TheExtremesDrawAndPlaceTheCaptionByHalfTheRadius)
{
    constexpr int kMin = std::numeric_limits<int>::min();
    constexpr int kMax = std::numeric_limits<int>::max();
    const std::pair<int, int> cases[] = {{kMin, -1073741819}, {kMin + 1, -1073741819}, {kMax, 1073741828}};
    for (const auto& [radius, left] : cases) {
        auto frame = frametest::makeFrame(160, 80);
        frame->setAppearance(framecontrol::ufEtched);
        frame->setCornerRadius(radius);
        EXPECT_EQ(frame->captionRect().left, left) << radius;
        frame->resize(170, 90);
        EXPECT_EQ(frametest::render(*frame).size(), QSize(170, 90));
    }
}

} // namespace
