// The judge is the advisor: for every situation and hand class the class the
// judge holds an answer against is the chart's for that pair, and each of the
// three answers is right exactly when it is that class's move.

#include <gtest/gtest.h>

#include "engine/Chart.h"
#include "history/practice/Judge.h"
#include "history/practice/QuestionPicker.h"
#include "platform/money/Money.h"

namespace {

using namespace practice;
using engine::BetClass;

std::vector<DrillSituation> everySituation()
{
    std::vector<DrillSituation> out;
    for (const auto action : engine::kPreflopActions)
        for (const auto position : engine::kPositions) {
            // Every limper count some table of ten meets.
            const int most = action == engine::PreflopAction::Limped ? kMostPlayers - 1 : 0;
            for (int limpers = action == engine::PreflopAction::Limped ? 1 : 0; limpers <= most; ++limpers)
                if (isPossible({action, position, limpers}, kMostPlayers))
                    out.push_back({action, position, limpers});
        }
    return out;
}

class JudgeAgainstChart : public ::testing::TestWithParam<DrillSituation> {};

TEST_P(JudgeAgainstChart, EveryHandClassIsJudgedByItsChartCell)
{
    const DrillSituation s = GetParam();
    const auto& money = platform::Money::unitedStates();
    int table = 0;
    for (int n = kFewestPlayers; n <= kMostPlayers && table == 0; ++n)
        if (isPossible(s, n))
            table = n;
    ASSERT_GT(table, 0);
    const int seat = seatsFor(s, table).front();
    engine::ChartSituation chartSituation{s.action, s.position, 2.0, static_cast<double>(s.limpers), false};
    const engine::Chart chart = engine::computeChart(chartSituation, money);
    DrillRandom random(3);
    for (int hand = 0; hand < engine::kHandCount; ++hand) {
        const Scene scene = drawScene(s, table, seat, drawCardsOf(hand, random), 2.0, random);
        const auto& cell = chart.cells[static_cast<std::size_t>(hand)];
        for (const auto move : {AnswerMove::Fold, AnswerMove::Call, AnswerMove::Raise}) {
            const Judgement j = judge(scene, {move, std::nullopt}, money);
            SCOPED_TRACE(situationText(s) + " " + std::string(engine::handText(hand)) + " "
                         + std::string(answerName(move)));
            EXPECT_EQ(j.adviceClass, cell.betClass);
            EXPECT_EQ(j.cell.hand, cell.hand);
            EXPECT_EQ(j.cell.bet, cell.bet);
            EXPECT_EQ(j.cell.advice, cell.advice);
            DrillVerdict expected = DrillVerdict::Wrong;
            switch (cell.betClass) {
            case BetClass::Advice: expected = DrillVerdict::Unscored; break;
            case BetClass::Fold:
                if (move == AnswerMove::Fold || (move == AnswerMove::Call && scene.heroCanCheck()))
                    expected = DrillVerdict::Right;
                break;
            case BetClass::Call:
                if (move == AnswerMove::Call)
                    expected = DrillVerdict::Right;
                break;
            case BetClass::Raise:
                if (move == AnswerMove::Raise)
                    expected = DrillVerdict::Right;
                break;
            }
            EXPECT_EQ(j.verdict, expected);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EverySituation, JudgeAgainstChart, ::testing::ValuesIn(everySituation()),
                         [](const auto& test) {
                             return std::string(history::beforeName(test.param.action))
                                 + std::string(engine::positionName(test.param.position))
                                 + std::to_string(test.param.limpers);
                         });

// A raise's size is held against the advisor's amounts, a millionth of a big
// blind either side counting as within.
TEST(JudgeRaiseSize, ARightRaiseIsSizedAgainstTheAdvisorsAmounts)
{
    const auto& money = platform::Money::unitedStates();
    DrillRandom random(5);
    int sized = 0;
    for (int hand = 0; hand < engine::kHandCount; ++hand) {
        const DrillSituation s{engine::PreflopAction::Opened, engine::Position::Late, 0};
        const Scene scene = drawScene(s, 6, 5, drawCardsOf(hand, random), 2.0, random);
        const Judgement plain = judge(scene, {AnswerMove::Raise, std::nullopt}, money);
        if (plain.verdict != DrillVerdict::Right || plain.advice.bet.kind == engine::Bet::Kind::Word)
            continue;
        const double low = plain.advice.lowBB;
        const double high = plain.advice.bet.kind == engine::Bet::Kind::Range ? plain.advice.highBB : low;
        const struct {
            double bb;
            history::SizeVerdict size;
        } cases[] = {{low - 0.5, history::SizeVerdict::Below},
                     {low - 1e-7, history::SizeVerdict::Within},
                     {(low + high) / 2, history::SizeVerdict::Within},
                     {high + 1e-7, history::SizeVerdict::Within},
                     {high + 0.5, history::SizeVerdict::Above}};
        for (const auto& c : cases)
            EXPECT_EQ(judge(scene, {AnswerMove::Raise, c.bb}, money).size, c.size) << engine::handText(hand) << c.bb;
        EXPECT_FALSE(plain.size.has_value());
        EXPECT_FALSE(judge(scene, {AnswerMove::Fold, low}, money).size.has_value());
        ++sized;
    }
    EXPECT_GT(sized, 0);
}

} // namespace
