#include "engine/board/BoardReader.h"

#include <string>

#include "engine/Postflop.h"
#include "engine/board/DrawFinder.h"
#include "engine/board/HandShape.h"
#include "engine/board/HoldingReader.h"
#include "engine/cards/CardChecks.h"
#include "engine/cards/CardParser.h"

namespace engine::board {

namespace {

// The draw that names the category when the made hand does not.
std::optional<PostflopCategory> drawCategory(const std::vector<Draw>& draws)
{
    std::optional<PostflopCategory> best;
    for (const Draw& d : draws) {
        if (d.kind == DrawKind::FlushDraw && d.nut)
            return PostflopCategory::NutFlushDraw;
        if (d.kind == DrawKind::FlushDraw)
            best = PostflopCategory::NonNutFlushDraw;
        else if (!best && (d.kind == DrawKind::OpenEndedStraightDraw || d.kind == DrawKind::DoubleGutShot))
            best = PostflopCategory::OpenEndedOrDoubleGutShot;
    }
    return best;
}

} // namespace

std::string_view BoardReading::categoryText() const
{
    return category ? engine::categoryText(*category) : kNoneFits;
}

cards::Parsed<BoardReading> readBoard(const cards::HoleCards& hand, const std::vector<cards::Card>& board)
{
    cards::Parsed<BoardReading> result;
    const cards::Parsed<cards::CardSet> onBoard = cards::boardCards(board);
    if (!onBoard.ok()) {
        result.error = onBoard.error;
        return result;
    }
    const cards::CardSet boardSet = onBoard.value;
    result.error = cards::holeCardsProblem(hand);
    if (result.error.empty() && (board.size() < 3 || board.size() > 5))
        result.error = "the board has " + std::to_string(board.size()) + " cards; it takes 3 to 5";
    if (result.error.empty())
        result.error = cards::sharedCard(hand.set(), boardSet, "in the hand and on the board");
    if (!result.ok())
        return result;
    static const odds::HandEvaluator evaluator;
    BoardReading& r = result.value;
    const cards::CardSet all = hand.set() | boardSet;
    r.rank = evaluator.rank(all);
    r.made = odds::categoryOf(r.rank);
    r.madeHand = madeHandWords(HandShape(all));
    r.draws = findDraws(hand, boardSet, r.made);
    for (const Draw& d : r.draws)
        r.outs |= d.outs;
    const Holding holding = readHolding(hand, boardSet, evaluator);
    r.holding = holding.text;
    r.category = holding.beatsDraws ? holding.category : drawCategory(r.draws);
    if (!r.category)
        r.category = holding.category;
    return result;
}

cards::Parsed<BoardReading> readBoard(std::string_view hand, std::string_view board)
{
    const auto holeCards = cards::parseHoleCards(hand);
    if (!holeCards.ok())
        return {{}, holeCards.error};
    const auto boardCards = cards::parseCards(board);
    if (!boardCards.ok())
        return {{}, boardCards.error};
    return readBoard(holeCards.value, boardCards.value);
}

} // namespace engine::board
