// First placement, load and save through the property bag and its text.

#include <gtest/gtest.h>

#include <string_view>
#include <utility>
#include <vector>

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

// Every value a setter refuses, stored in a bag among other properties: the
// load takes the whole bag, the refused value as its property's default (so
// nothing draws with it), every other property as stored.
struct OutOfRangeCase {
    const char* key;
    std::int32_t value;
    std::int32_t (UltiFrame::*read)() const;
    std::int32_t defaultValue;
};

class LoadOutOfRange : public testing::TestWithParam<OutOfRangeCase> {};

TEST_P(LoadOutOfRange, TakesTheDefaultForItAndEverythingElseAsStored)
{
    const OutOfRangeCase& c = GetParam();
    // Each in range and not its default, so that each is seen loaded.
    const std::vector<std::pair<const char*, std::int32_t>> kept = {
        {"BackStyle", 0}, {"BorderStyle", 3}, {"MousePointer", 2}, {"OLEDropMode", 1}};
    platform::PropertyBag bag;
    bag.set("Caption", std::string("Loaded"));
    bag.set("BackColor", platform::OleColour{0x00137C05});
    bag.set("BorderColor", platform::OleColour{0x000000FF});
    bag.set("CornerRadius", 12);
    bag.set("CaptionStyle", 1);
    const platform::FontDesc font{"Liberation Sans", 13.5, true, false, false, false};
    bag.set("Font", font);
    for (const auto& [key, value] : kept)
        bag.set(key, std::string_view(key) == c.key ? c.value : value);

    auto frame = frametest::makeFrame(120, 60);
    ASSERT_NO_THROW(frame->ReadProperties(bag));
    EXPECT_EQ(((*frame).*c.read)(), c.defaultValue);
    EXPECT_EQ(frame->Caption(), "Loaded");
    EXPECT_EQ(frame->BackColor(), 0x00137C05u);
    EXPECT_EQ(frame->BorderColor(), 0x000000FFu);
    EXPECT_EQ(frame->CornerRadius(), 12);
    EXPECT_EQ(frame->CaptionStyle(), 1);
    EXPECT_EQ(platform::draw::toFontDesc(frame->Font()).name, font.name);
    EXPECT_TRUE(frame->Font().bold());
    const std::pair<const char*, std::int32_t (UltiFrame::*)() const> reads[] = {
        {"BackStyle", &UltiFrame::BackStyle}, {"BorderStyle", &UltiFrame::BorderStyle},
        {"MousePointer", &UltiFrame::MousePointer}, {"OLEDropMode", &UltiFrame::OLEDropMode}};
    for (std::size_t i = 0; i < kept.size(); ++i) {
        if (std::string_view(kept[i].first) != c.key) {
            EXPECT_EQ(((*frame).*reads[i].second)(), kept[i].second) << kept[i].first;
        }
    }
    // Saved again, the refused value is not stored; the rest is.
    platform::PropertyBag saved;
    frame->WriteProperties(saved);
    EXPECT_FALSE(saved.contains(c.key));
    EXPECT_TRUE(saved.contains("CornerRadius"));
    // Resizing and showing draw it.
    frame->resize(140, 70);
    frame->hide();
    frame->show();
    QApplication::processEvents();
    EXPECT_EQ(frametest::render(*frame).size(), QSize(140, 70));
}

INSTANTIATE_TEST_SUITE_P(
    Values, LoadOutOfRange,
    testing::Values(OutOfRangeCase{"BorderStyle", 7, &UltiFrame::BorderStyle, 0},
                    OutOfRangeCase{"BorderStyle", -1, &UltiFrame::BorderStyle, 0},
                    OutOfRangeCase{"BackStyle", 2, &UltiFrame::BackStyle, 1},
                    OutOfRangeCase{"BackStyle", -1, &UltiFrame::BackStyle, 1},
                    OutOfRangeCase{"MousePointer", 16, &UltiFrame::MousePointer, 0},
                    OutOfRangeCase{"MousePointer", -1, &UltiFrame::MousePointer, 0},
                    OutOfRangeCase{"OLEDropMode", 2, &UltiFrame::OLEDropMode, 0},
                    OutOfRangeCase{"OLEDropMode", -1, &UltiFrame::OLEDropMode, 0}));

TEST(LoadOutOfRange, ACaptionAndABorderStyleOfSevenLoadAsTheEarlierBuildDid)
{
    platform::PropertyBag bag;
    bag.set("Caption", std::string("Pre-Flop"));
    bag.set("BorderStyle", 7);
    const auto frame = loaded(bag);
    EXPECT_EQ(frame->Caption(), "Pre-Flop");
    EXPECT_EQ(frame->BorderStyle(), 0);
}

TEST(LoadOutOfRange, NothingAtTheEdgesOfWhatIsAllowed)
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
