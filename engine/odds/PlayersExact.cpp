#include "engine/odds/PlayersExact.h"

#include <algorithm>
#include <array>

#include "engine/odds/ExactItems.h"
#include "engine/odds/ExactEquity.h"

namespace engine::odds {

// The work of one board but its last card: every player's combinations
// valued, then combined.
struct PlayersExact::BoardCount {
    const PlayersSetup& setup;
    const HandEvaluator& evaluator;
    const PlayersExact& exact;
    WeightedTally& tally;
    StopPoll& stop;
    std::array<std::vector<Seat>, kMaxPlayers> seats;
    std::array<std::vector<HandKey>, kMaxPlayers> prefixKeys;  // parallel to seats
    std::array<HandRank, kMaxPlayers> chosen{};
    std::size_t players = 0;
    // The last cards the values stand for: a deal is counted once for each
    // of them that no chosen combination holds. 0: the board is complete.
    std::uint64_t lastCards = 0;
    // How many boards the one being counted stands for.
    std::uint64_t boards = 1;
    std::vector<std::uint64_t> lastHolds;  // per seat of the last player: how many of the last cards it holds

    static constexpr std::array<double, kMaxPlayers + 2> kShare = {
        0.0, 1.0, 1.0 / 2, 1.0 / 3, 1.0 / 4, 1.0 / 5, 1.0 / 6, 1.0 / 7, 1.0 / 8, 1.0 / 9, 1.0 / 10, 1.0 / 11};

    // How many of at most four cards (those of one rank) a mask holds; the
    // target machine may have no instruction for a bit count.
    static std::uint64_t cardsIn(std::uint64_t mask)
    {
        std::uint64_t count = mask != 0 ? 1 : 0;
        mask &= mask - 1;
        count += mask != 0 ? 1 : 0;
        mask &= mask - 1;
        count += mask != 0 ? 1 : 0;
        mask &= mask - 1;
        return count + (mask != 0 ? 1 : 0);
    }

    // Four cards of a suit already: one more card may make a flush.
    static bool mayFlush(const HandKey& key)
    {
        return ((key.sum + (std::uint64_t{0x1111} << 32)) & detail::kFlushBits) != 0;
    }

    // Seats every combination that the known cards leave possible, keyed
    // with them; true when one of them may still make a flush.
    bool seatAll(const HandKey& known)
    {
        bool flushPossible = false;
        for (std::size_t p = 0; p < players; ++p) {
            const PlayerCombos& combos = setup.players[p];
            std::vector<Seat>& s = seats[p];
            std::vector<HandKey>& keys = prefixKeys[p];
            s.clear();
            keys.clear();
            for (std::size_t c = 0; c < combos.keys.size(); ++c) {
                const HandKey& k = combos.keys[c];
                if ((k.cards & known.cards) != 0)
                    continue;
                const HandKey key = known.plus(k);
                s.push_back({k.cards, 0, combos.weights[c], p == 0 && exact.clearOfSecond_[c]});
                keys.push_back(key);
                flushPossible = flushPossible || mayFlush(key);
            }
        }
        return flushPossible;
    }

    // Values every seat with one more card.
    void value(const HandKey& card)
    {
        for (std::size_t p = 0; p < players; ++p) {
            std::vector<Seat>& s = seats[p];
            const HandKey* keys = prefixKeys[p].data();
            for (std::size_t k = 0; k < s.size(); ++k)
                s[k].rank = evaluator.rank(keys[k].plus(card));
        }
    }

    // A complete board, standing for `family` boards.
    void board(const HandKey& board, std::uint64_t family = 1)
    {
        if (stop.step())
            return;
        // With no three cards of a suit on the board no hand makes a flush:
        // a hand's value then follows from its ranks alone, and combinations
        // of one rank pair (listed one after another) are valued once.
        const bool noFlush = ((board.sum + (std::uint64_t{0x2222} << 32)) & detail::kFlushBits) == 0;
        for (std::size_t p = 0; p < players; ++p) {
            const PlayerCombos& combos = setup.players[p];
            std::vector<Seat>& s = seats[p];
            s.clear();
            std::uint64_t valuedRanks = ~std::uint64_t{0};
            HandRank value = 0;
            for (std::size_t c = 0; c < combos.keys.size(); ++c) {
                const HandKey& k = combos.keys[c];
                if ((k.cards & board.cards) != 0)
                    continue;
                const std::uint64_t ranks = k.sum & 0xffffffffu;
                if (!noFlush || ranks != valuedRanks) {
                    value = evaluator.rank(board.plus(k));
                    valuedRanks = noFlush ? ranks : ~std::uint64_t{0};
                }
                s.push_back({k.cards, value, combos.weights[c], p == 0 && exact.clearOfSecond_[c]});
            }
        }
        lastCards = 0;
        boards = family;
        choose(0, 0, 1.0, 0, 0);
    }

    // Every board of `prefix` and one deck card from position `from` on,
    // each standing for `family` boards. Where no hand can make a flush, the
    // last card's suit changes no value: the cards of a rank are valued once
    // and counted together.
    void lastCard(const HandKey& prefix, std::size_t from, std::uint64_t family = 1)
    {
        if (stop.step())
            return;
        boards = family;
        const bool flushPossible = seatAll(prefix);
        const std::size_t n = exact.deckKeys_.size();
        for (std::size_t first = from; first < n && !stop.stopped();) {
            const std::size_t end = flushPossible ? first + 1 : exact.rankEnd_[first];
            lastCards = flushPossible ? exact.deckKeys_[first].cards : exact.restOfRank_[first];
            value(exact.deckKeys_[first]);
            const std::vector<Seat>& lastSeats = seats[players - 1];
            lastHolds.resize(lastSeats.size());
            for (std::size_t k = 0; k < lastSeats.size(); ++k)
                lastHolds[k] = cardsIn(lastCards & lastSeats[k].cards);
            choose(0, 0, 1.0, 0, 0);
            first = end;
        }
    }

    // Chooses player p's combination, the earlier ones chosen; `best` is the
    // best value among them, held by `bestCount` players.
    void choose(std::size_t p, std::uint64_t used, double weight, HandRank best, int bestCount)
    {
        if (players == 2 && p == 0) {
            pairs();
            return;
        }
        chooseAny(p, used, weight, best, bestCount);
    }

    // Two players, as choose and add count them, each of the first player's
    // choices summed against all of the second's; the sums are kept in
    // locals and added in the same order, so the results are the same to the
    // last bit. A choice of the second player leaves free the last cards that
    // neither hand holds: all of them but the first's and its own.
    void pairs()
    {
        const std::vector<Seat>& second = seats[1];
        const std::uint64_t lastCount = cardsIn(lastCards);
        PairSums sums(tally);
        // A choice that shares no card with any of the second player's, of
        // the value of the one before and leaving as many last cards, meets
        // the same choices: its whole sums are those of the one before.
        double above = 0.0, equal = 0.0, below = 0.0;
        std::uint64_t count = 0;
        // Without weights every sum is a whole number of deals.
        const bool weighted = setup.players[0].weighted || setup.players[1].weighted;
        struct {
            std::uint64_t wins = 0, ties = 0, losses = 0, deals = 0;
        } counted;
        bool lastClear = false;
        HandRank lastRank = 0;
        std::uint64_t lastLeft = 0;
        for (const Seat& a : seats[0]) {
            const std::uint64_t leftByFirst = lastCount - cardsIn(lastCards & a.cards);
            const bool same = a.clear && lastClear && a.rank == lastRank && leftByFirst == lastLeft;
            lastClear = a.clear, lastRank = a.rank, lastLeft = leftByFirst;
            if (same) {
                // the sums of the one before
            } else if (lastCards != 0) {
                above = equal = below = 0.0;
                count = 0;
                for (std::size_t k = 0; k < second.size(); ++k) {
                    const Seat& b = second[k];
                    const std::uint64_t times = (b.cards & a.cards) != 0 ? 0 : (leftByFirst - lastHolds[k]) * boards;
                    const double w = b.weight * static_cast<double>(times);
                    count += times;
                    above += b.rank > a.rank ? w : 0.0;
                    equal += b.rank == a.rank ? w : 0.0;
                    below += b.rank < a.rank ? w : 0.0;
                }
            } else {
                above = equal = below = 0.0;
                count = 0;
                for (const Seat& b : second) {
                    const bool isFree = (b.cards & a.cards) == 0;
                    const double w = isFree ? b.weight : 0.0;
                    count += isFree ? 1 : 0;
                    above += b.rank > a.rank ? w : 0.0;
                    equal += b.rank == a.rank ? w : 0.0;
                    below += b.rank < a.rank ? w : 0.0;
                }
            }
            if (count == 0)
                continue;
            if (!weighted) {
                // Whole numbers: summed exactly in any order, as integers.
                const std::uint64_t times = lastCards != 0 ? 1 : boards;
                counted.wins += static_cast<std::uint64_t>(below) * times;
                counted.ties += static_cast<std::uint64_t>(equal) * times;
                counted.losses += static_cast<std::uint64_t>(above) * times;
                counted.deals += count * times;
                continue;
            }
            // As add counts them: the complete board's sums scaled by the
            // boards it stands for, the last card's already counted so.
            const double scale = lastCards != 0 ? a.weight : a.weight * static_cast<double>(boards);
            sums.add(lastCards != 0 ? count : count * boards, below * scale, equal * scale, above * scale);
        }
        if (!weighted) {
            sums.add(counted.deals, static_cast<double>(counted.wins), static_cast<double>(counted.ties),
                     static_cast<double>(counted.losses));
        }
        sums.store(tally);
    }

    // The two players' sums of a tally, held apart from it while a board is
    // counted; added to as add does.
    struct PairSums {
        explicit PairSums(const WeightedTally& t)
            : deals(t.deals), weight(t.weight), wins0(t.wins[0]), ties0(t.ties[0]), pot0(t.pot[0]), wins1(t.wins[1]),
              ties1(t.ties[1]), pot1(t.pot[1])
        {
        }
        // Deals the first player wins, ties and loses.
        void add(std::uint64_t count, double wins, double ties, double losses)
        {
            deals += count;
            weight += losses + ties + wins;
            wins1 += losses;
            ties1 += ties;
            pot1 += losses + ties * kShare[2];
            wins0 += wins;
            ties0 += ties;
            pot0 += wins * kShare[1] + ties * kShare[2];
        }
        void store(WeightedTally& t) const
        {
            t.deals = deals;
            t.weight = weight;
            t.wins[0] = wins0, t.ties[0] = ties0, t.pot[0] = pot0;
            t.wins[1] = wins1, t.ties[1] = ties1, t.pot[1] = pot1;
        }

        std::uint64_t deals;
        double weight, wins0, ties0, pot0, wins1, ties1, pot1;
    };

    void chooseAny(std::size_t p, std::uint64_t used, double weight, HandRank best, int bestCount)
    {
        if (p + 1 == players) {
            last(used, weight, best, bestCount);
            return;
        }
        for (const Seat& s : seats[p]) {
            if ((s.cards & used) != 0)
                continue;
            chosen[p] = s.rank;
            const HandRank nextBest = std::max(best, s.rank);
            const int nextCount = s.rank > best ? 1 : s.rank == best ? bestCount + 1 : bestCount;
            chooseAny(p + 1, used | s.cards, weight * s.weight, nextBest, p == 0 ? 1 : nextCount);
            if (stop.step())
                return;
        }
    }

    void last(std::uint64_t used, double weight, HandRank best, int bestCount)
    {
        if (lastCards == 0) {
            lastOnCompleteBoard(used, weight, best, bestCount);
            return;
        }
        double above = 0.0, equal = 0.0, below = 0.0;
        std::uint64_t deals = 0;
        // A free choice leaves the last cards that neither it nor the
        // earlier choices hold.
        const std::uint64_t leftByEarlier = cardsIn(lastCards & ~used);
        const std::vector<Seat>& lastSeats = seats[players - 1];
        // Without branches: which sum a choice adds to is hard to predict.
        for (std::size_t k = 0; k < lastSeats.size(); ++k) {
            const Seat& s = lastSeats[k];
            const bool free = (s.cards & used) == 0;
            const std::uint64_t times = (free ? leftByEarlier - lastHolds[k] : 0) * boards;
            const double w = s.weight * static_cast<double>(times);
            deals += times;
            above += s.rank > best ? w : 0.0;
            equal += s.rank == best ? w : 0.0;
            below += s.rank < best ? w : 0.0;
        }
        if (deals == 0)
            return;
        add(deals, above * weight, equal * weight, below * weight, best, bestCount);
    }

    // The board is complete: each free choice is one deal per board the board stands for.
    void lastOnCompleteBoard(std::uint64_t used, double weight, HandRank best, int bestCount)
    {
        double above = 0.0, equal = 0.0, below = 0.0;
        std::uint64_t free = 0;
        for (const Seat& s : seats[players - 1]) {
            const bool isFree = (s.cards & used) == 0;
            const double w = isFree ? s.weight : 0.0;
            free += isFree ? 1 : 0;
            above += s.rank > best ? w : 0.0;
            equal += s.rank == best ? w : 0.0;
            below += s.rank < best ? w : 0.0;
        }
        if (free == 0)
            return;
        const double scale = weight * static_cast<double>(boards);
        add(free * boards, above * scale, equal * scale, below * scale, best, bestCount);
    }

    // Deals of the last player's choices that beat, tie and trail `best`,
    // the best of the earlier players, held by `bestCount` of them.
    void add(std::uint64_t deals, double above, double equal, double below, HandRank best, int bestCount)
    {
        const std::size_t lastPlayer = players - 1;
        const auto count = static_cast<std::size_t>(bestCount);
        tally.deals += deals;
        tally.weight += above + equal + below;
        tally.wins[lastPlayer] += above;
        tally.ties[lastPlayer] += equal;
        tally.pot[lastPlayer] += above + equal * kShare[count + 1];
        for (std::size_t p = 0; p < lastPlayer; ++p) {
            if (chosen[p] != best)
                continue;
            (count == 1 ? tally.wins[p] : tally.ties[p]) += below;
            tally.ties[p] += equal;
            tally.pot[p] += below * kShare[count] + equal * kShare[count + 1];
        }
    }
};

PlayersExact::PlayersExact(const PlayersSetup& setup) : setup_(setup)
{
    for (cards::Card c : setup.deck)
        deckKeys_.push_back(HandKey{0, 0}.plus(c));
    // The deck is in rank order: each card's rank runs on to rankEnd_.
    const std::size_t cardsLeft = deckKeys_.size();
    rankEnd_.resize(cardsLeft);
    restOfRank_.resize(cardsLeft);
    for (std::size_t i = cardsLeft; i-- > 0;) {
        const bool sameAsNext = i + 1 < cardsLeft && setup.deck[i + 1].rank() == setup.deck[i].rank();
        rankEnd_[i] = sameAsNext ? rankEnd_[i + 1] : i + 1;
        restOfRank_[i] = deckKeys_[i].cards | (sameAsNext ? restOfRank_[i + 1] : 0);
    }
    if (setup.players.size() >= 2) {
        std::uint64_t secondCards = 0;
        for (const HandKey& k : setup.players[1].keys)
            secondCards |= k.cards;
        for (const HandKey& k : setup.players[0].keys)
            clearOfSecond_.push_back((k.cards & secondCards) == 0);
    }
    firstCards_ = firstCardItems(setup.missingBoardCards, static_cast<int>(cardsLeft));
    itemCount_ = std::max<std::uint64_t>(1, firstCards_.size());

    if (setup.missingBoardCards < 3)
        return;
    const std::uint64_t deck = maskOf(setup.deck);
    std::vector<WeightedCombos> ranged;
    for (const PlayerCombos& p : setup.players) {
        if (!p.random)
            ranged.emplace_back(p.keys, p.weights);
    }
    const auto group = renamingsKeeping(deck, setup.board.cards, ranged);
    if (group.size() >= kFewestRenamings)
        renamings_ = group;

    // Two ranges of a few hands, without weights, before the flop: each pair
    // of hands (up to a renaming of the suits) counted by ranks, where that
    // is faster.
    const auto plainRange = [](const PlayerCombos& p) { return !p.random && !p.weighted; };
    if (setup.players.size() == 2 && setup.missingBoardCards == 5 && plainRange(setup.players[0]) &&
        plainRange(setup.players[1])) {
        headsUp_ = HeadsUpClasses::ifFaster(setup.players[0].keys, setup.players[1].keys, deck, seconds());
        if (countsHeadsUp())
            itemCount_ = headsUp_.size();
    }
}

void PlayersExact::prepare()
{
    if (renamings_.empty() || countsByFamily() || countsHeadsUp())
        return;
    families_.emplace(setup_.deck, setup_.missingBoardCards, renamings_);
    itemCount_ = std::max<std::uint64_t>(1, families_->parts());
}

double PlayersExact::seconds() const
{
    if (countsHeadsUp())
        return static_cast<double>(headsUp_.size()) * HeadsUpClasses::kSecondsPerClass;
    // Rates measured on one core: combinations valued, and choices of the
    // last player compared.
    constexpr double kEvaluationsPerSecond = 150e6;
    constexpr double kChoicesPerSecond = 400e6;
    // Families hold about as many boards as there are renamings.
    const double boards = choose(static_cast<int>(setup_.deck.size()), setup_.missingBoardCards) /
                          static_cast<double>(std::max<std::size_t>(1, renamings_.size()));
    double evaluations = 0.0;
    double choices = 1.0;
    for (const PlayerCombos& p : setup_.players) {
        evaluations += static_cast<double>(p.keys.size());
        choices *= static_cast<double>(p.keys.size());
    }
    return boards * (evaluations / kEvaluationsPerSecond + choices / kChoicesPerSecond);
}

WeightedTally PlayersExact::run(std::uint64_t item, StopPoll& stop) const
{
    WeightedTally tally;
    if (countsHeadsUp()) {
        HeadsUpCount boards;
        if (headsUp_[item].count(evaluator_, boards, stop)) {
            const auto wins = static_cast<double>(boards.wins), ties = static_cast<double>(boards.ties),
                       losses = static_cast<double>(boards.losses);
            tally.deals = boards.boards();
            tally.weight = static_cast<double>(tally.deals);
            tally.wins[0] = wins, tally.ties[0] = ties, tally.pot[0] = wins + ties / 2;
            tally.wins[1] = losses, tally.ties[1] = ties, tally.pot[1] = losses + ties / 2;
        }
        return tally;
    }
    BoardCount count{setup_, evaluator_, *this, tally, stop, {}, {}, {}, setup_.players.size(), 0, 1, {}};
    for (std::size_t p = 0; p < count.players; ++p) {
        count.seats[p].reserve(setup_.players[p].keys.size());
        count.prefixKeys[p].reserve(setup_.players[p].keys.size());
    }
    if (countsByFamily()) {
        if (families_->parts() != 0) {
            // Both poll the stop themselves.
            families_->forEachIn(
                item, [&](const HandKey& cards, std::uint32_t boards) { count.board(setup_.board.plus(cards), boards); },
                [&](const HandKey& prefix, std::size_t from, std::uint32_t boards) {
                    count.lastCard(setup_.board.plus(prefix), from, boards);
                });
        }
        return tally;
    }
    const HandKey* keys = deckKeys_.data();
    const std::size_t n = deckKeys_.size();
    const int missing = setup_.missingBoardCards;
    if (missing == 0) {
        count.board(setup_.board);
        return tally;
    }
    if (missing == 1) {
        count.lastCard(setup_.board, 0);
        return tally;
    }
    const auto [i, j] = firstCards_[item];
    HandKey prefix = setup_.board.plus(keys[i]);
    std::size_t from = static_cast<std::size_t>(i) + 1;
    int left = missing - 1;
    if (j >= 0) {
        prefix = prefix.plus(keys[j]);
        from = static_cast<std::size_t>(j) + 1;
        --left;
    }
    // The rest of the board, each set of cards once, in increasing deck order;
    // the last card is run through by lastCard.
    const auto rest = [&](auto& self, const HandKey& sofar, std::size_t start, int cardsLeft) -> void {
        if (cardsLeft == 1) {
            count.lastCard(sofar, start);
            return;
        }
        for (std::size_t c = start; c + static_cast<std::size_t>(cardsLeft) <= n && !stop.stopped(); ++c)
            self(self, sofar.plus(keys[c]), c + 1, cardsLeft - 1);
    };
    rest(rest, prefix, from, left);
    return tally;
}

} // namespace engine::odds
