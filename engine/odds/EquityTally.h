#pragma once
// Counts of deals, kept in integers so that adding them in any order, from
// any number of threads, gives the same sums.

#include <cmath>
#include <cstdint>

#include "engine/odds/EquityRequest.h"

namespace engine::odds {

// A pot in units that every k-way split (k up to 10) divides exactly.
inline constexpr std::uint64_t kPotUnits = 2520;

struct EquityTally {
    std::uint64_t deals = 0;
    std::uint64_t wins = 0;
    std::uint64_t ties = 0;
    std::uint64_t potUnits = 0;        // hero's share, summed
    std::uint64_t squaredPotUnits = 0; // its square, summed (for Monte Carlo)

    // One deal won outright or split `players` ways.
    void addDeal(int bestPlayers)
    {
        const std::uint64_t share = kPotUnits / static_cast<std::uint64_t>(bestPlayers);
        ++deals;
        (bestPlayers == 1 ? wins : ties) += 1;
        potUnits += share;
        squaredPotUnits += share * share;
    }
    void addLoss() { ++deals; }

    EquityTally& operator+=(const EquityTally& o)
    {
        deals += o.deals;
        wins += o.wins;
        ties += o.ties;
        potUnits += o.potUnits;
        squaredPotUnits += o.squaredPotUnits;
        return *this;
    }

    // The counts of `n` deals alike.
    EquityTally times(std::uint64_t n) const
    {
        return {deals * n, wins * n, ties * n, potUnits * n, squaredPotUnits * n};
    }

    // Fills the shares of a result; the standard error only when asked.
    void fill(EquityResult& r, bool sampled) const
    {
        r.deals = deals;
        if (deals == 0)
            return;
        const auto n = static_cast<double>(deals);
        const double units = static_cast<double>(kPotUnits);
        r.win = static_cast<double>(wins) / n;
        r.tie = static_cast<double>(ties) / n;
        r.equity = static_cast<double>(potUnits) / units / n;
        if (sampled) {
            const double meanSquare = static_cast<double>(squaredPotUnits) / (units * units) / n;
            const double variance = std::max(0.0, meanSquare - r.equity * r.equity);
            r.standardError = std::sqrt(variance / n);
        }
    }
};

} // namespace engine::odds
