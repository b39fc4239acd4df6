// Properties: the caption and its label, the border's visibility, values the
// surface refuses, and the host told of every change.

#include <gtest/gtest.h>

#include <QFontMetrics>

#include "PaneFixture.h"
#include "platform/PlatformError.h"
#include "sheerpane/BorderLine.h"
#include "sheerpane/CaptionLabel.h"
#include "sheerpane/SheerpaneErrors.h"

namespace {

using panetest::FormWithPane;

bool linesVisible(const Sheerpane& pane, bool visible)
{
    for (int i = 0; i < 2; ++i)
        for (auto* line : {&pane.linTop(i), &pane.linLeft(i), &pane.linRight(i), &pane.linBottom(i)})
            if (line->isVisibleTo(&pane) != visible)
                return false;
    return true;
}

struct VisibilityCase {
    const char* caption;
    Sheerpane::BorderStyles borderStyle;
    bool labelShown;
    bool linesShown;
};

class CaptionVisibility : public testing::TestWithParam<VisibilityCase> {};

// Whichever is set last, caption or border style, the outcome is the same.
TEST_P(CaptionVisibility, FollowsCaptionAndBorderStyleInEitherOrder)
{
    const VisibilityCase& c = GetParam();
    for (const bool captionFirst : {true, false}) {
        FormWithPane placed(false);
        Sheerpane& pane = *placed.pane;
        pane.setCaption(QStringLiteral("x"));
        pane.setBorderStyle(c.borderStyle == Sheerpane::None ? Sheerpane::FixedSingle : Sheerpane::None);
        if (captionFirst) {
            pane.setCaption(QString::fromUtf8(c.caption));
            pane.setBorderStyle(c.borderStyle);
        } else {
            pane.setBorderStyle(c.borderStyle);
            pane.setCaption(QString::fromUtf8(c.caption));
        }
        EXPECT_EQ(pane.lblCaption().isVisibleTo(&pane), c.labelShown) << captionFirst;
        EXPECT_TRUE(linesVisible(pane, c.linesShown)) << captionFirst;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rules, CaptionVisibility,
    testing::Values(VisibilityCase{"Odds", Sheerpane::FixedSingle, true, true},
                    VisibilityCase{"", Sheerpane::FixedSingle, false, true},
                    VisibilityCase{"Odds", Sheerpane::None, false, false},
                    VisibilityCase{"", Sheerpane::None, false, false},
                    VisibilityCase{" ", Sheerpane::FixedSingle, true, true},
                    // Any other value counts as no border.
                    VisibilityCase{"Odds", static_cast<Sheerpane::BorderStyles>(2), false, false}));

TEST(Caption, TheLabelAddsOneSpaceEachSideAndTheCaptionReadsBackWithout)
{
    FormWithPane placed(false);
    Sheerpane& pane = *placed.pane;
    for (const QString& caption : {QStringLiteral("Pot odds"), QStringLiteral(" padded "), QString()}) {
        pane.setCaption(caption);
        EXPECT_EQ(pane.Caption(), caption);
        EXPECT_EQ(pane.lblCaption().Caption(), QLatin1Char(' ') + caption + QLatin1Char(' '));
        // The label is as wide as its text, spaces included.
        const QFontMetrics metrics(pane.lblCaption().font());
        EXPECT_EQ(pane.lblCaption().width(), metrics.horizontalAdvance(pane.lblCaption().Caption()));
        EXPECT_GT(pane.lblCaption().height(), 0);
    }
}

TEST(Caption, TheLabelKeepsItsOwnFontWhateverTheSurfaceHas)
{
    FormWithPane placed(false);
    Sheerpane& pane = *placed.pane;
    const QFont before = pane.lblCaption().font();
    pane.setFontBold(true);
    pane.setFontSize(20);
    pane.setFontName(QStringLiteral("Liberation Serif"));
    EXPECT_EQ(pane.lblCaption().font(), before);
    EXPECT_TRUE(pane.Font().bold());
}

TEST(Properties, EverySetterTellsTheHostItsKey)
{
    FormWithPane placed(false);
    Sheerpane& pane = *placed.pane;
    pane.propertyChanges().clear();
    std::vector<std::string> told;
    pane.propertyChanges().changed.connect([&](const std::string& key) { told.push_back(key); });
    panetest::setEveryProperty(pane);
    EXPECT_EQ(told, (std::vector<std::string>{"BackColor", "ForeColor", "Enabled", "Font", "BorderStyle", "Caption",
                                              "Appearance", "FontUnderline", "FontTransparent", "FontStrikethru",
                                              "FontSize", "FontName", "FontItalic", "FontBold", "MouseIcon",
                                              "MousePointer", "BackStyle"}));
}

TEST(Properties, SurfaceSettingsPassThrough)
{
    FormWithPane placed(false);
    Sheerpane& pane = *placed.pane;
    auto* contained = new QWidget(&pane);
    pane.setEnabled(false);
    EXPECT_FALSE(pane.Enabled());
    EXPECT_FALSE(contained->isEnabled());
    pane.setEnabled(true);
    EXPECT_TRUE(contained->isEnabled());
    pane.setFontSize(13.5);
    pane.setFontItalic(true);
    EXPECT_EQ(pane.Font().pointSizeF(), 13.5);
    EXPECT_TRUE(pane.Font().italic());
    pane.setMousePointer(11);
    EXPECT_EQ(pane.cursor().shape(), Qt::WaitCursor);
    pane.setMousePointer(0);
    EXPECT_FALSE(pane.testAttribute(Qt::WA_SetCursor));
    // The host's own controls, not the label and the lines.
    EXPECT_EQ(pane.Controls(), QList<QWidget*>{contained});
    // A handle of its own, the same every time.
    EXPECT_NE(pane.hWnd(), 0);
    EXPECT_EQ(pane.hWnd(), pane.hWnd());
    EXPECT_NE(Sheerpane().hWnd(), pane.hWnd());
}

struct Refused {
    const char* what;
    std::function<void(Sheerpane&)> set;
    long error;
};

class RefusedValues : public testing::TestWithParam<Refused> {};

TEST_P(RefusedValues, ThrowAndChangeNothing)
{
    FormWithPane placed(false);
    Sheerpane& pane = *placed.pane;
    pane.propertyChanges().clear();
    platform::PropertyBag before;
    pane.WriteProperties(before);
    try {
        GetParam().set(pane);
        FAIL() << "accepted " << GetParam().what;
    } catch (const platform::PlatformError& error) {
        EXPECT_EQ(error.number(), GetParam().error) << error.description();
    }
    platform::PropertyBag after;
    pane.WriteProperties(after);
    EXPECT_EQ(after.entries(), before.entries());
    EXPECT_FALSE(pane.propertyChanges().any());
}

INSTANTIATE_TEST_SUITE_P(
    Values, RefusedValues,
    testing::Values(
        Refused{"Appearance 2", [](Sheerpane& p) { p.setAppearance(static_cast<Sheerpane::AppearanceConstants>(2)); },
                platform::kErrInvalidPropertyValue},
        Refused{"MousePointer 16", [](Sheerpane& p) { p.setMousePointer(16); }, platform::kErrInvalidPropertyValue},
        Refused{"MousePointer -1", [](Sheerpane& p) { p.setMousePointer(-1); }, platform::kErrInvalidPropertyValue},
        Refused{"FontSize 0", [](Sheerpane& p) { p.setFontSize(0); }, platform::kErrInvalidPropertyValue},
        Refused{"FontSize nan", [](Sheerpane& p) { p.setFontSize(std::nan("")); },
                platform::kErrInvalidPropertyValue},
        Refused{"FontSize 5000", [](Sheerpane& p) { p.setFontSize(5000); }, platform::kErrInvalidPropertyValue},
        Refused{"FontName empty", [](Sheerpane& p) { p.setFontName(QStringLiteral("  ")); },
                platform::kErrInvalidPropertyValue},
        Refused{"MouseIcon not an image",
                [](Sheerpane& p) {
                    platform::Picture junk;
                    junk.format = "png";
                    junk.data = {1, 2, 3};
                    p.setMouseIcon(junk);
                },
                sheerpane::kErrInvalidPicture}));

// Through Qt's properties (Designer, QUiLoader) nothing may throw: the
// refusal comes as errorRaised.
TEST(Properties, RefusalsThroughQtPropertiesAreReportedNotThrown)
{
    FormWithPane placed(false);
    Sheerpane& pane = *placed.pane;
    std::vector<int> errors;
    QObject::connect(&pane, &Sheerpane::errorRaised, [&](int number, const QString&) { errors.push_back(number); });
    EXPECT_NO_THROW(pane.setProperty("MousePointer", 42));
    EXPECT_NO_THROW(pane.setProperty("FontSize", -3.0));
    EXPECT_NO_THROW(pane.setProperty("Appearance", 7));
    EXPECT_EQ(errors, (std::vector<int>{380, 380, 380}));
    EXPECT_EQ(pane.MousePointer(), 0);
    EXPECT_TRUE(pane.setProperty("Caption", QStringLiteral("Bets")));
    EXPECT_EQ(pane.Caption(), QStringLiteral("Bets"));
    EXPECT_TRUE(pane.setProperty("BackStyle", QVariant::fromValue(Sheerpane::Opaque)));
    EXPECT_EQ(pane.BackStyle(), Sheerpane::Opaque);
}

} // namespace
