#include "tests/store/GeneratedHands.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <vector>

namespace storetest {

namespace {

constexpr int kSeats = 6;

// SplitMix64: a fixed sequence from each hand number.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next()
    {
        std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }

private:
    std::uint64_t state_;
};

// Amounts in cents, written "$0.50", "$3".
std::string money(int cents)
{
    std::string out = "$" + std::to_string(cents / 100);
    if (cents % 100 != 0) {
        char buf[4];
        std::snprintf(buf, sizeof buf, "%02d", cents % 100);
        out += std::string(".") + buf;
    }
    return out;
}

std::string cardText(int index)
{
    static constexpr char kRanks[] = "23456789TJQKA";
    static constexpr char kSuits[] = "shdc";
    return {kRanks[index / 4], kSuits[index % 4]};
}

} // namespace

std::string roomTextHand(std::uint64_t number)
{
    Random random(number);
    const int button = static_cast<int>(number % kSeats);       // seat index 0..5; Hero sits at index 0
    const auto seatAt = [&](int offset) { return (button + offset) % kSeats; };
    const auto name = [](int seat) { return seat == 0 ? std::string("Hero") : "Villain" + std::to_string(seat); };
    const int sb = seatAt(1), bb = seatAt(2);

    std::string out = "PokerStars Hand #" + std::to_string(number)
        + ":  Hold'em No Limit ($0.50/$1.00 USD) - 2020/10/14 10:33:59 ET\n";
    out += "Table 'Generated " + std::to_string(number % 97) + "' 6-max Seat #" + std::to_string(button + 1)
        + " is the button\n";
    for (int s = 0; s < kSeats; ++s)
        out += "Seat " + std::to_string(s + 1) + ": " + name(s) + " ($100 in chips)\n";
    out += name(sb) + ": posts small blind $0.50\n" + name(bb) + ": posts big blind $1\n";
    out += "*** HOLE CARDS ***\n";
    const int first = random.below(52);
    int second = random.below(51);
    if (second >= first)
        ++second;
    out += "Dealt to Hero [" + cardText(first) + " " + cardText(second) + "]\n";

    std::array<int, kSeats> bet{};
    bet[static_cast<std::size_t>(sb)] = 50;
    bet[static_cast<std::size_t>(bb)] = 100;
    int current = 100;
    std::vector<int> raisers;
    const int heroChoice = random.below(3); // 0 fold, 1 raise, 2 raise only when facing none
    const bool villainOpens = random.below(2) == 0;
    for (int offset = 3; offset < 3 + kSeats; ++offset) {
        const int s = seatAt(offset);
        const auto i = static_cast<std::size_t>(s);
        if (s == bb && raisers.empty())
            break; // folded to the big blind, who wins without acting
        const bool raises = s == 0 ? (heroChoice == 1 || (heroChoice == 2 && raisers.empty()))
                                   : (raisers.empty() && villainOpens);
        if (raises && raisers.size() < 2) {
            const int to = raisers.empty() ? 300 : 900;
            out += name(s) + ": raises " + money(to - current) + " to " + money(to) + "\n";
            bet[i] = to;
            current = to;
            raisers.push_back(s);
        } else {
            out += name(s) + ": folds\n";
        }
    }
    if (raisers.size() == 2)
        out += name(raisers[0]) + ": folds\n";

    const int winner = raisers.empty() ? bb : raisers.back();
    int total = 0, others = 0;
    for (int s = 0; s < kSeats; ++s) {
        total += bet[static_cast<std::size_t>(s)];
        if (s != winner)
            others = std::max(others, bet[static_cast<std::size_t>(s)]);
    }
    const int uncalled = bet[static_cast<std::size_t>(winner)] - others;
    if (uncalled > 0)
        out += "Uncalled bet (" + money(uncalled) + ") returned to " + name(winner) + "\n";
    out += name(winner) + " collected " + money(total - uncalled) + " from pot\n";
    out += "*** SUMMARY ***\nTotal pot " + money(total - uncalled) + " | Rake $0\n";
    for (int s = 0; s < kSeats; ++s) {
        out += "Seat " + std::to_string(s + 1) + ": " + name(s);
        if (s == button)
            out += " (button)";
        else if (s == sb)
            out += " (small blind)";
        else if (s == bb)
            out += " (big blind)";
        out += s == winner ? " collected (" + money(total - uncalled) + ")\n" : " folded before Flop\n";
    }
    out += "\n\n\n";
    return out;
}

namespace {

std::string phhHand(std::uint64_t number, int section)
{
    // Players in PHH order: small blind, big blind, then the first to act to
    // the button. Hero's place moves with the hand number.
    Random random(number);
    const auto hero = static_cast<int>(number % kSeats);
    const auto name = [&](int i) { return i == hero ? std::string("Hero") : "Villain" + std::to_string(i + 1); };
    const auto amount = [](int cents) {
        char buf[32];
        return std::string(buf, std::to_chars(buf, buf + sizeof buf, cents / 100.0).ptr);
    };
    const int first = random.below(52);
    int second = random.below(51);
    if (second >= first)
        ++second;

    std::string actions;
    for (int i = 0; i < kSeats; ++i)
        actions += std::string(i ? ", " : "") + "'d dh p" + std::to_string(i + 1) + " "
            + (i == hero ? cardText(first) + cardText(second) : "????") + "'";
    std::array<int, kSeats> bet{50, 100, 0, 0, 0, 0};
    std::vector<int> raisers;
    const int heroChoice = random.below(3);
    const bool villainOpens = random.below(2) == 0;
    for (int k = 2; k < 2 + kSeats; ++k) {
        const int i = k % kSeats;
        if (i == 1 && raisers.empty())
            break;
        const bool raises = i == hero ? (heroChoice == 1 || (heroChoice == 2 && raisers.empty()))
                                      : (raisers.empty() && villainOpens);
        if (raises && raisers.size() < 2) {
            const int to = raisers.empty() ? 300 : 900;
            actions += ", 'p" + std::to_string(i + 1) + " cbr " + amount(to) + "'";
            bet[static_cast<std::size_t>(i)] = to;
            raisers.push_back(i);
        } else {
            actions += ", 'p" + std::to_string(i + 1) + " f'";
        }
    }
    if (raisers.size() == 2)
        actions += ", 'p" + std::to_string(raisers[0] + 1) + " f'";
    const int winner = raisers.empty() ? 1 : raisers.back();
    int total = 0, others = 0;
    for (int i = 0; i < kSeats; ++i) {
        total += bet[static_cast<std::size_t>(i)];
        if (i != winner)
            others = std::max(others, bet[static_cast<std::size_t>(i)]);
    }
    const int won = total - (bet[static_cast<std::size_t>(winner)] - others);

    std::string out = "[" + std::to_string(section) + "]\nvariant = 'NT'\nantes = [0, 0, 0, 0, 0, 0]\n"
                      "blinds_or_straddles = [0.5, 1, 0, 0, 0, 0]\nmin_bet = 1\n"
                      "starting_stacks = [100, 100, 100, 100, 100, 100]\n";
    out += "actions = [" + actions + "]\nplayers = [";
    for (int i = 0; i < kSeats; ++i)
        out += std::string(i ? ", " : "") + "'" + name(i) + "'";
    out += "]\nwinnings = [";
    for (int i = 0; i < kSeats; ++i)
        out += std::string(i ? ", " : "") + (i == winner ? amount(won) : "0");
    out += "]\nvenue = 'Generated'\nhand = " + std::to_string(number) + "\n\n";
    return out;
}

} // namespace

std::string phhHands(std::uint64_t first, int count)
{
    std::string out;
    for (int i = 0; i < count; ++i)
        out += phhHand(first + static_cast<std::uint64_t>(i), i + 1);
    return out;
}

std::string roomTextHands(std::uint64_t first, int count)
{
    std::string out;
    for (int i = 0; i < count; ++i)
        out += roomTextHand(first + static_cast<std::uint64_t>(i));
    return out;
}

} // namespace storetest
