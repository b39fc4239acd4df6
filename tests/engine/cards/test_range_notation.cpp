#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "engine/Chart.h"
#include "engine/cards/CardParser.h"
#include "engine/cards/ChartRange.h"
#include "engine/cards/HandClass.h"
#include "engine/cards/PreflopOrder.h"
#include "engine/cards/Range.h"
#include "engine/cards/RangeText.h"

using namespace engine::cards;

namespace {

HoleCards combo(const char* text)
{
    const auto parsed = parseHoleCards(text);
    EXPECT_TRUE(parsed.ok()) << text << ": " << parsed.error;
    return parsed.value;
}

Range read(const std::string& text)
{
    const auto parsed = parseRange(text);
    EXPECT_TRUE(parsed.ok()) << text << ": " << parsed.error;
    return parsed.value;
}

// Every combination's weight, numbered by its two cards: ranges compare
// whatever the order their combinations were added in.
std::vector<double> weightTable(const Range& range)
{
    std::vector<double> table(kCardCount * kCardCount, 0.0);
    for (std::size_t i = 0; i < range.combos().size(); ++i) {
        const HoleCards c = range.combos()[i];
        table[static_cast<std::size_t>(c.high.index() * kCardCount + c.low.index())] = range.weights()[i];
    }
    return table;
}

std::set<int> classesOf(const Range& range)
{
    std::set<int> classes;
    for (const HoleCards c : range.combos())
        classes.insert(handClassOf(c));
    return classes;
}

} // namespace

// ---- weights

struct WeightCase {
    const char* text;
    std::size_t combos;
    double weighted;
    const char* probe; // a combination and the weight it has
    double weight;
};

class RangeWeights : public testing::TestWithParam<WeightCase> {};

TEST_P(RangeWeights, GiveEachCombinationItsShare)
{
    const WeightCase& c = GetParam();
    const Range range = read(c.text);
    EXPECT_EQ(range.combos().size(), c.combos) << c.text;
    EXPECT_NEAR(range.weightedCount(), c.weighted, 1e-9) << c.text;
    EXPECT_DOUBLE_EQ(range.weight(combo(c.probe)), c.weight) << c.text << " " << c.probe;
}

INSTANTIATE_TEST_SUITE_P(Notation, RangeWeights, testing::Values(
    WeightCase{"AKs:0.5", 4, 2.0, "AhKh", 0.5},
    WeightCase{"QQ+:0.25", 18, 4.5, "KsKd", 0.25},
    WeightCase{"KhKs:0.5", 1, 0.5, "KsKh", 0.5},
    WeightCase{"random:0.3", 1326, 397.8, "7h2c", 0.3},
    WeightCase{"A5s-A2s:.75", 16, 12.0, "Ah2h", 0.75},
    WeightCase{"T9s+:1", 20, 20.0, "AhKh", 1.0},
    WeightCase{"AK:1.0, AKs:0.5", 16, 14.0, "AsKs", 0.5},   // the later item's weight holds
    WeightCase{"AKs:0.5, AK", 16, 16.0, "AsKs", 1.0},       // also when it is 1
    WeightCase{"QQ+, KK:0.1, KhKs:0.9", 18, 13.4, "KsKh", 0.9},
    WeightCase{"QQ+, KK:0.1, KhKs:0.9", 18, 13.4, "KsKd", 0.1},
    WeightCase{"AKs:0.5", 4, 2.0, "AhKd", 0.0},
    WeightCase{"100%:0.5", 1326, 663.0, "3c2d", 0.5}));

// ---- refusals

class RefusedNotation : public testing::TestWithParam<std::pair<const char*, const char*>> {};

TEST_P(RefusedNotation, NamesTheItemAndWhy)
{
    const auto range = parseRange(GetParam().first);
    EXPECT_FALSE(range.ok());
    EXPECT_EQ(range.error, GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Inputs, RefusedNotation, testing::Values(
    std::pair{"AKs:0", "\"AKs:0\" is not a hand range: a weight is above 0 and at most 1"},
    std::pair{"AKs:1.5", "\"AKs:1.5\" is not a hand range: a weight is above 0 and at most 1"},
    std::pair{"QQ+ AKs:", "\"AKs:\" is not a hand range: a weight is above 0 and at most 1"},
    std::pair{"AKs:-0.5", "\"AKs:-0.5\" is not a hand range: a weight is above 0 and at most 1"},
    std::pair{"AKs:1e-3", "\"AKs:1e-3\" is not a hand range: a weight is above 0 and at most 1"},
    std::pair{"AKs:0.5:0.5", "\"AKs:0.5:0.5\" is not a hand range: a weight is above 0 and at most 1"},
    std::pair{"AKs:0..5", "\"AKs:0..5\" is not a hand range: a weight is above 0 and at most 1"},
    std::pair{":0.5", "\":0.5\" is not a hand range"},
    std::pair{"AKx:0.5", "\"AKx:0.5\" is not a hand range"},
    std::pair{"0%", "\"0%\" is not a hand range: a percentage is above 0 and at most 100"},
    std::pair{"100.5%", "\"100.5%\" is not a hand range: a percentage is above 0 and at most 100"},
    std::pair{"%", "\"%\" is not a hand range: a percentage is above 0 and at most 100"},
    std::pair{"1,5%", "\"1\" is not a hand range"},
    std::pair{"-5%", "\"-5%\" is not a hand range: a percentage is above 0 and at most 100"},
    std::pair{"chart(raised, late)", "\"chart(raised, late)\" is not a hand range: "
                                     "a chart range is chart(ACTION, POSITION[, LIMPERS]):CLASS"},
    std::pair{"chart(raised, late:raise", "\"chart(raised, late:raise\" is not a hand range: "
                                          "a chart range is chart(ACTION, POSITION[, LIMPERS]):CLASS"},
    std::pair{"chart(raised):raise", "\"chart(raised):raise\" is not a hand range: "
                                     "a chart range is chart(ACTION, POSITION[, LIMPERS]):CLASS"},
    std::pair{"chart(bet, late):raise", "\"chart(bet, late):raise\" is not a hand range: "
                                        "the action is opened, limped, raised, raised-called or re-raised"},
    std::pair{"chart(raised, button):raise", "\"chart(raised, button):raise\" is not a hand range: "
                                             "the position is early, middle, late or blinds"},
    std::pair{"chart(raised, late):bet", "\"chart(raised, late):bet\" is not a hand range: "
                                         "the class is raise, call, limp/call, fold or advice"},
    std::pair{"chart(raised, late, 2):raise", "\"chart(raised, late, 2):raise\" is not a hand range: "
                                              "the number of limpers goes with limped only"},
    std::pair{"chart(limped, late, two):call", "\"chart(limped, late, two):call\" is not a hand range: "
                                               "the number of limpers is a whole number"},
    std::pair{"chart(raised, late):raise:2", "\"chart(raised, late):raise:2\" is not a hand range: "
                                             "a weight is above 0 and at most 1"}));

// ---- percentages

TEST(RangePercentage, TakesTheStrongestClassesToTheNearestBoundary)
{
    int previous = 0;
    for (int tenths = 1; tenths <= 1000; ++tenths) {
        const double percent = tenths / 10.0;
        const Range range = read(std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + "%");
        const int count = static_cast<int>(range.combos().size());
        EXPECT_GE(count, previous) << percent;
        previous = count;

        // Whole classes, the first ones of the order, and no other count of
        // whole classes in that order comes nearer to the share asked.
        const std::set<int> classes = classesOf(range);
        EXPECT_EQ(count, [&] {
            int combos = 0;
            for (const int c : classes)
                combos += static_cast<int>(combosOfClass(c).size());
            return combos;
        }());
        const auto& order = preflopOrder();
        const double target = percent * 13.26;
        int before = 0;
        for (std::size_t i = 0; i < classes.size(); ++i) {
            EXPECT_TRUE(classes.count(order[i])) << percent << ": class " << engine::handText(order[i]);
            if (i + 1 < classes.size())
                before += static_cast<int>(combosOfClass(order[i]).size());
        }
        if (classes.size() > 1) {
            EXPECT_LE(count - target, target - before) << percent;
        }
        if (classes.size() < order.size()) {
            const int after = count + static_cast<int>(combosOfClass(order[classes.size()]).size());
            EXPECT_LT(target - count, after - target) << percent;
        }
    }
}

TEST(RangePercentage, Boundaries)
{
    EXPECT_EQ(read("100%").combos().size(), 1326u);
    EXPECT_EQ(read("0.01%").combos().size(), 6u); // always the strongest class: aces
    EXPECT_EQ(classesOf(read("0.01%")), std::set<int>{engine::handIndex("AA")});
    EXPECT_EQ(read("50%").combos().size(), read("50.0%").combos().size());
}

TEST(RangePercentage, TheOrderFollowsTheStoredEquities)
{
    const auto& order = preflopOrder();
    EXPECT_EQ(std::set<int>(order.begin(), order.end()).size(), 169u);
    for (std::size_t i = 1; i < order.size(); ++i)
        EXPECT_GE(preflopEquity(order[i - 1]), preflopEquity(order[i])) << engine::handText(order[i]);
    // Against a random hand, suited beats offsuit and a higher pair a lower one.
    for (int row = 0; row < 13; ++row)
        for (int column = row + 1; column < 13; ++column)
            EXPECT_GT(preflopEquity(row * 13 + column), preflopEquity(column * 13 + row)) << engine::handText(row * 13 + column);
    for (int r = 1; r < 13; ++r)
        EXPECT_GT(preflopEquity((r - 1) * 14), preflopEquity(r * 14));
    EXPECT_EQ(order.front(), engine::handIndex("AA"));
    EXPECT_EQ(order[7], engine::handIndex("AKs")) << "after the pairs down to eights, as the help says";
    EXPECT_EQ(order.back(), engine::handIndex("32"));
}

// ---- the advisor's charts

TEST(ChartRange, HoldsTheClassesTheChartGivesThatBetClass)
{
    for (const auto& [actionWord, action] : chartActionWords()) {
        for (const auto& [positionWord, position] : chartPositionWords()) {
            for (const int limpers : action == engine::PreflopAction::Limped ? std::vector{0, 1, 2, 4} : std::vector{-1}) {
                engine::ChartSituation situation;
                situation.action = action;
                situation.position = position;
                situation.inBigBlinds = true;
                std::string args = std::string(actionWord) + ", " + std::string(positionWord);
                if (limpers >= 0) {
                    situation.limpers = limpers;
                    args += ", " + std::to_string(limpers);
                }
                const engine::Chart chart = engine::computeChart(situation);
                std::size_t covered = 0;
                for (const auto& [classWord, betClass] : chartClassWords()) {
                    std::set<int> expected;
                    for (int i = 0; i < engine::kHandCount; ++i)
                        if (chart.cells[static_cast<std::size_t>(i)].betClass == betClass)
                            expected.insert(i);
                    const std::string text = "chart(" + args + "):" + std::string(classWord);
                    const auto parsed = parseRange(text);
                    if (expected.empty()) {
                        EXPECT_EQ(parsed.error, "the range is empty") << text;
                        continue;
                    }
                    ASSERT_TRUE(parsed.ok()) << text << ": " << parsed.error;
                    EXPECT_EQ(classesOf(parsed.value), expected) << text;
                    std::size_t combos = 0;
                    for (const int c : expected)
                        combos += combosOfClass(c).size();
                    EXPECT_EQ(parsed.value.combos().size(), combos) << text << ": whole classes";
                    if (classWord != "limp/call")
                        covered += combos;
                }
                EXPECT_EQ(covered, 1326u) << args << ": the classes split every hand";
            }
        }
    }
}

TEST(ChartRange, LimpedWithoutACountIsOneLimper)
{
    EXPECT_EQ(weightTable(read("chart(limped, late):call")), weightTable(read("chart(limped, late, 1):call")));
}

TEST(ChartRange, ReadsAsAnyOtherItem)
{
    const Range raise = read("chart(raised, late):raise");
    const Range call = read("chart(raised, late):call");
    Range expected;
    for (const HoleCards c : raise.combos())
        expected.add(c, 0.5);
    expected.add(combo("KhKs"), 1.0);
    for (const HoleCards c : call.combos())
        expected.add(c, 1.0);
    const Range range = read("CHART( Raised ,Late ):RAISE:0.5 KhKs chart(raised late):Limp/Call");
    EXPECT_EQ(weightTable(range), weightTable(expected));
}

// ---- printing

class CanonicalText : public testing::TestWithParam<std::pair<const char*, const char*>> {};

TEST_P(CanonicalText, IsTheShortestNaturalForm)
{
    const auto& [typed, printed] = GetParam();
    const Range range = read(typed);
    EXPECT_EQ(rangeText(range), printed) << typed;
    EXPECT_EQ(weightTable(read(printed)), weightTable(range)) << printed;
}

INSTANTIATE_TEST_SUITE_P(Notation, CanonicalText, testing::Values(
    std::pair{"AQo+, AKs, QQ+", "QQ+, AKs, AQo+"},
    std::pair{"KK, AA, QQ", "QQ+"},
    std::pair{"AA", "AA"},
    std::pair{"JJ-99, 22", "JJ-99, 22"},
    std::pair{"A2s-A5s", "A5s-A2s"},
    std::pair{"T9s+", "T9s+"},
    std::pair{"JTs-87s", "JTs-87s"},
    std::pair{"AQs-QTs", "AQs-QTs"},
    std::pair{"K9s+", "K9s+"},
    std::pair{"ATs+, ATo+", "AT+"},
    std::pair{"AK", "AK"},
    std::pair{"AJs+, AKo", "AJs+, AKo"},
    std::pair{"KhKs", "KsKh"},
    std::pair{"KK, KhKs:0.5", "KsKh:0.5, KsKd, KhKd, KsKc, KhKc, KdKc"},
    std::pair{"AKs:0.5, AKo:0.5", "AK:0.5"},
    std::pair{"QQ+:0.25, AKs", "QQ+:0.25, AKs"},
    std::pair{"AA, KK:0.5", "AA, KK:0.5"},
    std::pair{"random", "random"},
    std::pair{"any:0.3", "random:0.3"},
    std::pair{"100%", "random"},
    std::pair{"22+, A2+, K2+, Q2+, J2+, T2+, 92+, 82+, 72+, 62+, 52+, 42+, 32", "random"},
    std::pair{"AsKs, AhKh", "AsKs, AhKh"},
    std::pair{"T9, 98", "T9-98"},
    // The help's examples of percentages.
    std::pair{"5%", "77+, AJs+, AKo"},
    std::pair{"10%", "66+, A8s+, ATo+, KJs+"},
    std::pair{"15%", "55+, A5s+, A9o+, K9s+, KJo+, QJs"}));

TEST(CanonicalText, AnEmptyRangeIsEmpty)
{
    EXPECT_EQ(rangeText(Range{}), "");
}

TEST(CanonicalText, ReadsBackToTheSameRangeForRandomRanges)
{
    std::mt19937_64 random(2026);
    const std::vector<double> weights{1.0, 1.0, 1.0, 0.5, 0.25, 0.1, 0.3333};
    const Range all = Range::random();
    for (int round = 0; round < 3000; ++round) {
        Range range;
        const int density = static_cast<int>(random() % 100) + 1;
        // Whole classes with one weight, then some combinations on top.
        for (int c = 0; c < engine::kHandCount; ++c) {
            if (static_cast<int>(random() % 100) >= density)
                continue;
            const double w = weights[random() % weights.size()];
            for (const HoleCards h : combosOfClass(c))
                range.add(h, w);
        }
        const int extra = static_cast<int>(random() % 8);
        for (int i = 0; i < extra; ++i)
            range.add(all.combos()[random() % all.combos().size()], weights[random() % weights.size()]);
        if (range.empty())
            continue;
        const std::string text = rangeText(range);
        const auto back = parseRange(text);
        ASSERT_TRUE(back.ok()) << text << ": " << back.error;
        ASSERT_EQ(weightTable(back.value), weightTable(range)) << text;
        EXPECT_EQ(rangeText(back.value), text);
    }
}
