// The windows the program places fit the screen's available area, frame and
// title bar included, on screens from small to large: where the area is
// smaller than a window's content, the window takes what there is and its
// content scrolls to its far edge. On a screen that holds them they keep
// their designed size. The test runs once for each screen size.

#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

#include "ViewFixture.h"
#include "platform/qt/ScreenFit.h"
#include "window/cards/CardsWindow.h"
#include "window/chart/ChartWindow.h"

namespace viewtest {
namespace {

struct PlacedWindow {
    const char* name;
    const char* menu;
    QWidget* (*opened)(window::view::PokerWindow&);
};

void PrintTo(const PlacedWindow& c, std::ostream* out)
{
    *out << c.name;
}

class Placement : public ViewTest, public ::testing::WithParamInterface<PlacedWindow> {
protected:
    QWidget* open()
    {
        window->menuAction(GetParam().menu)->trigger();
        QWidget* w = GetParam().opened(*window);
        if (w) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(w));
        }
        QCoreApplication::processEvents();
        return w;
    }
    static QScrollArea* scrollOf(QWidget& w) { return w.findChild<QScrollArea*>(QString(), Qt::FindDirectChildrenOnly); }
    static QRect available() { return QGuiApplication::primaryScreen()->availableGeometry(); }
};

TEST_P(Placement, TheWholeFrameLiesOnTheScreen)
{
    QWidget* w = open();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(available().contains(w->frameGeometry()))
        << "frame " << w->frameGeometry().x() << "," << w->frameGeometry().y() << " " << w->frameGeometry().width()
        << "x" << w->frameGeometry().height() << " on " << available().width() << "x" << available().height();
}

TEST_P(Placement, ContentTooLargeForTheScreenScrollsToItsEdges)
{
    QWidget* w = open();
    ASSERT_NE(w, nullptr);
    QScrollArea* scroll = scrollOf(*w);
    ASSERT_NE(scroll, nullptr);
    const QSize content = scroll->widget()->size();
    const QSize shown = scroll->viewport()->size();
    if (content.height() > shown.height()) {
        EXPECT_TRUE(scroll->verticalScrollBar()->isVisible());
        EXPECT_EQ(scroll->verticalScrollBar()->maximum(), content.height() - shown.height());
    }
    if (content.width() > shown.width()) {
        EXPECT_TRUE(scroll->horizontalScrollBar()->isVisible());
        EXPECT_EQ(scroll->horizontalScrollBar()->maximum(), content.width() - shown.width());
    }
    // Where the screen holds the content, the window shows it all, as designed.
    const QMargins frame(w->geometry().left() - w->frameGeometry().left(), w->geometry().top() - w->frameGeometry().top(),
                         w->frameGeometry().right() - w->geometry().right(),
                         w->frameGeometry().bottom() - w->geometry().bottom());
    const QSize wanted = scroll->widget()->sizeHint();
    if (wanted.width() + frame.left() + frame.right() <= available().width()
        && wanted.height() + frame.top() + frame.bottom() <= available().height()) {
        EXPECT_FALSE(scroll->verticalScrollBar()->isVisible());
        EXPECT_FALSE(scroll->horizontalScrollBar()->isVisible());
        EXPECT_GE(shown.width(), wanted.width());
        EXPECT_GE(shown.height(), wanted.height());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Windows, Placement,
    ::testing::Values(PlacedWindow{"StrategyChart", "mnuStrategyChart",
                                   [](window::view::PokerWindow& p) -> QWidget* { return p.strategyChart(); }},
                      PlacedWindow{"CardsAndBoard", "mnuCardsAndBoard",
                                   [](window::view::PokerWindow& p) -> QWidget* { return p.cardsAndBoard(); }}),
    [](const ::testing::TestParamInfo<PlacedWindow>& c) { return std::string(c.param.name); });

// A frame asked for above, left of, or beyond the screen comes back onto it.
TEST_F(ViewTest, TheCardsWindowAskedOffTheScreenComesBackOntoIt)
{
    window->menuAction("mnuCardsAndBoard")->trigger();
    window::cards::CardsWindow* cards = window->cardsAndBoard();
    ASSERT_NE(cards, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(cards));
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    for (const QPoint wanted : {QPoint(area.left() + 10, area.top() - 60), QPoint(area.left() - 300, area.top() + 10),
                                QPoint(area.right() - 20, area.bottom() - 20)}) {
        cards->placeAt(wanted);
        QCoreApplication::processEvents();
        EXPECT_TRUE(area.contains(cards->frameGeometry())) << wanted.x() << "," << wanted.y();
    }
}

} // namespace
} // namespace viewtest
