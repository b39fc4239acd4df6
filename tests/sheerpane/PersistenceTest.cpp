// First placement, load and save: the bag's keys, defaults and order.

#include <gtest/gtest.h>

#include "PaneFixture.h"
#include "platform/PlatformError.h"
#include "platform/draw/FontConvert.h"
#include "platform/propertybag/BagText.h"
#include "platform/propertybag/PropertyErrors.h"
#include "sheerpane/CaptionLabel.h"

namespace {

using panetest::FormWithPane;
using platform::PropertyBag;

std::vector<std::string> keysOf(const PropertyBag& bag)
{
    std::vector<std::string> keys;
    for (const auto& entry : bag.entries())
        keys.push_back(entry.first);
    return keys;
}

TEST(FirstPlacement, TakesTheHostsNameAndFontATransparentBackAndABorder)
{
    auto form = std::make_unique<QWidget>();
    auto* pane = new Sheerpane(form.get());
    pane->setAmbient(panetest::ambient(false, "Sheerpane3"));
    pane->setBorderStyle(Sheerpane::None);
    pane->setBackStyle(Sheerpane::Opaque);
    pane->InitProperties();
    EXPECT_EQ(pane->Caption(), QStringLiteral("Sheerpane3"));
    EXPECT_EQ(pane->lblCaption().Caption(), QStringLiteral(" Sheerpane3 "));
    EXPECT_EQ(pane->BackStyle(), Sheerpane::Transparent);
    EXPECT_EQ(pane->BorderStyle(), Sheerpane::FixedSingle);
    EXPECT_EQ(platform::draw::toFontDesc(pane->Font()), (platform::FontDesc{"DejaVu Sans", 9}));
    // Placed at design time: it follows no form's paints.
    EXPECT_EQ(pane->MyParent(), nullptr);
}

TEST(Load, AnEmptyBagGivesTheDefaults)
{
    FormWithPane placed(true);
    const Sheerpane& pane = *placed.pane;
    EXPECT_EQ(pane.BackColor(), 0x8000000Fu);
    EXPECT_EQ(pane.ForeColor(), 0x80000012u);
    EXPECT_TRUE(pane.Enabled());
    EXPECT_EQ(pane.BorderStyle(), Sheerpane::FixedSingle);
    EXPECT_EQ(pane.BackStyle(), Sheerpane::Transparent);
    EXPECT_EQ(pane.Caption(), QStringLiteral("Sheerpane1"));
    EXPECT_TRUE(pane.lblCaption().isVisibleTo(placed.pane));
    EXPECT_EQ(pane.Appearance(), Sheerpane::ThreeD);
    EXPECT_TRUE(pane.FontTransparent());
    EXPECT_FALSE(pane.FontUnderline() || pane.FontStrikethru() || pane.FontItalic() || pane.FontBold());
    // FontSize 0 and an empty FontName leave the font "Font" gave: the host's.
    EXPECT_EQ(pane.FontName(), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(pane.FontSize(), 9.0);
    EXPECT_TRUE(pane.MouseIcon().empty());
    EXPECT_EQ(pane.MousePointer(), 0);
    // Loaded at run time: it follows its form's paints.
    EXPECT_EQ(pane.MyParent(), placed.form.get());
}

TEST(Save, WritesEveryKeyInOrderAndSkipsDefaultsButTheFontsSizeAndName)
{
    FormWithPane placed(true);
    PropertyBag bag;
    placed.pane->WriteProperties(bag);
    // FontSize and FontName are saved against 0 and "": always there.
    EXPECT_EQ(keysOf(bag), (std::vector<std::string>{"FontSize", "FontName"}));
    EXPECT_EQ(bag.readNumber("FontSize", 0), 9.0);
    EXPECT_EQ(bag.readText("FontName", ""), "DejaVu Sans");

    panetest::setEveryProperty(*placed.pane);
    PropertyBag full;
    placed.pane->WriteProperties(full);
    EXPECT_EQ(keysOf(full), (std::vector<std::string>{"BackColor", "ForeColor", "Enabled", "Font", "BorderStyle",
                                                      "Caption", "Appearance", "FontUnderline", "FontTransparent",
                                                      "FontStrikethru", "FontSize", "FontName", "FontItalic",
                                                      "FontBold", "MouseIcon", "MousePointer", "BackStyle"}));
}

TEST(SaveAndLoad, EveryPropertySurvivesTheBagsText)
{
    FormWithPane placed(true);
    Sheerpane& pane = *placed.pane;
    panetest::setEveryProperty(pane);
    // Styles that are off must come back off.
    pane.setFontStrikethru(false);
    pane.setFontBold(false);
    const QString text = pane.WriteProperties();

    FormWithPane again(true);
    ASSERT_TRUE(again.pane->ReadProperties(text));
    EXPECT_EQ(again.pane->WriteProperties(), text);
    const Sheerpane& copy = *again.pane;
    EXPECT_EQ(copy.BackColor(), 0x00112233u);
    EXPECT_EQ(copy.ForeColor(), 0x80000008u);
    EXPECT_FALSE(copy.Enabled());
    EXPECT_EQ(copy.BorderStyle(), Sheerpane::None);
    EXPECT_EQ(copy.Caption(), pane.Caption());
    EXPECT_EQ(copy.Appearance(), Sheerpane::Flat);
    EXPECT_EQ(copy.FontName(), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(copy.FontSize(), 10.5);
    EXPECT_TRUE(copy.FontUnderline() && copy.FontItalic());
    EXPECT_FALSE(copy.FontTransparent() || copy.FontBold() || copy.FontStrikethru());
    EXPECT_EQ(copy.MouseIcon(), pane.MouseIcon());
    EXPECT_EQ(copy.MouseIcon().hotX, 1);
    EXPECT_EQ(copy.MousePointer(), 99);
    EXPECT_EQ(copy.cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(copy.BackStyle(), Sheerpane::Opaque);
}

struct FontCase {
    const char* bag;
    const char* name;
    double size;
    bool bold;
};

class FontKeys : public testing::TestWithParam<FontCase> {};

// "Font" first, then the single keys over it, except a size of 0 and an
// empty name, which leave it.
TEST_P(FontKeys, ApplyOverFontExceptSizeZeroAndEmptyName)
{
    const std::string text = std::string("property-bag 1\n") + GetParam().bag;
    FormWithPane placed(true, platform::readBagText(text));
    EXPECT_EQ(placed.pane->FontName(), QString::fromUtf8(GetParam().name));
    EXPECT_EQ(placed.pane->FontSize(), GetParam().size);
    EXPECT_EQ(placed.pane->FontBold(), GetParam().bold);
}

INSTANTIATE_TEST_SUITE_P(
    Bags, FontKeys,
    testing::Values(
        FontCase{"Font = font \"Liberation Sans\" 12 bold\nFontBold = true\n", "Liberation Sans", 12, true},
        FontCase{"Font = font \"Liberation Sans\" 12 bold\nFontSize = number 0\nFontName = \"\"\nFontBold = true\n",
                 "Liberation Sans", 12, true},
        FontCase{"Font = font \"Liberation Sans\" 12\nFontSize = number 7.5\nFontName = \"DejaVu Serif\"\n",
                 "DejaVu Serif", 7.5, false},
        // FontBold's default is false: it takes the bold of "Font" away.
        FontCase{"Font = font \"Liberation Sans\" 12 bold\n", "Liberation Sans", 12, false},
        FontCase{"FontSize = 14\n", "DejaVu Sans", 14, false}));

TEST(Load, WithoutAFormAtRunTimeIsATypeMismatchAfterWhatCameBefore)
{
    Sheerpane pane;
    pane.setAmbient(panetest::ambient(true));
    PropertyBag bag;
    bag.set("Caption", std::string("Read"));
    bag.set("BackStyle", std::int32_t{1});
    try {
        pane.ReadProperties(bag);
        FAIL() << "loaded without a form";
    } catch (const platform::PlatformError& error) {
        EXPECT_EQ(error.number(), platform::kErrTypeMismatch);
    }
    EXPECT_EQ(pane.Caption(), QStringLiteral("Read"));
    EXPECT_EQ(pane.BackStyle(), Sheerpane::Transparent);
    // At design time no form is needed.
    pane.setAmbient(panetest::ambient(false));
    EXPECT_NO_THROW(pane.ReadProperties(bag));
    EXPECT_EQ(pane.BackStyle(), Sheerpane::Opaque);
}

TEST(Load, ABagErrorReachesTheHost)
{
    PropertyBag bag;
    bag.set("Caption", std::int32_t{5});
    Sheerpane pane;
    pane.setAmbient(panetest::ambient(false));
    EXPECT_THROW(pane.ReadProperties(bag), platform::PlatformError);
    std::vector<int> errors;
    QObject::connect(&pane, &Sheerpane::errorRaised, [&](int number, const QString&) { errors.push_back(number); });
    EXPECT_FALSE(pane.ReadProperties(QStringLiteral("property-bag 1\nBackStyle = \"x\"\n")));
    EXPECT_FALSE(pane.ReadProperties(QStringLiteral("not a bag")));
    EXPECT_EQ(errors, (std::vector<int>{13, 321}));
}

} // namespace
