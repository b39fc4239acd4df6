#pragma once
// Counts of a multi-player equity. Exact counts weigh each deal by the
// product of its combinations' weights and are summed in a fixed order, so
// they do not depend on the thread count. Monte Carlo counts are whole
// numbers per player, summed in any order.

#include <array>
#include <bit>
#include <cstdint>

#include "engine/odds/EquityRequest.h"
#include "engine/odds/EquityTally.h"

namespace engine::odds {

struct WeightedTally {
    std::uint64_t deals = 0;  // deals counted, whatever their weight
    double weight = 0.0;      // their summed weight
    std::array<double, kMaxPlayers> wins{};
    std::array<double, kMaxPlayers> ties{};
    std::array<double, kMaxPlayers> pot{};  // shares of the pot, weighted

    WeightedTally& operator+=(const WeightedTally& o)
    {
        deals += o.deals;
        weight += o.weight;
        for (std::size_t p = 0; p < kMaxPlayers; ++p) {
            wins[p] += o.wins[p];
            ties[p] += o.ties[p];
            pot[p] += o.pot[p];
        }
        return *this;
    }

    void fill(EquityResult& r, std::size_t players) const
    {
        r.deals = deals;
        r.players.assign(players, PlayerEquity{});
        if (weight > 0.0) {
            for (std::size_t p = 0; p < players; ++p)
                r.players[p] = {wins[p] / weight, ties[p] / weight, pot[p] / weight, 0.0};
        }
        r.win = r.players[0].win;
        r.tie = r.players[0].tie;
        r.equity = r.players[0].equity;
        r.standardError = 0.0;
    }
};

struct SampledTally {
    std::array<EquityTally, kMaxPlayers> players;

    SampledTally& operator+=(const SampledTally& o)
    {
        for (std::size_t p = 0; p < kMaxPlayers; ++p)
            players[p] += o.players[p];
        return *this;
    }

    void fill(EquityResult& r, std::size_t count) const
    {
        r.players.assign(count, PlayerEquity{});
        for (std::size_t p = 0; p < count; ++p) {
            EquityResult one;
            players[p].fill(one, true);
            r.players[p] = {one.win, one.tie, one.equity, one.standardError};
        }
        r.deals = players[0].deals;
        r.win = r.players[0].win;
        r.tie = r.players[0].tie;
        r.equity = r.players[0].equity;
        r.standardError = r.players[0].standardError;
    }
};

// The deals of one Monte Carlo batch, by the set of players who shared the
// pot (one bit per player): one count per deal, without a division or a
// branch; turned into a SampledTally once the batch is over.
struct ShareCounts {
    std::array<std::uint32_t, std::size_t{1} << kMaxPlayers> byWinners{};

    void add(std::uint32_t winners) { ++byWinners[winners]; }

    void addTo(SampledTally& tally, std::uint64_t deals, std::size_t players) const
    {
        for (std::size_t p = 0; p < players; ++p)
            tally.players[p].deals += deals;
        for (std::size_t winners = 1; winners < byWinners.size(); ++winners) {
            const std::uint64_t n = byWinners[winners];
            if (n == 0)
                continue;
            const auto sharedBy = static_cast<std::uint64_t>(std::popcount(winners));
            const std::uint64_t share = kPotUnits / sharedBy;
            for (std::size_t p = 0; p < players; ++p) {
                if ((winners >> p & 1u) == 0)
                    continue;
                EquityTally& t = tally.players[p];
                (sharedBy == 1 ? t.wins : t.ties) += n;
                t.potUnits += n * share;
                t.squaredPotUnits += n * share * share;
            }
        }
    }
};

} // namespace engine::odds
