#pragma once
// A plain multi-player equity count for checking the fast one: every choice
// of one combination per player that holds no card twice, then every board
// from the cards left, each deal weighed by the product of the combinations'
// weights and scored with the reference evaluator.

#include <cstdint>
#include <utility>
#include <vector>

#include "ReferenceEvaluator.h"
#include "engine/cards/CardSet.h"
#include "engine/cards/HoleCards.h"

namespace reference {

using engine::cards::CardSet;
using engine::cards::HoleCards;

struct WeightedCombo {
    HoleCards cards;
    double weight = 1.0;
};

struct PlayerShares {
    double win = 0.0;
    double tie = 0.0;
    double equity = 0.0;
};

struct PlayersEquity {
    std::uint64_t deals = 0;
    std::vector<PlayerShares> players;
};

class PlayersCount {
public:
    // A player with no combinations given holds a random hand.
    PlayersCount(std::vector<std::vector<WeightedCombo>> players, std::vector<Card> board, CardSet dead)
        : players_(std::move(players)), board_(std::move(board)), taken_(dead)
    {
        for (Card c : board_)
            taken_.insert(c);
        for (int i = 0; i < engine::cards::kCardCount; ++i)
            deck_.push_back(Card::fromIndex(i));
        sums_.assign(players_.size(), PlayerShares{});
    }

    PlayersEquity run()
    {
        seat(0, 1.0);
        PlayersEquity result;
        result.deals = deals_;
        for (const PlayerShares& s : sums_)
            result.players.push_back({s.win / weight_, s.tie / weight_, s.equity / weight_});
        return result;
    }

private:
    void seat(std::size_t next, double weight)
    {
        if (next == players_.size()) {
            std::vector<Card> board = board_;
            dealBoard(board, 0, weight);
            return;
        }
        if (!players_[next].empty()) {
            for (const WeightedCombo& c : players_[next]) {
                if (free(c.cards.high) && free(c.cards.low))
                    hold(c.cards, next, weight * c.weight);
            }
            return;
        }
        for (Card a : deck_) {
            for (Card b : deck_) {
                if (a > b && free(a) && free(b))
                    hold(HoleCards(a, b), next, weight);
            }
        }
    }

    void hold(const HoleCards& h, std::size_t next, double weight)
    {
        taken_.insert(h.high);
        taken_.insert(h.low);
        seats_.push_back(h);
        seat(next + 1, weight);
        seats_.pop_back();
        taken_.erase(h.high);
        taken_.erase(h.low);
    }

    bool free(Card c) const { return !taken_.contains(c); }

    void dealBoard(std::vector<Card>& board, std::size_t from, double weight)
    {
        if (board.size() == 5) {
            score(board, weight);
            return;
        }
        for (std::size_t i = from; i < deck_.size(); ++i) {
            if (!free(deck_[i]))
                continue;
            board.push_back(deck_[i]);
            taken_.insert(deck_[i]);
            dealBoard(board, i + 1, weight);
            taken_.erase(deck_[i]);
            board.pop_back();
        }
    }

    void score(const std::vector<Card>& board, double weight)
    {
        std::vector<Score> scores;
        for (const HoleCards& h : seats_) {
            std::vector<Card> cards = board;
            cards.push_back(h.high);
            cards.push_back(h.low);
            scores.push_back(reference::score(cards));
        }
        Score best{-1};
        for (const Score& s : scores)
            best = std::max(best, s);
        int sharing = 0;
        for (const Score& s : scores)
            sharing += s == best ? 1 : 0;
        ++deals_;
        weight_ += weight;
        for (std::size_t p = 0; p < scores.size(); ++p) {
            if (scores[p] != best)
                continue;
            (sharing == 1 ? sums_[p].win : sums_[p].tie) += weight;
            sums_[p].equity += weight / sharing;
        }
    }

    std::vector<std::vector<WeightedCombo>> players_;
    std::vector<Card> board_;
    CardSet taken_;
    std::vector<Card> deck_;
    std::vector<HoleCards> seats_;
    std::uint64_t deals_ = 0;
    double weight_ = 0.0;
    std::vector<PlayerShares> sums_;
};

} // namespace reference
