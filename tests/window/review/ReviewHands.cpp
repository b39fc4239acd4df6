#include "ReviewHands.h"

#include <vector>

#include "tests/support/TestFiles.h"

namespace reviewtest {

namespace {

const char* const kHeadsUp = R"(PokerStars Hand #208871239000:  Hold'em No Limit ($0.50/$1.00 USD) - 2020/10/14 10:40:00 ET
Table 'Alcyone IV' 6-max Seat #1 is the button
Seat 1: Hero ($100 in chips)
Seat 2: Villain One ($100 in chips)
Hero: posts small blind $0.50
Villain One: posts big blind $1
*** HOLE CARDS ***
Dealt to Hero [Kh Qh]
Hero: raises $2 to $3
Villain One: folds
Uncalled bet ($2) returned to Hero
Hero collected $2 from pot
*** SUMMARY ***
Total pot $2 | Rake $0
Seat 1: Hero (button) (small blind) collected ($2)
Seat 2: Villain One (big blind) folded before Flop

)";

std::string name(int seat, int heroSeat)
{
    return seat == heroSeat ? "Hero" : "Player " + std::to_string(seat);
}

} // namespace

std::string sixHandedHand(long number, int heroSeat, const std::string& cards, bool heroFolds)
{
    std::string h = "PokerStars Hand #" + std::to_string(number)
        + ":  Hold'em No Limit ($0.50/$1.00 USD) - 2020/10/14 11:" + std::to_string(10 + number % 50)
        + ":00 ET\nTable 'Alcyone IV' 6-max Seat #6 is the button\n";
    for (int seat = 1; seat <= 6; ++seat)
        h += "Seat " + std::to_string(seat) + ": " + name(seat, heroSeat) + " ($100 in chips)\n";
    h += name(1, heroSeat) + ": posts small blind $0.50\n" + name(2, heroSeat) + ": posts big blind $1\n";
    h += "*** HOLE CARDS ***\nDealt to Hero [" + cards + "]\n";
    // First to act is seat 3, then round to the button and the blinds.
    const std::vector<int> order{3, 4, 5, 6, 1, 2};
    std::string winner;
    bool raised = false;
    for (int seat : order) {
        if (seat == heroSeat && !heroFolds) {
            h += "Hero: raises $3 to $3\n";
            raised = true;
            winner = "Hero";
            continue;
        }
        if (seat == 2 && !raised) { // folded round to the big blind
            winner = name(2, heroSeat);
            break;
        }
        h += name(seat, heroSeat) + ": folds\n";
    }
    if (raised) {
        h += "Uncalled bet ($2) returned to Hero\nHero collected $2.50 from pot\n";
        h += "*** SUMMARY ***\nTotal pot $2.50 | Rake $0\n";
    } else {
        h += "Uncalled bet ($0.50) returned to " + winner + "\n" + winner + " collected $1 from pot\n";
        h += "*** SUMMARY ***\nTotal pot $1 | Rake $0\n";
    }
    for (int seat = 1; seat <= 6; ++seat) {
        h += "Seat " + std::to_string(seat) + ": " + name(seat, heroSeat);
        if (seat == 1)
            h += " (small blind)";
        if (seat == 2)
            h += " (big blind)";
        if (seat == 6)
            h += " (button)";
        h += name(seat, heroSeat) == winner ? (raised ? " collected ($2.50)\n" : " collected ($1)\n")
                                           : " folded before Flop\n";
    }
    return h + "\n";
}

int writeHandFolder(const std::filesystem::path& folder)
{
    struct Played {
        int seat;
        const char* cards;
        bool folds;
    };
    // Seats 3 and 4 are early, 5 the cut-off, 6 the button.
    const Played played[] = {{3, "7c 2d", false}, {3, "As Ad", false}, {4, "Kh Qd", true},
                             {5, "Ts 9s", false}, {6, "Ac Kc", false}, {6, "8h 3c", false}};
    std::string first, second;
    long number = 208871238000;
    for (std::size_t i = 0; i < std::size(played); ++i)
        (i % 2 ? second : first) += sixHandedHand(number++, played[i].seat, played[i].cards, played[i].folds);
    testsupport::writeFile(folder / "Alcyone IV - table one.txt", first);
    testsupport::writeFile(folder / "nested" / "Alcyone IV - table two.txt", second + kHeadsUp);
    return static_cast<int>(std::size(played)) + 1;
}

} // namespace reviewtest
