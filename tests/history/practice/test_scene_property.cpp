// Every scene the generator draws, read back as a hand history by the
// review's grading, is exactly the situation it was drawn for.

#include <gtest/gtest.h>

#include <algorithm>

#include "engine/cards/HandClass.h"
#include "history/grading/Seats.h"
#include "history/practice/QuestionPicker.h"
#include "history/practice/Scene.h"

namespace {

using namespace practice;
using engine::PreflopAction;

constexpr int kDrawsPerSeat = 40;

struct SceneCase {
    int players;
    PreflopAction action;
};

std::vector<SceneCase> allCases()
{
    std::vector<SceneCase> out;
    for (int n = kFewestPlayers; n <= kMostPlayers; ++n)
        for (const auto a : engine::kPreflopActions)
            out.push_back({n, a});
    return out;
}

class SceneReadBack : public ::testing::TestWithParam<SceneCase> {};

TEST_P(SceneReadBack, GradingReadsTheSituationDrawn)
{
    const auto [players, action] = GetParam();
    DrillRandom random(static_cast<std::uint64_t>(players * 10 + static_cast<int>(action)));
    int checked = 0;
    for (const auto position : engine::kPositions) {
        const int most = action == PreflopAction::Limped ? players - 1 : 0;
        for (int limpers = action == PreflopAction::Limped ? 1 : 0; limpers <= most; ++limpers) {
            const DrillSituation s{action, position, limpers};
            for (const int seat : seatsFor(s, players)) {
                for (int draw = 0; draw < kDrawsPerSeat; ++draw) {
                    const Scene scene = drawScene(s, players, seat, dealCards(random), 2.0, random);
                    const history::Move move = draw % 2 == 0 ? history::Move::Fold
                        : scene.heroCanCheck()               ? history::Move::Check
                                                             : history::Move::Call;
                    const auto decisions = history::gradeHand(sceneHistory(scene, move));
                    ASSERT_EQ(decisions.size(), 1u);
                    const history::Decision& d = decisions.front();
                    SCOPED_TRACE(situationText(s) + " seat " + std::string(scene.heroSeat()) + " of "
                                 + std::to_string(players));
                    EXPECT_EQ(d.playerIndex, seat);
                    EXPECT_EQ(d.before, action);
                    EXPECT_EQ(d.position, position);
                    EXPECT_EQ(d.limpers, limpers);
                    EXPECT_EQ(d.players, players);
                    EXPECT_EQ(d.seat, scene.heroSeat());
                    EXPECT_EQ(d.handIndex, scene.handIndex());
                    EXPECT_EQ(d.action, move);
                    EXPECT_EQ(d.verdict == history::Verdict::Ungraded, d.reason == "advice in words");
                    ++checked;
                }
            }
        }
    }
    RecordProperty("scenes", checked);
    std::printf("%d players, %s: %d scenes read back\n", players, std::string(engine::actionName(action)).c_str(),
                checked);
    EXPECT_GT(checked, 0);
}

INSTANTIATE_TEST_SUITE_P(EveryTableAndAction, SceneReadBack, ::testing::ValuesIn(allCases()),
                         [](const auto& test) {
                             std::string name = std::to_string(test.param.players) + "_players_"
                                 + std::string(history::beforeName(test.param.action));
                             return name;
                         });

// The seats offered for a situation are those of its position with room for
// what came before; no other seat of the table meets it.
TEST(SceneSeats, EverySeatOfThePositionWithEnoughPlayersBeforeIsOffered)
{
    for (int players = kFewestPlayers; players <= kMostPlayers; ++players)
        for (const auto position : engine::kPositions)
            for (int seat = 0; seat < players; ++seat) {
                const bool here = history::seatPosition(seat, players) == position;
                const int before = playersBefore(seat, players);
                const struct {
                    DrillSituation s;
                    bool expected;
                } cases[] = {
                    {{PreflopAction::Opened, position, 0}, here && seat != 1},
                    {{PreflopAction::Limped, position, 1}, here && before >= 1},
                    {{PreflopAction::Limped, position, 3}, here && before >= 3},
                    {{PreflopAction::Raised, position, 0}, here && before >= 1},
                    {{PreflopAction::RaisedCalled, position, 0}, here && before >= 2},
                    {{PreflopAction::ReRaised, position, 0}, here && before >= 2},
                };
                for (const auto& c : cases) {
                    const auto seats = seatsFor(c.s, players);
                    EXPECT_EQ(std::find(seats.begin(), seats.end(), seat) != seats.end(), c.expected)
                        << situationText(c.s) << " seat " << seat << " of " << players;
                }
            }
}

TEST(SceneCards, CardsDrawnForAHandClassAreOfThatClass)
{
    DrillRandom random(7);
    for (int hand = 0; hand < engine::kHandCount; ++hand)
        for (int i = 0; i < 8; ++i) {
            const auto cards = drawCardsOf(hand, random);
            EXPECT_NE(cards.high, cards.low);
            EXPECT_EQ(engine::cards::handClassOf(cards), hand) << engine::handText(hand);
        }
}

TEST(SceneCards, DealtCardsAreTwoDifferentCards)
{
    DrillRandom random(11);
    for (int i = 0; i < 2000; ++i) {
        const auto cards = dealCards(random);
        EXPECT_NE(cards.high, cards.low);
    }
}

} // namespace
