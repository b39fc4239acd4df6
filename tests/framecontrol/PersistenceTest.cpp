// First placement, load and save through the property bag and its text.

#include <gtest/gtest.h>

#include <QApplication>
#include <QPixmap>

#include "FrameFixture.h"
#include "platform/PlatformError.h"
#include "platform/draw/FontConvert.h"
#include "platform/propertybag/BagText.h"
#include "platform/propertybag/PropertyErrors.h"

namespace {

using namespace frametest;
using framecontrol::UltiFrame;

std::unique_ptr<UltiFrame> loaded(const platform::PropertyBag& bag, const std::string& name = "UltiFrame1")
{
    auto frame = std::make_unique<UltiFrame>(nullptr, runAmbient(name));
    frame->ReadProperties(bag);
    return frame;
}

void expectBagDefaults(const UltiFrame& frame)
{
    EXPECT_EQ(frame.Alignment(), 0);
    EXPECT_EQ(frame.Appearance(), 1);
    EXPECT_EQ(frame.BackColor(), 0x8000000Fu);
    EXPECT_EQ(frame.BackStyle(), 1);
    EXPECT_EQ(frame.BorderColor(), 0x80000006u);
    EXPECT_EQ(frame.BorderHighLightColor(), 0x80000014u);
    EXPECT_EQ(frame.BorderShadowColor(), 0x80000010u);
    EXPECT_EQ(frame.BorderStyle(), 0);
    EXPECT_EQ(frame.CaptionStyle(), 0);
    EXPECT_TRUE(frame.ClipControls());
    EXPECT_EQ(frame.CornerRadius(), 0);
    EXPECT_TRUE(frame.Enabled());
    EXPECT_EQ(frame.Font3D(), 0);
    EXPECT_EQ(frame.ForeColor(), 0x80000012u);
    EXPECT_EQ(frame.MousePointer(), 0);
    EXPECT_EQ(frame.OLEDropMode(), 0);
    EXPECT_EQ(frame.MouseIcon().shape(), Qt::ArrowCursor);
    EXPECT_EQ(platform::draw::toFontDesc(frame.Font()), runAmbient().font);
}

TEST(Load, AnEmptyBagGivesTheBagDefaultsWithAnEmptyCaption)
{
    const auto frame = loaded(platform::PropertyBag{});
    expectBagDefaults(*frame);
    EXPECT_EQ(frame->Caption(), "");
    EXPECT_TRUE(frame->isEnabled());
    EXPECT_TRUE(frame->cursor().shape() == Qt::ArrowCursor);
    EXPECT_FALSE(frame->acceptDrops());
}

TEST(FirstPlacement, TakesTheHostsNameAsCaptionAndKeepsItThroughSaveAndLoad)
{
    UltiFrame placed(nullptr, runAmbient("UltiFrame7"));
    placed.InitProperties();
    EXPECT_EQ(placed.Caption(), "UltiFrame7");
    EXPECT_EQ(placed.size(), QSize(100, 50)); // 1500 x 750 twips
    expectBagDefaults(placed);

    platform::PropertyBag bag;
    placed.WriteProperties(bag);
    // Only the caption differs from its default.
    ASSERT_EQ(bag.entries().size(), 1u);
    EXPECT_EQ(bag.entries().front().first, "Caption");

    const auto reloaded = loaded(platform::readBagText(platform::writeBagText(bag)), "SomethingElse");
    EXPECT_EQ(reloaded->Caption(), "UltiFrame7");
}

TEST(Save, DefaultsAreNotWritten)
{
    UltiFrame placed(nullptr, runAmbient(""));
    placed.InitProperties();
    platform::PropertyBag bag;
    placed.WriteProperties(bag);
    EXPECT_TRUE(bag.empty()) << platform::writeBagText(bag);
}

TEST(SaveAndLoad, EveryPropertySurvivesTheText)
{
    UltiFrame frame(nullptr, runAmbient());
    frame.InitProperties();
    frame.setAlignment(4);
    frame.setAppearance(2);
    frame.setBackColor(0x00137C05);
    frame.setBackStyle(0);
    frame.setBorderColor(0x80000001);
    frame.setBorderHighLightColor(0x00FFFFFF);
    frame.setBorderShadowColor(0x00000000);
    frame.setBorderStyle(3);
    frame.setCaption("Pre-Flop \"quoted\"\r\nsecond line");
    frame.setCaptionStyle(1);
    frame.setClipControls(false);
    frame.setCornerRadius(9);
    frame.setEnabled(false);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(9.75);
    font.setBold(true);
    frame.setFont(font);
    frame.setFont3D(5);
    frame.setForeColor(0x00FFFFFF);
    QPixmap hand(16, 16);
    hand.fill(Qt::red);
    frame.setMouseIcon(QCursor(hand, 3, 4));
    frame.setMousePointer(99);
    frame.setOLEDropMode(1);

    platform::PropertyBag bag;
    frame.WriteProperties(bag);
    EXPECT_EQ(bag.entries().size(), 19u);
    const auto copy = loaded(platform::readBagText(platform::writeBagText(bag)));
    EXPECT_EQ(copy->Alignment(), 4);
    EXPECT_EQ(copy->Appearance(), 2);
    EXPECT_EQ(copy->BackColor(), 0x00137C05u);
    EXPECT_EQ(copy->BackStyle(), 0);
    EXPECT_EQ(copy->BorderColor(), 0x80000001u);
    EXPECT_EQ(copy->BorderHighLightColor(), 0x00FFFFFFu);
    EXPECT_EQ(copy->BorderShadowColor(), 0u);
    EXPECT_EQ(copy->BorderStyle(), 3);
    EXPECT_EQ(copy->Caption(), "Pre-Flop \"quoted\"\r\nsecond line");
    EXPECT_EQ(copy->CaptionStyle(), 1);
    EXPECT_FALSE(copy->ClipControls());
    EXPECT_EQ(copy->CornerRadius(), 9);
    EXPECT_FALSE(copy->Enabled());
    EXPECT_FALSE(copy->isEnabled());
    EXPECT_EQ(copy->Font().family(), QStringLiteral("MS Sans Serif"));
    EXPECT_DOUBLE_EQ(copy->Font().pointSizeF(), 9.75);
    EXPECT_TRUE(copy->Font().bold());
    EXPECT_EQ(copy->Font3D(), 5);
    EXPECT_EQ(copy->ForeColor(), 0x00FFFFFFu);
    EXPECT_EQ(copy->MouseIcon().hotSpot(), QPoint(3, 4));
    EXPECT_EQ(copy->MouseIcon().pixmap().toImage().pixel(5, 5), qRgb(255, 0, 0));
    EXPECT_EQ(copy->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(copy->MousePointer(), 99);
    EXPECT_EQ(copy->OLEDropMode(), 1);
    EXPECT_TRUE(copy->acceptDrops());

    platform::PropertyBag again;
    copy->WriteProperties(again);
    EXPECT_EQ(platform::writeBagText(again), platform::writeBagText(bag));
}

TEST(Load, ALoadedBackColorShowsInsideAnOpaqueFrame)
{
    platform::PropertyBag bag;
    bag.set("BackColor", platform::OleColour{0x00137C05});
    const auto frame = loaded(bag);
    frame->resize(100, 60);
    const QImage image = render(*frame);
    EXPECT_EQ(image.pixel(50, 30), qRgb(0x05, 0x7C, 0x13));
}

TEST(Load, AValueOfTheWrongKindIsATypeMismatchForTheHost)
{
    platform::PropertyBag bag;
    bag.set("CornerRadius", std::string("round"));
    UltiFrame frame(nullptr, runAmbient());
    try {
        frame.ReadProperties(bag);
        FAIL() << "loaded";
    } catch (const platform::PlatformError& error) {
        EXPECT_EQ(error.number(), platform::kErrTypeMismatch);
    }
}

} // namespace

namespace {

// Every value a setter refuses, stored in a bag: the load refuses it with the
// setter's error, leaves the frame as it was, and nothing draws it later.
struct RefusedCase {
    const char* key;
    std::int32_t value;
};

class LoadRefuses : public testing::TestWithParam<RefusedCase> {};

TEST_P(LoadRefuses, WhatTheSetterRefuses)
{
    const RefusedCase& c = GetParam();
    platform::PropertyBag bag;
    bag.set("Caption", std::string("Loaded"));
    bag.set(c.key, c.value);
    auto frame = frametest::makeFrame(120, 60);
    try {
        frame->ReadProperties(bag);
        FAIL() << c.key << " = " << c.value << " loaded";
    } catch (const platform::PlatformError& error) {
        EXPECT_EQ(error.number(), platform::kErrInvalidPropertyValue);
        EXPECT_NE(error.description().find(c.key), std::string::npos) << error.description();
    }
    EXPECT_EQ(frame->Caption(), "Pre-Flop"); // nothing of the bag was taken
    // Resizing and showing redraw it as before.
    frame->resize(140, 70);
    frame->hide();
    frame->show();
    QApplication::processEvents();
    EXPECT_EQ(frametest::render(*frame).size(), QSize(140, 70));
}

INSTANTIATE_TEST_SUITE_P(
    Values, LoadRefuses,
    testing::Values(RefusedCase{"BorderStyle", 7}, RefusedCase{"BorderStyle", 9}, RefusedCase{"BorderStyle", -1},
                    RefusedCase{"BackStyle", 2}, RefusedCase{"BackStyle", -1}, RefusedCase{"MousePointer", 16},
                    RefusedCase{"MousePointer", -1}, RefusedCase{"OLEDropMode", 2},
                    RefusedCase{"OLEDropMode", -1}));

TEST(LoadRefuses, NothingAtTheEdgesOfWhatIsAllowed)
{
    platform::PropertyBag bag;
    bag.set("BorderStyle", 6);
    bag.set("BackStyle", 0);
    bag.set("MousePointer", 99);
    bag.set("OLEDropMode", 1);
    const auto frame = loaded(bag);
    EXPECT_EQ(frame->BorderStyle(), 6);
    EXPECT_EQ(frame->BackStyle(), 0);
    EXPECT_EQ(frame->MousePointer(), 99);
    EXPECT_EQ(frame->OLEDropMode(), 1);
}

} // namespace
