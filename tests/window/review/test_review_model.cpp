// The review's pieces that draw nothing: the colours by share, the table of
// situations, the list's texts and filters, a hand told street by street, a
// decision's situation for the main window, and an import's result.

#include <gtest/gtest.h>

#include <variant>

#include "engine/Hand.h"
#include "window/review/DecisionEntry.h"
#include "window/review/DifferenceList.h"
#include "window/review/HandDetail.h"
#include "window/review/ImportText.h"
#include "window/review/ReviewText.h"
#include "window/review/ShareColour.h"
#include "window/review/SituationGrid.h"

namespace {

using namespace window::review;
using engine::Position;
using engine::PreflopAction;
using history::Verdict;

// ---- colours ---------------------------------------------------------------

TEST(ShareColour, RunsFromRedThroughAmberToGreen)
{
    const Rgb none = shareColour(0.0), half = shareColour(0.5), all = shareColour(1.0);
    EXPECT_GT(none.red, 2 * none.green);                     // red
    EXPECT_GT(half.red, half.blue + 100);                    // amber: red and green, little blue
    EXPECT_GT(half.green, half.blue + 100);
    EXPECT_GT(all.green, 2 * all.red);                       // green
    // Each step on the way moves the same way: more green up to amber, less red after it.
    for (int i = 1; i <= 100; ++i) {
        const Rgb before = shareColour((i - 1) / 100.0), now = shareColour(i / 100.0);
        if (i <= 50)
            EXPECT_GE(now.green, before.green) << i;
        else
            EXPECT_LE(now.red, before.red) << i;
    }
}

struct ColourCase {
    std::optional<double> share;
    std::optional<double> sameAs; // none: the colour of no graded hand
};

class ShareColourCases : public ::testing::TestWithParam<ColourCase> {};

TEST_P(ShareColourCases, OutOfRangeIsClampedAndNothingGradedIsGrey)
{
    const ColourCase& c = GetParam();
    const Rgb expected = c.sameAs ? shareColour(*c.sameAs) : kUngradedColour;
    EXPECT_EQ(shareColour(c.share), expected);
}

INSTANTIATE_TEST_SUITE_P(Shares, ShareColourCases,
                         ::testing::Values(ColourCase{-0.5, 0.0}, ColourCase{1.7, 1.0}, ColourCase{std::nullopt, {}},
                                           ColourCase{std::numeric_limits<double>::quiet_NaN(), {}}));

TEST(ShareColour, LegendStopsAreInOrderAndDistinct)
{
    for (std::size_t i = 1; i < kLegendStops.size(); ++i) {
        EXPECT_LT(kLegendStops[i - 1].share, kLegendStops[i].share);
        EXPECT_NE(shareColour(kLegendStops[i - 1].share), shareColour(kLegendStops[i].share));
    }
}

// ---- the table of situations -----------------------------------------------

store::SituationSummary summary(PreflopAction before, std::optional<Position> position, std::uint64_t hands,
                                std::uint64_t graded, std::uint64_t followed)
{
    store::SituationSummary s;
    s.before = before;
    s.position = position;
    s.hands = hands;
    s.graded = graded;
    s.followed = followed;
    return s;
}

TEST(SituationGrid, PlacesEachSummaryInItsCellAndKeepsHeadsUpApart)
{
    const SituationGrid grid({summary(PreflopAction::Opened, Position::Late, 8, 8, 6),
                              summary(PreflopAction::Raised, Position::Blinds, 3, 2, 0),
                              summary(PreflopAction::Opened, std::nullopt, 5, 0, 0),
                              summary(PreflopAction::Limped, Position::Early, 2, 0, 0)});
    EXPECT_EQ(grid.cell(PreflopAction::Opened, Position::Late).hands, 8u);
    EXPECT_EQ(grid.cell(PreflopAction::Opened, Position::Late).share(), 0.75);
    EXPECT_EQ(grid.cell(PreflopAction::Raised, Position::Blinds).share(), 0.0);
    EXPECT_EQ(grid.cell(PreflopAction::Limped, Position::Early).share(), std::nullopt);
    EXPECT_EQ(grid.cell(PreflopAction::Limped, Position::Early).colour(), kUngradedColour);
    EXPECT_EQ(grid.cell(PreflopAction::Opened, Position::Early).hands, 0u);
    EXPECT_EQ(grid.headsUp().hands, 5u);
    EXPECT_EQ(grid.total().hands, 18u);
    EXPECT_EQ(grid.total().followed, 6u);
}

struct CellTextCase {
    std::uint64_t hands, graded, followed;
    const char* text;
};

class CellText : public ::testing::TestWithParam<CellTextCase> {};

TEST_P(CellText, CountsHandsAndTheShareFollowed)
{
    const CellTextCase& c = GetParam();
    EXPECT_EQ((GridCell{c.hands, c.graded, c.followed}.text()), c.text);
}

INSTANTIATE_TEST_SUITE_P(Cells, CellText,
                         ::testing::Values(CellTextCase{0, 0, 0, ""}, CellTextCase{1, 1, 1, "1 hand\n100% followed"},
                                           CellTextCase{12, 9, 6, "12 hands\n67% followed"},
                                           CellTextCase{3, 0, 0, "3 hands\nnot graded"},
                                           CellTextCase{200, 200, 1, "200 hands\n1% followed"}));

TEST(SituationGrid, BigBlindsPer100ByPositionFollowedAgainstNot)
{
    auto early = summary(PreflopAction::Opened, Position::Early, 10, 10, 4);
    early.followedNetBB = 6;
    early.followedWithNet = 4;
    early.otherNetBB = -9;
    early.otherWithNet = 6;
    auto early2 = summary(PreflopAction::Raised, Position::Early, 2, 2, 0);
    early2.otherNetBB = -3;
    early2.otherWithNet = 2;
    auto headsUp = summary(PreflopAction::Opened, std::nullopt, 5, 5, 5);
    headsUp.followedNetBB = 500;
    headsUp.followedWithNet = 5;
    const SituationGrid grid({early, early2, headsUp});
    EXPECT_DOUBLE_EQ(*grid.result(Position::Early).followedPer100, 150.0); // 6 BB over 4 hands
    EXPECT_DOUBLE_EQ(*grid.result(Position::Early).otherPer100, -150.0);   // -12 BB over 8 hands
    EXPECT_FALSE(grid.result(Position::Late).followedPer100);
    EXPECT_FALSE(grid.result(Position::Late).otherPer100);
}

// ---- the list --------------------------------------------------------------

history::Decision decision(PreflopAction before, std::optional<Position> position, Verdict verdict)
{
    history::Decision d;
    d.player = "Hero";
    d.before = before;
    d.position = position;
    d.verdict = verdict;
    d.handIndex = engine::handIndex("AK");
    d.players = 6;
    d.seat = "CO";
    d.bigBlind = 1;
    return d;
}

store::DecisionRow row(std::int64_t id, history::Decision d)
{
    return {id, "PokerStars", std::to_string(1000 + id), std::move(d)};
}

std::vector<store::DecisionRow> sampleRows()
{
    return {row(1, decision(PreflopAction::Opened, Position::Late, Verdict::Follows)),
            row(2, decision(PreflopAction::Opened, Position::Late, Verdict::Looser)),
            row(3, decision(PreflopAction::Raised, Position::Late, Verdict::Tighter)),
            row(4, decision(PreflopAction::Opened, Position::Early, Verdict::Tighter)),
            row(5, decision(PreflopAction::Opened, std::nullopt, Verdict::Ungraded)),
            row(6, decision(PreflopAction::Raised, Position::Late, Verdict::Tighter))};
}

struct FilterCase {
    const char* name;
    ReviewFilter filter;
    std::vector<std::int64_t> shown;
};

class ListFilter : public ::testing::TestWithParam<FilterCase> {};

TEST_P(ListFilter, ShowsTheRowsOfTheSituationAndVerdictInTheStoresOrder)
{
    DifferenceList list;
    list.setFilter(GetParam().filter); // kept across new rows
    list.setRows(sampleRows());
    std::vector<std::int64_t> shown;
    for (std::size_t i = 0; i < list.size(); ++i)
        shown.push_back(list.row(i).handId);
    EXPECT_EQ(shown, GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Filters, ListFilter,
    ::testing::Values(
        FilterCase{"all", {}, {1, 2, 3, 4, 5, 6}},
        FilterCase{"tighter", {std::nullopt, Verdict::Tighter}, {3, 4, 6}},
        FilterCase{"looser", {std::nullopt, Verdict::Looser}, {2}},
        FilterCase{"ungraded", {std::nullopt, Verdict::Ungraded}, {5}},
        FilterCase{"openedLate", {SituationChoice{PreflopAction::Opened, Position::Late}, std::nullopt}, {1, 2}},
        FilterCase{"raisedLateTighter", {SituationChoice{PreflopAction::Raised, Position::Late}, Verdict::Tighter}, {3, 6}},
        FilterCase{"openedHeadsUp", {SituationChoice{PreflopAction::Opened, std::nullopt}, std::nullopt}, {5}},
        FilterCase{"nothing", {SituationChoice{PreflopAction::ReRaised, Position::Blinds}, std::nullopt}, {}}),
    [](const auto& c) { return std::string(c.param.name); });

TEST(ListFilter, SituationChoicesCoverEveryCellOnceAndHeadsUp)
{
    const auto choices = situationChoices();
    EXPECT_EQ(choices.size(), kGridRows * kGridColumns + kGridRows);
    for (std::size_t i = 0; i < choices.size(); ++i)
        for (std::size_t j = i + 1; j < choices.size(); ++j)
            EXPECT_FALSE(choices[i] == choices[j]) << situationCaption(choices[i]);
    EXPECT_EQ(situationCaption({PreflopAction::RaisedCalled, Position::Middle}), "Raise and Call, Middle");
    EXPECT_EQ(situationCaption({PreflopAction::Opened, std::nullopt}), "Opened, heads-up");
}

struct TextCase {
    const char* name;
    history::Decision d;
    DifferenceColumn column;
    const char* text;
};

history::Decision with(history::Decision d, auto change)
{
    change(d);
    return d;
}

const history::Decision base = decision(PreflopAction::Opened, Position::Late, Verdict::Follows);

class ListText : public ::testing::TestWithParam<TextCase> {};

TEST_P(ListText, WritesEachColumn)
{
    DifferenceList list;
    list.setRows({row(7, GetParam().d)});
    EXPECT_EQ(list.text(0, GetParam().column), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Columns, ListText,
    ::testing::Values(
        TextCase{"hand", base, DifferenceColumn::Hand, "PokerStars #1007"},
        TextCase{"seat", base, DifferenceColumn::Seat, "CO of 6"},
        TextCase{"fold", base, DifferenceColumn::Played, "fold"},
        TextCase{"raise", with(base, [](auto& d) { d.action = history::Move::Raise; d.toBB = 2.5; }),
                 DifferenceColumn::Played, "raise to 2.5 BB"},
        TextCase{"call", with(base, [](auto& d) { d.action = history::Move::Call; d.toBB = 1; }),
                 DifferenceColumn::Played, "call 1 BB"},
        TextCase{"adviceRange",
                 with(base, [](auto& d) { d.advice = engine::BetClass::Raise; d.adviceLowBB = 3; d.adviceHighBB = 4; }),
                 DifferenceColumn::Advised, "raise 3-4 BB"},
        TextCase{"adviceOneAmount",
                 with(base, [](auto& d) { d.advice = engine::BetClass::Raise; d.adviceLowBB = 3; d.adviceHighBB = 3; }),
                 DifferenceColumn::Advised, "raise 3 BB"},
        TextCase{"adviceWords", base, DifferenceColumn::Advised, "read the advice"},
        TextCase{"limpers", with(base, [](auto& d) { d.before = PreflopAction::Limped; d.limpers = 2; }),
                 DifferenceColumn::Before, "Limped (2 limpers)"},
        TextCase{"ungraded", with(base, [](auto& d) { d.verdict = Verdict::Ungraded; d.reason = "heads-up"; }),
                 DifferenceColumn::Verdict, "Ungraded: heads-up"},
        TextCase{"sizeBelow", with(base, [](auto& d) { d.size = history::SizeVerdict::Below; }),
                 DifferenceColumn::Verdict, "Follows (raise below)"},
        TextCase{"sizeWithin", with(base, [](auto& d) { d.size = history::SizeVerdict::Within; }),
                 DifferenceColumn::Verdict, "Follows"},
        TextCase{"netWon", with(base, [](auto& d) { d.netBB = 3.5; }), DifferenceColumn::Net, "+3.5"},
        TextCase{"netLost", with(base, [](auto& d) { d.netBB = -0.5; }), DifferenceColumn::Net, "-0.5"},
        TextCase{"netUnknown", base, DifferenceColumn::Net, ""}),
    [](const auto& c) { return std::string(c.param.name); });

TEST(ListText, SortsTheHandAndTheResultAsNumbers)
{
    DifferenceList list;
    auto won = row(1, with(base, [](auto& d) { d.netBB = 12.5; }));
    won.handNumber = "208871235711";
    auto odd = row(2, base);
    odd.handNumber = "T-17";
    list.setRows({won, odd});
    EXPECT_EQ(list.numericValue(0, DifferenceColumn::Hand), 208871235711.0);
    EXPECT_EQ(list.numericValue(0, DifferenceColumn::Net), 12.5);
    EXPECT_EQ(list.numericValue(1, DifferenceColumn::Hand), std::nullopt);
    EXPECT_EQ(list.numericValue(1, DifferenceColumn::Net), std::nullopt);
    EXPECT_EQ(list.numericValue(0, DifferenceColumn::Cards), std::nullopt);
}

// ---- numbers ---------------------------------------------------------------

struct MoneyCase {
    double value;
    const char* currency;
    const char* text;
};

class MoneyText : public ::testing::TestWithParam<MoneyCase> {};

TEST_P(MoneyText, WholeAmountsWithoutCentsOthersWithBoth)
{
    EXPECT_EQ(money(GetParam().value, GetParam().currency), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Amounts, MoneyText,
                         ::testing::Values(MoneyCase{1, "$", "$1"}, MoneyCase{0.5, "$", "$0.50"},
                                           MoneyCase{95.5, "$", "$95.50"}, MoneyCase{2.25, "€", "€2.25"},
                                           MoneyCase{-0.5, "$", "-$0.50"}, MoneyCase{-0.001, "$", "$0"},
                                           MoneyCase{400, "", "400"}, MoneyCase{12.5, "", "12.5"},
                                           MoneyCase{1e6, "$", "$1000000"}));

TEST(NumberText, DropsTrailingZerosAndNeverWritesMinusZero)
{
    EXPECT_EQ(number(3.0, 1), "3");
    EXPECT_EQ(number(2.54, 1), "2.5");
    EXPECT_EQ(number(-0.04, 1), "0");
    EXPECT_EQ(signedNumber(1.5, 1), "+1.5");
    EXPECT_EQ(signedNumber(-2, 1), "-2");
    EXPECT_EQ(signedNumber(0.01, 1), "0");
}

// ---- a decision in the main window -----------------------------------------

TEST(DecisionEntry, TakesTheHandClassPositionActionLimpersAndBigBlind)
{
    auto d = with(base, [](auto& x) {
        x.handIndex = engine::handIndex("T9s");
        x.before = PreflopAction::Limped;
        x.limpers = 3;
        x.position = Position::Middle;
        x.bigBlind = 0.5;
    });
    const auto entry = situationOf(d);
    const auto* s = std::get_if<DecisionSituation>(&entry);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->hand, "T9s");
    EXPECT_EQ(s->situation.action, PreflopAction::Limped);
    EXPECT_EQ(s->situation.position, Position::Middle);
    EXPECT_EQ(s->situation.limpers, 3.0);
    EXPECT_EQ(s->situation.bigBlind, 0.5);
}

TEST(DecisionEntry, HeadsUpAndUnknownCardsAreNotEnteredAndSayWhy)
{
    const auto headsUp = situationOf(with(base, [](auto& d) { d.position.reset(); }));
    ASSERT_TRUE(std::holds_alternative<std::string>(headsUp));
    EXPECT_NE(std::get<std::string>(headsUp).find("heads-up"), std::string::npos);
    const auto noCards = situationOf(with(base, [](auto& d) { d.handIndex = -1; }));
    ASSERT_TRUE(std::holds_alternative<std::string>(noCards));
}

struct BigBlindCase {
    double bigBlind;
    double entered;
};

class EnteredBigBlind : public ::testing::TestWithParam<BigBlindCase> {};

TEST_P(EnteredBigBlind, IsTheHandsToTheCentOrOneWhenTheBoxCannotTakeIt)
{
    EXPECT_DOUBLE_EQ(bigBlindToEnter(GetParam().bigBlind), GetParam().entered);
}

INSTANTIATE_TEST_SUITE_P(BigBlinds, EnteredBigBlind,
                         ::testing::Values(BigBlindCase{1, 1}, BigBlindCase{0.02, 0.02}, BigBlindCase{400, 400},
                                           BigBlindCase{1.234, 1.23}, BigBlindCase{0, 1}, BigBlindCase{-3, 1},
                                           BigBlindCase{0.001, 1}, BigBlindCase{1e12, 1},
                                           BigBlindCase{std::numeric_limits<double>::quiet_NaN(), 1}));

// ---- a hand street by street -----------------------------------------------

history::Card card(const char* text)
{
    const int rank = static_cast<int>(std::string_view(engine::cards::kRankChars).find(text[0]));
    const int suit = static_cast<int>(std::string_view(engine::cards::kSuitChars).find(text[1]));
    return history::Card(rank, suit);
}

history::HandHistory playedHand()
{
    history::HandHistory h;
    h.site = "PokerStars";
    h.handNumber = "42";
    h.table = "Alcyone IV";
    h.currency = "$";
    h.smallBlind = 0.5;
    h.bigBlind = 1;
    h.players = {{"Small", 1, 100, std::nullopt, -1}, {"Big", 2, 95.5, std::nullopt, -4},
                 {"Hero", 3, 120, history::HoleCards(card("Ah"), card("Kd")), 5}};
    using K = history::ActionKind;
    using S = history::Street;
    h.actions = {{S::Preflop, 0, K::SmallBlind, 0.5, 0.5}, {S::Preflop, 1, K::BigBlind, 1, 1},
                 {S::Preflop, 2, K::Raise, 3, 3},           {S::Preflop, 0, K::Call, 2.5, 3},
                 {S::Preflop, 1, K::Call, 2, 3},            {S::Flop, 0, K::Check},
                 {S::Flop, 1, K::Bet, 1, 1},                {S::Flop, 2, K::Call, 1, 1},
                 {S::Flop, 0, K::Fold},                     {S::Turn, 1, K::Check},
                 {S::Turn, 2, K::Bet, 116, 116, true},      {S::Turn, 1, K::Fold}};
    h.board = {card("Qh"), card("Jh"), card("2c"), card("7d")};
    return h;
}

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> out;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        out.push_back(text.substr(start, end - start));
    out.push_back(text.substr(start));
    return out;
}

TEST(HandDetail, TellsTheHandStreetByStreet)
{
    const std::vector<std::string> expected{
        "PokerStars hand #42, table 'Alcyone IV'",
        "Blinds $0.50/$1",
        "Players: Small $100 (small blind); Big $95.50 (big blind); Hero $120 (button)",
        "Cards: Hero Ah Kd",
        "Pre-flop: Small posts the small blind $0.50; Big posts the big blind $1; Hero raises to $3; "
        "Small calls $2.50; Big calls $2",
        "Flop [Qh Jh 2c]: Small checks; Big bets $1; Hero calls $1; Small folds",
        "Turn [7d]: Big checks; Hero bets $116, all-in; Big folds",
        "Board: Qh Jh 2c 7d",
        "Result: Small -$1 (-1 BB); Big -$4 (-4 BB); Hero +$5 (+5 BB)"};
    EXPECT_EQ(lines(handDetailText(playedHand())), expected);
}

TEST(HandDetail, HeadsUpChipsAndWhatTheFileDoesNotTell)
{
    history::HandHistory h = playedHand();
    h.currency = "";
    h.site = "";
    h.handNumber = "";
    h.table = "";
    h.smallBlind = 50;
    h.bigBlind = 100;
    h.ante = 10;
    h.players.erase(h.players.begin());
    for (auto& p : h.players)
        p.net.reset();
    h.actions = {{history::Street::Preflop, 0, history::ActionKind::BigBlind, 100, 100},
                 {history::Street::Preflop, 1, history::ActionKind::Fold}};
    h.board.clear();
    const auto got = lines(handDetailText(h));
    const std::vector<std::string> expected{"Hand", "Blinds 50/100, ante 10",
                                            "Players: Big 95.5 (big blind); Hero 120 (button, small blind)",
                                            "Cards: Hero Ah Kd", "Pre-flop: Big posts the big blind 100; Hero folds",
                                            "Board: none", "Result: not told in the hand history"};
    EXPECT_EQ(got, expected);
}

TEST(HandDetail, ARiverDealtWithNoActionStillShowsItsCard)
{
    history::HandHistory h = playedHand();
    h.board.push_back(card("3s"));
    const auto got = lines(handDetailText(h));
    EXPECT_NE(std::find(got.begin(), got.end(), "River [3s]: no action"), got.end());
    EXPECT_NE(std::find(got.begin(), got.end(), "Board: Qh Jh 2c 7d 3s"), got.end());
}

// ---- an import's result ----------------------------------------------------

TEST(ImportText, CountsFilesHandsAndSkippedByReason)
{
    store::ImportReport r;
    r.filesRead = 3;
    r.filesUnchanged = 1;
    r.handsNew = 120;
    r.handsAlreadyStored = 4;
    r.skippedByReason = {{"variant", 2}, {"syntax", 1}};
    r.problems = {{"/h/a.txt", 12, "not hold'em no limit", "variant"}, {"/h/b.txt", 0, "unreadable", "io"}};
    EXPECT_EQ(importResultLine(r),
              "3 files read, 1 unchanged: 120 hands new, 4 already stored, 3 skipped (syntax 1, variant 2).");
    EXPECT_EQ(importProblemsText(r), "/h/a.txt:12: not hold'em no limit\n/h/b.txt: unreadable\n");

    store::ImportReport one;
    one.filesRead = 1;
    one.handsNew = 1;
    one.cancelled = true;
    EXPECT_EQ(importResultLine(one), "Cancelled after 1 file read: 1 hand new, 0 already stored.");
    EXPECT_EQ(importProblemsText(one), "");
}

} // namespace
