// In a Qt host the control loads itself when it is first polished, from what
// the host set through its Qt properties: at run time always a load (which
// follows the form's paints), at design time a first placement when nothing
// was set.

#include <gtest/gtest.h>

#include "PaneFixture.h"
#include "platform/draw/FontConvert.h"
#include "sheerpane/CaptionLabel.h"

namespace {

TEST(QtHost, AtRunTimeLoadsFromWhatTheHostSetAndFollowsTheForm)
{
    panetest::PatternForm form;
    form.resize(300, 200);
    form.setFont(QFont(QStringLiteral("Liberation Sans"), 10));
    auto* inner = new QWidget(&form);
    inner->setGeometry(0, 0, 300, 200);
    auto* pane = new Sheerpane(inner);
    pane->setObjectName(QStringLiteral("oddsPane"));
    pane->setProperty("Caption", QStringLiteral("Outs"));
    pane->setProperty("BorderStyle", QVariant::fromValue(Sheerpane::None));
    pane->setProperty("FontBold", true);
    form.show();
    EXPECT_EQ(pane->Caption(), QStringLiteral("Outs"));
    EXPECT_EQ(pane->BorderStyle(), Sheerpane::None);
    EXPECT_FALSE(pane->lblCaption().isVisible());
    // Unset keys take their defaults: the host's font, a transparent back.
    EXPECT_EQ(pane->FontName(), QStringLiteral("Liberation Sans"));
    EXPECT_TRUE(pane->FontBold());
    EXPECT_EQ(pane->BackStyle(), Sheerpane::Transparent);
    // The form is the top-level window, whatever the parent in between.
    EXPECT_EQ(pane->MyParent(), &form);
    EXPECT_TRUE(panetest::settle([&] { return pane->ShowParentImage(); }));
}

TEST(QtHost, AtRunTimeWithNothingSetTheCaptionIsTheObjectsName)
{
    panetest::PatternForm form;
    auto* pane = new Sheerpane(&form);
    pane->setObjectName(QStringLiteral("potPane"));
    form.show();
    EXPECT_EQ(pane->Caption(), QStringLiteral("potPane"));
    EXPECT_EQ(pane->MyParent(), &form);
}

TEST(QtHost, InDesignerANewControlIsPlacedAndASavedOneLoaded)
{
    QWidget form;
    form.setFont(QFont(QStringLiteral("DejaVu Serif"), 12));
    auto* placed = new Sheerpane(&form);
    placed->setDesignMode(true);
    placed->setObjectName(QStringLiteral("sheerpane"));
    placed->setBackStyle(Sheerpane::Opaque); // undone by first placement
    placed->propertyChanges().clear();
    auto* saved = new Sheerpane(&form);
    saved->setDesignMode(true);
    saved->setObjectName(QStringLiteral("sheerpane_2"));
    saved->setProperty("BackStyle", QVariant::fromValue(Sheerpane::Opaque));
    form.show();
    EXPECT_EQ(placed->Caption(), QStringLiteral("sheerpane"));
    EXPECT_EQ(placed->BackStyle(), Sheerpane::Transparent);
    EXPECT_EQ(platform::draw::toFontDesc(placed->Font()).name, "DejaVu Serif");
    EXPECT_EQ(saved->BackStyle(), Sheerpane::Opaque);
    EXPECT_EQ(saved->Caption(), QStringLiteral("sheerpane_2"));
    // Designing: no form is followed, nothing captured.
    EXPECT_EQ(placed->MyParent(), nullptr);
    EXPECT_EQ(saved->MyParent(), nullptr);
}

TEST(QtHost, InDesignerACaptionThatIsTheNameFollowsARenaming)
{
    QWidget form;
    auto* named = new Sheerpane(&form);
    named->setDesignMode(true);
    named->setObjectName(QStringLiteral("sheerpane"));
    auto* captioned = new Sheerpane(&form);
    captioned->setDesignMode(true);
    captioned->setObjectName(QStringLiteral("sheerpane_2"));
    form.show();
    captioned->setCaption(QStringLiteral("Pot odds"));
    named->setObjectName(QStringLiteral("oddsPane"));
    captioned->setObjectName(QStringLiteral("betPane"));
    EXPECT_EQ(named->Caption(), QStringLiteral("oddsPane"));
    EXPECT_EQ(captioned->Caption(), QStringLiteral("Pot odds"));
    // Saved, it is the default again: the program shows the name.
    platform::PropertyBag bag;
    named->WriteProperties(bag);
    EXPECT_FALSE(bag.contains("Caption"));
}

TEST(QtHost, AControlWithNoFormAtRunTimeReportsATypeMismatch)
{
    Sheerpane pane;
    std::vector<std::pair<int, QString>> errors;
    QObject::connect(&pane, &Sheerpane::errorRaised,
                     [&](int number, const QString& text) { errors.emplace_back(number, text); });
    pane.show();
    ASSERT_EQ(errors.size(), 1U);
    EXPECT_EQ(errors[0].first, 13);
    EXPECT_TRUE(errors[0].second.contains(QStringLiteral("form"))) << errors[0].second.toStdString();
    EXPECT_EQ(pane.MyParent(), nullptr);
}

TEST(QtHost, AHostThatLoadedTheControlItselfIsLeftAlone)
{
    panetest::FormWithPane placed(true);
    placed.pane->setCaption(QStringLiteral("Mine"));
    placed.form->show();
    EXPECT_EQ(placed.pane->Caption(), QStringLiteral("Mine"));
}

} // namespace
