// The cards window's model with several opponents and dead cards: what each
// opponent's text reads as, the request built from the whole input (the
// one-hand form kept while every opponent is random and no card is dead),
// picks into the dead cards, which requests count as the same computation,
// and the lines the state dump gains only when these are in use.

#include <gtest/gtest.h>

#include <array>
#include <sstream>
#include <vector>

#include "engine/cards/CardParser.h"
#include "engine/odds/Equity.h"
#include "tests/support/PlayerInput.h"
#include "window/cards/CardPick.h"
#include "window/cards/CardsBoardModel.h"
#include "window/cards/CardsStateDump.h"
#include "window/cards/CardsText.h"
#include "window/cards/OpponentRange.h"
#include "window/model/FrmPoker.h"

namespace {

using namespace window::cards;
using engine::cards::Card;
using engine::odds::EquityRequest;
using engine::odds::PlayerHolding;
using Kind = PlayerHolding::Kind;

Card card(std::string_view text)
{
    return engine::cards::parseCards(text).value.at(0);
}

engine::cards::Range range(std::string_view text)
{
    return engine::cards::parseRange(text).value;
}

// --- what an opponent's text reads as ---

struct RangeCase {
    std::string typed;
    bool random;         // read as a random hand
    std::string message; // a part of the message; "" for none
    double weighted;     // the range's weighted count, when a range
};

class OpponentText : public ::testing::TestWithParam<RangeCase> {};

TEST_P(OpponentText, ReadsAsRandomARangeOrWhyNot)
{
    const RangeCase& c = GetParam();
    const OpponentReading r = readOpponentRange(c.typed);
    if (c.message.empty()) {
        EXPECT_EQ(r.message, "");
    } else {
        EXPECT_NE(r.message.find(c.message), std::string::npos) << r.message;
    }
    EXPECT_EQ(!r.range.has_value(), c.random || !c.message.empty());
    if (r.range) {
        EXPECT_DOUBLE_EQ(r.range->weightedCount(), c.weighted);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, OpponentText,
                         ::testing::Values(RangeCase{"", true, "", 0}, RangeCase{" \t ", true, "", 0},
                                           RangeCase{"random", true, "", 0}, RangeCase{"Any", true, "", 0},
                                           RangeCase{"100%", true, "", 0}, RangeCase{"QQ+, AKs", false, "", 22},
                                           RangeCase{"AKs:0.5, KhKs", false, "", 3},
                                           RangeCase{"random:0.5", false, "", 663},
                                           RangeCase{"AKx", false, "\"AKx\"", 0},
                                           RangeCase{"AKs:1.5", false, "at most 1", 0},
                                           RangeCase{",", false, "empty", 0}));

TEST(OpponentText, AChartRangeIsTheChartsHands)
{
    const OpponentReading r = readOpponentRange("chart(raised, late):raise");
    ASSERT_TRUE(r.range) << r.message;
    EXPECT_EQ(r.range->combos(), range("chart(raised, late):raise").combos());
    EXPECT_FALSE(r.range->empty());
}

// --- the request built from the whole input ---

struct Typed {
    std::string hole = "AhKh";
    std::string flop;
    std::string dead;
    int opponents = 1;
    std::vector<std::string> ranges; // per opponent, from the first
};

struct RequestCase {
    const char* name;
    Typed typed;
    std::vector<Kind> players; // empty: the one-hand form (when a request is built)
    std::string dead;          // the request's dead cards, as parsed
    std::string why;           // why there is no request; "" when there is one
    std::string deadMessage = {};
};

class PlayersModel : public ::testing::Test {
protected:
    void SetUp() override
    {
        frm.Form_Load();
        testsupport::type(frm.txtBB, "2");
    }
    void enter(const Typed& t)
    {
        model.setText(CardBox::Hole, t.hole);
        model.setText(CardBox::Flop, t.flop);
        model.setText(CardBox::Dead, t.dead);
        model.setOpponents(t.opponents);
        for (std::size_t i = 0; i < t.ranges.size(); ++i)
            model.setOpponentRange(static_cast<int>(i), t.ranges[i]);
    }

    window::FrmPoker frm{{}, platform::Money::unitedStates()};
    CardsBoardModel model{frm};
};

class RequestBuilt : public PlayersModel, public ::testing::WithParamInterface<RequestCase> {};

TEST_P(RequestBuilt, FromHandBoardOpponentsAndDeadCards)
{
    const RequestCase& c = GetParam();
    enter(c.typed);
    EXPECT_EQ(model.whyNoEquity(), c.why);
    EXPECT_EQ(model.reading().box(CardBox::Dead).message, c.deadMessage);
    const auto request = model.equityRequest();
    ASSERT_EQ(request.has_value(), c.why.empty());
    if (!request)
        return;
    EXPECT_EQ(model.severalPlayers(), !c.players.empty());
    EXPECT_EQ(request->board.size(), c.typed.flop.empty() ? 0u : 3u);
    if (c.players.empty()) {
        // Exactly the request of a hand against random hands.
        EXPECT_TRUE(request->players.empty());
        EXPECT_EQ(request->opponents, c.typed.opponents);
        EXPECT_EQ(request->hand.text(), c.typed.hole);
        EXPECT_TRUE(request->dead.empty());
        EXPECT_FALSE(request->opponentRange);
        return;
    }
    ASSERT_EQ(request->players.size(), c.players.size());
    for (std::size_t i = 0; i < c.players.size(); ++i) {
        EXPECT_EQ(request->players[i].kind, c.players[i]) << "player " << i + 1;
        if (c.players[i] == Kind::Range) {
            EXPECT_EQ(request->players[i].range.combos(), range(c.typed.ranges.at(i - 1)).combos());
        }
    }
    EXPECT_EQ(request->players[0].hand.text(), c.typed.hole);
    engine::cards::CardSet dead;
    for (Card d : engine::cards::parseCards(c.dead).value)
        dead.insert(d);
    EXPECT_EQ(request->dead, dead);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RequestBuilt,
    ::testing::Values(
        RequestCase{"AllRandom", {"AhKh", "", "", 2, {}}, {}, "", ""},
        RequestCase{"RandomTypedOut", {"AhKh", "Qh Jh 2c", "", 2, {"random", " "}}, {}, "", ""},
        RequestCase{"OneRange", {"AhKh", "", "", 1, {"QQ+, AKs"}}, {Kind::Hand, Kind::Range}, "", ""},
        RequestCase{"RangeAmongRandom",
                    {"AhKh", "Qh Jh 2c", "", 3, {"", "QQ+:0.5"}},
                    {Kind::Hand, Kind::Random, Kind::Range, Kind::Random},
                    "",
                    ""},
        // Rows of opponents not in play keep their text and count for nothing.
        RequestCase{"RangeOutOfPlay", {"AhKh", "", "", 2, {"", "", "QQ+"}}, {}, "", ""},
        RequestCase{"BadRangeOutOfPlay", {"AhKh", "", "", 1, {"", "AKx"}}, {}, "", ""},
        RequestCase{"DeadCardsAlone", {"AhKh", "", "3c", 2, {}}, {Kind::Hand, Kind::Random, Kind::Random}, "3c", ""},
        RequestCase{"DeadCardsAndARange",
                    {"AhKh", "Qh Jh 2c", "3c,9d", 1, {"22+"}},
                    {Kind::Hand, Kind::Range},
                    "3c 9d",
                    ""},
        RequestCase{"DeadCardInTheHand",
                    {"AhKh", "", "3c Ah", 1, {}},
                    {},
                    "",
                    "Correct the dead cards for the equity.",
                    "\"Ah\" is already in the hole cards"},
        RequestCase{"DeadCardOnTheFlop",
                    {"AhKh", "Qh Jh 2c", "2c", 1, {}},
                    {},
                    "",
                    "Correct the dead cards for the equity.",
                    "\"2c\" is already in the flop"},
        RequestCase{"DeadTextNotCards",
                    {"AhKh", "", "3x", 1, {}},
                    {},
                    "",
                    "Correct the dead cards for the equity.",
                    "\"3x\" is not a card"},
        RequestCase{"BadRange",
                    {"AhKh", "", "", 2, {"QQ+", "AKx"}},
                    {},
                    "",
                    "Correct opponent 2's range for the equity."},
        RequestCase{"NoHand", {"Ah", "", "", 1, {"QQ+"}}, {}, "", "Type or pick two hole cards for their equity."}),
    [](const ::testing::TestParamInfo<RequestCase>& param) { return std::string(param.param.name); });

// The request reaches the engine whole: the hand first, the range's
// combinations, the dead cards taken out of it.
TEST_F(PlayersModel, TheEngineCountsTheRangeWithoutTheDeadCards)
{
    struct Case {
        std::string dead;
        double equity;
    } cases[] = {{"", 0.5}, {"Kh", 1.0}, {"Qd", 0.0}};
    for (const Case& c : cases) {
        enter({"AhAd", "Kc 7s 2d", c.dead, 1, {"KhKd, QhQd"}});
        model.setText(CardBox::Turn, "9h");
        model.setText(CardBox::River, "3c");
        const auto request = model.equityRequest();
        ASSERT_TRUE(request) << model.whyNoEquity();
        const auto result = engine::odds::computeEquity(*request);
        ASSERT_EQ(result.status, engine::odds::EquityStatus::Done) << result.error;
        ASSERT_EQ(result.players.size(), 2u);
        EXPECT_DOUBLE_EQ(result.players[0].equity, c.equity) << "dead " << c.dead;
        EXPECT_DOUBLE_EQ(result.players[1].equity, 1.0 - c.equity) << "dead " << c.dead;
    }
}

// The range grid's chart choosers start from the main window's situation.
TEST_F(PlayersModel, TheChartSituationIsTheMainWindows)
{
    struct Case {
        platform::OptionButton* action;
        platform::OptionButton* position;
        const char* limpers;
        engine::PreflopAction wantedAction;
        engine::Position wantedPosition;
        double wantedLimpers;
    } cases[] = {
        {&frm.optRaised, &frm.optLate, "", engine::PreflopAction::Raised, engine::Position::Late, 1},
        {&frm.optLimped, &frm.optBlinds, "3", engine::PreflopAction::Limped, engine::Position::Blinds, 3},
        {&frm.optRaiseReRaise, &frm.optEarly, "", engine::PreflopAction::ReRaised, engine::Position::Early, 1},
    };
    for (const Case& c : cases) {
        testsupport::click(*c.action);
        testsupport::click(*c.position);
        frm.txtLimpers.setText(c.limpers);
        const engine::ChartSituation s = model.chartSituation();
        EXPECT_EQ(s.action, c.wantedAction);
        EXPECT_EQ(s.position, c.wantedPosition);
        EXPECT_DOUBLE_EQ(s.limpers, c.wantedLimpers);
        EXPECT_DOUBLE_EQ(s.bigBlind, 2.0);
    }
}

// --- picks into the dead cards ---

TEST(DeadCardPick, GoesAmongTheDeadCardsWhenAskedAndComesOutAgain)
{
    struct Case {
        std::string hole;
        std::string dead;
        const char* picked;
        bool intoDead;
        std::string holeAfter;
        std::string deadAfter;
        std::string refused; // a part of the refusal
    } cases[] = {
        {"", "", "3c", true, "", "3c", ""},
        {"Ah", "3c, ", "9d", true, "Ah", "3c 9d", ""},
        {"Ah", "3c", "9d", false, "Ah 9d", "3c", ""},     // the hand first, as before
        {"Ah", "3c 9d", "3c", false, "Ah", "9d", ""},     // a dead card picked comes out
        {"Ah", "3c 9d", "Ah", true, "", "3c 9d", ""},     // so does a card in use elsewhere
        {"Ah", "3x", "9d", true, "Ah", "3x", "Correct the dead cards first: \"3x\" is not a card"},
        {"Ah", "Ah", "9d", true, "Ah", "Ah", "Correct the dead cards first: \"Ah\" is already in the hole cards"},
    };
    for (const Case& c : cases) {
        CardsInput in;
        in.text(CardBox::Hole) = c.hole;
        in.dead = c.dead;
        const std::string refused = pickCard(in, readCards(in), card(c.picked), c.intoDead);
        const std::string label = c.hole + " | " + c.dead + " <- " + c.picked;
        EXPECT_EQ(in.text(CardBox::Hole), c.holeAfter) << label;
        EXPECT_EQ(in.dead, c.deadAfter) << label;
        if (c.refused.empty()) {
            EXPECT_EQ(refused, "") << label;
        } else {
            EXPECT_NE(refused.find(c.refused), std::string::npos) << label << ": " << refused;
        }
        if (c.refused.empty() && c.intoDead && c.picked != c.hole) {
            EXPECT_EQ(readCards(in).ownerOf(card(c.picked)), CardBox::Dead) << label;
        }
    }
}

TEST_F(PlayersModel, PicksFollowTheBoxInUse)
{
    enter({"Ah", "", "", 1, {}});
    model.setDeadCardsInUse(true);
    EXPECT_EQ(model.pick(card("3c")), "");
    EXPECT_EQ(model.input().dead, "3c");
    EXPECT_EQ(model.reading().ownerOf(card("3c")), CardBox::Dead);
    EXPECT_TRUE(model.severalPlayers()); // the dead card counts at once
    model.setDeadCardsInUse(false);
    EXPECT_EQ(model.pick(card("Kd")), "");
    EXPECT_EQ(model.input().text(CardBox::Hole), "Ah Kd");
}

// --- the same computation or not ---

EquityRequest severalPlayers()
{
    EquityRequest r;
    r.players = {PlayerHolding::ofHand({card("Ah"), card("Kh")}), PlayerHolding::ofRange(range("QQ+, AKs")),
                 PlayerHolding::random()};
    r.board = {card("Qh"), card("Jh"), card("2c")};
    r.dead.insert(card("3c"));
    return r;
}

EquityRequest oneHand()
{
    EquityRequest r;
    r.hand = {card("Ah"), card("Kh")};
    r.opponents = 2;
    return r;
}

EquityRequest oneHandAgainstARange()
{
    EquityRequest r = oneHand();
    r.opponents = 1;
    r.opponentRange = range("QQ+");
    return r;
}

struct SameCase {
    const char* name;
    EquityRequest (*base)();
    void (*change)(EquityRequest&);
    bool same;
};

class Same : public ::testing::TestWithParam<SameCase> {};

TEST_P(Same, ComparesEverythingTheComputationReads)
{
    const SameCase& c = GetParam();
    const EquityRequest a = c.base();
    EquityRequest b = a;
    c.change(b);
    EXPECT_EQ(sameComputation(a, b), c.same);
    EXPECT_EQ(sameComputation(b, a), c.same);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Same,
    ::testing::Values(
        SameCase{"Unchanged", severalPlayers, [](EquityRequest&) {}, true},
        SameCase{"OtherSeed", severalPlayers, [](EquityRequest& r) { r.seed = 99; }, true},
        SameCase{"RangeReadAgain", severalPlayers,
                 [](EquityRequest& r) { r.players[1] = PlayerHolding::ofRange(range("QQ+,AKs")); }, true},
        SameCase{"OtherRange", severalPlayers,
                 [](EquityRequest& r) { r.players[1] = PlayerHolding::ofRange(range("JJ+, AKs")); }, false},
        SameCase{"OtherWeight", severalPlayers,
                 [](EquityRequest& r) { r.players[1] = PlayerHolding::ofRange(range("QQ+, AKs:0.5")); }, false},
        SameCase{"RangeForRandom", severalPlayers,
                 [](EquityRequest& r) { r.players[2] = PlayerHolding::ofRange(range("22+")); }, false},
        SameCase{"OtherHand", severalPlayers,
                 [](EquityRequest& r) { r.players[0] = PlayerHolding::ofHand({card("Ah"), card("Qh")}); }, false},
        SameCase{"OneMorePlayer", severalPlayers,
                 [](EquityRequest& r) { r.players.push_back(PlayerHolding::random()); }, false},
        SameCase{"OtherDeadCard", severalPlayers,
                 [](EquityRequest& r) { r.dead = engine::cards::CardSet{card("4c")}; }, false},
        SameCase{"NoDeadCard", severalPlayers, [](EquityRequest& r) { r.dead = {}; }, false},
        SameCase{"OtherBoard", severalPlayers, [](EquityRequest& r) { r.board.pop_back(); }, false},
        SameCase{"OneHandUnchanged", oneHand, [](EquityRequest&) {}, true},
        SameCase{"OneHandOtherOpponents", oneHand, [](EquityRequest& r) { r.opponents = 3; }, false},
        SameCase{"OneHandDeadCard", oneHand, [](EquityRequest& r) { r.dead.insert(card("3c")); }, false},
        SameCase{"OneHandAgainstARange", oneHand, [](EquityRequest& r) { r.opponentRange = range("QQ+"); }, false},
        SameCase{"OneHandTheSameRange", oneHandAgainstARange,
                 [](EquityRequest& r) { r.opponentRange = range("QQ+"); }, true},
        SameCase{"OneHandOtherWeight", oneHandAgainstARange,
                 [](EquityRequest& r) { r.opponentRange = range("QQ+:0.5"); }, false},
        SameCase{"OneHandAsSeveralPlayers", oneHand,
                 [](EquityRequest& r) {
                     r.players = {PlayerHolding::ofHand(r.hand), PlayerHolding::random(), PlayerHolding::random()};
                 },
                 false}),
    [](const ::testing::TestParamInfo<SameCase>& param) { return std::string(param.param.name); });

// --- the state dump ---

std::vector<std::string> names(const std::string& dump)
{
    std::vector<std::string> out;
    std::istringstream lines(dump);
    for (std::string line; std::getline(lines, line);)
        out.push_back(line.substr(0, line.find('\t')));
    return out;
}

TEST_F(PlayersModel, TheDumpGainsLinesOnlyForWhatIsInUse)
{
    const std::vector<std::string> plain = {"hole",  "hole message",  "flop",     "flop message", "turn",
                                            "turn message", "river", "river message", "opponents", "category",
                                            "outs", "equity", "method"};
    enter({"AhKh", "", "", 2, {}});
    engine::odds::EquityResult oneHandResult;
    oneHandResult.win = 0.5;
    EXPECT_EQ(names(cardsStateDump(model, &oneHandResult)), plain);
    // A range on an opponent out of play is not in use.
    model.setOpponentRange(2, "QQ+");
    EXPECT_EQ(names(cardsStateDump(model, nullptr)), plain);

    model.setOpponentRange(1, "AKx");
    model.setText(CardBox::Dead, "3c");
    engine::odds::EquityResult result;
    result.method = engine::odds::EquityMethod::Exact;
    result.players = {{0.25, 0.5, 0.5, 0}, {0.25, 0.5, 0.5, 0}, {0, 0, 0, 0}};
    const std::string dump = cardsStateDump(model, &result);
    std::vector<std::string> expected = plain;
    for (const char* more : {"opponent 1 range", "opponent 1 range message", "opponent 2 range",
                             "opponent 2 range message", "dead", "dead message", "player 1 equity",
                             "player 2 equity", "player 3 equity"})
        expected.push_back(more);
    EXPECT_EQ(names(dump), expected);
    EXPECT_NE(dump.find("opponent 1 range\t\n"), std::string::npos) << dump;
    EXPECT_NE(dump.find("opponent 2 range\tAKx\nopponent 2 range message\t\"AKx\""), std::string::npos) << dump;
    EXPECT_NE(dump.find("dead\t3c\ndead message\t\n"), std::string::npos) << dump;
    EXPECT_NE(dump.find("player 2 equity\t" + equityLine(result.players[1], result.method) + "\n"), std::string::npos)
        << dump;
}

} // namespace

// --- what the range analysis is asked about ---

struct AnalysisCase {
    const char* name;
    std::array<std::string, 5> boxes; // hole cards, flop, turn, river, dead cards
    int opponents;
    std::vector<std::string> ranges; // per opponent, from the first
    std::string hand;                // expected; "" for none
    std::string board;
    std::string dead;
    int opponent;          // expected, from 0; -1 for none
    std::string range;     // the range expected, in notation; "" for an empty one
    std::string rangeText; // as it is shown
    std::string title;     // a part of the title
};

class AnalysisAsked : public PlayersModel, public ::testing::WithParamInterface<AnalysisCase> {};

TEST_P(AnalysisAsked, FromTheHandTheBoardTheDeadCardsAndTheFirstRange)
{
    const AnalysisCase& c = GetParam();
    for (CardBox box : kEveryCardBox)
        model.setText(box, c.boxes[static_cast<std::size_t>(box)]);
    model.setOpponents(c.opponents);
    for (std::size_t i = 0; i < c.ranges.size(); ++i)
        model.setOpponentRange(static_cast<int>(i), c.ranges[i]);

    const RangeAnalysisSubject subject = model.rangeAnalysis();
    const RangeAnalysisInput& in = subject.input;
    EXPECT_EQ(in.hand ? in.hand->text() : std::string(), c.hand);
    EXPECT_EQ(in.board, engine::cards::parseCards(c.board).value);
    engine::cards::CardSet dead;
    for (Card d : engine::cards::parseCards(c.dead).value)
        dead.insert(d);
    EXPECT_EQ(in.dead, dead);
    EXPECT_EQ(subject.opponent.value_or(-1), c.opponent);
    const engine::cards::Range expected = c.range.empty() ? engine::cards::Range() : range(c.range);
    EXPECT_EQ(in.range.combos(), expected.combos());
    EXPECT_EQ(in.range.weights(), expected.weights());
    EXPECT_EQ(in.rangeText, c.rangeText);
    const std::string title = rangeAnalysisTitle(subject);
    EXPECT_NE(title.find(c.title), std::string::npos) << title;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AnalysisAsked,
    ::testing::Values(
        AnalysisCase{"NoHand", {"", "", "", "", ""}, 1, {}, "", "", "", -1, "", "", "No opponent holds a range"},
        AnalysisCase{"HandOnly", {"AhKh", "", "", "", ""}, 1, {}, "AhKh", "", "", -1, "", "", "No opponent"},
        AnalysisCase{"HalfAHand", {"Ah", "", "", "", ""}, 1, {"QQ+"}, "", "", "", 0, "QQ+", "QQ+",
                     "Against opponent 1: QQ+"},
        AnalysisCase{"RangeOnOpponentThreeOnly", {"AhKh", "", "", "", ""}, 3, {"", "", "QQ+, AK"}, "AhKh", "", "",
                     2, "QQ+, AK", "QQ+, AK", "Against opponent 3: QQ+, AK"},
        AnalysisCase{"RangeOnAnOpponentOutOfPlay", {"AhKh", "", "", "", ""}, 2, {"", "", "QQ+"}, "AhKh", "", "", -1,
                     "", "", "No opponent"},
        AnalysisCase{"TheFirstOfTwoRanges", {"AhKh", "", "", "", ""}, 3, {"", " JJ:0.5 ", "QQ+"}, "AhKh", "", "", 1,
                     "JJ:0.5", "JJ:0.5", "Against opponent 2: JJ:0.5"},
        AnalysisCase{"PastRandomAndUnreadableTexts", {"AhKh", "", "", "", ""}, 3,
                     {"random", "AKx", "chart(raised, late):raise"}, "AhKh", "", "", 2, "chart(raised, late):raise", "chart(raised, late):raise", "opponent 3"},
        AnalysisCase{"DeadCards", {"AhKh", "", "", "", "3c 9d"}, 1, {"TT+"}, "AhKh", "", "3c 9d", 0, "TT+", "TT+",
                     "opponent 1"},
        AnalysisCase{"RefusedDeadCardsCountForNothing", {"AhKh", "", "", "", "Ah"}, 1, {"TT+"}, "AhKh", "", "", 0,
                     "TT+", "TT+", "opponent 1"},
        AnalysisCase{"Flop", {"AhKh", "Qh Jh 2c", "", "", ""}, 1, {"TT+"}, "AhKh", "QhJh2c", "", 0, "TT+", "TT+",
                     "opponent 1"},
        AnalysisCase{"Turn", {"AhKh", "Qh Jh 2c", "9h", "", "3c"}, 1, {"TT+"}, "AhKh", "QhJh2c9h", "3c", 0, "TT+",
                     "TT+", "opponent 1"},
        AnalysisCase{"River", {"AhKh", "Qh Jh 2c", "9h", "3s", ""}, 2, {"", "TT+"}, "AhKh", "QhJh2c9h3s", "", 1,
                     "TT+", "TT+", "opponent 2"},
        AnalysisCase{"ATurnWithoutAFlopIsNoBoard", {"AhKh", "", "9h", "", ""}, 1, {}, "AhKh", "", "", -1, "", "",
                     "No opponent"}),
    [](const ::testing::TestParamInfo<AnalysisCase>& param) { return std::string(param.param.name); });
