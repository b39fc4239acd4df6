// Grading a player's first pre-flop decision: seats and positions by the
// number of players, what happened before him, his move, the advisor's
// class, and the verdict.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "engine/cards/CardParser.h"
#include "history/grading/Decision.h"
#include "history/grading/Seats.h"

namespace {

using engine::Position;
using engine::PreflopAction;
using history::ActionKind;
using history::HandHistory;

TEST(Seats, NamedFromTheFirstToActByTheNumberOfPlayers)
{
    const struct {
        int players;
        std::vector<std::string> seats; // small blind first, button last
    } cases[] = {
        {10, {"SB", "BB", "UTG", "UTG+1", "UTG+2", "UTG+3", "LJ", "HJ", "CO", "BTN"}},
        {9, {"SB", "BB", "UTG", "UTG+1", "UTG+2", "LJ", "HJ", "CO", "BTN"}},
        {8, {"SB", "BB", "UTG", "UTG+1", "LJ", "HJ", "CO", "BTN"}},
        {7, {"SB", "BB", "UTG", "LJ", "HJ", "CO", "BTN"}},
        {6, {"SB", "BB", "UTG", "HJ", "CO", "BTN"}},
        {5, {"SB", "BB", "HJ", "CO", "BTN"}},
        {4, {"SB", "BB", "CO", "BTN"}},
        {3, {"SB", "BB", "BTN"}},
        {2, {"BB", "BTN"}},
    };
    for (const auto& c : cases)
        for (int i = 0; i < c.players; ++i)
            EXPECT_EQ(history::seatName(i, c.players), c.seats[static_cast<std::size_t>(i)])
                << c.players << " players, seat " << i;
}

TEST(Seats, PositionsOfTheSeats)
{
    const struct {
        int index, players;
        std::optional<Position> position;
    } cases[] = {
        {0, 9, Position::Blinds}, {1, 9, Position::Blinds}, {2, 9, Position::Early},  {4, 9, Position::Early},
        {5, 9, Position::Middle}, {6, 9, Position::Middle}, {7, 9, Position::Late},   {8, 9, Position::Late},
        {2, 6, Position::Early},  {3, 6, Position::Middle}, {2, 5, Position::Middle}, {2, 4, Position::Late},
        {2, 3, Position::Late},   {0, 2, std::nullopt},     {1, 2, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(history::seatPosition(c.index, c.players), c.position) << c.index << " of " << c.players;
}

// A hand of `players` at blinds 1/2, the small blind first, and the given
// pre-flop actions after the posts; player `hero` holds `cards`.
struct Script {
    int players = 6;
    int hero = 2;
    const char* cards = "AhKh";
    std::vector<std::pair<int, ActionKind>> actions; // who, what (to amounts below)
    std::vector<double> to;                          // the amount each action goes to
    bool straddle = false;
    double heroNet = 0;
};

HandHistory handOf(const Script& s)
{
    HandHistory h;
    h.smallBlind = 1;
    h.bigBlind = 2;
    for (int i = 0; i < s.players; ++i)
        h.players.push_back({"p" + std::to_string(i + 1), i + 1, 200, std::nullopt, std::nullopt});
    const auto cards = engine::cards::parseHoleCards(s.cards);
    h.players[static_cast<std::size_t>(s.hero)].cards = cards.value;
    h.players[static_cast<std::size_t>(s.hero)].net = s.heroNet;
    const int sb = s.players == 2 ? 1 : 0;
    const int bb = s.players == 2 ? 0 : 1;
    h.actions.push_back({history::Street::Preflop, static_cast<std::uint8_t>(sb), ActionKind::SmallBlind, 1, 1, false});
    h.actions.push_back({history::Street::Preflop, static_cast<std::uint8_t>(bb), ActionKind::BigBlind, 2, 2, false});
    if (s.straddle)
        h.actions.push_back({history::Street::Preflop, 2, ActionKind::Straddle, 4, 4, false});
    for (std::size_t i = 0; i < s.actions.size(); ++i) {
        const double to = i < s.to.size() ? s.to[i] : 0;
        h.actions.push_back(
            {history::Street::Preflop, static_cast<std::uint8_t>(s.actions[i].first), s.actions[i].second, to, to, false});
    }
    return h;
}

constexpr auto F = ActionKind::Fold;
constexpr auto C = ActionKind::Call;
constexpr auto R = ActionKind::Raise;
constexpr auto X = ActionKind::Check;

struct BeforeCase {
    const char* name;
    Script script;
    PreflopAction before;
    int limpers;
};

class Before : public ::testing::TestWithParam<BeforeCase> {};

TEST_P(Before, TheVoluntaryActionsBeforeTheFirstDecision)
{
    const BeforeCase& c = GetParam();
    const std::vector<history::Decision> ds = history::gradeHand(handOf(c.script));
    ASSERT_EQ(ds.size(), 1u) << c.name;
    EXPECT_EQ(ds[0].before, c.before) << c.name;
    EXPECT_EQ(ds[0].limpers, c.limpers) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Before,
    ::testing::Values(
        BeforeCase{"nothing but the blinds", {6, 2, "AhKh", {{2, R}}, {6}}, PreflopAction::Opened, 0},
        BeforeCase{"folds only", {6, 4, "AhKh", {{2, F}, {3, F}, {4, R}}, {0, 0, 6}}, PreflopAction::Opened, 0},
        BeforeCase{"two limpers", {6, 4, "AhKh", {{2, C}, {3, C}, {4, R}}, {2, 2, 8}}, PreflopAction::Limped, 2},
        BeforeCase{"the small blind completes",
                   {6, 1, "AhKh", {{2, F}, {3, F}, {4, F}, {5, F}, {0, C}, {1, R}}, {0, 0, 0, 0, 2, 8}},
                   PreflopAction::Limped, 1},
        BeforeCase{"one raise, nobody called", {6, 4, "AhKh", {{2, R}, {3, F}, {4, C}}, {6, 0, 6}}, PreflopAction::Raised, 0},
        BeforeCase{"limpers before a raise are no callers",
                   {6, 5, "AhKh", {{2, C}, {3, C}, {4, R}, {5, F}}, {2, 2, 10, 0}}, PreflopAction::Raised, 2},
        BeforeCase{"a raise and a call", {6, 5, "AhKh", {{2, R}, {3, F}, {4, C}, {5, C}}, {6, 0, 6, 6}},
                   PreflopAction::RaisedCalled, 0},
        BeforeCase{"two raises", {6, 5, "AhKh", {{2, R}, {3, R}, {4, F}, {5, F}}, {6, 18, 0, 0}},
                   PreflopAction::ReRaised, 0},
        BeforeCase{"a raise, a call, a re-raise", {9, 8, "AhKh", {{2, R}, {3, C}, {4, R}, {5, F}, {6, F}, {7, F}, {8, C}},
                                                    {6, 6, 20, 0, 0, 0, 20}},
                   PreflopAction::ReRaised, 0}),
    [](const auto& param) {
        std::string n = param.param.name;
        for (char& ch : n)
            if (!std::isalnum(static_cast<unsigned char>(ch)))
                ch = '_';
        return n;
    });

TEST(Grading, VerdictsAgainstTheAdvisor)
{
    // Opened, early position (UTG at six players): AKs raises 4 to 6 big
    // blinds, 72 folds.
    const struct {
        const char* cards;
        ActionKind move;
        double to;
        history::Verdict verdict;
        std::optional<history::SizeVerdict> size;
    } cases[] = {
        {"AhKh", R, 10, history::Verdict::Follows, history::SizeVerdict::Within},
        {"AhKh", R, 6, history::Verdict::Follows, history::SizeVerdict::Below},
        {"AhKh", R, 14, history::Verdict::Follows, history::SizeVerdict::Above},
        {"AhKh", C, 2, history::Verdict::Tighter, std::nullopt},
        {"AhKh", F, 0, history::Verdict::Tighter, std::nullopt},
        {"7c2d", F, 0, history::Verdict::Follows, std::nullopt},
        {"7c2d", C, 2, history::Verdict::Looser, std::nullopt},
        {"7c2d", R, 6, history::Verdict::Looser, std::nullopt},
    };
    for (const auto& c : cases) {
        const auto ds = history::gradeHand(handOf({6, 2, c.cards, {{2, c.move}}, {c.to}, false, -3}));
        ASSERT_EQ(ds.size(), 1u) << c.cards;
        const history::Decision& d = ds[0];
        EXPECT_EQ(d.seat, "UTG");
        EXPECT_EQ(d.position, Position::Early);
        EXPECT_EQ(d.verdict, c.verdict) << c.cards << " " << history::moveName(d.action);
        EXPECT_EQ(d.size, c.size) << c.cards << " to " << c.to;
        EXPECT_DOUBLE_EQ(d.toBB, c.to / 2);
        EXPECT_EQ(d.netBB, -1.5);
        EXPECT_TRUE(d.reason.empty());
    }
}

TEST(Grading, ListedButNotGraded)
{
    const struct {
        const char* name;
        Script script;
        std::string_view reason;
    } cases[] = {
        {"heads-up", {2, 1, "AhKh", {{1, R}}, {6}}, "heads-up"},
        {"straddle", {6, 3, "AhKh", {{3, R}}, {12}, true}, "straddle"},
        // Raised, late position: AJs reads the advice.
        {"advice in words", {6, 5, "AhJh", {{2, F}, {3, F}, {4, R}, {5, C}}, {0, 0, 6, 6}}, "advice in words"},
    };
    for (const auto& c : cases) {
        const auto ds = history::gradeHand(handOf(c.script));
        ASSERT_EQ(ds.size(), 1u) << c.name;
        EXPECT_EQ(ds[0].verdict, history::Verdict::Ungraded) << c.name;
        EXPECT_EQ(ds[0].reason, c.reason) << c.name;
    }
    const auto headsUp = history::gradeHand(handOf({2, 1, "AhKh", {{1, R}}, {6}}));
    EXPECT_EQ(headsUp[0].seat, "BTN");
    EXPECT_EQ(headsUp[0].position, std::nullopt);
}

TEST(Grading, NoDecisionIsListedWithoutOne)
{
    // A walk: everyone folds to the big blind, who holds known cards.
    EXPECT_TRUE(history::gradeHand(handOf({6, 1, "AhKh", {{2, F}, {3, F}, {4, F}, {5, F}, {0, F}}, {}})).empty());
    // Cards unknown: nobody to grade.
    HandHistory h = handOf({6, 2, "AhKh", {{2, R}}, {6}});
    h.players[2].cards.reset();
    EXPECT_TRUE(history::gradeHand(h).empty());
}

TEST(Grading, TheBigBlindFacingALimpChecksAsACall)
{
    const auto ds = history::gradeHand(handOf({6, 1, "7c2d", {{2, F}, {3, F}, {4, F}, {5, F}, {0, C}, {1, X}}, {0, 0, 0, 0, 2, 2}}));
    ASSERT_EQ(ds.size(), 1u);
    EXPECT_EQ(ds[0].before, PreflopAction::Limped);
    EXPECT_EQ(ds[0].action, history::Move::Check);
    EXPECT_EQ(ds[0].toBB, 0);
    EXPECT_EQ(ds[0].seat, "BB");
    // The advisor folds 72 there; the free check is no looser than that.
    EXPECT_EQ(ds[0].advice, engine::BetClass::Fold);
    EXPECT_EQ(ds[0].verdict, history::Verdict::Follows);
}

} // namespace
