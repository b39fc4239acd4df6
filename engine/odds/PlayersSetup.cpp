#include "engine/odds/PlayersSetup.h"

#include <algorithm>
#include <array>
#include <bit>
#include <string>

#include "engine/cards/CardChecks.h"

namespace engine::odds {

namespace {

std::string playerName(std::size_t index)
{
    return "player " + std::to_string(index + 1);
}

// Depth-first search for one combination per player, no card twice; gives up
// (answering true) after `effort` steps.
bool fits(const std::vector<const PlayerCombos*>& players, std::size_t next, std::uint64_t used, long& effort)
{
    if (next == players.size())
        return true;
    for (const HandKey& k : players[next]->keys) {
        if (--effort < 0)
            return true;
        if ((k.cards & used) == 0 && fits(players, next + 1, used | k.cards, effort))
            return true;
    }
    return false;
}

// The ranks of a combination, as how many of its cards each set of ranks
// holds: a pair holds two of its rank.
struct RankPair {
    unsigned ranks;  // one bit per rank
    bool pocketPair;
    int cardsIn(unsigned ranksWanted) const
    {
        const int n = std::popcount(ranks & ranksWanted);
        return pocketPair ? 2 * n : n;
    }
};

RankPair rankPairOf(std::uint64_t cards)
{
    unsigned ranks = 0;
    for (int suit = 0; suit < cards::kSuitCount; ++suit)
        ranks |= static_cast<unsigned>((cards >> (suit * cards::kSuitShift)) & cards::kSuitRanks);
    return {ranks, std::popcount(ranks) == 1};
}

// Whether the cards can hold, rank by rank, what the players need: each
// holds at least as many cards of a set of ranks as the fewest of any of its
// combinations. When some set of ranks has fewer cards than the players
// need, no choice fits. Suits are set aside, so this proves only that much,
// but at once, where a search of the combinations may take hours to end.
bool ranksLeaveRoom(const std::vector<const PlayerCombos*>& players, const std::vector<cards::Card>& deck)
{
    std::uint64_t usable = 0;
    for (cards::Card c : deck)
        usable |= cards::cardBit(c);
    std::vector<std::vector<RankPair>> pairs(players.size());
    for (std::size_t p = 0; p < players.size(); ++p) {
        for (const HandKey& k : players[p]->keys) {
            usable |= k.cards;
            const RankPair pair = rankPairOf(k.cards);
            if (std::none_of(pairs[p].begin(), pairs[p].end(),
                             [&](const RankPair& seen) { return seen.ranks == pair.ranks; }))
                pairs[p].push_back(pair);
        }
    }
    std::array<int, cards::kRankCount> cardsOfRank{};
    for (int rank = 0; rank < cards::kRankCount; ++rank) {
        for (int suit = 0; suit < cards::kSuitCount; ++suit)
            cardsOfRank[static_cast<std::size_t>(rank)] += static_cast<int>(usable >> (suit * cards::kSuitShift + rank) & 1);
    }
    // Only the ranks some combination holds: another rank adds cards and
    // no need.
    unsigned held = 0;
    for (const std::vector<RankPair>& ofPlayer : pairs) {
        for (const RankPair& pair : ofPlayer)
            held |= pair.ranks;
    }
    for (unsigned wanted = held; wanted != 0; wanted = (wanted - 1) & held) {
        int there = 0;
        for (int rank = 0; rank < cards::kRankCount; ++rank) {
            if ((wanted >> rank & 1) != 0)
                there += cardsOfRank[static_cast<std::size_t>(rank)];
        }
        int needed = 0;
        for (const std::vector<RankPair>& ofPlayer : pairs) {
            int fewest = 2;
            for (const RankPair& pair : ofPlayer) {
                fewest = std::min(fewest, pair.cardsIn(wanted));
                if (fewest == 0)
                    break;
            }
            needed += fewest;
        }
        if (needed > there)
            return false;
    }
    return true;
}

} // namespace

bool playersFitTogether(const PlayersSetup& setup)
{
    std::vector<const PlayerCombos*> ranged;
    for (const PlayerCombos& p : setup.players) {
        if (!p.random)
            ranged.push_back(&p);
    }
    // The most constrained first: a dead end shows early.
    std::sort(ranged.begin(), ranged.end(),
              [](const PlayerCombos* a, const PlayerCombos* b) { return a->keys.size() < b->keys.size(); });
    // A fit is most often found at once; where the first steps find none,
    // the rank counts may prove there is none before a long search.
    long effort = 100'000;
    if (!fits(ranged, 0, 0, effort))
        return false;
    if (effort >= 0)
        return true;
    if (!ranksLeaveRoom(ranged, setup.deck))
        return false;
    effort = 20'000'000;
    return fits(ranged, 0, 0, effort);
}

cards::Parsed<PlayersSetup> makePlayersSetup(const EquityRequest& request)
{
    cards::Parsed<PlayersSetup> result;
    PlayersSetup& s = result.value;
    const auto fail = [&](std::string message) {
        result.error = std::move(message);
        return result;
    };
    const std::size_t count = request.players.size();
    if (count < 2 || count > static_cast<std::size_t>(kMaxPlayers))
        return fail("an equity of several players takes 2 to 10 players, not " + std::to_string(count));
    if (request.board.size() > 5)
        return fail("the board has " + std::to_string(request.board.size()) + " cards; it takes at most 5");
    const cards::Parsed<cards::CardSet> onBoard = cards::boardCards(request.board);
    if (!onBoard.ok())
        return fail(onBoard.error);
    const cards::CardSet board = onBoard.value;
    if (const std::string e = cards::sharedCard(board, request.dead, "on the board and among the dead cards"); !e.empty())
        return fail(e);

    // Known hands take their cards out of everyone else's reach.
    cards::CardSet known = board | request.dead;
    int toDeal = 5 - static_cast<int>(request.board.size());
    for (std::size_t i = 0; i < count; ++i) {
        const PlayerHolding& p = request.players[i];
        if (p.kind != PlayerHolding::Kind::Hand) {
            toDeal += 2;
            continue;
        }
        if (const std::string e = cards::holeCardsProblem(p.hand); !e.empty())
            return fail(playerName(i) + ": " + e);
        const cards::CardSet hand = p.hand.set();
        if (hand.intersects(board))
            return fail(cards::sharedCard(hand, board, "in " + playerName(i) + "'s hand and on the board"));
        if (hand.intersects(request.dead))
            return fail(cards::sharedCard(hand, request.dead, "in " + playerName(i) + "'s hand and among the dead cards"));
        if (hand.intersects(known))
            return fail(cards::sharedCard(hand, known, "in " + playerName(i) + "'s hand and in another's"));
        known |= hand;
    }
    if (cards::kCardCount - known.size() < toDeal)
        return fail("not enough cards are left to deal");

    s.board = HandKey{}.plus(cardsKey(board));
    s.missingBoardCards = 5 - static_cast<int>(request.board.size());
    for (cards::Card c : cards::CardSet::fullDeck() - known)
        s.deck.push_back(c);
    std::sort(s.deck.begin(), s.deck.end());

    s.players.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        const PlayerHolding& p = request.players[i];
        PlayerCombos& combos = s.players[i];
        const auto add = [&](cards::CardSet cardsOfCombo, double weight) {
            combos.keys.push_back(cardsKey(cardsOfCombo));
            combos.weights.push_back(weight);
            combos.cumulative.push_back((combos.cumulative.empty() ? 0.0 : combos.cumulative.back()) + weight);
            combos.weighted = combos.weighted || weight < 1.0;
        };
        switch (p.kind) {
        case PlayerHolding::Kind::Hand:
            add(p.hand.set(), 1.0);
            break;
        case PlayerHolding::Kind::Random:
            combos.random = true;
            for (std::size_t a = 0; a < s.deck.size(); ++a) {
                for (std::size_t b = a + 1; b < s.deck.size(); ++b)
                    add(cards::CardSet{s.deck[a], s.deck[b]}, 1.0);
            }
            break;
        case PlayerHolding::Kind::Range: {
            const auto& all = p.range.combos();
            const auto& weights = p.range.weights();
            for (std::size_t c = 0; c < all.size(); ++c) {
                const double w = c < weights.size() ? weights[c] : 1.0;
                if (!all[c].set().intersects(known) && w > 0.0)
                    add(all[c].set(), std::min(w, 1.0));
            }
            if (combos.keys.empty())
                return fail(p.range.empty() ? playerName(i) + "'s range is empty"
                                            : "no hand of " + playerName(i) + "'s range is possible with these cards");
            break;
        }
        }
    }
    if (!playersFitTogether(s))
        return fail(kRangesNeverFit);
    return result;
}

} // namespace engine::odds
