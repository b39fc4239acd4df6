// The range grid without widgets: clicks and drags, weights, the strongest
// hands by a percentage, the chart's hands, and the way to a range and back
// with classes held in part.

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "engine/Chart.h"
#include "engine/cards/CardParser.h"
#include "engine/cards/Range.h"
#include "window/cards/RangeGridModel.h"
#include "window/cards/RangePickerModel.h"
#include "window/cards/GridRangeText.h"

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

// Each combination of a range with its weight, in a form to compare.
std::set<std::pair<std::string, double>> contents(const Range& range)
{
    std::set<std::pair<std::string, double>> c;
    for (std::size_t i = 0; i < range.combos().size(); ++i)
        c.emplace(range.combos()[i].text(), range.weights()[i]);
    return c;
}

// A test order: the grid read row by row (AA, AKs, AQs, ..., then AKo, KK, ...).
window::cards::StrengthOrder rowOrder()
{
    window::cards::StrengthOrder order{};
    for (int i = 0; i < engine::kHandCount; ++i)
        order[static_cast<std::size_t>(i)] = i;
    return order;
}

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

struct PercentCase {
    double percent;
    double combos;
    std::string last; // the weakest class taken, or empty
};

class RangeGridPercent : public ::testing::TestWithParam<PercentCase> {};

TEST_P(RangeGridPercent, TakesTheStrongestClassesNearestTheShare)
{
    const PercentCase& c = GetParam();
    RangeGridModel grid;
    grid.setRange(parsed("72")); // replaced by the percentage
    ASSERT_TRUE(grid.setStrengthOrder(rowOrder()));
    ASSERT_TRUE(grid.setTopPercent(c.percent));
    EXPECT_DOUBLE_EQ(grid.comboCount(), c.combos);
    EXPECT_EQ(grid.topPercent(), c.percent);
    // Taken in order: a prefix of the order, every class in full.
    bool taking = !c.last.empty();
    for (int i = 0; i < engine::kHandCount; ++i) {
        EXPECT_EQ(grid.cellHeld(i), taking) << engine::handText(i);
        EXPECT_FALSE(grid.cellPartial(i));
        if (engine::handText(i) == c.last)
            taking = false;
    }
    if (c.last.empty()) {
        EXPECT_EQ(grid.comboCount(), 0);
    }
}

// Row order: AA 6, AKs..A2s 4 each (54 in the first row), then AKo 12, KK 6.
INSTANTIATE_TEST_SUITE_P(Cases, RangeGridPercent,
                         ::testing::Values(PercentCase{0, 0, ""}, PercentCase{0.2, 0, ""},      // 2.7: 0 nearer than 6
                                           PercentCase{0.3, 6, "AA"},                           // 3.98: 6 nearer
                                           PercentCase{1, 14, "AQs"},                           // 13.26
                                           PercentCase{5, 66, "AK"},                            // 66.3: 54 + 12
                                           PercentCase{100, 1326, "22"}));

TEST(RangeGridModel, APercentageNeedsAWholeOrder)
{
    RangeGridModel grid;
    EXPECT_FALSE(grid.hasStrengthOrder());
    EXPECT_FALSE(grid.setTopPercent(10));
    auto order = rowOrder();
    order[5] = order[6];
    EXPECT_FALSE(grid.setStrengthOrder(order));
    order[5] = 169;
    EXPECT_FALSE(grid.setStrengthOrder(order));
    EXPECT_FALSE(grid.hasStrengthOrder());
    ASSERT_TRUE(grid.setStrengthOrder(rowOrder()));
    for (double bad : {-1.0, 100.5, std::nan("")})
        EXPECT_FALSE(grid.setTopPercent(bad)) << bad;
    EXPECT_EQ(grid.comboCount(), 0);
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

class RangeGridText : public ::testing::TestWithParam<TextCase> {};

TEST_P(RangeGridText, WritesClassesAndLoneCombinationsThatReadBack)
{
    const TextCase& c = GetParam();
    const Range range = parsed(c.range);
    const std::string text = window::cards::gridRangeText(range);
    EXPECT_EQ(text, c.text);
    EXPECT_EQ(contents(parsed(text)), contents(range));
}

INSTANTIATE_TEST_SUITE_P(Cases, RangeGridText,
                         ::testing::Values(TextCase{"QQ+, AKs", "AA, AKs, KK, QQ"},
                                           TextCase{"AK", "AKs, AKo"},
                                           TextCase{"AKo, 72o", "AKo, 72o"},
                                           TextCase{"AhKh, AKo", "AhKh, AKo"},
                                           TextCase{"KhKs, 7c2d", "KsKh, 7c2d"},
                                           TextCase{"random", "random"}));

TEST(RangeGridText, WeightsFollowTheirClassOrCombination)
{
    Range range;
    for (const char* c : {"AsKs", "AhKh", "AdKd", "AcKc"})
        range.add(combo(c), 0.5);
    range.add(combo("QsQh"), 0.25);
    range.add(combo("JsTs"), 1.0);
    EXPECT_EQ(window::cards::gridRangeText(range), "AKs:0.5, QsQh:0.25, JsTs");
    EXPECT_EQ(window::cards::gridRangeText(Range{}), "");
}

TEST(RangePickerModel, TheTextFollowsTheGridAndTheGridATextThatReads)
{
    window::cards::RangePickerModel picker;
    picker.editGrid([](RangeGridModel& g) {
        g.press(cell("AA"));
        g.dragTo(cell("KK"));
        g.release();
    });
    EXPECT_EQ(picker.text(), "AA, AKs, AKo, KK");

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
