// The window on a screen less tall than the window (1366 by 700 pixels): it
// never grows past the screen's available height, and every control can
// still be reached, by the keyboard and by the mouse.

#include <gtest/gtest.h>

#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

#include "ViewFixture.h"

namespace viewtest {
namespace {

// Where the widget lies, in the coordinates of the part of the window that
// shows the inner area.
QRect shownPlaceOf(const QWidget& w, const QWidget& viewport)
{
    return QRect(w.mapTo(&viewport, QPoint(0, 0)), w.size());
}

class SmallScreen : public ViewTest {
protected:
    QWidget& viewport() const { return *window->innerArea()->parentWidget(); }
};

TEST_F(SmallScreen, TheWindowFitsTheAvailableHeight)
{
    const QRect available = window->screen()->availableGeometry();
    ASSERT_EQ(available.height(), 700) << "run with the small screen";
    EXPECT_LE(window->frameGeometry().height(), available.height());
    EXPECT_EQ(window->minimumSize(), window->maximumSize()); // still not resizable
    EXPECT_EQ(window->innerArea()->size(), QSize(377, 757)); // the form as designed, scrolled
    EXPECT_LT(viewport().height(), 757);
    EXPECT_GE(viewport().width(), 377); // beside the scroll bar, nothing is cut off sideways
}

// A keyboard user goes round every control with Tab: each comes into view
// whole as it takes the focus.
TEST_F(SmallScreen, TabBringsEachControlIntoView)
{
    for (int i = 0; i < 30; ++i) {
        key(Qt::Key_Tab);
        const platform::Control* focus = frm().form.focus();
        ASSERT_NE(focus, nullptr);
        QWidget* w = widget(focus->name());
        EXPECT_TRUE(viewport().rect().contains(shownPlaceOf(*w, viewport()))) << focus->name();
    }
}

// The mouse reaches the bottom of the form with the scroll bar.
TEST_F(SmallScreen, TheScrollBarReachesResetForTheMouse)
{
    click("txtHoleCard");
    type("ak");
    auto* scroll = qobject_cast<QScrollArea*>(viewport().parentWidget());
    ASSERT_NE(scroll, nullptr);
    QScrollBar* bar = scroll->verticalScrollBar();
    ASSERT_TRUE(bar->isVisible());
    bar->setValue(bar->maximum());
    QWidget* reset = widget("cmdResetPartial");
    const QRect shown = shownPlaceOf(*reset, viewport());
    ASSERT_TRUE(viewport().rect().contains(shown));
    clickAt(viewport().mapTo(window.get(), shown.center()));
    EXPECT_EQ(frm().txtHoleCard.text(), "");
}

} // namespace
} // namespace viewtest
