#pragma once
// Generated sessions of the room's text export for the reader's benchmark:
// cash and tournament hands of two to nine players with folds, calls,
// raises, all the streets, showdowns and uncalled bets, amounts adding up.

#include <algorithm>
#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace roomtextbench {

class SessionWriter {
public:
    explicit SessionWriter(std::uint32_t seed) : random_(seed) {}

    // One hand, its blank lines after it included.
    void writeHand(std::string& out)
    {
        ++handNumber_;
        const bool tournament = handNumber_ % 5 == 0;
        const int players = 2 + static_cast<int>(random_() % 8);
        const int button = 1 + static_cast<int>(random_() % static_cast<unsigned>(players));
        const std::int64_t small = tournament ? 25 : 50;
        const std::int64_t big = small * 2;
        const std::int64_t ante = tournament ? 5 : 0;
        money_ = tournament ? "" : "$";
        cents_ = !tournament;

        out += "PokerStars Hand #" + std::to_string(208000000000 + handNumber_) + ": ";
        if (tournament)
            out += "Tournament #3012345678, $1.40+$0.10 USD Hold'em No Limit - Level III (25/50) - 2020/10/14 11:02:13 ET\n";
        else
            out += " Hold'em No Limit ($0.50/$1.00 USD) - 2020/10/14 10:33:59 ET\n";
        out += tournament ? "Table '3012345678 1' 9-max Seat #" : "Table 'Alcyone IV' 9-max Seat #";
        out += std::to_string(button) + " is the button\n";

        seats_.clear();
        for (int s = 1; s <= players; ++s) {
            Seat seat;
            seat.name = kNames[(handNumber_ + static_cast<std::uint64_t>(s) * 7) % kNames.size()];
            seat.name += std::to_string(s);
            seat.stack = big * (20 + static_cast<std::int64_t>(random_() % 200));
            out += "Seat " + std::to_string(s) + ": " + seat.name + " (" + amount(seat.stack) + " in chips)\n";
            seats_.push_back(seat);
        }
        // Clockwise from the seat after the button: small blind first.
        order_.clear();
        for (int k = 0; k < players; ++k)
            order_.push_back(static_cast<std::size_t>((button + k) % players));

        deck_.clear();
        for (int c = 0; c < 52; ++c)
            deck_.push_back(c);
        std::shuffle(deck_.begin(), deck_.end(), random_);

        pot_ = 0;
        for (const std::size_t i : order_)
            if (ante > 0)
                put(out, i, ante, ": posts the ante ");
        const std::size_t sb = players == 2 ? order_[1] : order_[0];
        const std::size_t bb = players == 2 ? order_[0] : order_[1];
        put(out, sb, small, ": posts small blind ");
        seats_[sb].live = small;
        put(out, bb, big, ": posts big blind ");
        seats_[bb].live = big;
        owner_ = order_.back();
        ownerCards_ = card() + " " + card();
        out += "*** HOLE CARDS ***\nDealt to " + seats_[owner_].name + " [" + ownerCards_ + "]\n";

        const std::size_t first = players == 2 ? 1 : 2 % order_.size();
        bettingRound(out, first, big, big);
        static constexpr std::array<const char*, 3> kStreets{"FLOP", "TURN", "RIVER"};
        std::string board;
        for (int street = 0; street < 3 && inHand() > 1; ++street) {
            const std::string before = board;
            const std::string added = street == 0 ? card() + " " + card() + " " + card() : card();
            board += (board.empty() ? "" : " ") + added;
            out += std::string("*** ") + kStreets[static_cast<std::size_t>(street)] + " *** [" +
                   (street == 0 ? added : before + "] [" + added) + "]\n";
            for (Seat& s : seats_)
                s.live = 0;
            bettingRound(out, 0, 0, big);
        }
        finish(out, board);
    }

private:
    struct Seat {
        std::string name;
        std::int64_t stack = 0;
        std::int64_t live = 0;
        bool folded = false;
    };

    static constexpr std::array<const char*, 10> kNames{
        "Velkan", "mrs.fold", "Quinn B", "ZZ_top", "pokkeri", "\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD ",
        "a: b [c] ", "Ostrava_Kid", "lucky lu", "deepstack"};

    std::string amount(std::int64_t units) const
    {
        if (!cents_)
            return std::to_string(units);
        std::string text = money_ + std::to_string(units / 100);
        const std::int64_t rest = units % 100;
        if (rest != 0)
            text += (rest < 10 ? ".0" : ".") + std::to_string(rest);
        return text;
    }

    std::string card()
    {
        const int c = deck_.back();
        deck_.pop_back();
        return {"23456789TJQKA"[c / 4], "shdc"[c % 4]};
    }

    void put(std::string& out, std::size_t seat, std::int64_t units, const char* words)
    {
        Seat& s = seats_[seat];
        const std::int64_t paid = std::min(units, s.stack);
        s.stack -= paid;
        pot_ += paid;
        out += s.name + words + amount(paid) + (s.stack == 0 ? " and is all-in\n" : "\n");
    }

    int inHand() const
    {
        return static_cast<int>(std::count_if(seats_.begin(), seats_.end(), [](const Seat& s) { return !s.folded; }));
    }

    // Once round the table from `first` (an index into order_), then the
    // callers of a raise; one raise at most.
    void bettingRound(std::string& out, std::size_t first, std::int64_t toCall, std::int64_t big)
    {
        std::size_t raiser = order_.size();
        const std::size_t n = order_.size();
        for (std::size_t k = 0; k < 2 * n; ++k) {
            const std::size_t i = order_[(first + k) % n];
            Seat& s = seats_[i];
            if (k >= n && (raiser == order_.size() || (first + k) % n == raiser))
                break;
            if (s.folded || s.stack == 0 || inHand() < 2)
                continue;
            const unsigned roll = static_cast<unsigned>(random_() % 100);
            if (toCall > s.live && roll < 45) {
                s.folded = true;
                out += s.name + ": folds\n";
            } else if (raiser == order_.size() && k < n && roll >= 80) {
                const std::int64_t to = std::min(s.live + s.stack, std::max(toCall * 3, big * 2));
                if (to <= toCall)
                    continue;
                const std::int64_t add = to - s.live;
                s.stack -= add;
                pot_ += add;
                out += s.name + (toCall == 0 ? ": bets " + amount(add) : ": raises " + amount(to - toCall) + " to " + amount(to)) +
                       (s.stack == 0 ? " and is all-in\n" : "\n");
                s.live = to;
                toCall = to;
                raiser = (first + k) % n;
            } else if (toCall > s.live) {
                const std::int64_t add = std::min(toCall - s.live, s.stack);
                s.stack -= add;
                s.live += add;
                pot_ += add;
                out += s.name + ": calls " + amount(add) + (s.stack == 0 ? " and is all-in\n" : "\n");
            } else {
                out += s.name + ": checks\n";
            }
        }
        // What nobody matched goes back to whoever bet it.
        std::int64_t highest = 0, second = 0;
        std::size_t top = 0;
        for (std::size_t i = 0; i < seats_.size(); ++i) {
            const std::int64_t live = seats_[i].live;
            if (live > highest) {
                second = highest;
                highest = live;
                top = i;
            } else if (live > second) {
                second = live;
            }
        }
        if (highest > second && (inHand() == 1 || std::count_if(seats_.begin(), seats_.end(), [&](const Seat& s) {
                                                      return !s.folded && s.live == highest;
                                                  }) == 1)) {
            const std::int64_t back = highest - second;
            seats_[top].stack += back;
            seats_[top].live -= back;
            pot_ -= back;
            out += "Uncalled bet (" + amount(back) + ") returned to " + seats_[top].name + "\n";
        }
    }

    void finish(std::string& out, const std::string& board)
    {
        std::vector<std::size_t> left;
        for (const std::size_t i : order_)
            if (!seats_[i].folded)
                left.push_back(i);
        const std::int64_t rake = cents_ ? std::min<std::int64_t>(pot_ / 20, 300) : 0;
        const std::size_t winner = left[random_() % left.size()];
        if (left.size() > 1) {
            out += "*** SHOW DOWN ***\n";
            for (const std::size_t i : left)
                out += seats_[i].name + ": shows [" + (i == owner_ ? ownerCards_ : card() + " " + card()) + "] (a pair)\n";
        }
        out += seats_[winner].name + " collected " + amount(pot_ - rake) + " from pot\n";
        out += "*** SUMMARY ***\nTotal pot " + amount(pot_) + " | Rake " + amount(rake) + "\n";
        if (!board.empty())
            out += "Board [" + board + "]\n";
        for (std::size_t s = 0; s < seats_.size(); ++s)
            out += "Seat " + std::to_string(s + 1) + ": " + seats_[s].name +
                   (s == winner ? " collected (" + amount(pot_ - rake) + ")\n" : " folded\n");
        out += "\n\n\n";
    }

    std::mt19937 random_;
    std::uint64_t handNumber_ = 0;
    std::string money_;
    bool cents_ = true;
    std::int64_t pot_ = 0;
    std::vector<Seat> seats_;
    std::vector<std::size_t> order_;
    std::vector<int> deck_;
    std::size_t owner_ = 0;
    std::string ownerCards_;
};

} // namespace roomtextbench
