// The view's small parts: texts and positions between the model and a text
// widget, where Tab and the arrows go, and designed units on dense screens.

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QImage>
#include <QStyleFactory>
#include <memory>
#include <string>
#include <vector>

#include "platform/form/Input.h"
#include "window/model/FrmPoker.h"
#include "window/view/FocusMarkStyle.h"
#include "window/view/FocusNavigation.h"
#include "window/view/Metrics.h"
#include "window/view/TextMapping.h"

namespace viewtest {
namespace {

using window::view::TextMapping;

struct MappingCase {
    const char* name;
    const char* model;
    bool multiLine;
    QString display;
    // model position -> display position, and back
    std::vector<std::pair<std::size_t, int>> toDisplay;
    std::vector<std::pair<int, std::size_t>> toModel;
};

void PrintTo(const MappingCase& c, std::ostream* out)
{
    *out << c.name;
}

class Mapping : public ::testing::TestWithParam<MappingCase> {};

TEST_P(Mapping, TextAndPositions)
{
    const MappingCase& c = GetParam();
    const TextMapping m(c.model, c.multiLine);
    EXPECT_EQ(m.display(), c.display);
    for (const auto& [model, display] : c.toDisplay)
        EXPECT_EQ(m.toDisplay(model), display) << "model " << model;
    for (const auto& [display, model] : c.toModel)
        EXPECT_EQ(m.toModel(display), model) << "display " << display;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Mapping,
    ::testing::Values(
        MappingCase{"CrLfIsOneBreak", "ab\r\ncd", true, QStringLiteral("ab\ncd"),
                    {{0, 0}, {2, 2}, {3, 3}, {4, 3}, {6, 5}},
                    {{2, 2}, {3, 4}, {5, 6}}},
        MappingCase{"LoneBreaksShowAsBreaks", "a\rb\nc", true, QStringLiteral("a\nb\nc"), {{2, 2}, {4, 4}},
                    {{2, 2}, {4, 4}}},
        MappingCase{"OneLineShowsEveryCharacter", "a\r\nb", false, QStringLiteral("a\r\nb"), {{3, 3}}, {{3, 3}}},
        MappingCase{"BeyondTheBasicPlaneTakesTwoUnits", "x\xF0\x9F\x82\xA1y", false,
                    QString::fromUtf8("x\xF0\x9F\x82\xA1y"), {{1, 1}, {2, 3}, {3, 4}}, {{1, 1}, {3, 2}, {4, 3}}},
        MappingCase{"PositionsPastTheEndStopThere", "ab", false, QStringLiteral("ab"), {{9, 2}}, {{9, 2}, {-1, 0}}}),
    [](const ::testing::TestParamInfo<MappingCase>& c) { return std::string(c.param.name); });

class Navigation : public ::testing::Test {
protected:
    Navigation() { frm.Form_Load(); }
    std::string next(const char* from, bool backwards = false)
    {
        platform::Control* c = window::view::nextTabStop(frm.form, from ? frm.form.find(from) : nullptr, backwards);
        return c ? c->name() : std::string();
    }
    window::FrmPoker frm;
    window::FrmPoker& s = frm;
};

TEST_F(Navigation, TabVisitsEachGroupOnceAtItsSelectedOrFirstOption)
{
    EXPECT_EQ(next(nullptr), "txtBB");
    EXPECT_EQ(next("txtBB", true), "cmdResetPartial"); // round the form
    EXPECT_EQ(next("cmdResetPartial"), "txtBB");
    EXPECT_EQ(next("chkSuited"), "optEarly");
    EXPECT_EQ(next("optEarly"), "optIn"); // the rest of the group is passed
    s.optLate.setValue(true);
    EXPECT_EQ(next("chkSuited"), "optLate");
    EXPECT_EQ(next("optLate", true), "chkSuited");
    s.optBlinds.setValue(true); // tab index 29, far from its group mates
    EXPECT_EQ(next("chkSuited"), "optIn");
    EXPECT_EQ(next("cmbPostFlop"), "optBlinds");
    EXPECT_EQ(next("optBlinds", true), "cmbPostFlop");
    s.optRaisedPost.setValue(true);
    EXPECT_EQ(next("optMultiWay"), "optRaisedPost");
    EXPECT_EQ(next("optRaisedPost"), "txtPreFlop");
}

TEST_F(Navigation, ArrowsGoRoundTheGroupInTabOrder)
{
    using window::view::nextInGroup;
    EXPECT_EQ(nextInGroup(s.optLate, false).name(), "optBlinds");
    EXPECT_EQ(nextInGroup(s.optBlinds, false).name(), "optEarly");
    EXPECT_EQ(nextInGroup(s.optEarly, true).name(), "optBlinds");
    EXPECT_EQ(nextInGroup(s.optMultiWay, false).name(), "optHeadsUp");
    EXPECT_EQ(nextInGroup(s.optHeadsUp, false).name(), "optMultiWay");
    EXPECT_EQ(nextInGroup(s.optRaiseReRaise, false).name(), "optOpened");
}

TEST(Metrics, DesignedUnitsOnADenserScreen)
{
    const window::view::Metrics m(1.5);
    EXPECT_EQ(m.px(120), 12);
    EXPECT_EQ(m.size(5655, 11355), QSize(566, 1136));
    // Edges converted one by one: neighbours still meet.
    const QRect a = m.rect({120, 480, 1215, 350});
    const QRect b = m.rect({1335, 480, 465, 350});
    EXPECT_EQ(a.right() + 1, b.left());
    const QFont regular = m.font({"MS Sans Serif", 8.25, false});
    EXPECT_EQ(regular.pixelSize(), 17);
    EXPECT_EQ(QFontInfo(m.font({"Times New Roman", 9.75, false})).family(), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(QFontInfo(regular).family(), QStringLiteral("Liberation Sans"));
}

// The program's style reads the menu bar's overflow icon only when it is
// drawn, and it draws as the base style's.
TEST(ProgramStyle, TheOverflowIconsLookAsTheBaseStylesDo)
{
    window::view::FocusMarkStyle program(QStringLiteral("Fusion"));
    const std::unique_ptr<QStyle> base(QStyleFactory::create(QStringLiteral("Fusion")));
    for (const auto icon : {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton})
        for (const int size : {8, 16, 32}) {
            const QImage expected = base->standardIcon(icon).pixmap(size).toImage();
            ASSERT_FALSE(expected.isNull());
            EXPECT_EQ(program.standardIcon(icon).pixmap(size).toImage(), expected) << icon << " " << size;
        }
}

} // namespace
} // namespace viewtest
