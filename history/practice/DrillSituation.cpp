#include "history/practice/DrillSituation.h"

#include "history/grading/Seats.h"

namespace practice {

std::string situationText(const DrillSituation& s)
{
    std::string out = std::string(engine::actionName(s.action)) + "/" + std::string(engine::positionName(s.position));
    if (s.action == engine::PreflopAction::Limped)
        out += " (" + std::to_string(s.limpers) + (s.limpers == 1 ? " limper)" : " limpers)");
    return out;
}

int playersBefore(int seatIndex, int players)
{
    // Pre-flop the first to act sits left of the big blind; the blinds act last.
    if (seatIndex >= 2)
        return seatIndex - 2;
    return seatIndex == 0 ? players - 2 : players - 1;
}

namespace {

bool fitsSeat(const DrillSituation& s, int seatIndex, int players)
{
    if (history::seatPosition(seatIndex, players) != s.position)
        return false;
    const int before = playersBefore(seatIndex, players);
    using enum engine::PreflopAction;
    switch (s.action) {
    case Opened:
        return s.limpers == 0 && seatIndex != 1;
    case Limped:
        return s.limpers >= 1 && before >= s.limpers;
    case Raised:
        return s.limpers == 0 && before >= 1;
    case RaisedCalled:
    case ReRaised:
        return s.limpers == 0 && before >= 2;
    }
    return false;
}

} // namespace

std::vector<int> seatsFor(const DrillSituation& s, int players)
{
    std::vector<int> out;
    if (players < kFewestPlayers || players > kMostPlayers)
        return out;
    for (int i = 0; i < players; ++i)
        if (fitsSeat(s, i, players))
            out.push_back(i);
    return out;
}

bool isPossible(const DrillSituation& s, int players)
{
    return !seatsFor(s, players).empty();
}

} // namespace practice
