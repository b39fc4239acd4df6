// The range grid without widgets: clicks and drags, weights, the strongest
// hands by a percentage, the chart's hands, and the way to a range and back
// with classes held in part.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <set>
#include <string>
#include <vector>

#include "engine/Chart.h"
#include "engine/cards/CardParser.h"
#include "engine/cards/PreflopOrder.h"
#include "engine/cards/Range.h"
#include "tests/support/RangeContents.h"
#include "window/cards/RangeGridModel.h"
#include "window/cards/RangePickerModel.h"

using engine::handIndex;
using engine::cards::HoleCards;
using engine::cards::Range;
using window::cards::RangeGridModel;

namespace {

int cell(std::string_view hand)
{
    const int i = handIndex(hand);
    EXPECT_GE(i, 0) << hand;
    return i;
}

std::set<std::string> heldCells(const RangeGridModel& grid)
{
    std::set<std::string> held;
    for (int i = 0; i < engine::kHandCount; ++i) {
        if (grid.cellHeld(i))
            held.insert(std::string(engine::handText(i)));
    }
    return held;
}

HoleCards combo(std::string_view text)
{
    const auto cards = engine::cards::parseCards(text);
    EXPECT_TRUE(cards.ok() && cards.value.size() == 2) << text;
    return {cards.value[0], cards.value[1]};
}

Range parsed(std::string_view text)
{
    auto r = engine::cards::parseRange(text);
    EXPECT_TRUE(r.ok()) << text << ": " << r.error;
    return r.value;
}

using testsupport::contents;

struct DragCase {
    std::string name;
    std::string start; // the range before the drag
    std::vector<std::string> path; // the first cell pressed, then the cells the pointer crosses
    std::set<std::string> held;    // the cells held after it
};

class RangeGridDrag : public ::testing::TestWithParam<DragCase> {};

TEST_P(RangeGridDrag, SetsTheRectangleToTheFirstCellsNewState)
{
    const DragCase& c = GetParam();
    RangeGridModel grid;
    if (!c.start.empty())
        grid.setRange(parsed(c.start));
    grid.press(cell(c.path.front()));
    for (std::size_t i = 1; i < c.path.size(); ++i)
        grid.dragTo(cell(c.path[i]));
    grid.release();
    EXPECT_EQ(heldCells(grid), c.held);
    EXPECT_FALSE(grid.dragging());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RangeGridDrag,
    ::testing::Values(
        DragCase{"Click", "", {"AKs"}, {"AKs"}},
        DragCase{"ClickOffAgain", "AKs", {"AKs"}, {}},
        DragCase{"Square", "", {"AA", "KK", "QQ"}, {"AA", "AKs", "AQs", "AK", "KK", "KQs", "AQ", "KQ", "QQ"}},
        DragCase{"UpAndLeft", "", {"KQ", "AA"}, {"AA", "AKs", "AK", "KK", "AQ", "KQ"}},
        DragCase{"ShrinkingGivesCellsBack", "", {"AA", "QQ", "KK"}, {"AA", "AKs", "AK", "KK"}},
        DragCase{"ShrinkingKeepsWhatWasThere", "AQs, QQ", {"AA", "QQ", "AKs"}, {"AA", "AKs", "AQs", "QQ"}},
        DragCase{"FromAHeldCellClears", "QQ+, AKs, AQs", {"AA", "AKs", "KK"}, {"AQs", "QQ"}},
        DragCase{"RowOfPairsToSuited", "", {"22", "32s"}, {"22", "32s"}},
        DragCase{"BackToTheStart", "", {"AA", "KK", "AA"}, {"AA"}}),
    [](const auto& param) { return param.param.name; });

TEST(RangeGridModel, AClickOnAPartialCellFillsItAndADragLeavingItGivesItsCombinationsBack)
{
    RangeGridModel grid;
    grid.setRange(parsed("AhKh, AKo, QdQc"));
    ASSERT_TRUE(grid.cellPartial(cell("AKs")));
    ASSERT_TRUE(grid.cellPartial(cell("QQ")));
    // A drag from AA (empty, so it fills) over AKs and back leaves AKs as it was.
    grid.press(cell("AA"));
    grid.dragTo(cell("AKs"));
    EXPECT_EQ(grid.cellCombosHeld(cell("AKs")), 4);
    grid.dragTo(cell("AA"));
    grid.release();
    EXPECT_EQ(grid.cellCombosHeld(cell("AKs")), 1);
    EXPECT_EQ(grid.comboWeight(combo("AhKh")), 1.0);
    // A click on a partial cell fills it; a second click empties it.
    grid.press(cell("QQ"));
    grid.release();
    EXPECT_FALSE(grid.cellPartial(cell("QQ")));
    EXPECT_EQ(grid.cellCombosHeld(cell("QQ")), 6);
    grid.press(cell("QQ"));
    grid.release();
    EXPECT_EQ(grid.cellCombosHeld(cell("QQ")), 0);
}

TEST(RangeGridModel, WeightsGoToTheCellsJustEditedAndToTheNextOnes)
{
    RangeGridModel grid;
    grid.press(cell("AA"));
    grid.dragTo(cell("AKs"));
    grid.release();
    grid.press(cell("QQ"));
    grid.release();
    EXPECT_TRUE(grid.setWeight(0.5));
    EXPECT_DOUBLE_EQ(grid.cellWeight(cell("QQ")), 0.5);
    EXPECT_DOUBLE_EQ(grid.cellWeight(cell("AA")), 1.0); // edited before
    EXPECT_FALSE(grid.cellPartial(cell("QQ")));
    EXPECT_DOUBLE_EQ(grid.comboCount(), 6 + 4 + 3);

    grid.press(cell("JJ")); // the pen now holds 0.5
    grid.release();
    EXPECT_DOUBLE_EQ(grid.cellWeight(cell("JJ")), 0.5);
    // A cell held at a weight is full: a click empties it.
    grid.press(cell("QQ"));
    grid.release();
    EXPECT_FALSE(grid.cellHeld(cell("QQ")));
    // A weight after a click that emptied a cell leaves it empty.
    EXPECT_TRUE(grid.setWeight(0.25));
    EXPECT_FALSE(grid.cellHeld(cell("QQ")));

    for (double bad : {0.0, -0.5, 1.5, std::nan("")}) {
        EXPECT_FALSE(grid.setWeight(bad)) << bad;
        EXPECT_EQ(grid.penWeight(), 0.25);
    }
    EXPECT_NEAR(grid.share(), (6 + 4 + 3) / 1326.0, 1e-12);
}

TEST(RangeGridModel, KeysMoveTheFocusWithinTheGridAndSpaceToggles)
{
    RangeGridModel grid;
    grid.moveFocus(-1, -1);
    EXPECT_EQ(grid.focusCell(), 0);
    grid.moveFocus(1, 2);
    EXPECT_EQ(grid.focusCell(), cell("KQs"));
    grid.toggleFocusCell();
    EXPECT_EQ(heldCells(grid), std::set<std::string>{"KQs"});
    grid.moveFocus(20, 20);
    EXPECT_EQ(grid.focusCell(), cell("22"));
    grid.toggleFocusCell();
    grid.moveFocus(-12, 0); // 2 column, row of aces: A2s
    grid.toggleFocusCell();
    EXPECT_EQ(heldCells(grid), (std::set<std::string>{"KQs", "22", "A2s"}));
    EXPECT_FALSE(grid.dragging());
}

class RangeGridPercent : public ::testing::TestWithParam<double> {};

// The slider's share selects what the same share typed as "N%" reads to:
// whole classes, the strongest of the pre-flop order, their count the class
// boundary nearest to the share.
TEST_P(RangeGridPercent, SelectsWhatTheShareTypedAsAPercentageReadsTo)
{
    const double percent = GetParam();
    RangeGridModel grid;
    grid.setRange(parsed("72")); // replaced by the percentage
    ASSERT_TRUE(grid.setTopPercent(percent));
    EXPECT_EQ(grid.topPercent(), percent);
    std::ostringstream typed;
    typed << percent << '%';
    EXPECT_EQ(contents(grid.toRange()), contents(parsed(typed.str()))) << typed.str();

    const auto& order = engine::cards::preflopOrder();
    std::size_t taken = 0;
    while (taken < order.size() && grid.cellHeld(order[taken]))
        ++taken;
    double boundary = 0;
    for (std::size_t i = 0; i < order.size(); ++i) {
        const int c = order[i];
        EXPECT_EQ(grid.cellHeld(c), i < taken) << engine::handText(c); // a prefix of the order
        EXPECT_FALSE(grid.cellPartial(c)) << engine::handText(c);
        if (i < taken)
            boundary += window::cards::classComboCount(c);
    }
    EXPECT_GE(taken, 1u);
    EXPECT_DOUBLE_EQ(grid.comboCount(), boundary);
    // No other boundary of the order lies nearer the share.
    const double target = percent * 1326 / 100;
    double count = 0;
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (i >= 1) {
            EXPECT_LE(std::abs(boundary - target), std::abs(count - target) + 1e-9) << i;
        }
        count += window::cards::classComboCount(order[i]);
    }
    EXPECT_LE(std::abs(boundary - target), std::abs(count - target) + 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Shares, RangeGridPercent,
                         ::testing::Values(0.1, 0.5, 1.0, 2.5, 5.0, 10.0, 15.0, 20.0, 33.3, 50.0, 75.0, 99.9, 100.0));

TEST(RangeGridModel, NoShareEmptiesTheGridAndAShareOutsideTheScaleIsRefused)
{
    RangeGridModel grid;
    ASSERT_TRUE(grid.setTopPercent(100));
    EXPECT_EQ(grid.comboCount(), 1326);
    ASSERT_TRUE(grid.setTopPercent(0));
    EXPECT_EQ(grid.comboCount(), 0);
    ASSERT_TRUE(grid.setTopPercent(0.1)); // the strongest class is always taken
    EXPECT_EQ(heldCells(grid), std::set<std::string>{"AA"});
    for (double bad : {-1.0, 100.5, std::nan("")})
        EXPECT_FALSE(grid.setTopPercent(bad)) << bad;
    EXPECT_EQ(heldCells(grid), std::set<std::string>{"AA"});
}

TEST(RangeGridModel, AChartFillHoldsExactlyTheHandsOfTheBetClass)
{
    const std::array classes = {engine::BetClass::Raise, engine::BetClass::Call, engine::BetClass::Fold,
                                engine::BetClass::Advice};
    RangeGridModel grid;
    for (engine::PreflopAction action : engine::kPreflopActions) {
        for (engine::Position position : engine::kPositions) {
            for (double limpers : {1.0, 3.0}) {
                engine::ChartSituation situation;
                situation.action = action;
                situation.position = position;
                situation.limpers = limpers;
                const engine::Chart chart = engine::computeChart(situation);
                double total = 0;
                for (engine::BetClass betClass : classes) {
                    grid.fillFromChart(situation, betClass);
                    for (int i = 0; i < engine::kHandCount; ++i) {
                        const bool inClass = chart.cells[static_cast<std::size_t>(i)].betClass == betClass;
                        ASSERT_EQ(grid.cellHeld(i), inClass)
                            << engine::actionName(action) << " " << engine::positionName(position) << " "
                            << engine::betClassName(betClass) << " " << engine::handText(i);
                        ASSERT_EQ(grid.cellWeight(i), inClass ? 1.0 : 0.0);
                    }
                    total += grid.comboCount();
                }
                // The four classes share out every hand.
                EXPECT_EQ(total, 1326);
            }
        }
    }
}

TEST(RangeGridModel, ARangeComesBackWithItsCombinationsAndWeights)
{
    for (std::string_view text : {"QQ+, AKs, AQo+", "AhKh, AKo, QdQc, 7s2d", "random", "T9s+, 22-55"}) {
        const Range range = parsed(text);
        RangeGridModel grid;
        grid.setRange(range);
        EXPECT_EQ(contents(grid.toRange()), contents(range)) << text;
    }
    Range weighted;
    weighted.add(combo("AhKh"), 0.5);
    weighted.add(combo("AsKs"), 0.25);
    weighted.add(combo("QsQh"), 1.0);
    weighted.add(combo("2c3d"), 3.0);  // beyond 1: counts as 1
    weighted.add(combo("4c5d"), -1.0); // not a weight a range holds: left out
    RangeGridModel grid;
    grid.setRange(weighted);
    EXPECT_EQ(contents(grid.toRange()),
              (std::set<std::pair<std::string, double>>{{"AhKh", 0.5}, {"AsKs", 0.25}, {"QsQh", 1.0}, {"3d2c", 1.0}}));
    EXPECT_TRUE(grid.cellPartial(cell("AKs")));
    EXPECT_DOUBLE_EQ(grid.cellWeight(cell("AKs")), 0.75 / 4);
    EXPECT_EQ(grid.cellCombosHeld(cell("AKs")), 2);
    EXPECT_DOUBLE_EQ(grid.comboCount(), 0.5 + 0.25 + 1 + 1);
}

struct TextCase {
    std::string range;
    std::string text;
};

class RangePickerText : public ::testing::TestWithParam<TextCase> {};

// A range given to the picker is shown in the canonical form, which reads
// back to the same combinations and weights.
TEST_P(RangePickerText, ShowsTheCanonicalFormThatReadsBack)
{
    const TextCase& c = GetParam();
    const Range range = parsed(c.range);
    window::cards::RangePickerModel picker;
    picker.setRange(range);
    EXPECT_EQ(picker.text(), c.text);
    EXPECT_TRUE(picker.error().empty());
    EXPECT_EQ(contents(parsed(picker.text())), contents(range));
}

INSTANTIATE_TEST_SUITE_P(Cases, RangePickerText,
                         ::testing::Values(TextCase{"QQ+, AKs", "QQ+, AKs"},
                                           TextCase{"AKs, AKo, KK, AA, QQ, AQs, AQo", "QQ+, AQ+"},
                                           TextCase{"AKo, 72o", "AKo, 72o"},
                                           TextCase{"AhKh, AKo", "AhKh, AKo"},
                                           TextCase{"KhKs, 7c2d", "KsKh, 7c2d"},
                                           TextCase{"AKs:0.5, QsQh:0.25, JsTs", "QsQh:0.25, AKs:0.5, JsTs"},
                                           TextCase{"random", "random"}));

TEST(RangePickerModel, TheTextFollowsTheGridAndTheGridATextThatReads)
{
    window::cards::RangePickerModel picker;
    picker.editGrid([](RangeGridModel& g) {
        g.press(cell("AA"));
        g.dragTo(cell("KK"));
        g.release();
    });
    EXPECT_EQ(picker.text(), "KK+, AK");

    picker.typeText("QQ+, AKs");
    EXPECT_EQ(picker.text(), "QQ+, AKs"); // as typed
    EXPECT_EQ(heldCells(picker.grid()), (std::set<std::string>{"AA", "KK", "QQ", "AKs"}));
    // Half typed: the grid keeps the last range, and the text says why.
    picker.typeText("QQ+, AKs, A");
    EXPECT_EQ(picker.error(), "\"A\" is not a hand range");
    EXPECT_EQ(heldCells(picker.grid()), (std::set<std::string>{"AA", "KK", "QQ", "AKs"}));
    // Moving the keyboard's cell keeps the text as typed.
    picker.moveFocus(1, 1);
    EXPECT_EQ(picker.text(), "QQ+, AKs, A");
    picker.typeText(" , ");
    EXPECT_TRUE(picker.error().empty());
    EXPECT_EQ(picker.grid().comboCount(), 0);

    picker.setChartSituation({engine::PreflopAction::Raised, engine::Position::Late});
    picker.setChartBetClass(engine::BetClass::Raise);
    picker.typeText("AK, x");
    picker.fillFromChart();
    EXPECT_TRUE(picker.error().empty());
    EXPECT_EQ(contents(parsed(picker.text())), contents(picker.range()));
    EXPECT_GT(picker.grid().comboCount(), 0);
}

} // namespace
