// View > Strategy Chart on the real window: a window of its own beside the
// advisor, following it, and entering a picked hand as the player would.

#include <QLineEdit>
#include <QTest>

#include "ViewFixture.h"
#include "window/chart/ChartWindow.h"

namespace viewtest {
namespace {

class ChartFromTheMenu : public ViewTest {
protected:
    // A big blind of 2, then the position and the action, clicked and typed
    // into the widgets.
    void enterSituation(const char* position, const char* action)
    {
        click("txtBB");
        type(QStringLiteral("2"));
        click(position);
        click(action);
    }

    window::ChartWindow* openChart()
    {
        window->menuAction("mnuStrategyChart")->trigger();
        return window->strategyChart();
    }
};

TEST_F(ChartFromTheMenu, OpensOneNonModalWindowThatFollowsTheAdvisor)
{
    enterSituation("optBlinds", "optRaised");
    window::ChartWindow* chart = openChart();
    ASSERT_NE(chart, nullptr);
    EXPECT_TRUE(chart->isVisible());
    EXPECT_FALSE(chart->isModal());
    EXPECT_TRUE(chart->isWindow());
    EXPECT_EQ(openChart(), chart); // asked again: the same window, raised
    auto sit = chart->situation();
    EXPECT_EQ(sit.action, engine::PreflopAction::Raised);
    EXPECT_EQ(sit.position, engine::Position::Blinds);
    EXPECT_EQ(sit.bigBlind, 2.0);

    // The advisor still takes input while the chart is open.
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    click("optLate");
    EXPECT_EQ(chart->situation().position, engine::Position::Late);
}

TEST_F(ChartFromTheMenu, APickedHandShowsInTheAdvisorsWidgets)
{
    enterSituation("optEarly", "optOpened");
    window::ChartWindow* chart = openChart();
    ASSERT_NE(chart, nullptr);
    chart->pick(engine::handIndex("AKs"));
    EXPECT_EQ(static_cast<QLineEdit*>(widget("txtHoleCard"))->text(), QStringLiteral("AK"));
    EXPECT_EQ(frm().lblCardValue.caption(), "AKs");
    EXPECT_EQ(frm().lblBetAmount.caption(), "$8.00 to $12.00");
    expectWidgetsMirrorTheModel(*window);
}

TEST_F(ChartFromTheMenu, ClosingTheAdvisorTakesTheChartAlong)
{
    QPointer<window::ChartWindow> chart = openChart();
    ASSERT_FALSE(chart.isNull());
    window.reset();
    EXPECT_TRUE(chart.isNull());
}

} // namespace
} // namespace viewtest
