// Events: raised from the surface's key and mouse events, their arguments
// passed by reference, so that the host's changes come back.

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QTest>

#include "PaneFixture.h"

namespace {

using panetest::FormWithPane;

// A form that notes the keys that reach it.
class KeyForm : public panetest::PatternForm {
public:
    std::vector<int> keys;

protected:
    void keyPressEvent(QKeyEvent* event) override { keys.push_back(event->key()); }
};

struct Events : testing::Test {
    KeyForm form;
    Sheerpane* pane = new Sheerpane(&form);
    std::vector<std::string> raised;

    void SetUp() override
    {
        form.resize(300, 200);
        pane->setGeometry(20, 20, 200, 120);
        pane->setAmbient(panetest::ambient(true));
        pane->ReadProperties(platform::PropertyBag{});
        form.show();
        pane->setFocus();
    }
};

struct KeyCase {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* text;
    qint16 keyCode;
    qint16 shift;
    qint16 keyAscii; // 0: no KeyPress
};

class KeyEvents : public Events, public testing::WithParamInterface<KeyCase> {};

TEST_P(KeyEvents, RaiseKeyDownKeyPressAndKeyUpWithThePlatformsCodes)
{
    const KeyCase& c = GetParam();
    std::vector<std::tuple<std::string, int, int>> seen;
    QObject::connect(pane, &Sheerpane::KeyDown, [&](qint16& code, qint16& shift) { seen.emplace_back("down", code, shift); });
    QObject::connect(pane, &Sheerpane::KeyPress, [&](qint16& ascii) { seen.emplace_back("press", ascii, 0); });
    QObject::connect(pane, &Sheerpane::KeyUp, [&](qint16& code, qint16& shift) { seen.emplace_back("up", code, shift); });
    QKeyEvent press(QEvent::KeyPress, c.key, c.modifiers, QString::fromUtf8(c.text));
    QKeyEvent release(QEvent::KeyRelease, c.key, c.modifiers, QString::fromUtf8(c.text));
    QApplication::sendEvent(pane, &press);
    QApplication::sendEvent(pane, &release);
    std::vector<std::tuple<std::string, int, int>> expected{{"down", c.keyCode, c.shift}};
    if (c.keyAscii)
        expected.emplace_back("press", c.keyAscii, 0);
    expected.emplace_back("up", c.keyCode, c.shift);
    EXPECT_EQ(seen, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyEvents,
    testing::Values(KeyCase{Qt::Key_A, Qt::NoModifier, "a", 65, 0, 97},
                    KeyCase{Qt::Key_A, Qt::ShiftModifier, "A", 65, 1, 65},
                    KeyCase{Qt::Key_Return, Qt::NoModifier, "\r", 13, 0, 13},
                    KeyCase{Qt::Key_F1, Qt::ControlModifier, "", 112, 2, 0},
                    KeyCase{Qt::Key_Left, Qt::AltModifier, "", 37, 4, 0},
                    KeyCase{Qt::Key_5, Qt::KeypadModifier, "5", 101, 0, 53},
                    KeyCase{Qt::Key_Exclam, Qt::ShiftModifier, "!", 49, 1, 33},
                    KeyCase{Qt::Key_Escape, Qt::NoModifier, "\x1b", 27, 0, 27}));

TEST_F(Events, AKeyTheHostSetsToZeroIsUsedUpAndAnyOtherGoesOnToTheForm)
{
    qint16 zeroAscii = 0;
    QObject::connect(pane, &Sheerpane::KeyPress, [&](qint16& ascii) {
        if (ascii == 'x')
            ascii = zeroAscii;
    });
    QObject::connect(pane, &Sheerpane::KeyDown, [&](qint16& code, qint16&) {
        if (code == 113) // F2
            code = 0;
    });
    QTest::keyClick(pane, Qt::Key_X);
    QTest::keyClick(pane, Qt::Key_F2);
    QTest::keyClick(pane, Qt::Key_Y);
    EXPECT_EQ(form.keys, std::vector<int>{Qt::Key_Y});
}

TEST_F(Events, EveryHandlerSeesTheArgumentsTheOneBeforeLeft)
{
    std::vector<float> xs;
    QObject::connect(pane, &Sheerpane::MouseDown, [&](qint16& button, qint16&, float& x, float&) {
        xs.push_back(x);
        x = 1.0F;
        button = 9;
    });
    QObject::connect(pane, &Sheerpane::MouseDown, [&](qint16& button, qint16&, float& x, float&) {
        xs.push_back(x);
        xs.push_back(button);
    });
    QTest::mousePress(pane, Qt::LeftButton, Qt::NoModifier, QPoint(10, 4));
    EXPECT_EQ(xs, (std::vector<float>{150.0F, 1.0F, 9.0F}));
}

TEST_F(Events, MouseEventsGiveButtonShiftAndTwipsAndAClickIsAPressAndRelease)
{
    QObject::connect(pane, &Sheerpane::Click, [&] { raised.push_back("Click"); });
    QObject::connect(pane, &Sheerpane::DblClick, [&] { raised.push_back("DblClick"); });
    const auto note = [&](const char* name) {
        return [this, name](qint16& button, qint16& shift, float& x, float& y) {
            raised.push_back(std::string(name) + " " + std::to_string(button) + " " + std::to_string(shift) + " " +
                             std::to_string(static_cast<int>(x)) + " " + std::to_string(static_cast<int>(y)));
        };
    };
    QObject::connect(pane, &Sheerpane::MouseDown, note("MouseDown"));
    QObject::connect(pane, &Sheerpane::MouseUp, note("MouseUp"));
    QObject::connect(pane, &Sheerpane::MouseMove, note("MouseMove"));

    // What the platform sends: a click is a press and a release; a double
    // click a press, a release, a double-click press and a release.
    const auto send = [&](QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held,
                          Qt::KeyboardModifiers modifiers, QPoint at) {
        QMouseEvent event(type, QPointF(at), pane->mapToGlobal(QPointF(at)), button, held, modifiers);
        QApplication::sendEvent(pane, &event);
    };
    send(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, Qt::ShiftModifier, {10, 20});
    send(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, Qt::ShiftModifier, {10, 20});
    send(QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton, Qt::ControlModifier, {2, 3});
    send(QEvent::MouseButtonRelease, Qt::RightButton, Qt::NoButton, Qt::ControlModifier, {2, 3});
    send(QEvent::MouseMove, Qt::NoButton, Qt::NoButton, Qt::NoModifier, {4, 5});
    send(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier, {6, 7});
    send(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, Qt::NoModifier, {6, 7});
    send(QEvent::MouseButtonDblClick, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier, {6, 7});
    send(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, Qt::NoModifier, {6, 7});
    send(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton | Qt::RightButton, Qt::NoModifier, {8, 9});
    // Over the caption: the label lets the mouse through to the control.
    QTest::mouseClick(pane, Qt::LeftButton, Qt::NoModifier, QPoint(12, 1));
    const std::vector<std::string> expected{
        "MouseDown 1 1 150 300", "MouseUp 1 1 150 300", "Click",
        "MouseDown 2 2 30 45",   "MouseUp 2 2 30 45",   "MouseMove 0 0 60 75",
        "MouseDown 1 0 90 105",  "MouseUp 1 0 90 105",  "Click",
        "DblClick",              "MouseUp 1 0 90 105",  "MouseMove 3 0 120 135",
        "MouseDown 1 0 180 15",  "MouseUp 1 0 180 15",  "Click"};
    EXPECT_EQ(raised, expected);
}

} // namespace
