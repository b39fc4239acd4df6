// The board reader on arbitrary text: a hand, a line break, a board. It reads
// exactly when the hand is two cards, the board three to five, and no card is
// in both. A reading is the evaluator's rank; its post-flop category is one of
// the list's or none, and names no more than the made hand or a draw; draws stop
// at the river and backdoor draws at the turn; outs are unseen cards; and the
// order in which the cards are written changes nothing.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Postflop.h"
#include "engine/board/BoardReader.h"
#include "engine/cards/CardParser.h"
#include "engine/odds/HandEvaluator.h"
#include "fuzz/FuzzCheck.h"

namespace {

using engine::PostflopCategory;
using engine::board::BoardReading;
using engine::board::DrawKind;
using engine::cards::Card;
using engine::cards::CardSet;
using engine::odds::HandCategory;

bool hasDraw(const BoardReading& r, DrawKind kind, bool nutOnly = false)
{
    return std::any_of(r.draws.begin(), r.draws.end(),
                       [&](const auto& d) { return d.kind == kind && (d.nut || !nutOnly); });
}

bool isBackdoor(DrawKind kind)
{
    return kind == DrawKind::BackdoorFlushDraw || kind == DrawKind::BackdoorStraightDraw;
}

// A made-hand category never names more than the hand makes (a hand beyond
// every category plays as the nearest one below it); a draw's category needs
// that draw.
bool categoryFitsHand(const BoardReading& r)
{
    if (!r.category)
        return true;
    switch (*r.category) {
    case PostflopCategory::TopPairGoodKicker:
    case PostflopCategory::TopPairWeakKicker:
    case PostflopCategory::MiddlePairDecentKicker: return r.made >= HandCategory::Pair;
    case PostflopCategory::TopTwoPair:
    case PostflopCategory::TwoPair: return r.made >= HandCategory::TwoPair;
    case PostflopCategory::NutFlush:
    case PostflopCategory::Flush: return r.made >= HandCategory::Flush;
    case PostflopCategory::Straight: return r.made >= HandCategory::Straight;
    case PostflopCategory::Trips: return r.made >= HandCategory::ThreeOfAKind;
    case PostflopCategory::FullHouse: return r.made >= HandCategory::FullHouse;
    case PostflopCategory::NutFlushDraw: return hasDraw(r, DrawKind::FlushDraw, true);
    case PostflopCategory::NonNutFlushDraw: return hasDraw(r, DrawKind::FlushDraw);
    case PostflopCategory::OpenEndedOrDoubleGutShot:
        return hasDraw(r, DrawKind::OpenEndedStraightDraw) || hasDraw(r, DrawKind::DoubleGutShot);
    }
    return false;
}

bool sameReading(const BoardReading& a, const BoardReading& b)
{
    if (a.rank != b.rank || a.made != b.made || a.madeHand != b.madeHand || a.holding != b.holding ||
        a.outs != b.outs || a.category != b.category || a.draws.size() != b.draws.size())
        return false;
    for (std::size_t i = 0; i < a.draws.size(); ++i) {
        const auto &x = a.draws[i], &y = b.draws[i];
        if (x.kind != y.kind || x.nut != y.nut || x.name != y.name || x.outs != y.outs)
            return false;
    }
    return true;
}

std::string written(const std::vector<Card>& cards)
{
    std::string out;
    for (const Card c : cards)
        out += c.text() + " ";
    return out;
}

CardSet setOf(const std::vector<Card>& cards)
{
    CardSet set;
    for (const Card c : cards)
        set.insert(c);
    return set;
}

void checkReading(const BoardReading& r, CardSet hand, CardSet board)
{
    static const engine::odds::HandEvaluator evaluator;
    fuzzCheck(r.rank == evaluator.rank(hand | board), "the rank is the evaluator's");
    fuzzCheck(r.made == engine::odds::categoryOf(r.rank) &&
                  static_cast<int>(r.made) < engine::odds::kCategoryCount,
              "the made hand is the rank's category");
    fuzzCheck(!r.madeHand.empty() && !r.holding.empty(), "the hand is put in words");
    const std::string_view text = r.categoryText();
    fuzzCheck(text == engine::board::kNoneFits ||
                  std::find(engine::kPostFlopCategories.begin(), engine::kPostFlopCategories.end(), text) !=
                      engine::kPostFlopCategories.end(),
              "the category is one of the list's");
    fuzzCheck(categoryFitsHand(r), "the category fits the hand or a draw");

    CardSet outs;
    for (const auto& d : r.draws) {
        fuzzCheck(!d.name.empty(), "a draw has a name");
        fuzzCheck(isBackdoor(d.kind) ? d.outs.empty() : !d.outs.empty(), "only backdoor draws have no outs");
        fuzzCheck(!isBackdoor(d.kind) || board.size() == 3, "backdoor draws are the flop's");
        fuzzCheck(!d.nut || d.kind == DrawKind::FlushDraw, "only a flush draw is the nut draw");
        outs |= d.outs;
    }
    fuzzCheck(board.size() < 5 || r.draws.empty(), "no draws on the river");
    fuzzCheck(outs == r.outs && r.outCount() == outs.size(), "the outs are the draws' outs");
    fuzzCheck(!r.outs.intersects(hand | board), "outs are unseen cards");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t cut = input.find('\n');
    const std::string_view handText = input.substr(0, cut);
    const std::string_view boardText = cut == std::string_view::npos ? std::string_view() : input.substr(cut + 1);

    const auto reading = engine::board::readBoard(handText, boardText);
    const auto hand = engine::cards::parseHoleCards(handText);
    const auto board = engine::cards::parseCards(boardText);
    const bool answerable = hand.ok() && board.ok() && board.value.size() >= 3 && board.value.size() <= 5 &&
                            !hand.value.set().intersects(setOf(board.value));
    fuzzCheck(reading.ok() == answerable, "a reading exactly when the cards make sense");
    if (!reading.ok()) {
        fuzzCheck(!reading.error.empty(), "a refusal says why");
        return 0;
    }
    const CardSet boardSet = setOf(board.value);
    checkReading(reading.value, hand.value.set(), boardSet);

    std::vector<Card> reversed(board.value.rbegin(), board.value.rend());
    const auto again = engine::board::readBoard(hand.value.low.text() + hand.value.high.text(), written(reversed));
    fuzzCheck(again.ok() && sameReading(again.value, reading.value), "the order of the cards changes nothing");
    return 0;
}
