#include <gtest/gtest.h>

#include <QFontMetrics>

#include "DrawFixture.h"
#include "platform/draw/Gdi.h"

namespace {

using namespace platform::draw;
using drawtest::Canvas;

QFont testFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    return font;
}

int advance(const QString& text)
{
    QFont font = testFont();
    font.setStyleStrategy(QFont::NoAntialias);
    return QFontMetrics(font).horizontalAdvance(text);
}

int lineHeight()
{
    QFont font = testFont();
    font.setStyleStrategy(QFont::NoAntialias);
    return QFontMetrics(font).height();
}

TEST(DrawTextCalcRect, SingleLineFitsTheTextWhateverTheWidth)
{
    Canvas canvas(200, 40);
    SelectObject(canvas.dc, testFont());
    Rect rc{7, 0, 20, 40};
    const int height = DrawText(canvas.dc, "Pre-Flop", rc, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(rc, (Rect{7, 0, 7 + advance("Pre-Flop"), lineHeight()}));
    EXPECT_EQ(height, lineHeight());
    // Nothing is drawn.
    EXPECT_EQ(canvas.row(5, drawtest::kWhite), std::string(200, '#'));
}

TEST(DrawTextCalcRect, WordBreakWrapsBetweenWordsWithinTheWidth)
{
    Canvas canvas(200, 80);
    SelectObject(canvas.dc, testFont());
    const int width = advance("Raise and") + 2;
    Rect rc{0, 0, width, 0};
    DrawText(canvas.dc, "Raise and Re-Raise", rc, DT_CALCRECT | DT_WORDBREAK);
    EXPECT_EQ(rc.bottom, 2 * lineHeight());
    EXPECT_EQ(rc.right, std::max(advance("Raise and"), advance("Re-Raise")));
    // Line breaks start lines of their own; one line ignores them.
    Rect lines{0, 0, 200, 0};
    DrawText(canvas.dc, "a\r\nb\nc", lines, DT_CALCRECT | DT_WORDBREAK);
    EXPECT_EQ(lines.bottom, 3 * lineHeight());
    Rect single{0, 0, 200, 0};
    DrawText(canvas.dc, "a\r\nb", single, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(single.bottom, lineHeight());
    EXPECT_EQ(single.right, advance("ab"));
}

TEST(DrawTextCalcRect, AmpersandMarksAMnemonicUnlessNoPrefix)
{
    Canvas canvas;
    SelectObject(canvas.dc, testFont());
    Rect marked{0, 0, 100, 0};
    DrawText(canvas.dc, "&Fish && Chips", marked, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(marked.right, advance("Fish & Chips"));
    Rect plain{0, 0, 100, 0};
    DrawText(canvas.dc, "&Fish && Chips", plain, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    EXPECT_EQ(plain.right, advance("&Fish && Chips"));
}

// The columns and rows that hold pixels of the colour.
QRect inkBounds(const QImage& image, QRgb colour)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == colour)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

TEST(DrawText, DrawsUnblendedPixelsOfTheTextColourClippedToTheRectangle)
{
    Canvas canvas(120, 40);
    SelectObject(canvas.dc, testFont());
    SetBkMode(canvas.dc, TRANSPARENT);
    SetTextColor(canvas.dc, RGB(0, 0, 255));
    Rect rc{10, 5, 60, 5 + lineHeight()};
    DrawText(canvas.dc, "Pre-Flop Pre-Flop Pre-Flop", rc, DT_SINGLELINE);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 120; ++x) {
            const QRgb pixel = canvas.at(x, y);
            ASSERT_TRUE(pixel == drawtest::kWhite || pixel == 0xFF0000FF) << x << "," << y;
        }
    const QRect ink = inkBounds(*canvas.image, 0xFF0000FF);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GE(ink.left(), 10);
    EXPECT_LE(ink.right(), 59);
    EXPECT_GE(ink.top(), 5);
}

TEST(DrawText, RightAlignsEachLineAndOpaqueModeFillsBehindIt)
{
    Canvas canvas(200, 60);
    SelectObject(canvas.dc, testFont());
    SetTextColor(canvas.dc, RGB(0, 0, 0));
    SetBkColor(canvas.dc, RGB(0, 255, 0));
    Rect rc{0, 0, 150, 60};
    DrawText(canvas.dc, "Limped", rc, DT_RIGHT | DT_WORDBREAK);
    const QRect green = inkBounds(*canvas.image, 0xFF00FF00);
    EXPECT_EQ(green.right(), 149);
    EXPECT_EQ(green.left(), 150 - advance("Limped"));
    EXPECT_EQ(green.top(), 0);
}

} // namespace
