// A range's split over a board, checked against a tally of every two cards of
// the deck read one by one, and on a few boards whose answer is plain.

#include <gtest/gtest.h>

#include <ostream>

#include "engine/board/BoardReader.h"
#include "engine/board/RangeSplit.h"
#include "tests/engine/board/RangeCases.h"

namespace {

using engine::board::DrawKind;
using engine::board::RangeSplit;
using engine::board::SplitCount;
using engine::odds::HandCategory;
using namespace rangecases;

struct SplitCase {
    const char* range;
    const char* board;
    const char* dead;
    Weights weights;
};

std::ostream& operator<<(std::ostream& os, const SplitCase& c)
{
    return os << c.range << " on " << c.board << " dead " << c.dead;
}

// The split tallied from scratch: each of the 1,326 hole cards the range
// holds, unless it meets the board or a dead card, read with the board
// reader for its draws and category and scored with the plain evaluator for
// its made hand.
RangeSplit tally(const Range& range, const std::vector<Card>& board, CardSet dead)
{
    const auto weights = weightTable(range);
    CardSet known = dead;
    for (Card c : board)
        known.insert(c);
    RangeSplit split;
    for (HoleCards h : allHoleCards()) {
        const double w = weightIn(weights, h);
        if (w == 0.0 || h.set().intersects(known))
            continue;
        split.total.add(w);
        std::vector<Card> seven(board);
        seven.push_back(h.high);
        seven.push_back(h.low);
        split.made[static_cast<std::size_t>(reference::score(seven)[0])].add(w);
        const auto reading = engine::board::readBoard(h, board);
        EXPECT_TRUE(reading.ok());
        bool any = false;
        for (int k = 0; k < engine::board::kDrawKindCount; ++k) {
            bool has = false;
            for (const auto& d : reading.value.draws)
                has = has || static_cast<int>(d.kind) == k;
            if (has)
                split.draws[static_cast<std::size_t>(k)].add(w);
            any = any || has;
        }
        if (any)
            split.anyDraw.add(w);
        if (reading.value.category)
            split.categories[static_cast<std::size_t>(*reading.value.category)].add(w);
        else
            split.noneFits.add(w);
    }
    return split;
}

void expectSame(const SplitCount& got, const SplitCount& want, const std::string& what)
{
    EXPECT_EQ(got.combos, want.combos) << what;
    EXPECT_NEAR(got.weight, want.weight, 1e-9) << what;
}

class RangeSplitCase : public testing::TestWithParam<SplitCase> {};

TEST_P(RangeSplitCase, EqualsATallyOfItsCombinations)
{
    const SplitCase& c = GetParam();
    const Range range = rangeOf(c.range, c.weights);
    const auto board = cardsOf(c.board);
    const CardSet dead = setOf(c.dead);
    const auto got = engine::board::splitRange(range, board, dead);
    ASSERT_TRUE(got.ok()) << got.error;
    const RangeSplit want = tally(range, board, dead);
    const RangeSplit& split = got.value;
    expectSame(split.total, want.total, "total");
    for (std::size_t i = 0; i < split.made.size(); ++i)
        expectSame(split.made[i], want.made[i], "made " + std::string(engine::odds::categoryName(HandCategory(i))));
    for (std::size_t i = 0; i < split.draws.size(); ++i)
        expectSame(split.draws[i], want.draws[i], std::string(engine::board::drawKindName(DrawKind(i))));
    expectSame(split.anyDraw, want.anyDraw, "any draw");
    for (std::size_t i = 0; i < split.categories.size(); ++i)
        expectSame(split.categories[i], want.categories[i], std::string(engine::kPostFlopCategories[i]));
    expectSame(split.noneFits, want.noneFits, "none fits");

    // Every possible combination has one made hand and one category.
    SplitCount made, categories = split.noneFits;
    for (const auto& m : split.made)
        made = {made.combos + m.combos, made.weight + m.weight};
    for (const auto& k : split.categories)
        categories = {categories.combos + k.combos, categories.weight + k.weight};
    expectSame(made, split.total, "made hands add up");
    expectSame(categories, split.total, "categories add up");
    if (board.size() == 5) {
        EXPECT_EQ(split.anyDraw.combos, 0) << "no draw is left on the river";
    }
}

INSTANTIATE_TEST_SUITE_P(Boards, RangeSplitCase, testing::Values(
    SplitCase{"random", "Qh7s2d", "", Weights::Full},
    SplitCase{"random", "9h8h2c", "", Weights::ByShape},
    SplitCase{"22+, A2s+, K9s+, QTs+, JTs, T9s, 98s, ATo+, KJo+", "Jh Th 4c", "", Weights::ByShape},
    SplitCase{"QQ+, AK, 76s, 65s, 54s", "6s 5d 4s", "Ac", Weights::BySuit},
    SplitCase{"random", "Ks Kd 7c 7h", "", Weights::BySuit},
    SplitCase{"TT+, AJs+, KQs, 98s, 87s", "Ah 9h 8c 2h", "Kh", Weights::ByShape},
    SplitCase{"random", "As Ks Qs Js 2d", "", Weights::ByShape},
    SplitCase{"22+, AKo", "7c 7d 7h 2s 2c", "", Weights::Full}));

TEST(RangeSplit, KnownBoards)
{
    // Aces on an ace-high board: only the three combinations without the ace
    // of hearts are left, all of them trips.
    auto split = engine::board::splitRange(rangeOf("AA"), cardsOf("Ah7s2d")).value;
    EXPECT_EQ(split.total.combos, 3);
    EXPECT_EQ(split.made[static_cast<int>(HandCategory::ThreeOfAKind)].combos, 3);
    EXPECT_EQ(split.categories[static_cast<int>(engine::PostflopCategory::Trips)].combos, 3);

    // A pair on the board makes every combination at least a pair.
    split = engine::board::splitRange(rangeOf("AK"), cardsOf("7s7d2c")).value;
    EXPECT_EQ(split.total.combos, 16);
    EXPECT_EQ(split.made[static_cast<int>(HandCategory::Pair)].combos, 16);

    // One flush draw (to the nut flush), and a backdoor straight draw for both.
    split = engine::board::splitRange(rangeOf("AhKh, AsKs"), cardsOf("Qh7h2d")).value;
    EXPECT_EQ(split.draws[static_cast<int>(DrawKind::FlushDraw)].combos, 1);
    EXPECT_EQ(split.draws[static_cast<int>(DrawKind::BackdoorStraightDraw)].combos, 2);
    EXPECT_EQ(split.anyDraw.combos, 2);
    EXPECT_EQ(split.categories[static_cast<int>(engine::PostflopCategory::NutFlushDraw)].combos, 1);
    EXPECT_EQ(split.noneFits.combos, 1);

    // Weights count (pairs 1, suited 1/2, offsuit 1/4); a dead card takes its
    // combinations away.
    split = engine::board::splitRange(rangeOf("KK, AK", Weights::ByShape), cardsOf("2c3c4d"), setOf("Ks")).value;
    EXPECT_EQ(split.total.combos, 15);
    EXPECT_DOUBLE_EQ(split.total.weight, 3 * 1.0 + 3 * 0.5 + 9 * 0.25);
    EXPECT_EQ(split.made[static_cast<int>(HandCategory::Pair)].combos, 3);
    EXPECT_DOUBLE_EQ(split.share(split.made[static_cast<int>(HandCategory::Pair)]), 3.0 / 6.75);
}

TEST(RangeSplit, RefusesWhatCannotBeSplit)
{
    struct Refused {
        const char* range;
        const char* board;
        const char* dead;
        const char* error;
    };
    for (const Refused& r : {
             Refused{"AA", "Ah7s", "", "the board has 2 cards; it takes 3 to 5"},
             Refused{"AA", "Ah7s2d3c4c5c", "", "the board has 6 cards; it takes 3 to 5"},
             Refused{"AA", "Ah7s2d", "7s", "\"7s\" is on the board and among the dead cards"},
             Refused{"AhAs", "Ah7s2d", "", "no hand of the range is possible with these cards"},
             Refused{"AhAs", "Kh7s2d", "Ac As", "no hand of the range is possible with these cards"},
         }) {
        const auto got = engine::board::splitRange(rangeOf(r.range), cardsOf(r.board), setOf(r.dead));
        EXPECT_EQ(got.error, r.error) << r.range << " on " << r.board;
    }
    Range empty;
    EXPECT_EQ(engine::board::splitRange(empty, cardsOf("Ah7s2d")).error,
              "no hand of the range is possible with these cards");
}

} // namespace
