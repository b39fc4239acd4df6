#include "engine/board/WeightedEquity.h"

#include <cmath>
#include <map>

namespace engine::board {

RangeWeight possibleWeight(const cards::Range& range, cards::CardSet known)
{
    RangeWeight total;
    const auto& combos = range.combos();
    for (std::size_t i = 0; i < combos.size(); ++i) {
        if (!combos[i].set().intersects(known)) {
            ++total.combos;
            total.weight += range.weights()[i];
        }
    }
    return total;
}

odds::EquityResult weightedEquity(const odds::EquityRequest& request, std::stop_token stop)
{
    if (!request.opponentRange)
        return odds::computeEquity(request, stop);
    cards::CardSet known = request.hand.set() | request.dead;
    for (cards::Card c : request.board)
        known.insert(c);

    // Groups of equal weight, each with its possible combinations.
    std::map<double, cards::Range> groups;
    const cards::Range& range = *request.opponentRange;
    for (std::size_t i = 0; i < range.combos().size(); ++i) {
        if (!range.combos()[i].set().intersects(known))
            groups[range.weights()[i]].add(range.combos()[i], range.weights()[i]);
    }
    if (groups.size() <= 1)
        return odds::computeEquity(request, stop);

    odds::EquityResult total;
    double sumFactor = 0.0;
    double variance = 0.0;
    bool first = true;
    for (auto& [weight, group] : groups) {
        odds::EquityRequest part = request;
        part.opponentRange = std::move(group);
        const odds::EquityResult r = odds::computeEquity(part, stop);
        if (r.status == odds::EquityStatus::Invalid)
            return r;
        const double factor = weight * static_cast<double>(part.opponentRange->combos().size());
        // Sampled if any group was.
        if (first || r.method == odds::EquityMethod::MonteCarlo)
            total.method = r.method;
        first = false;
        sumFactor += factor;
        total.deals += r.deals;
        total.win += factor * r.win;
        total.tie += factor * r.tie;
        total.equity += factor * r.equity;
        variance += factor * factor * r.standardError * r.standardError;
        total.seconds += r.seconds;
        if (r.status == odds::EquityStatus::Cancelled) {
            total.status = odds::EquityStatus::Cancelled;
            break;
        }
    }
    if (sumFactor > 0.0) {
        total.win /= sumFactor;
        total.tie /= sumFactor;
        total.equity /= sumFactor;
        total.standardError = std::sqrt(variance) / sumFactor;
    }
    return total;
}

} // namespace engine::board
