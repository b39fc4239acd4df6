#include "window/review/DecisionEntry.h"

#include <cmath>

#include "engine/Hand.h"

namespace window::review {

double bigBlindToEnter(double bigBlind)
{
    // The box takes ten characters: seven digits, the point and two decimals.
    constexpr double kLargest = 9999999.99;
    const double cents = std::round(bigBlind * 100) / 100;
    return cents > 0 && cents <= kLargest ? cents : 1.0;
}

std::variant<DecisionSituation, std::string> situationOf(const history::Decision& d)
{
    if (!d.position)
        return std::string("A heads-up hand has no position in the advisor: the main window is left as it is.");
    if (d.handIndex < 0 || d.handIndex >= engine::kHandCount)
        return std::string("The hand's cards are not known: the main window is left as it is.");
    DecisionSituation s;
    s.hand = std::string(engine::handText(d.handIndex));
    s.situation.action = d.before;
    s.situation.position = *d.position;
    s.situation.bigBlind = bigBlindToEnter(d.bigBlind);
    s.situation.limpers = d.limpers > 0 ? d.limpers : 1;
    return s;
}

} // namespace window::review
