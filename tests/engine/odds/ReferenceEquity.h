#pragma once
// A plain equity count for checking the fast one: every way to give the
// opponents their cards, then every board, each scored with the reference
// evaluator.

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "ReferenceEvaluator.h"
#include "engine/cards/CardSet.h"
#include "engine/cards/HoleCards.h"

namespace reference {

using engine::cards::CardSet;
using engine::cards::HoleCards;

struct Equity {
    std::uint64_t deals = 0;
    std::uint64_t wins = 0;
    std::uint64_t ties = 0;
    std::array<std::uint64_t, 11> splits{}; // deals split k ways, by k

    double pot() const
    {
        double sum = static_cast<double>(wins);
        for (std::size_t k = 2; k < splits.size(); ++k)
            sum += static_cast<double>(splits[k]) / static_cast<double>(k);
        return sum;
    }
};

class EquityCount {
public:
    EquityCount(HoleCards hand, std::vector<Card> board, CardSet dead, int opponents,
                std::optional<std::vector<HoleCards>> range)
        : hand_(hand), board_(std::move(board)), opponents_(opponents), range_(std::move(range))
    {
        CardSet used = hand.set() | dead;
        for (Card c : board_)
            used.insert(c);
        taken_ = used;
        for (int i = 0; i < engine::cards::kCardCount; ++i) {
            if (!used.contains(Card::fromIndex(i)))
                deck_.push_back(Card::fromIndex(i));
        }
    }

    Equity run()
    {
        dealOpponents(0);
        return result_;
    }

private:
    void dealOpponents(std::size_t next)
    {
        if (next == static_cast<std::size_t>(opponents_)) {
            std::vector<Card> board = board_;
            dealBoard(board, 0);
            return;
        }
        if (range_) {
            for (const HoleCards& h : *range_) {
                if (free(h.high) && free(h.low))
                    seat(h, next);
            }
            return;
        }
        for (std::size_t a = 0; a < deck_.size(); ++a) {
            for (std::size_t b = 0; b < deck_.size(); ++b) {
                if (a != b && free(deck_[a]) && free(deck_[b]) && deck_[a] > deck_[b])
                    seat(HoleCards(deck_[a], deck_[b]), next);
            }
        }
    }

    void seat(const HoleCards& h, std::size_t next)
    {
        taken_.insert(h.high);
        taken_.insert(h.low);
        seats_.push_back(h);
        dealOpponents(next + 1);
        seats_.pop_back();
        taken_.erase(h.high);
        taken_.erase(h.low);
    }

    bool free(Card c) const { return !taken_.contains(c); }

    void dealBoard(std::vector<Card>& board, std::size_t from)
    {
        if (board.size() == 5) {
            score(board);
            return;
        }
        for (std::size_t i = from; i < deck_.size(); ++i) {
            if (!free(deck_[i]))
                continue;
            board.push_back(deck_[i]);
            dealBoard(board, i + 1);
            board.pop_back();
        }
    }

    void score(const std::vector<Card>& board)
    {
        auto seven = [&](const HoleCards& h) {
            std::vector<Card> cards = board;
            cards.push_back(h.high);
            cards.push_back(h.low);
            return reference::score(cards);
        };
        const Score hero = seven(hand_);
        int sharing = 1;
        bool beaten = false;
        for (const HoleCards& s : seats_) {
            const Score other = seven(s);
            beaten = beaten || other > hero;
            sharing += other == hero;
        }
        ++result_.deals;
        if (beaten)
            return;
        (sharing == 1 ? result_.wins : result_.ties) += 1;
        ++result_.splits[static_cast<std::size_t>(sharing)];
    }

    HoleCards hand_;
    std::vector<Card> board_;
    int opponents_;
    std::optional<std::vector<HoleCards>> range_;
    std::vector<Card> deck_;
    CardSet taken_;
    std::vector<HoleCards> seats_;
    Equity result_;
};

} // namespace reference
