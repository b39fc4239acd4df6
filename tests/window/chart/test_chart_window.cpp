// The strategy chart window against the headless main window: it follows the
// main window's situation, never changes it by itself, and enters a picked
// hand as a player would.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QStyleOptionSpinBox>
#include <QStyleFactory>
#include <QTest>

#include "engine/content/AdviceContent.h"
#include "window/chart/ChartWindow.h"
#include "window/chart/LimperSpinBox.h"
#include "window/model/FrmPoker.h"
#include "tests/support/PlayerInput.h"
#include "tests/support/QtTestApp.h"
#include "window/model/StateDump.h"

using namespace platform;
using testsupport::click;
using testsupport::type;

namespace {

class ChartWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { QApplication::setStyle(QStyleFactory::create("Fusion")); }

    void SetUp() override { frm.Form_Load(); }

    // A big blind of 2, then the position and the action, as a player enters them.
    void enterSituation(OptionButton& position, OptionButton& action)
    {
        type(frm.txtBB, "2");
        click(position);
        click(action);
    }
    std::string dump() const
    {
        std::string d;
        window::appendStateDump(d, frm);
        return d;
    }
    QPoint centreOf(const window::ChartGrid& grid, std::string_view hand)
    {
        const int cell = engine::handIndex(hand);
        return grid.geometry().cellRect(cell / 13, cell % 13).center();
    }

    window::FrmPoker frm{{}, platform::Money::unitedStates()};
};

TEST_F(ChartWindowTest, FollowsTheMainWindowAndLeavesItAlone)
{
    enterSituation(frm.optBlinds, frm.optRaised);
    type(frm.txtHoleCard, "AK");
    const std::string before = dump();
    window::ChartWindow chart(frm);
    EXPECT_EQ(dump(), before); // building the chart touched nothing
    auto sit = chart.situation();
    EXPECT_EQ(sit.action, engine::PreflopAction::Raised);
    EXPECT_EQ(sit.position, engine::Position::Blinds);
    EXPECT_EQ(sit.bigBlind, 2.0);

    // Its own selectors change the chart, not the main window.
    chart.findChildren<QComboBox*>()[1]->setCurrentIndex(0); // Early
    EXPECT_EQ(chart.situation().position, engine::Position::Early);
    EXPECT_EQ(dump(), before);

    // A change in the main window brings the chart along.
    click(frm.optLimped);
    type(frm.txtLimpers, "3");
    sit = chart.situation();
    EXPECT_EQ(sit.action, engine::PreflopAction::Limped);
    EXPECT_EQ(sit.position, engine::Position::Blinds);
    EXPECT_EQ(sit.limpers, 3.0);
    EXPECT_EQ(chart.chart().cells[static_cast<std::size_t>(engine::handIndex("AA"))].bet, "$16.00 to $18.00");
}

TEST_F(ChartWindowTest, HoverShowsTheBetAndTheAdvicesFirstSentence)
{
    enterSituation(frm.optEarly, frm.optOpened);
    window::ChartWindow chart(frm);
    auto* grid = chart.findChild<window::ChartGrid*>();
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->toolTipFor(engine::handIndex("AK")).toStdString(),
              "<b>AK</b> &mdash; $8.00 to $12.00<br>Raise from any position to 4-6xBB.");
    EXPECT_EQ(grid->toolTipFor(engine::handIndex("72")).toStdString(),
              "<b>72</b> &mdash; Fold<br>This is not a playable hand");
}

TEST_F(ChartWindowTest, ClickingACellTypesTheHandIntoTheMainWindow)
{
    enterSituation(frm.optLate, frm.optOpened);
    type(frm.txtHoleCard, "72");
    window::ChartWindow chart(frm);
    chart.show();
    auto* grid = chart.findChild<window::ChartGrid*>();
    QTest::mouseClick(grid, Qt::LeftButton, {}, centreOf(*grid, "KQs"));
    EXPECT_EQ(frm.txtHoleCard.text(), "KQ");
    EXPECT_EQ(frm.chkSuited.value(), 1);
    EXPECT_EQ(frm.lblCardValue.caption(), "KQs");
    EXPECT_EQ(frm.txtPreFlop.text(), engine::adviceText(engine::AdviceKey::ADV_O_12));
    // A pair unticks Suited itself; an offsuit hand unticks it by a click.
    QTest::mouseClick(grid, Qt::LeftButton, {}, centreOf(*grid, "QQ"));
    EXPECT_EQ(frm.lblCardValue.caption(), "QQ");
    EXPECT_EQ(frm.chkSuited.value(), 0);
    QTest::mouseClick(grid, Qt::LeftButton, {}, centreOf(*grid, "AJs"));
    QTest::mouseClick(grid, Qt::LeftButton, {}, centreOf(*grid, "T9"));
    EXPECT_EQ(frm.lblCardValue.caption(), "T9");
    EXPECT_EQ(frm.chkSuited.value(), 0);
    // Every cell the chart shows is what the window now shows.
    const auto& cell = chart.chart().cells[static_cast<std::size_t>(engine::handIndex("T9"))];
    EXPECT_EQ(cell.bet, frm.lblBetAmount.caption());
    EXPECT_EQ(cell.advice, frm.txtPreFlop.text());
}

// The chart takes any limper count the main window takes, and its arrows
// count on in decimal text however long the count.
TEST_F(ChartWindowTest, TheLimperCountIsAnyCountTheMainWindowTakes)
{
    enterSituation(frm.optEarly, frm.optLimped);
    type(frm.txtLimpers, "9999999");
    window::ChartWindow chart(frm);
    chart.show();
    EXPECT_EQ(chart.situation().limpers, 9999999.0);
    auto* limpers = chart.findChild<window::LimperSpinBox*>();
    ASSERT_NE(limpers, nullptr);
    EXPECT_EQ(limpers->text(), "9999999");

    struct {
        const char* from;
        int steps;
        const char* to;
    } steps[] = {{"9999999", 1, "10000000"},
                 {"99999999999999999999999", 1, "100000000000000000000000"},
                 {"100000000000000000000000", -1, "99999999999999999999999"},
                 {"10", -1, "9"},
                 {"007", 1, "8"},
                 {"2", -5, "1"}, // the arrows stop at one limper
                 {"0", 1, "1"},
                 {"3", 10, "13"}};
    for (const auto& s : steps) {
        limpers->setCount(QString::fromLatin1(s.from));
        limpers->stepBy(s.steps);
        EXPECT_EQ(limpers->text(), s.to) << s.from;
        EXPECT_EQ(chart.situation().limpers, std::stod(s.to)) << s.from;
    }
    limpers->setCount("1");
    EXPECT_EQ(limpers->stepEnabled(), QAbstractSpinBox::StepUpEnabled);

    // Typed: digits only, as in the main window's box.
    limpers->setFocus();
    limpers->selectAll();
    QTest::keyClicks(limpers, "1x2.3");
    EXPECT_EQ(chart.situation().limpers, 123.0);
    EXPECT_EQ(frm.txtLimpers.text(), "9999999"); // the main window is left alone
}

// The arrows show on the window's green: dark on the light buttons.
TEST_F(ChartWindowTest, TheLimperArrowsAreVisible)
{
    click(frm.optLimped);
    window::ChartWindow chart(frm);
    chart.show();
    auto* limpers = chart.findChild<window::LimperSpinBox*>();
    ASSERT_TRUE(limpers->isEnabled());
    limpers->setCount("5");
    QStyleOptionSpinBox option;
    option.initFrom(limpers);
    option.subControls = QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown;
    option.buttonSymbols = QAbstractSpinBox::UpDownArrows;
    option.frame = true;
    const QImage image = limpers->grab().toImage();
    for (const auto sub : {QStyle::SC_SpinBoxUp, QStyle::SC_SpinBoxDown}) {
        // Inside the button, clear of its frame.
        const QRect arrows =
            limpers->style()->subControlRect(QStyle::CC_SpinBox, &option, sub, limpers).adjusted(2, 2, -2, -2);
        int dark = 0;
        for (int y = arrows.top(); y <= arrows.bottom(); ++y)
            for (int x = arrows.left(); x <= arrows.right(); ++x)
                dark += image.pixelColor(x, y).lightness() < 110;
        EXPECT_GE(dark, 3) << sub;
    }
}

// A player's view of a pick: the chart on Raise, the main window on
// Opened; picking AK puts the main window on Raise and the chart stays there.
TEST_F(ChartWindowTest, APickTakesTheChartsSituationIntoTheMainWindow)
{
    enterSituation(frm.optEarly, frm.optOpened);
    window::ChartWindow chart(frm);
    chart.findChildren<QComboBox*>()[0]->setCurrentIndex(static_cast<int>(engine::PreflopAction::Raised));
    chart.findChildren<QComboBox*>()[1]->setCurrentIndex(static_cast<int>(engine::Position::Late));
    chart.findChild<QLineEdit*>()->setText("3.5");
    chart.pick(engine::handIndex("AK"));
    EXPECT_EQ(frm.selectedAction(), engine::PreflopAction::Raised);
    EXPECT_EQ(frm.selectedPosition(), engine::Position::Late);
    EXPECT_EQ(frm.txtBB.text(), "$3.50"); // typed, then formatted on leaving the box
    EXPECT_EQ(chart.situation().action, engine::PreflopAction::Raised);
    EXPECT_EQ(chart.situation().position, engine::Position::Late);
    const auto& cell = chart.chart().cells[static_cast<std::size_t>(engine::handIndex("AK"))];
    EXPECT_EQ(cell.bet, frm.lblBetAmount.caption());
    EXPECT_EQ(cell.advice, frm.txtPreFlop.text());

    // The chart's big blind takes what the main window's box takes, so that
    // typing it there gives the same amount.
    auto* bigBlind = chart.findChild<QLineEdit*>();
    bigBlind->clear();
    QTest::keyClicks(bigBlind, "12345678.9012");
    EXPECT_EQ(bigBlind->text(), "12345678.9");
    chart.pick(engine::handIndex("AK"));
    EXPECT_EQ(frm.txtBB.text(), "$12,345,678.90");
    EXPECT_EQ(chart.situation().bigBlind, 12345678.9); // the same amount, in ten characters
}

// Every cell picked, in every situation set on the chart's own selectors,
// leaves the main window showing exactly that cell, and the chart where it
// was. The main window starts from the situation before, as a player's would.
class PickEveryCell : public ChartWindowTest,
                      public ::testing::WithParamInterface<std::tuple<engine::PreflopAction, const char*>> {};

TEST_P(PickEveryCell, TheMainWindowShowsThePickedCell)
{
    const auto [action, limpers] = GetParam();
    enterSituation(frm.optBlinds, frm.optLimped);
    type(frm.txtHoleCard, "72");
    type(frm.txtLimpers, "2");
    window::ChartWindow chart(frm);
    for (const engine::Position position : engine::kPositions) {
        chart.findChildren<QComboBox*>()[0]->setCurrentIndex(static_cast<int>(action));
        chart.findChildren<QComboBox*>()[1]->setCurrentIndex(static_cast<int>(position));
        chart.findChild<QLineEdit*>()->setText("2.5");
        chart.findChild<window::LimperSpinBox*>()->setCount(QString::fromLatin1(limpers));
        const engine::Chart picked = chart.chart();
        for (int i = 0; i < engine::kHandCount; ++i) {
            chart.pick(i);
            const engine::ChartCell& c = picked.cells[static_cast<std::size_t>(i)];
            ASSERT_EQ(frm.lblCardValue.caption(), c.hand);
            ASSERT_EQ(frm.lblGroup.caption(), engine::groupText(c.group)) << c.hand;
            ASSERT_EQ(frm.lblBetAmount.caption(), c.bet) << c.hand;
            ASSERT_EQ(frm.txtPreFlop.text(), c.advice) << c.hand;
            const engine::ChartSituation now = chart.situation();
            ASSERT_EQ(now.action, action) << c.hand;
            ASSERT_EQ(now.position, position) << c.hand;
            if (action == engine::PreflopAction::Limped) {
                ASSERT_EQ(now.limpers, std::stod(limpers)) << c.hand;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EverySituation, PickEveryCell,
                         ::testing::Combine(::testing::Values(engine::PreflopAction::Opened,
                                                              engine::PreflopAction::Limped,
                                                              engine::PreflopAction::Raised,
                                                              engine::PreflopAction::RaisedCalled,
                                                              engine::PreflopAction::ReRaised),
                                            ::testing::Values("1", "3")));

TEST_F(ChartWindowTest, ArrowKeysMoveAndEnterPicks)
{
    window::ChartWindow chart(frm);
    chart.show();
    auto* grid = chart.findChild<window::ChartGrid*>();
    grid->setFocus();
    grid->setSelected(0);
    for (int key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Left, Qt::Key_Up, Qt::Key_Up, Qt::Key_Left,
                    Qt::Key_Left})
        QTest::keyClick(grid, static_cast<Qt::Key>(key));
    EXPECT_EQ(grid->selected(), 0); // clamped at the top-left corner
    for (int i = 0; i < 20; ++i)
        QTest::keyClick(grid, Qt::Key_Down);
    QTest::keyClick(grid, Qt::Key_Right);
    EXPECT_EQ(engine::handText(grid->selected()), "K2");
    QTest::keyClick(grid, Qt::Key_Return);
    EXPECT_EQ(frm.txtHoleCard.text(), "K2");
}

// Escape closes the chart whichever of its controls has the focus, as it
// closes the About window.
TEST_F(ChartWindowTest, EscapeClosesTheWindow)
{
    window::ChartWindow chart(frm);
    QList<QWidget*> focusable = {chart.findChild<window::ChartGrid*>(), chart.findChildren<QComboBox*>()[0],
                                 chart.findChild<QLineEdit*>(), chart.findChild<window::LimperSpinBox*>()};
    for (QWidget* w : focusable) {
        ASSERT_NE(w, nullptr);
        chart.show();
        chart.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&chart));
        w->setEnabled(true);
        w->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        EXPECT_FALSE(chart.isVisible()) << w->metaObject()->className();
    }
}

TEST_F(ChartWindowTest, Screenshots)
{
    struct {
        const char* file;
        int action;
        int position;
    } shots[] = {{"chart-opened-early.png", 0, 0}, {"chart-raise-blinds.png", 2, 3}, {"chart-limped-late.png", 1, 2}};
    window::ChartWindow chart(frm);
    chart.show();
    chart.findChild<QLineEdit*>()->setText("2");
    for (const auto& s : shots) {
        chart.findChildren<QComboBox*>()[0]->setCurrentIndex(s.action);
        chart.findChildren<QComboBox*>()[1]->setCurrentIndex(s.position);
        const QImage image = chart.grab().toImage();
        EXPECT_TRUE(image.save(QStringLiteral(SCREENSHOT_DIR "/") + s.file));
    }
}

} // namespace
