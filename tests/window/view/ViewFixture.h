#pragma once
// A main window on screen with recording ports and United States money, and
// the user's hands: keys to the focused widget, clicks through the window as
// the platform delivers them.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QWidget>
#include <memory>
#include <optional>
#include <string>

#include "platform/money/Money.h"
#include "tests/support/RecordingPorts.h"
#include "window/model/StateDump.h"
#include "window/view/PokerWindow.h"

namespace viewtest {


struct Desktop {
    testsupport::RecordingMessageBox boxes;
    testsupport::RecordingShellOpen shell;
    platform::Ports ports() { return {&boxes, &shell, nullptr, nullptr}; }
};

inline QPoint centreOf(const QWidget& w)
{
    return w.rect().center();
}

class ViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<window::view::PokerWindow>(desktop.ports(), platform::Money::unitedStates());
        window->setProgramEnd([this] { ++programEnds; });
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void TearDown() override { window.reset(); }

    window::FrmPoker& frm() { return window->model(); }
    QWidget* widget(std::string_view name) const { return window->controlWidget(name); }

    static QWidget* focused() { return QApplication::focusWidget(); }
    void type(const QString& text) { QTest::keyClicks(focused(), text); }
    void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) { QTest::keyClick(focused(), k, m); }

    // A click at `at` of the control's widget (its centre by default),
    // delivered to the window so that what lies in front takes it.
    void click(std::string_view name, std::optional<QPoint> at = std::nullopt)
    {
        QWidget* w = widget(name);
        ASSERT_NE(w, nullptr) << name;
        clickAt(w->mapTo(window.get(), at.value_or(centreOf(*w))));
    }
    void clickAt(QPoint inWindow, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(window->windowHandle(), button, Qt::NoModifier, inWindow);
    }
    // A text box clicked at its right end, where the caret goes after its text.
    void clickEnd(std::string_view name)
    {
        QWidget* w = widget(name);
        if (auto* combo = qobject_cast<QComboBox*>(w))
            w = combo->lineEdit();
        clickAt(w->mapTo(window.get(), QPoint(w->width() - 4, w->height() / 2)));
    }

    std::string dump()
    {
        std::string out;
        window::appendStateDump(out, frm());
        return out;
    }

    Desktop desktop;
    std::unique_ptr<window::view::PokerWindow> window;
    int programEnds = 0;
};

// Every bound widget shows what its control holds, and Qt's focus is where
// the model's is.
void expectWidgetsMirrorTheModel(window::view::PokerWindow& window);

} // namespace viewtest
