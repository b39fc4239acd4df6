// The notification rule of the form model: which changes from code run which
// handlers, and that a handler started by a change runs to its end before the
// code that caused it goes on.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/form/Form.h"
#include "platform/form/StaticControls.h"
#include "platform/form/TextControl.h"
#include "platform/form/ToggleControls.h"

using namespace platform;

namespace {

struct Board {
    Form form{"frmTest"};
    OptionGroup group;
    TextBox text{form, "txtA"};
    TextBox other{form, "txtB"};
    CheckBox check{form, "chkA"};
    OptionButton optA{form, "optA", group};
    OptionButton optB{form, "optB", group};
    ComboBox combo{form, "cmbA"};
    Label label{form, "lblA"};
    std::vector<std::string> log;

    Board()
    {
        text.change.connect([this] { log.push_back("txtA_Change:" + text.text()); });
        other.change.connect([this] { log.push_back("txtB_Change"); });
        check.click.connect([this] { log.push_back("chkA_Click:" + std::to_string(check.value())); });
        optA.click.connect([this] { log.push_back("optA_Click"); });
        optB.click.connect([this] { log.push_back("optB_Click"); });
        combo.click.connect([this] { log.push_back("cmbA_Click:" + combo.text()); });
        combo.change.connect([this] { log.push_back("cmbA_Change"); });
        for (const char* item : {"", "one", "two"})
            combo.addItem(item);
    }
};

TEST(NotificationRule, TextFromCodeNotifiesOnlyRealChanges)
{
    Board b;
    for (const char* text : {"AK", "AK", "", ""})
        b.text.setText(text);
    EXPECT_EQ(b.log, (std::vector<std::string>{"txtA_Change:AK", "txtA_Change:"}));
}

TEST(NotificationRule, CheckBoxClickRunsOnEveryValueChange)
{
    Board b;
    for (const int value : {1, 1, 0})
        b.check.setValue(value);
    EXPECT_EQ(b.log, (std::vector<std::string>{"chkA_Click:1", "chkA_Click:0"}));
}

TEST(NotificationRule, OptionButtonClicksOnlyWhenBecomingSelected)
{
    Board b;
    b.optA.setValue(true);
    b.optA.setValue(true); // already selected: nothing
    b.optB.setValue(true); // optA deselected silently
    EXPECT_FALSE(b.optA.value());
    EXPECT_TRUE(b.optB.value());
    b.optB.setValue(false); // deselecting runs nothing and leaves none selected
    EXPECT_EQ(b.group.selected(), nullptr);
    EXPECT_EQ(b.log, (std::vector<std::string>{"optA_Click", "optB_Click"}));
}

TEST(NotificationRule, ComboListIndexAlwaysClicksAndNeverRaisesChange)
{
    Board b;
    for (const int index : {1, 1, 0, 7, -2}) // 7 and -2 are out of range: ignored
        b.combo.setListIndex(index);
    EXPECT_EQ(b.combo.listIndex(), 0);
    EXPECT_EQ(b.log, (std::vector<std::string>{"cmbA_Click:one", "cmbA_Click:one", "cmbA_Click:"}));
}

TEST(NotificationRule, ComboTextFromCodeFollowsTheMatchingItem)
{
    Board b;
    b.combo.setText("two");
    EXPECT_EQ(b.combo.listIndex(), 2);
    b.combo.setText("three");
    EXPECT_EQ(b.combo.listIndex(), -1);
    EXPECT_EQ(b.log, (std::vector<std::string>{"cmbA_Change", "cmbA_Change"}));
}

TEST(NotificationRule, NestedHandlersFinishBeforeTheirCauseGoesOn)
{
    Board b;
    // A's change handler sets B and ticks the box; both handlers run inside
    // A's handler, in order, before A's handler writes its last entry.
    b.text.change.connect([&b] {
        b.other.setText("x" + b.text.text());
        b.check.setValue(1);
        b.log.push_back("txtA_Change:end");
    });
    b.text.setText("Q");
    EXPECT_EQ(b.log, (std::vector<std::string>{"txtA_Change:Q", "txtB_Change", "chkA_Click:1", "txtA_Change:end"}));
}

TEST(NotificationRule, AHandlerRewritingItsOwnTextRecursesOnce)
{
    Board b;
    b.log.clear();
    // Upper-casing from inside the change handler changes the text once more,
    // which runs the handler again (nested); the second run changes nothing.
    b.text.change.connect([&b] {
        std::string up = b.text.text();
        for (char& c : up)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        b.text.setText(up);
    });
    b.text.setText("ak");
    EXPECT_EQ(b.text.text(), "AK");
    EXPECT_EQ(b.log, (std::vector<std::string>{"txtA_Change:ak", "txtA_Change:AK"}));
}

TEST(Focus, LostFocusRunsBeforeGotFocusAndOnlyOnRealMoves)
{
    Board b;
    std::vector<std::string> order;
    b.text.lostFocus.connect([&] { order.push_back("txtA_LostFocus"); });
    b.other.gotFocus.connect([&] { order.push_back("txtB_GotFocus"); });
    b.form.setFocus(b.text);
    b.form.setFocus(b.other);
    b.form.setFocus(b.other);
    b.form.setFocus(b.label); // labels never take the focus
    EXPECT_EQ(b.form.focus(), &b.other);
    EXPECT_EQ(order, (std::vector<std::string>{"txtA_LostFocus", "txtB_GotFocus"}));
}

TEST(Focus, HiddenOrDisabledControlsDoNotTakeTheFocus)
{
    Board b;
    b.form.setFocus(b.text);
    b.other.setVisible(false);
    b.form.setFocus(b.other);
    b.check.setEnabled(false);
    b.form.setFocus(b.check);
    EXPECT_EQ(b.form.focus(), &b.text);
}

TEST(Focus, TabOrderFollowsTabIndexAmongFocusableControls)
{
    Board b;
    b.text.setTabIndex(3);
    b.other.setTabIndex(1);
    b.check.setTabIndex(2);
    b.label.setTabIndex(0);
    b.optA.setTabIndex(5);
    b.optB.setTabIndex(4);
    b.optB.setVisible(false);
    b.combo.setTabIndex(-1);
    const auto order = b.form.tabOrder();
    std::vector<std::string> names;
    for (const Control* c : order)
        names.push_back(c->name());
    EXPECT_EQ(names, (std::vector<std::string>{"txtB", "chkA", "txtA", "optA"}));
}

TEST(FormClose, QueryUnloadMayCancelAndUnloadRunsOnce)
{
    Form form("frm");
    int unloads = 0;
    bool cancelNext = true;
    form.queryUnload.connect([&](int& cancel, int mode) {
        EXPECT_EQ(mode, FormControlMenu);
        if (cancelNext)
            cancel = 1;
    });
    form.unload.connect([&] { ++unloads; });
    EXPECT_FALSE(form.close(FormControlMenu));
    EXPECT_FALSE(form.closed());
    cancelNext = false;
    EXPECT_TRUE(form.close(FormControlMenu));
    EXPECT_TRUE(form.close(FormControlMenu));
    EXPECT_EQ(unloads, 1);
}

TEST(Events, AListenerMayDisconnectItselfWhileRaised)
{
    Form form("frm");
    int first = 0;
    int second = 0;
    int id = 0;
    id = form.unload.connect([&] {
        ++first;
        form.unload.disconnect(id);
    });
    form.unload.connect([&] { ++second; });
    form.unload();
    form.unload();
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 2);
}

TEST(Events, ChangesMadeWhileRaisedCountFromTheNextRaise)
{
    Event<> event;
    std::vector<std::string> calls;
    int second = 0;
    bool nested = false;
    event.connect([&] {
        calls.push_back("first");
        if (second != 0) {
            event.disconnect(second);
            second = 0;
            event.connect([&] { calls.push_back("added"); });
            if (!nested) {
                nested = true;
                event(); // begins after the removal and the addition
            }
        }
    });
    second = event.connect([&] { calls.push_back("second"); });
    event();
    EXPECT_EQ(calls, (std::vector<std::string>{"first", "first", "added", "second"}));
    calls.clear();
    event();
    EXPECT_EQ(calls, (std::vector<std::string>{"first", "added"}));
    EXPECT_FALSE(event.empty());
}

} // namespace
