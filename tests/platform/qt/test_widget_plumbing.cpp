// The widget plumbing both deliverables share: key, shift and button codes,
// mouse pointers, twips, UTF-8 texts and the etched frame on screen.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "platform/qt/EtchedFrame.h"
#include "platform/qt/InputCodes.h"
#include "platform/qt/MousePointers.h"
#include "platform/qt/QtText.h"
#include "platform/qt/Twips.h"

using namespace platform::qt;

namespace {

struct KeyCase {
    int key;
    Qt::KeyboardModifiers modifiers;
    int code;
};

class KeyCodes : public testing::TestWithParam<KeyCase> {};

TEST_P(KeyCodes, AreTheFormsCodes)
{
    EXPECT_EQ(keyCodeOf(GetParam().key, GetParam().modifiers), GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyCodes,
    testing::Values(KeyCase{Qt::Key_A, Qt::NoModifier, 65}, KeyCase{Qt::Key_Z, Qt::ShiftModifier, 90},
                    KeyCase{Qt::Key_7, Qt::NoModifier, 55}, KeyCase{Qt::Key_7, Qt::KeypadModifier, 103},
                    KeyCase{Qt::Key_Ampersand, Qt::ShiftModifier, 55}, KeyCase{Qt::Key_F1, Qt::NoModifier, 112},
                    KeyCase{Qt::Key_Left, Qt::NoModifier, 37}, KeyCase{Qt::Key_Down, Qt::NoModifier, 40},
                    KeyCase{Qt::Key_Return, Qt::NoModifier, 13}, KeyCase{Qt::Key_Enter, Qt::KeypadModifier, 13},
                    KeyCase{Qt::Key_Backtab, Qt::ShiftModifier, 9}, KeyCase{Qt::Key_Delete, Qt::NoModifier, 46},
                    KeyCase{Qt::Key_Comma, Qt::NoModifier, 188}, KeyCase{Qt::Key_Eacute, Qt::NoModifier, 0}));

TEST(ShiftAndButtons, CombineTheirBits)
{
    EXPECT_EQ(shiftOf(Qt::ShiftModifier | Qt::AltModifier), 5);
    EXPECT_EQ(shiftOf(Qt::ControlModifier | Qt::KeypadModifier), 2);
    EXPECT_EQ(buttonOf(Qt::RightButton), 2);
    EXPECT_EQ(buttonOf(Qt::BackButton), 0);
    EXPECT_EQ(buttonsOf(Qt::LeftButton | Qt::MiddleButton), 5);
}

TEST(MousePointers, StandardOnesHaveShapesAndTheCustomOneNone)
{
    EXPECT_TRUE(isMousePointer(kPointerDefault));
    EXPECT_TRUE(isMousePointer(15));
    EXPECT_TRUE(isMousePointer(kPointerCustom));
    EXPECT_FALSE(isMousePointer(16));
    EXPECT_FALSE(isMousePointer(-1));
    EXPECT_EQ(cursorShapeOf(11), Qt::WaitCursor);
    EXPECT_FALSE(cursorShapeOf(kPointerDefault));
    EXPECT_FALSE(cursorShapeOf(kPointerCustom));
}

TEST(Twips, FollowTheScreensDensity)
{
    EXPECT_EQ(Twips().toPixels(1500), 100);
    EXPECT_EQ(Twips::ofDpi(120).onePixel(), 12);
    EXPECT_EQ(Twips::ofDpi(144).fromPixels(3), 30);
    EXPECT_EQ(Twips::ofDpi(0).perPixel(), 15.0); // no density: 96 dots per inch
}

TEST(Texts, KeepEveryCharacterBothWays)
{
    const std::string utf8 = "Pot \xE2\x82\xAC \xF0\x9F\x82\xA1 \"odds\"";
    const QString text = toQString(utf8);
    EXPECT_EQ(text.size(), 15); // the card is two UTF-16 units
    EXPECT_EQ(toUtf8(text), utf8);
    EXPECT_EQ(toUtf8(toQString(std::string_view("a\0b", 3))).size(), 3u);
}

// A frame painted in pixels: dark outside and light inside at the top and
// left, the reverse at the right and bottom, the top through the caption.
TEST(EtchedFrame, PaintsTheLinesTheLineObjectsWouldShow)
{
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        paintEtchedFrame(painter, image.size(), 10, Qt::black, Qt::red);
    }
    const QRgb dark = qRgb(0, 0, 0);
    const QRgb light = qRgb(255, 0, 0);
    EXPECT_EQ(image.pixel(20, 5), dark);   // outer top, at half the caption
    EXPECT_EQ(image.pixel(20, 6), light);  // inner top
    EXPECT_EQ(image.pixel(0, 20), dark);   // outer left
    EXPECT_EQ(image.pixel(1, 20), light);  // inner left
    EXPECT_EQ(image.pixel(39, 20), light); // outer right
    EXPECT_EQ(image.pixel(38, 20), dark);  // inner right
    EXPECT_EQ(image.pixel(20, 29), light); // outer bottom
    EXPECT_EQ(image.pixel(20, 28), dark);  // inner bottom
    EXPECT_EQ(image.pixel(20, 4), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(20, 15), qRgb(255, 255, 255));
}

} // namespace
