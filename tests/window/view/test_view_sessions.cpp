// Sessions played on the real widgets, with keys to the focused widget and
// clicks through the window, and the same sessions played on a headless
// window through the input API: both end in the same state, and after every
// step the widgets show what the model holds.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <string>
#include <vector>

#include "ViewFixture.h"
#include "platform/form/Input.h"
#include "window/model/FrmPoker.h"
#include "window/model/StateDump.h"
#include "platform/form/TextEditing.h"

namespace viewtest {
namespace {

enum class Act {
    Type,     // keys typed into the focused box
    Key,      // one key; `then` names where Tab or an arrow takes the focus
    Click,    // a click at the centre of a control
    ClickEnd, // a click at the right end of a text box
};

struct Step {
    Act act;
    const char* text = "";
    Qt::Key key = Qt::Key_unknown;
    const char* then = "";
};

Step typeText(const char* t) { return {Act::Type, t}; }
Step press(Qt::Key k, const char* then = "") { return {Act::Key, "", k, then}; }
Step clickOn(const char* name) { return {Act::Click, name}; }
Step clickEndOf(const char* name) { return {Act::ClickEnd, name}; }

struct Session {
    const char* name;
    std::vector<Step> steps;
    std::vector<std::pair<const char*, const char*>> outcome; // dump lines it must end with
};

void PrintTo(const Session& session, std::ostream* out)
{
    *out << session.name;
}

// The same step on the headless window, through the input API.
void playHeadless(window::FrmPoker& frm, const Step& step)
{
    using namespace platform;
    Control* focus = frm.form.focus();
    switch (step.act) {
    case Act::Type:
        for (const char* c = step.text; *c; ++c)
            input::keyPress(static_cast<TextControl&>(*focus), *c);
        return;
    case Act::Click:
    case Act::ClickEnd: {
        Control& c = *frm.form.find(step.text);
        if (c.canTakeFocus())
            input::moveFocus(c);
        if (c.kind() != ControlKind::TextBox && c.kind() != ControlKind::ComboBox)
            input::click(c);
        return;
    }
    case Act::Key:
        break;
    }
    if (*step.then) {
        Control& target = *frm.form.find(step.then);
        input::moveFocus(target);
        if (step.key != Qt::Key_Tab && step.key != Qt::Key_Backtab)
            input::click(target); // an arrow in an option group selects
        return;
    }
    switch (step.key) {
    case Qt::Key_Space:
        input::click(*focus);
        break;
    case Qt::Key_Backspace:
        platform::input::backspace(static_cast<TextControl&>(*focus)); // a CR LF goes at once
        break;
    case Qt::Key_Return:
        input::keyPress(static_cast<TextControl&>(*focus), KeyReturn);
        break;
    case Qt::Key_Down:
    case Qt::Key_Up: {
        auto& combo = static_cast<ComboBox&>(*focus);
        input::chooseItem(combo, std::max(0, combo.listIndex() + (step.key == Qt::Key_Down ? 1 : -1)));
        break;
    }
    default:
        FAIL() << "no headless form of key " << step.key;
    }
}

class Sessions : public ViewTest, public ::testing::WithParamInterface<Session> {
protected:
    void play(const Step& step)
    {
        switch (step.act) {
        case Act::Type: type(QString::fromUtf8(step.text)); break;
        case Act::Key: key(step.key); break;
        case Act::Click: click(step.text); break;
        case Act::ClickEnd: clickEnd(step.text); break;
        }
    }
};

TEST_P(Sessions, EndAsOnTheHeadlessWindowWithTheWidgetsShowingTheModel)
{
    window::FrmPoker headless({}, platform::Money::unitedStates());
    headless.Form_Load();
    expectWidgetsMirrorTheModel(*window);
    int n = 0;
    for (const Step& step : GetParam().steps) {
        SCOPED_TRACE("step " + std::to_string(++n));
        play(step);
        playHeadless(headless, step);
        expectWidgetsMirrorTheModel(*window);
        if (*step.then) {
            EXPECT_EQ(frm().form.focus()->name(), step.then);
        }
    }
    std::string expected;
    window::appendStateDump(expected, headless);
    EXPECT_EQ(dump(), expected);
    // And the session did what it is about.
    const std::string lines = "\n" + dump();
    for (const auto& [name, value] : GetParam().outcome)
        EXPECT_NE(lines.find("\n" + std::string(name) + "\t" + value + "\n"), std::string::npos) << name << " " << value;
}

INSTANTIATE_TEST_SUITE_P(
    Window, Sessions,
    ::testing::Values(
        Session{"WorkedExample",
                {typeText("2"), press(Qt::Key_Tab, "txtHoleCard"), clickOn("optEarly"), clickOn("optOpened"),
                 clickEndOf("txtHoleCard"), typeText("a"), typeText("k"), clickOn("chkSuited")},
                {{"txtBB", "$2.00"}, {"txtHoleCard", "AK"}, {"lblCardValue", "AKs"}, {"lblGroup", "1"},
                 {"lblBetAmount", "$8.00 to $12.00"}}},
        Session{"LimpersThenReset",
                {typeText("5"), clickEndOf("txtHoleCard"), typeText("qq"), clickOn("optLate"), clickOn("optLimped"),
                 typeText("3"), press(Qt::Key_Tab, "cmdResetPartial"), press(Qt::Key_Space), typeText("72"),
                 press(Qt::Key_Backspace), typeText("2")},
                {{"txtBB", "$5.00"}, {"txtHoleCard", "72"}, {"optLimped", "0"}, {"txtLimpers", ""}, {"lblGroup", ""},
                 {"focus", "txtHoleCard"}}},
        Session{"BigBlindLeftTwice",
                {typeText("."), press(Qt::Key_Tab, "txtHoleCard"), press(Qt::Key_Backtab, "txtBB"),
                 typeText("12.5"), press(Qt::Key_Tab, "txtHoleCard"), typeText("kt"), clickOn("optBlinds"),
                 clickOn("optRaised")},
                {{"txtBB", "$12.50"}, {"optBlinds", "1"}, {"optRaised", "1"}, {"lblCardValue", "KT"}}},
        Session{"OptionGroupsByKeyboard",
                {clickOn("optEarly"), press(Qt::Key_Down, "optMiddle"), press(Qt::Key_Down, "optLate"),
                 press(Qt::Key_Down, "optBlinds"), press(Qt::Key_Down, "optEarly"), press(Qt::Key_Up, "optBlinds"),
                 press(Qt::Key_Tab, "optOpened"), press(Qt::Key_Down, "optLimped"),
                 press(Qt::Key_Tab, "txtLimpers"), press(Qt::Key_Tab, "cmdResetPartial"),
                 press(Qt::Key_Tab, "txtBB"), press(Qt::Key_Tab, "txtHoleCard"), press(Qt::Key_Tab, "chkSuited"),
                 press(Qt::Key_Tab, "optIn"), press(Qt::Key_Tab, "optMultiWay"), press(Qt::Key_Backtab, "optIn"),
                 press(Qt::Key_Backtab, "chkSuited")},
                {{"optBlinds", "1"}, {"optEarly", "0"}, {"optLimped", "1"}, {"optIn", "0"}, {"focus", "chkSuited"}}},
        Session{"PostFlopByKeyboard",
                {clickOn("optIn"), clickOn("optMultiWay"), clickEndOf("cmbPostFlop"), press(Qt::Key_Down),
                 press(Qt::Key_Down), press(Qt::Key_Down), press(Qt::Key_Up), clickOn("optRaisedPost"),
                 press(Qt::Key_Up, "optLimpedPost"), clickEndOf("cmbPostFlop"), typeText("Trips")},
                {{"optIn", "1"}, {"optMultiWay", "1"}, {"optLimpedPost", "1"}, {"optRaisedPost", "0"},
                 {"cmbPostFlop", "Top Pair - Jacks or Better w/ Good KickerTrips"}, {"cmbPostFlop.ListIndex", "-1"}}},
        Session{"EditingTheAdvice",
                {typeText("2"), clickEndOf("txtHoleCard"), typeText("AA"), clickOn("optOpened"),
                 clickEndOf("txtFlop"), typeText("note"), press(Qt::Key_Return), typeText("x"),
                 press(Qt::Key_Backspace), press(Qt::Key_Backspace), typeText("!")},
                {{"txtFlop", "note!"}, {"lblCardValue", "AA"}, {"focus", "txtFlop"}}}),
    [](const ::testing::TestParamInfo<Session>& session) { return std::string(session.param.name); });

} // namespace
} // namespace viewtest
