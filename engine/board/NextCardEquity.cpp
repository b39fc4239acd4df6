#include "engine/board/NextCardEquity.h"

#include "engine/board/RangeWeight.h"
#include "engine/cards/CardChecks.h"
#include "engine/odds/Equity.h"

namespace engine::board {

NextCardEquity equityByNextCard(const odds::EquityRequest& request, std::stop_token stop,
                                const NextCardProgress& progress)
{
    NextCardEquity result;
    if (request.board.size() != 3 && request.board.size() != 4) {
        result.status = odds::EquityStatus::Invalid;
        result.error = "the next card follows a board of 3 or 4 cards, not " + std::to_string(request.board.size());
        return result;
    }
    // The request's own checks (cards given twice, opponents, an impossible
    // range) answer first, before any card is counted.
    const cards::Parsed<cards::CardSet> onBoard = cards::boardCards(request.board);
    if (!onBoard.ok()) {
        result.status = odds::EquityStatus::Invalid;
        result.error = onBoard.error;
        return result;
    }
    const cards::CardSet known = request.hand.set() | onBoard.value | request.dead;
    for (const std::string& e : {cards::holeCardsProblem(request.hand),
                                 cards::sharedCard(request.hand.set(), onBoard.value, "in the hand and on the board"),
                                 cards::sharedCard(request.hand.set(), request.dead, "in the hand and among the dead cards"),
                                 cards::sharedCard(onBoard.value, request.dead, "on the board and among the dead cards")}) {
        if (!e.empty()) {
            result.status = odds::EquityStatus::Invalid;
            result.error = e;
            return result;
        }
    }
    const cards::CardSet unseen = cards::CardSet::fullDeck() - known;
    std::vector<std::pair<cards::Card, double>> chances;
    double totalChance = 0.0;
    if (request.opponentRange) {
        for (cards::Card c : unseen) {
            cards::CardSet withCard = known;
            withCard.insert(c);
            const double w = possibleWeight(*request.opponentRange, withCard).weight;
            if (w > 0.0) {
                chances.emplace_back(c, w);
                totalChance += w;
            }
        }
        if (chances.empty()) {
            result.status = odds::EquityStatus::Invalid;
            result.error = "no hand of the opponent's range is possible with these cards";
            return result;
        }
    } else {
        for (cards::Card c : unseen) {
            chances.emplace_back(c, 1.0);
            totalChance += 1.0;
        }
    }

    double counted = 0.0;
    for (std::size_t i = 0; i < chances.size(); ++i) {
        if (stop.stop_requested()) {
            result.status = odds::EquityStatus::Cancelled;
            break;
        }
        odds::EquityRequest next = request;
        next.board.push_back(chances[i].first);
        const odds::EquityResult r = odds::computeEquity(next, stop);
        if (r.status == odds::EquityStatus::Invalid) {
            result.status = r.status;
            result.error = r.error;
            result.cards.clear();
            return result;
        }
        if (r.status == odds::EquityStatus::Cancelled) {
            result.status = odds::EquityStatus::Cancelled;
            break;
        }
        const double chance = chances[i].second / totalChance;
        result.cards.push_back({chances[i].first, chance, r.win, r.tie, r.equity, r.standardError, r.method});
        result.equity += chance * r.equity;
        counted += chance;
        if (progress)
            progress(static_cast<double>(i + 1) / static_cast<double>(chances.size()));
    }
    if (counted > 0.0)
        result.equity /= counted;
    return result;
}

} // namespace engine::board
